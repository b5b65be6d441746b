#include "core/window_helpers.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

class WindowHelpersTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { host = new WindowHost(L"切换测试窗口 helpers"); }
  static void TearDownTestSuite() { delete host; }
  static WindowHost* host;
};
WindowHost* WindowHelpersTest::host = nullptr;

HWND DeadWindow() {
  HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(window);
  return window;
}

TEST_F(WindowHelpersTest, RootOwnerWalksParentsAndOwners) {
  ASSERT_TRUE(IsWindow(host->main));
  EXPECT_EQ(RootOwnerOf(host->child), host->main);
  EXPECT_EQ(RootOwnerOf(host->owned), host->main);
  EXPECT_EQ(RootOwnerOf(host->main), host->main);
  EXPECT_EQ(RootOwnerOf(nullptr), nullptr);
  EXPECT_EQ(RootOwnerOf(DeadWindow()), nullptr);
}

TEST_F(WindowHelpersTest, TitleComesBackAsGbk) {
  EXPECT_EQ(WindowTitleOf(host->main), "切换测试窗口 helpers");
  EXPECT_EQ(WindowTitleOf(host->owned), "切换测试窗口 helpers owned");
  EXPECT_EQ(WindowTitleOf(host->child), "");
  EXPECT_EQ(WindowTitleOf(nullptr), "");
}

TEST_F(WindowHelpersTest, AlphaReplacesTheWholeExtendedStyleOfAnotherProcesssWindow) {
  ASSERT_TRUE(GetWindowLongPtrW(host->tool, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  const struct { int32_t alpha; int expected; } cases[] = {{0, 0}, {300, 44}, {256, 0}, {128, 128}, {255, 255}};
  for (const auto& c : cases) {
    SetWindowAlpha(host->tool, c.alpha);
    EXPECT_EQ(ExStyleWithoutEdge(host->tool), WS_EX_LAYERED) << c.alpha;
    EXPECT_EQ(LayeredAlpha(host->tool), c.expected) << c.alpha;
  }
}

TEST_F(WindowHelpersTest, PinPutsOnTopAndInFrontThenUnpins) {
  PinWindow(host->second, true);
  EXPECT_TRUE(PumpUntil([] { return IsTopmost(host->second) && GetForegroundWindow() == host->second; }));
  PinWindow(host->second, false);
  EXPECT_TRUE(PumpUntil([] { return !IsTopmost(host->second); }));
}

TEST(PumpedDelay, DispatchesWhileWaitingAndNeverEndsEarly) {
  MessageCounter counter;
  UniqueHandle invalidTimer{CreateEventW(nullptr, FALSE, FALSE, nullptr)};  // not a timer
  const struct {
    const char* name;
    std::function<void()> pause;
    int milliseconds;
  } cases[] = {
      {"timer", [] { PumpedDelay(30); }, 30},
      {"no timer", [] { PumpedDelayOn(nullptr, 30); }, 30},
      {"not a timer", [&] { PumpedDelayOn(invalidTimer.get(), 30); }, 30},
  };
  for (const auto& c : cases) {
    const int before = counter.count();
    counter.Post();
    const ULONGLONG start = GetTickCount64();
    c.pause();
    // The tick count moves in steps of up to 16 ms; allow one step below the length.
    EXPECT_GE(GetTickCount64() - start + 16, static_cast<ULONGLONG>(c.milliseconds)) << c.name;
    EXPECT_EQ(counter.count(), before + 1) << c.name;
  }
}

TEST(PumpedDelay, MessagePostedDuringThePauseIsDispatchedBeforeItEnds) {
  MessageCounter counter;
  // A timer message queued a few milliseconds into the pause.
  StartCallbackTimer(5, [&counter](UINT_PTR id) {
    StopCallbackTimer(id);
    counter.Post();
  });
  PumpedDelay(60);
  EXPECT_EQ(counter.count(), 1);
}

TEST(PumpedDelay, LeavesAQuitMessageQueued) {
  PostQuitMessage(3);
  PumpedDelay(10);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
