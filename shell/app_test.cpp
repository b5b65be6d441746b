#include "shell/app.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/controls.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "tests/main_window_fixture.h"
#include "tests/test_support.h"
#include "tests/tovrin_process.h"

namespace {

class AppTest : public testing::Test, public MainWindowFixture {
 protected:
  void PostTray(UINT mouseMessage) {
    PostMessageW(form->Window(), kTrayCallbackMessage, kTrayIconId, mouseMessage);
    PumpFor(30);
  }
};

TEST_F(AppTest, CloseRequestHidesAndKeepsTheTrayIcon) {
  SendMessageW(form->Window(), WM_CLOSE, 0, 0);
  PumpUntil([&] { return !form->Visible(); });
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(IsWindow(form->Window()));
  EXPECT_TRUE(TrayIconExists(form->Window()));
}

TEST_F(AppTest, TrayClicksShowAndRestoreOtherMessagesDoNothing) {
  const struct {
    UINT message;
    bool shows;
  } cases[] = {{WM_LBUTTONUP, true}, {WM_LBUTTONDBLCLK, true}, {WM_MOUSEMOVE, false}, {WM_LBUTTONDOWN, false}};
  for (const auto& c : cases) {
    ShowWindow(form->Window(), SW_MINIMIZE);
    ShowWindow(form->Window(), SW_HIDE);
    PostTray(c.message);
    EXPECT_EQ(form->Visible(), c.shows) << std::hex << c.message;
    EXPECT_EQ(IsIconic(form->Window()) == FALSE, c.shows) << std::hex << c.message;
  }
}

TEST_F(AppTest, MenuShowKeepsAMinimisedWindowMinimisedAndHideHides) {
  ShowWindow(form->Window(), SW_MINIMIZE);
  ShowWindow(form->Window(), SW_HIDE);
  SendMessageW(form->Window(), WM_COMMAND, 显示主窗口, 0);
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(IsIconic(form->Window()));
  SendMessageW(form->Window(), WM_COMMAND, 隐藏主窗口, 0);
  EXPECT_TRUE(PumpUntil([&] { return !form->Visible(); }));
}

TEST_F(AppTest, RightClickPopsUpTheThreeItemsNearThePointer) {
  static std::vector<std::wstring> items;
  static RECT menuRect;
  static POINT pointer;
  items.clear();
  // The menu runs its own loop; look at it from a timer inside that loop, then close it.
  StartCallbackTimer(50, [](UINT_PTR id) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) return;
    StopCallbackTimer(id);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      items.push_back(text);
    }
    GetWindowRect(menuWindow, &menuRect);
    GetCursorPos(&pointer);
    EndMenu();
  });
  PostTray(WM_RBUTTONUP);
  PumpUntil([] { return !items.empty(); });
  EXPECT_EQ(items, (std::vector<std::wstring>{L"显示主窗口", L"隐藏主窗口", L"退出程序"}));
  EXPECT_EQ(menuRect.left, pointer.x + 3);
  EXPECT_EQ(menuRect.top, pointer.y + 3);
  EXPECT_TRUE(IsWindow(form->Window())) << "closing the menu chose nothing";
}

TEST_F(AppTest, QuitRemovesTheIconAndGivesBackAHiddenWindowTwo) {
  WindowHost host(L"given back");
  form->SetText(编辑框4, IntToText(HandleValue(host.child)));
  ShowWindow(host.second, SW_HIDE);
  form->SetText(编辑框4, IntToText(HandleValue(host.second)));
  ShowWindow(host.second, SW_HIDE);
  HWND main = form->Window();
  SendMessageW(main, WM_COMMAND, 退出程序, 0);
  EXPECT_TRUE(IsWindow(main)) << "destroyed only when the loop next runs";
  PumpUntil([&] { return !IsWindow(main); });
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(TrayIconExists(main));
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(host.second) != FALSE; }));
}

TEST_F(AppTest, ButtonsAndTransparencySliderRunTheActions) {
  WindowHost host(L"driven by buttons");
  form->SetText(编辑框1, IntToText(HandleValue(host.main)));
  form->SetText(编辑框4, IntToText(HandleValue(host.second)));
  form->SetPosition(滑块条1, 3);
  SendMessageW(form->Handle(按钮1), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(host.second); }));
  EXPECT_EQ(LayeredAlpha(host.main), 255);
  EXPECT_TRUE(IsZoomed(host.main));

  SendMessageW(form->Handle(显示窗口), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(host.second) != FALSE; }));

  form->SetPosition(滑块条2, 40);  // the program's own write changes nothing
  EXPECT_EQ(LayeredAlpha(host.second), -1);
  SendMessageW(form->Handle(滑块条2), WM_KEYDOWN, VK_LEFT, 0);  // the user's move does
  EXPECT_EQ(LayeredAlpha(host.second), 39);
}

}  // namespace
