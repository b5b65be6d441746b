// Dragging a picker onto another program's window with the real mouse: inside this
// process on the real main window, where the timers, the capture and the frame state
// can be watched, and on the running tovrin.exe, as a user does it.
#include "picker/drag_to_pick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/controls.h"
#include "picker/frame.h"
#include "picker/picker_win32.h"
#include "picker/picker_test_support.h"
#include "platform/gbk.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "tests/main_window_fixture.h"
#include "tests/test_support.h"
#include "tests/tovrin_process.h"

namespace {

constexpr wchar_t kHostTitle[] = L"拾取目标";

std::string SlotTextOf(HWND window) { return IntToText(HandleValue(window)); }
std::wstring SlotTextOfW(HWND window) { return Widen(SlotTextOf(window)); }

// A point over host's owned pop-up that no other window covers.
POINT OverOwnedPopUp(const WindowHost& host) {
  RECT r{};
  GetWindowRect(host.owned, &r);
  return {r.left + 50, r.bottom - 20};
}

// Points inside a picker box, clear of the frame band that a tick may put around it.
std::vector<POINT> InsideBox(HWND box) {
  RECT r{};
  GetWindowRect(box, &r);
  std::vector<POINT> points;
  for (LONG y = r.top + 6; y < r.bottom - 6; y += 4)
    for (LONG x = r.left + 6; x < r.right - 6; x += 4) points.push_back({x, y});
  return points;
}

class DragToPickTest : public testing::Test, public MainWindowFixture {
 protected:
  // The main window over the host's windows, as after the user clicked it.
  void BringToFront() {
    SetWindowPos(form->Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form->Window());
    PumpFor(50);
  }
  HWND Box(const Picker& picker) const { return form->Handle(picker.box); }
  bool Dragging(const Picker& picker) const {
    return form->TimerPeriod(picker.timer) == 100 && GetCapture() == Box(picker);
  }
  bool Idle(const Picker& picker) const { return form->TimerPeriod(picker.timer) == 0 && GetCapture() == nullptr; }
};

TEST_F(DragToPickTest, EachPickerDesignatesTheWindowDroppedOnThroughItsOwnControlsOnly) {
  WindowHost host(kHostTitle);
  BringToFront();
  const POINT target = OverOwnedPopUp(host);
  const struct {
    const char* name;
    const Picker& picker;
    const Picker& other;
  } cases[] = {{"window 1", kWindowOnePicker, kWindowTwoPicker}, {"window 2", kWindowTwoPicker, kWindowOnePicker}};
  for (const auto& c : cases) {
    ASSERT_EQ(WindowFromPoint(CentreOf(Box(c.picker))), Box(c.picker)) << c.name;
    form->SetText(c.other.slot, "12345");
    form->SetText(c.other.titleBox, "other");

    LeftButton button;
    ASSERT_TRUE(button.Press(CentreOf(Box(c.picker)))) << c.name;
    ASSERT_TRUE(PumpUntil([&] { return Dragging(c.picker); })) << c.name;
    ASSERT_TRUE(MovePointerTo(target)) << c.name;
    // The owned pop-up is designated itself; its title box shows its owner's title.
    EXPECT_TRUE(PumpUntil([&] { return form->Text(c.picker.slot) == SlotTextOf(host.owned); })) << c.name;
    EXPECT_EQ(Widen(form->Text(c.picker.titleBox)), kHostTitle) << c.name;
    EXPECT_EQ(form->TimerPeriod(c.other.timer), 0) << c.name;
    button.Release(target);

    EXPECT_TRUE(PumpUntil([&] { return Idle(c.picker); })) << c.name;
    EXPECT_FALSE(frameDrawn) << c.name;
    EXPECT_EQ(form->Text(c.picker.slot), SlotTextOf(host.owned)) << c.name;
    EXPECT_EQ(form->Text(c.other.slot), "12345") << c.name;
    EXPECT_EQ(form->Text(c.other.titleBox), "other") << c.name;
  }
}

// Dispatches this thread's messages until count left-button messages have reached
// window; those messages, in order.
std::vector<UINT> DispatchButtonMessages(HWND window, size_t count) {
  std::vector<UINT> seen;
  PumpUntil([&] {
    MSG msg;
    while (seen.size() < count && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == window && msg.message >= WM_LBUTTONDOWN && msg.message <= WM_LBUTTONDBLCLK)
        seen.push_back(msg.message);
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return seen.size() == count;
  });
  return seen;
}

TEST_F(DragToPickTest, QuickSecondPressIsADoubleClickThatStartsNoDrag) {
  const Picker& picker = kWindowOnePicker;
  BringToFront();
  LeftButton button;
  ASSERT_TRUE(button.Press(CentreOf(Box(picker)), 1));
  EXPECT_EQ(DispatchButtonMessages(Box(picker), 3),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}));
  EXPECT_TRUE(Idle(picker)) << "the button is still down, and no drag runs";
  PumpFor(300);
  EXPECT_EQ(form->Text(picker.slot), "") << "no tick";
  button.Release(CentreOf(Box(picker)));
  EXPECT_EQ(DispatchButtonMessages(Box(picker), 1), std::vector<UINT>{WM_LBUTTONUP});
  EXPECT_TRUE(Idle(picker));
}

