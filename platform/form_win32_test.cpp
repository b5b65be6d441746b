#include "platform/form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "core/controls.h"
#include "platform/events.h"
#include "tests/test_support.h"

namespace {

std::wstring WideText(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return buffer;
}

class FormTest : public testing::Test {
 protected:
  void SetUp() override {
    FormSpec spec;
    spec.title = "测试窗口";
    spec.outerWidth = 561;
    spec.outerHeight = 341;
    spec.controls = {
        control::Label(标签1, {8, 38, 56, 24}, "窗口1:"),
        control::ReadOnlyEditBox(热键框, {86, 110, 154, 25}),
        control::Button(按钮1, {288, 107, 248, 31}, "切换/隐藏对应窗口(`)"),
        control::CheckBox(选择框1, {19, 263, 104, 24}, "窗口1渐变出现", true),
        control::Slider(滑块条2, {96, 218, 400, 30}, 0, 255, 255, 60),
        control::HiddenEditBox(编辑框1, {40, 445, 88, 24}),
        control::Timer(时钟1),
    };
    form = std::make_unique<Form>(spec);
    form->Create(false);
    form->Show();
  }
  std::unique_ptr<Form> form;
};

TEST_F(FormTest, ChineseTextsReachWin32AsTheyReadInAnyLocale) {
  EXPECT_EQ(WideText(form->Window()), L"测试窗口");
  EXPECT_EQ(WideText(form->Handle(标签1)), L"窗口1:");
  EXPECT_EQ(WideText(form->Handle(按钮1)), L"切换/隐藏对应窗口(`)");
  EXPECT_EQ(form->Text(选择框1), "窗口1渐变出现");  // and come back as the same GBK bytes
  form->SetText(标签1, "要切换的窗口被关闭了");
  EXPECT_EQ(WideText(form->Handle(标签1)), L"要切换的窗口被关闭了");
}

TEST_F(FormTest, HiddenSlotIsNeverShownYetHoldsItsText) {
  EXPECT_FALSE(IsWindowVisible(form->Handle(编辑框1)));
  form->SetText(编辑框1, "-123456");
  EXPECT_EQ(form->Text(编辑框1), "-123456");
  EXPECT_FALSE(IsWindowVisible(form->Handle(编辑框1)));
}

TEST_F(FormTest, ReadOnlyBoxIgnoresTypingButReportsKeys) {
  int keyDowns = 0;
  form->On(热键框).keyDown = [&](int32_t, int32_t) { ++keyDowns; };
  SendMessageW(form->Handle(热键框), WM_KEYDOWN, 'A', 0);
  SendMessageW(form->Handle(热键框), WM_CHAR, 'a', 0);
  EXPECT_EQ(keyDowns, 1);
  EXPECT_EQ(form->Text(热键框), "");
}

TEST_F(FormTest, SliderRaisesPositionChangedForUserMovesOnly) {
  int changes = 0;
  form->On(滑块条2).positionChanged = [&] { ++changes; };
  form->SetPosition(滑块条2, 100);  // the program's own write
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(form->Position(滑块条2), 100);

  HWND slider = form->Handle(滑块条2);
  SendMessageW(slider, WM_KEYDOWN, VK_RIGHT, 0);  // a line down, then the end of tracking
  SendMessageW(slider, WM_KEYUP, VK_RIGHT, 0);
  EXPECT_EQ(form->Position(滑块条2), 101);
  EXPECT_EQ(changes, 1);

  SendMessageW(form->Window(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(changes, 1);
  SendMessageW(form->Window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 50), reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(changes, 2);

  form->SetPosition(滑块条2, 999);  // held within the range
  EXPECT_EQ(form->Position(滑块条2), 255);
}

TEST_F(FormTest, TimerPeriodStartsStopsAndIsNotRestartedBySameValue) {
  int ticks = 0;
  form->On(时钟1).tick = [&] { ++ticks; };
  form->SetTimerPeriod(时钟1, 20);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  form->SetTimerPeriod(时钟1, 20);
  EXPECT_EQ(form->TimerPeriod(时钟1), 20);
  form->SetTimerPeriod(时钟1, 0);
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
  PumpFor(30);  // a tick already queued may still arrive
  const int stoppedAt = ticks;
  PumpFor(120);
  EXPECT_EQ(ticks, stoppedAt);
  form->SetTimerPeriod(时钟1, -5);
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
}

TEST_F(FormTest, EscRaisesTheCloseRequestAndTabMovesTheFocus) {
  int closeRequests = 0;
  form->events.closeRequested = [&] { ++closeRequests; return false; };
  SetFocus(form->Handle(热键框));
  ASSERT_EQ(GetFocus(), form->Handle(热键框));

  int keyDowns = 0;
  form->On(热键框).keyDown = [&](int32_t, int32_t) { ++keyDowns; };
  MSG esc{form->Handle(热键框), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  DispatchEvent(esc);
  EXPECT_EQ(closeRequests, 1);
  EXPECT_TRUE(IsWindow(form->Window()));  // refused: the window lives on

  MSG tab{form->Handle(热键框), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  DispatchEvent(tab);
  EXPECT_NE(GetFocus(), form->Handle(热键框));
  EXPECT_NE(GetFocus(), form->Handle(编辑框1));  // hidden: never a tab stop to land on
  EXPECT_EQ(keyDowns, 0);
}

TEST(ProcessPendingEvents, DispatchesEverythingButLeavesQuitQueued) {
  MessageCounter counter;
  counter.Post();
  counter.Post();
  PostQuitMessage(7);
  counter.Post();  // the quit comes out only once the queue is empty
  ProcessPendingEvents();
  EXPECT_EQ(counter.count(), 3);
  ProcessPendingEvents();  // the quit is still there and still not taken
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
