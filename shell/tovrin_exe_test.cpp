// The program as a user starts it, checked from another process.
#include <gtest/gtest.h>

#include "core/controls.h"
#include "platform/form.h"
#include "tests/test_support.h"
#include "tests/tovrin_process.h"

namespace {

TEST(TovrinExe, StartsCentredWithItsFixedSizeAndTrayIcon) {
  TovrinProcess tovrin;
  ASSERT_TRUE(tovrin.mainWindow());
  RECT r;
  GetWindowRect(tovrin.mainWindow(), &r);
  EXPECT_EQ(r.right - r.left, 561);
  EXPECT_EQ(r.bottom - r.top, 341);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 561) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 341) / 2);
  const LONG_PTR style = GetWindowLongPtrW(tovrin.mainWindow(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(TrayIconExists(tovrin.mainWindow()));
  EXPECT_TRUE(SendMessageW(tovrin.control(选择框1), BM_GETCHECK, 0, 0) == BST_CHECKED);
  EXPECT_EQ(GetWindowTextLengthW(tovrin.control(编辑框1)), 0);
}

TEST(TovrinExe, ClosingHidesToTheTrayAndATrayClickBringsItBack) {
  TovrinProcess tovrin;
  HWND main = tovrin.mainWindow();
  const struct {
    const char* how;
    UINT message;
    WPARAM wParam;
  } closes[] = {{"close request", WM_CLOSE, 0}, {"Esc", WM_KEYDOWN, VK_ESCAPE}};
  for (const auto& close : closes) {
    PostMessageW(main, close.message, close.wParam, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(main); })) << close.how;
    EXPECT_TRUE(tovrin.Running()) << close.how;
    EXPECT_TRUE(TrayIconExists(main)) << close.how;
    PostMessageW(main, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(main) != FALSE; })) << close.how;
  }
}

TEST(TovrinExe, QuitFromTheTrayMenuEndsWithExitCodeZeroAndNoIcon) {
  TovrinProcess tovrin;
  HWND main = tovrin.mainWindow();
  PostMessageW(main, WM_COMMAND, 退出程序, 0);
  EXPECT_EQ(tovrin.WaitForExit(), 0u);
  EXPECT_FALSE(TrayIconExists(main));
}

TEST(TovrinExe, SecondStartBringsUpTheFirstAndEnds) {
  TovrinProcess tovrin;
  HWND main = tovrin.mainWindow();
  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(main); }));
  EXPECT_EQ(RunSecondInstance(), 0u);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(main) != FALSE; }));
  EXPECT_TRUE(tovrin.Running());
}

}  // namespace