TEST_F(DragToPickTest, CaptureTakenAwayMidDragEndsTheDragKeepingTheLastSample) {
  const Picker& picker = kWindowOnePicker;
  PaintedHost host(kHostTitle);
  BringToFront();
  const POINT target = OverOwnedPopUp(host);
  RECT owned{};
  GetWindowRect(host.owned, &owned);
  const std::vector<POINT> band = FrameBandProbes(owned), box = InsideBox(Box(picker));
  const std::vector<COLORREF> boxAtRest = ScreenPixels(box);

  const struct {
    const char* how;
    void (*takeAway)(HWND other);
    bool goesToOther;
  } cases[] = {
      {"another window takes it", [](HWND other) { SetCapture(other); }, true},
      {"it is released", [](HWND) { ReleaseCapture(); }, false},
  };
  const POINT centre = CentreOf(Box(picker));
  int shift = -8;  // each press elsewhere in the box, or the system sees a double click
  for (const auto& c : cases) {
    const POINT grip = {centre.x + (shift += 8), centre.y};
    const std::vector<COLORREF> bandBefore = ScreenPixels(band);
    LeftButton button;
    ASSERT_TRUE(button.Press(grip)) << c.how;
    ASSERT_TRUE(PumpUntil([&] { return Dragging(picker); })) << c.how;
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(box) != boxAtRest; })) << c.how << ": the box empties";
    ASSERT_TRUE(MovePointerTo(target)) << c.how;
    const std::string sample = SlotTextOf(host.owned);
    ASSERT_TRUE(PumpUntil([&] {
      return form->Text(picker.slot) == sample && lastFramedWindow == static_cast<uint32_t>(HandleValue(host.owned)) &&
             frameDrawn;
    })) << c.how;
    ASSERT_EQ(ScreenPixels(band), Inverted(bandBefore)) << c.how << ": the frame is up";
    const std::string title = form->Text(picker.titleBox);

    c.takeAway(form->Window());
    EXPECT_EQ(form->TimerPeriod(picker.timer), 0) << c.how;
    EXPECT_FALSE(frameDrawn) << c.how;
    EXPECT_EQ(ScreenPixels(band), bandBefore) << c.how << ": the frame is down";
    EXPECT_EQ(GetCapture(), c.goesToOther ? form->Window() : nullptr) << c.how << ": the capture stays where it went";
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(box) == boxAtRest; })) << c.how << ": the picture is back";

    // No tick follows the pointer any more, and the release that comes at last, over
    // the box, changes nothing.
    ASSERT_TRUE(MovePointerTo(CentreOf(host.child))) << c.how;
    PumpFor(300);
    ReleaseCapture();
    button.Release(grip);
    EXPECT_EQ(DispatchButtonMessages(Box(picker), 1), std::vector<UINT>{WM_LBUTTONUP}) << c.how;
    EXPECT_TRUE(Idle(picker)) << c.how;
    EXPECT_FALSE(frameDrawn) << c.how;
    EXPECT_EQ(form->Text(picker.slot), sample) << c.how;
    EXPECT_EQ(form->Text(picker.titleBox), title) << c.how;
    EXPECT_EQ(ScreenPixels(band), bandBefore) << c.how;
    EXPECT_EQ(ScreenPixels(box), boxAtRest) << c.how;
  }
}

TEST_F(DragToPickTest, IdlePickerLosingACaptureLeavesEverythingAsItWas) {
  WindowHost host(kHostTitle);
  HighlightWindow(nullptr, true);
  HighlightWindow(host.main);  // a frame of the other picker's drag, say
  form->SetText(kWindowOnePicker.slot, "777");
  SetCapture(Box(kWindowOnePicker));
  SetCapture(form->Window());
  EXPECT_TRUE(frameDrawn);
  EXPECT_EQ(GetCapture(), form->Window());
  EXPECT_EQ(form->TimerPeriod(kWindowOnePicker.timer), 0);
  EXPECT_EQ(form->Text(kWindowOnePicker.slot), "777");
  ReleaseCapture();
  HighlightWindow(nullptr, true);
}

