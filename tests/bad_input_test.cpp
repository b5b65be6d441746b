// The switch and its companions fed what a user can leave them: slot texts that name
// no window, windows that vanish before or during a switch, one window designated
// twice, and the program's own main window designated. None of it may crash the
// program, and no other program's window may be touched beyond what the actions do to
// the windows they name.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/controls.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "tests/main_window_fixture.h"
#include "tests/test_support.h"

namespace {

constexpr char kNoWindowOne[] = "请指定一个要切换的窗口";

// What another program would notice of a change to its window.
struct WindowState {
  bool visible, zoomed;
  LONG_PTR style, exStyle;
  int alpha;
  bool operator==(const WindowState& o) const {
    return visible == o.visible && zoomed == o.zoomed && style == o.style && exStyle == o.exStyle && alpha == o.alpha;
  }
};

std::ostream& operator<<(std::ostream& out, const WindowState& s) {
  return out << "{visible " << s.visible << ", zoomed " << s.zoomed << ", style " << std::hex << s.style
             << ", ex style " << s.exStyle << std::dec << ", alpha " << s.alpha << "}";
}

std::vector<WindowState> StatesOf(const std::vector<HWND>& windows) {
  std::vector<WindowState> states;
  for (HWND w : windows)
    states.push_back({IsWindowVisible(w) != FALSE, IsZoomed(w) != FALSE, GetWindowLongPtrW(w, GWL_STYLE),
                      GetWindowLongPtrW(w, GWL_EXSTYLE), LayeredAlpha(w)});
  return states;
}

// Returns once the host has handled every request already sent to its windows, the
// asynchronous show and hide requests included.
void Settle(const WindowHost& host) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(host.main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

std::string SlotTextOf(HWND window) { return IntToText(HandleValue(window)); }

// The handle of a window whose program has ended since.
std::string DeadWindowText() {
  WindowHost gone(L"gone");
  HWND window = gone.main;
  gone.Terminate();
  return SlotTextOf(window);
}

class BadInputTest : public testing::Test, public MainWindowFixture {
 protected:
  void SetUp() override { form->SetPosition(滑块条1, 1); }

  void Designate(const std::string& one, const std::string& two) {
    form->SetText(编辑框1, one);
    form->SetText(编辑框4, two);
  }
  void Click(int button) { SendMessageW(form->Handle(button), BM_CLICK, 0, 0); }
  // A slot text that converts to a handle must not name a real window here, or the
  // case would test a designated window instead of a bad text.
  static void ExpectNamesNoWindow(const std::string& text) {
    const int32_t value = TextToInt(text);
    if (value) {
      EXPECT_FALSE(IsWindow(HandleFrom(value))) << "'" << text << "' names a window on this system";
    }
  }
  std::vector<std::string> BadSlotTexts() { return {"", "abc", "-1", "  12x", "99999999999", DeadWindowText()}; }

  WindowHost host{L"bad input target"};
};

TEST_F(BadInputTest, SlotOneNamingNoWindowSaysSoAndTouchesNothingButWindowTwo) {
  const std::vector<HWND> untouched = {host.main, host.child, host.owned, host.tool};
  for (const std::string& text : BadSlotTexts()) {
    SCOPED_TRACE("编辑框1 '" + text + "'");
    ExpectNamesNoWindow(text);
    ShowWindow(host.second, SW_SHOWNOACTIVATE);
    const std::vector<WindowState> before = StatesOf(untouched);

    Designate(text, SlotTextOf(host.second));
    form->SetText(标签10, "before");
    Click(按钮1);
    EXPECT_EQ(form->Text(标签10), kNoWindowOne);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(host.second); })) << "window 2 is hidden all the same";
    Settle(host);
    EXPECT_EQ(StatesOf(untouched), before);
  }
}

TEST_F(BadInputTest, SlotTwoNamingNoWindowLeavesEveryOtherWindowAsItWas) {
  const std::vector<HWND> untouched = {host.main, host.child, host.owned, host.second};
  for (const std::string& text : BadSlotTexts()) {
    SCOPED_TRACE("编辑框4 '" + text + "'");
    ExpectNamesNoWindow(text);
    const std::vector<WindowState> before = StatesOf(untouched);

    Designate(SlotTextOf(host.tool), text);
    form->SetText(标签10, "before");
    Click(按钮1);
    EXPECT_EQ(form->Text(标签10), "") << "the switch of window 1 ran to its end";
    EXPECT_EQ(LayeredAlpha(host.tool), 255);
    Click(显示窗口);
    SendMessageW(form->Handle(滑块条2), WM_KEYDOWN, VK_LEFT, 0);  // the user moves the transparency
    Settle(host);
    EXPECT_EQ(StatesOf(untouched), before);
  }
}

