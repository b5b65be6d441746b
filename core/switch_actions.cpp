#include "core/switch_actions.h"

#include "core/controls.h"
#include "core/fade.h"
#include "core/window_helpers.h"
#include "core/window_lookup.h"
#include "platform/form.h"
#include "platform/handle_value.h"
#include "platform/text.h"

namespace {

constexpr int32_t kPauseMilliseconds = 10;

void Pause() { PumpedDelay(kPauseMilliseconds); }

// A slot holds the window that was under the picker, perhaps a child; the actions
// always work on its top-level owner.
HWND ResolveSlot(const Form& form, int slot) { return RootOwnerOf(HandleFrom(TextToInt(form.Text(slot)))); }

}  // namespace

void SwitchWindows(Form& form) {
  if (form.Checked(选择框2)) ShowWindowAsyncForward(ResolveSlot(form, 编辑框4), SW_HIDE);
  if (!form.Checked(选择框1)) return;

  HWND windowOne = ResolveSlot(form, 编辑框1);
  if (!windowOne) {
    form.SetText(标签10, "请指定一个要切换的窗口");
    return;
  }
  Pause();
  if (WindowExists(IntToText(HandleValue(windowOne))) == 0) {
    form.SetText(标签10, "要切换的窗口被关闭了");
    return;
  }

  SetWindowAlpha(windowOne, 0);
  Pause();
  ShowWindow(windowOne, SW_SHOWMAXIMIZED);
  Pause();
  PinWindow(windowOne, true);
  Pause();

  // The number of steps is read once; the divisor anew in every step, so a slider
  // moved during the fade changes the steps still to come.
  const int32_t steps = form.Position(滑块条1);
  for (int32_t step = 1; step <= steps; ++step) {
    // The program is ending (its window went during a pause): skip to the end, so that
    // window 1 is left opaque and not on top at once rather than after the whole fade.
    if (!form.Window()) break;
    SetWindowAlpha(windowOne, FadeStepAlpha(form.Position(滑块条1), step));
    Pause();
  }
  Pause();
  SetWindowAlpha(windowOne, 255);
  Pause();
  PinWindow(windowOne, false);
  form.SetText(标签10, "");
}

void ShowWindowTwo(Form& form) {
  HWND windowTwo = ResolveSlot(form, 编辑框4);
  ShowWindowAsyncForward(windowTwo, SW_SHOWNORMAL);
  PinWindow(windowTwo, true);  // foreground and on top of everything...
  PinWindow(windowTwo, false);  // ...then back among the ordinary windows, still in front
}

void ApplyTransparency(Form& form) { SetWindowAlpha(ResolveSlot(form, 编辑框4), form.Position(滑块条2)); }
