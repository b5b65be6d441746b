#include "shell/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>

#include "core/controls.h"
#include "platform/gbk.h"
#include "tests/main_window_fixture.h"
#include "tests/test_support.h"

namespace {

std::wstring WideText(HWND window) {
  wchar_t buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return buffer;
}

TEST(MainWindowSpec, HasTwentyFiveUniquelyNamedControls) {
  const FormSpec spec = MainWindowSpec();
  std::set<int> ids;
  for (const ControlSpec& c : spec.controls) ids.insert(c.id);
  EXPECT_EQ(spec.controls.size(), 25u);
  EXPECT_EQ(ids.size(), 25u);
}

class MainWindowTest : public testing::Test, public MainWindowFixture {};

TEST_F(MainWindowTest, ControlsStartWithTheirTexts) {
  const struct {
    int id;
    const wchar_t* text;
  } cases[] = {
      {标签5, L"拽动到要切换出现的窗口上:"}, {标签10, L""},        {标签1, L"窗口1:"},
      {编辑框2, L""},                        {标签2, L"窗口渐变速度 快"}, {标签3, L"慢"},
      {标签4, L"自定义热键:"},               {热键框, L""},         {按钮1, L"切换/隐藏对应窗口(`)"},
      {标签6, L"拽动到要变透明的窗口上:"},   {标签7, L"窗口2:"},     {编辑框3, L""},
      {标签9, L"窗口透明度 透"},             {标签8, L"实"},         {选择框1, L"窗口1渐变出现"},
      {选择框2, L"窗口2同时隐藏"},           {显示窗口, L"显示窗口2(Ctrl+1)"},
      {编辑框1, L""},                        {编辑框4, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(WideText(form->Handle(c.id)), c.text) << c.id;
  EXPECT_EQ(WideText(form->Window()), L"Tovrin-Quessel");
}

TEST_F(MainWindowTest, ControlsStartInTheStateTheActionsRelyOn) {
  EXPECT_TRUE(form->Checked(选择框1));
  EXPECT_TRUE(form->Checked(选择框2));
  const struct {
    int id;
    LRESULT minimum, maximum, position;
  } sliders[] = {{滑块条1, 1, 300, 30}, {滑块条2, 0, 255, 255}};
  for (const auto& s : sliders) {
    HWND slider = form->Handle(s.id);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), s.minimum);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), s.maximum);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), s.position);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPAGESIZE, 0, 0), 5);
    EXPECT_EQ(SendMessageW(slider, TBM_GETLINESIZE, 0, 0), 1);
  }
  form->SetPosition(滑块条1, 0);
  EXPECT_EQ(form->Position(滑块条1), 1) << "a fade always has a step";
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
  EXPECT_EQ(form->TimerPeriod(时钟2), 0);
  EXPECT_TRUE(GetWindowLongPtrW(form->Handle(热键框), GWL_STYLE) & ES_READONLY);
}

TEST_F(MainWindowTest, SlotsStayOffScreenYetHoldText) {
  RECT client;
  GetClientRect(form->Window(), &client);
  for (int slot : {编辑框1, 编辑框4}) {
    HWND box = form->Handle(slot);
    EXPECT_FALSE(IsWindowVisible(box));
    RECT r;
    GetWindowRect(box, &r);
    MapWindowPoints(nullptr, form->Window(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_GE(r.top, client.bottom);
    form->SetText(slot, "123");
    EXPECT_EQ(form->Text(slot), "123");
  }
}

TEST_F(MainWindowTest, FrameHasOnlyTheCloseButton) {
  const LONG_PTR style = GetWindowLongPtrW(form->Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(GetMenu(form->Window()), nullptr) << "the menu bar shows nothing";
}

TEST_F(MainWindowTest, PickerBoxesShowThePickerFromTheStart) {
  for (int box : {图片框1, 图片框2}) {
    HWND handle = form->Handle(box);
    UpdateWindow(handle);
    HDC dc = GetDC(handle);
    // The picker's arrow tip sits on the box's top-left pixel: it is drawn, not the
    // button face.
    EXPECT_NE(GetPixel(dc, 0, 0), GetSysColor(COLOR_BTNFACE)) << box;
    ReleaseDC(handle, dc);
  }
}

}  // namespace