TEST_F(BadInputTest, WindowOneDestroyedInTheMiddleOfAFade) {
  WindowHost fading(L"destroyed while fading");
  Designate(SlotTextOf(fading.main), SlotTextOf(host.tool));
  form->SetPosition(滑块条1, 30);
  bool terminated = false;
  const UINT_PTR timer = StartCallbackTimer(1, [&](UINT_PTR) {
    const int alpha = LayeredAlpha(fading.main);
    if (terminated || alpha <= 0 || alpha >= 200) return;
    fading.Terminate();
    terminated = true;
  });
  Click(按钮1);
  StopCallbackTimer(timer);
  ASSERT_TRUE(terminated) << "window 1's program ended during the fade";
  EXPECT_EQ(form->Text(标签10), "") << "the switch ran to its end";

  // The program carries on: the dead designation is reported, a good one switches.
  Click(按钮1);
  EXPECT_EQ(form->Text(标签10), kNoWindowOne);
  Designate(SlotTextOf(host.second), SlotTextOf(host.tool));
  form->SetText(标签10, "before");
  Click(按钮1);
  EXPECT_EQ(form->Text(标签10), "");
  EXPECT_EQ(LayeredAlpha(host.second), 255);
  EXPECT_FALSE(IsTopmost(host.second));
}

TEST_F(BadInputTest, WindowTwoDestroyedWhileHiddenThenSwitchAndShow) {
  const std::vector<HWND> untouched = {host.main, host.child, host.owned, host.tool};
  const std::vector<WindowState> before = StatesOf(untouched);
  auto two = std::make_unique<WindowHost>(L"destroyed while hidden");
  Designate(SlotTextOf(host.second), SlotTextOf(two->main));
  Click(按钮1);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(two->main); }));
  two.reset();

  form->SetText(标签10, "before");
  Click(按钮1);
  EXPECT_EQ(form->Text(标签10), "");
  EXPECT_EQ(LayeredAlpha(host.second), 255);
  EXPECT_FALSE(IsTopmost(host.second));
  Click(显示窗口);
  Settle(host);
  EXPECT_EQ(StatesOf(untouched), before);
  EXPECT_TRUE(IsWindowVisible(host.second));
}

TEST_F(BadInputTest, OneWindowDesignatedAsBothEndsShownOpaqueAndNotOnTop) {
  Designate(SlotTextOf(host.second), SlotTextOf(host.second));
  const std::vector<HWND> untouched = {host.main, host.child, host.owned, host.tool};
  const std::vector<WindowState> before = StatesOf(untouched);
  Click(按钮1);
  Settle(host);
  EXPECT_EQ(form->Text(标签10), "");
  EXPECT_TRUE(IsWindowVisible(host.second)) << "shown after its hiding";
  EXPECT_TRUE(IsZoomed(host.second));
  EXPECT_EQ(LayeredAlpha(host.second), 255);
  EXPECT_FALSE(IsTopmost(host.second));

  Click(显示窗口);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(host.second) && !IsZoomed(host.second); }));
  EXPECT_EQ(StatesOf(untouched), before);
}

TEST_F(BadInputTest, OwnMainWindowAsWindowOneFadesItselfIn) {
  Designate(SlotTextOf(form->Window()), SlotTextOf(host.second));
  Click(按钮1);
  EXPECT_EQ(form->Text(标签10), "");
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(LayeredAlpha(form->Window()), 255);
  EXPECT_FALSE(IsTopmost(form->Window()));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(host.second); }));
}

TEST_F(BadInputTest, OwnMainWindowAsWindowTwoHidesItselfAndComesBack) {
  // One of its own controls in the slot: the switch works on the main window.
  Designate(SlotTextOf(host.second), SlotTextOf(form->Handle(按钮1)));
  form->SetText(标签10, "before");
  Click(按钮1);
  EXPECT_EQ(form->Text(标签10), "");
  EXPECT_TRUE(PumpUntil([&] { return !form->Visible(); }));
  EXPECT_EQ(LayeredAlpha(host.second), 255);

  Click(显示窗口);
  EXPECT_TRUE(PumpUntil([&] { return form->Visible(); }));
  EXPECT_FALSE(IsTopmost(form->Window()));
}

}  // namespace