// tovrin.exe seen from outside: the text of its controls, the capture of its thread.
class TovrinPickerTest : public testing::Test {
 protected:
  // Drags picker box onto the point, holding the button there until the slot shows
  // the window under it; true if the drag started, designated it and ended.
  bool Drag(HWND box, HWND slot, POINT onto, HWND expected) {
    LeftButton button;
    if (!button.Press(CentreOf(box))) return false;
    if (!PumpUntil([&] { return CaptureOfThreadOf(box) == box; })) return false;
    if (!MovePointerTo(onto)) return false;
    const bool designated = PumpUntil([&] { return ControlText(slot) == SlotTextOfW(expected); });
    button.Release(onto);
    return designated && PumpUntil([&] { return CaptureOfThreadOf(box) == nullptr; });
  }
};

TEST_F(TovrinPickerTest, DraggedWindowsAreDesignatedFramedAndSwitched) {
  PaintedHost host(kHostTitle);
  TovrinProcess tovrin;  // started after the host: in front of it
  HWND box1 = tovrin.control(图片框1), box2 = tovrin.control(图片框2);
  ASSERT_EQ(WindowFromPoint(CentreOf(box1)), box1);
  ASSERT_EQ(WindowFromPoint(CentreOf(box2)), box2);
  RECT child{}, second{};
  GetWindowRect(host.child, &child);
  GetWindowRect(host.second, &second);
  const std::vector<POINT> band = FrameBandProbes(child);
  const std::vector<COLORREF> bandBefore = ScreenPixels(band);

  // Window 1 onto the edit control inside the host's main window: the slot names the
  // control, the title box the window it sits in. The frame shows around the control
  // while the button is held.
  {
    LeftButton button;
    ASSERT_TRUE(button.Press(CentreOf(box1)));
    ASSERT_TRUE(PumpUntil([&] { return CaptureOfThreadOf(box1) == box1; }));
    ASSERT_TRUE(MovePointerTo(CentreOf(host.child)));
    EXPECT_TRUE(PumpUntil([&] { return ControlText(tovrin.control(编辑框1)) == SlotTextOfW(host.child); }));
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(band) == Inverted(bandBefore); })) << "the frame blinks";
    button.Release(CentreOf(host.child));
    EXPECT_TRUE(PumpUntil([&] { return CaptureOfThreadOf(box1) == nullptr; }));
  }
  SendMessageW(tovrin.mainWindow(), WM_NULL, 0, 0);  // the release has been handled
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(band) == bandBefore; })) << "the frame came down";
  PumpFor(300);
  EXPECT_EQ(ScreenPixels(band), bandBefore) << "and stays down: the poll stopped";
  EXPECT_EQ(ControlText(tovrin.control(编辑框1)), SlotTextOfW(host.child));
  EXPECT_EQ(ControlText(tovrin.control(编辑框2)), kHostTitle);
  EXPECT_EQ(ControlText(tovrin.control(编辑框4)), L"");
  EXPECT_EQ(ControlText(tovrin.control(编辑框3)), L"");

  // Window 2 onto the host's second top-level window: only window 2's controls change.
  ASSERT_TRUE(Drag(box2, tovrin.control(编辑框4), {second.right - 20, second.top + 40}, host.second));
  EXPECT_EQ(ControlText(tovrin.control(编辑框3)), std::wstring(kHostTitle) + L" second");
  EXPECT_EQ(ControlText(tovrin.control(编辑框1)), SlotTextOfW(host.child));
  EXPECT_EQ(ControlText(tovrin.control(编辑框2)), kHostTitle);

  // The switch works on what the drags designated: window 2 hidden, the window that
  // holds the dropped-on control brought up.
  PostMessageW(tovrin.control(按钮1), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(host.second); }));
  EXPECT_TRUE(PumpUntil([&] { return LayeredAlpha(host.main) == 255 && IsZoomed(host.main); }));
}

TEST_F(TovrinPickerTest, QuickClickOnAPickerChangesNothing) {
  TovrinProcess tovrin;
  HWND box = tovrin.control(图片框1);
  ASSERT_EQ(WindowFromPoint(CentreOf(box)), box);
  const std::vector<COLORREF> boxAtRest = ScreenPixels(InsideBox(box));
  LeftButton button;
  ASSERT_TRUE(button.Click(CentreOf(box)));
  PumpFor(300);  // time for the click, and for ticks had a poll been left running
  EXPECT_EQ(CaptureOfThreadOf(box), nullptr);
  EXPECT_EQ(ControlText(tovrin.control(编辑框1)), L"");
  EXPECT_EQ(ControlText(tovrin.control(编辑框2)), L"");
  EXPECT_EQ(ScreenPixels(InsideBox(box)), boxAtRest);
}

}  // namespace
