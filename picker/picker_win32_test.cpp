// The picker's edges over the real system: the window search against live windows of
// another program and of this one, the frame on the live display.
#include <gtest/gtest.h>

#include <vector>

#include "picker/frame.h"
#include "picker/picker_win32.h"
#include "picker/picker_test_support.h"
#include "tests/test_support.h"

namespace {

// A top-level window of this process with children over one spot: a large one on top
// and a small one below it, as a group box lies over the controls inside it, and
// below both a smaller one still, hidden.
class SiblingsWindow {
 public:
  SiblingsWindow() {
    WNDCLASSW plain{};
    plain.lpfnWndProc = DefWindowProcW;
    plain.hInstance = GetModuleHandleW(nullptr);
    plain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    plain.lpszClassName = L"TovrinPickerSiblings";
    RegisterClassW(&plain);
    top = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 820, 620, 300, 200, nullptr);
    cover = Make(WS_CHILD | WS_VISIBLE, 0, 0, 200, 150, top);
    inner = Make(WS_CHILD | WS_VISIBLE, 40, 40, 60, 40, top);
    hidden = Make(WS_CHILD, 50, 50, 10, 10, top);
    SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(hidden, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    spot = {55, 55};
    ClientToScreen(top, &spot);
  }
  ~SiblingsWindow() { DestroyWindow(top); }
  SiblingsWindow(const SiblingsWindow&) = delete;
  SiblingsWindow& operator=(const SiblingsWindow&) = delete;

  HWND top = nullptr, cover = nullptr, inner = nullptr, hidden = nullptr;
  POINT spot{};  // inside all three children

 private:
  static HWND Make(DWORD style, int x, int y, int width, int height, HWND parent) {
    return CreateWindowW(L"TovrinPickerSiblings", L"siblings", style, x, y, width, height, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  }
};

TEST(PickerOnLiveWindows, WindowUnderPointerFindsTheWindowTheUserMeans) {
  WindowHost host(L"picker search");
  SiblingsWindow siblings;
  RECT main{};
  GetWindowRect(host.main, &main);
  ASSERT_EQ(WindowFromPoint(siblings.spot), siblings.cover) << "the system hits the larger sibling";

  const struct {
    const char* where;
    POINT at;
    HWND expected;
  } cases[] = {
      {"a control of another program", CentreOf(host.child), host.child},
      {"the top-level area of its window", {main.left + 10, main.bottom - 10}, host.main},
      {"a small control below a larger sibling", siblings.spot, siblings.inner},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(MovePointerTo(c.at)) << c.where;
    EXPECT_EQ(WindowUnderPointer(), c.expected) << c.where;
  }
}

TEST(PickerOnLiveWindows, FrameInvertsTheBandOnTheDisplayAndTakingItDownRestoresIt) {
  PaintedHost host(L"picker frame");
  RECT r{};
  GetWindowRect(host.main, &r);
  const std::vector<POINT> band = FrameBandProbes(r);
  // The first pixels inside the 3-pixel band, under both rules for the right and bottom bars.
  const LONG midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
  const std::vector<POINT> inside = {{midX, r.top + 3}, {r.left + 3, midY}, {r.right - 4, midY}, {midX, r.bottom - 4}};

  const struct {
    const char* how;
    void (*takeDown)(HWND framed);
  } cases[] = {
      {"a second frame call", [](HWND framed) { HighlightWindow(framed); }},
      {"an erase call", [](HWND) { HighlightWindow(nullptr, true); }},
  };
  for (const auto& c : cases) {
    HighlightWindow(nullptr, true);  // no frame of an earlier test stays up
    const std::vector<COLORREF> bandBefore = ScreenPixels(band), insideBefore = ScreenPixels(inside);
    HighlightWindow(host.main);
    EXPECT_TRUE(frameDrawn) << c.how;
    EXPECT_EQ(ScreenPixels(band), Inverted(bandBefore)) << c.how;
    EXPECT_EQ(ScreenPixels(inside), insideBefore) << c.how;
    c.takeDown(host.main);
    EXPECT_FALSE(frameDrawn) << c.how;
    EXPECT_EQ(ScreenPixels(band), bandBefore) << c.how;
  }
}

TEST(PickerOnLiveWindows, RepeatedPickerCallsLeaveNoGdiObjectBehind) {
  WindowHost host(L"picker gdi");
  // Every path once before counting: the display's first use creates objects for good.
  auto everyPath = [&] {
    HighlightWindow(host.main);       // a new window
    HighlightWindow(host.child);      // another, with the frame up
    HighlightWindow(host.child);      // the same one again
    HighlightWindow(nullptr, true);   // an erase with the frame down
    HighlightWindow(host.main);
    HighlightWindow(nullptr, true);   // an erase with the frame up
    WindowUnderPointer();
  };
  everyPath();
  const int before = GdiObjectsInUse();
  ASSERT_GT(before, 0) << "the count can be read";
  for (int round = 0; round < 50; ++round) everyPath();
  EXPECT_EQ(GdiObjectsInUse(), before);
}

}  // namespace
