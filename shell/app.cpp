#include "shell/app.h"

#include "core/controls.h"
#include "core/switch_actions.h"
#include "core/window_helpers.h"
#include "hotkeys/capture_box.h"
#include "hotkeys/hotkeys.h"
#include "picker/drag_to_pick.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "shell/images.h"

namespace {

constexpr char kTrayTip[] = "Tovrin";

void CreationSequence(Form& form) {
  for (int box : {图片框1, 图片框2}) {
    form.SetPicture(box, PickerCursorImage());
    form.SetMousePointer(box, PickerCursorImage());
  }
  RegisterDefaultHotkeys(form);
  form.SetTrayIcon(TrayIconImage(), kTrayTip);
}

// Closing only hides the window; the program lives on in the tray.
bool CloseToTray(Form& form) {
  form.SetTrayIcon(TrayIconImage(), kTrayTip);
  ShowWindowAsyncForward(form.Window(), SW_HIDE);
  return false;
}

void ShowMainWindow(Form& form) { form.Show(); }

void OnTray(Form& form, int kind) {
  if (kind == 1 || kind == 2) {
    ShowMainWindow(form);
    OpenIconForward(form.Window());  // restores it if it was minimised
  } else if (kind == 3) {
    form.PopUpMenu(菜单);
  }
}

// A window the switch hid must not stay hidden after we are gone: nothing else would
// ever show it again.
void GiveBackHiddenWindowTwo(Form& form) {
  HWND windowTwo = RootOwnerOf(HandleFrom(TextToInt(form.Text(编辑框4))));
  if (windowTwo && !IsWindowVisible(windowTwo)) ShowWindowAsyncForward(windowTwo, SW_SHOWNOACTIVATE);
}

void OnMenu(Form& form, int item) {
  switch (item) {
    case 显示主窗口:
      ShowMainWindow(form);  // a minimised window stays minimised
      break;
    case 隐藏主窗口:
      ShowWindowAsyncForward(form.Window(), SW_HIDE);
      break;
    case 退出程序:
      GiveBackHiddenWindowTwo(form);
      form.PostDestroy();
      break;
  }
}

// Press, poll and release drive a picker; a capture taken away mid-drag ends it.
void BindPicker(Form& form, const Picker& picker) {
  const ImageBytes cursor = PickerCursorImage();
  ControlEvents& box = form.On(picker.box);
  box.mouseDown = [&form, &picker, cursor](int32_t, int32_t, int32_t) { DragStart(form, picker, cursor); };
  box.mouseUp = [&form, &picker, cursor](int32_t, int32_t, int32_t) { DragEnd(form, picker, cursor); };
  box.captureLost = [&form, &picker, cursor] { CaptureLost(form, picker, cursor); };
  form.On(picker.timer).tick = [&form, &picker, cursor] { PollTick(form, picker, cursor); };
}

}  // namespace

void BindMainWindowEvents(Form& form) {
  form.events.created = [&form] { CreationSequence(form); };
  form.events.closeRequested = [&form] { return CloseToTray(form); };
  form.events.tray = [&form](int kind) { OnTray(form, kind); };
  form.events.menuSelected = [&form](int item) { OnMenu(form, item); };

  form.On(按钮1).clicked = [&form] { SwitchWindows(form); };
  form.On(显示窗口).clicked = [&form] { ShowWindowTwo(form); };
  form.On(滑块条2).positionChanged = [&form] { ApplyTransparency(form); };
  BindPicker(form, kWindowOnePicker);
  BindPicker(form, kWindowTwoPicker);
  form.On(热键框).keyDown = [&form](int32_t key, int32_t mods) { CaptureKeyDown(form, key, mods); };
  form.On(热键框).keyUp = [&form](int32_t key, int32_t mods) { CaptureKeyUp(form, key, mods); };
  form.On(标签1).feedback = [&form](int32_t id, int32_t value) { DispatchHotkey(form, id, value); };
}

HWND FindRunningMainWindow() { return FindWindowW(L"TovrinForm", L"Tovrin-Quessel"); }
