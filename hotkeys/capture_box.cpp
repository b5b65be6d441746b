#include "hotkeys/capture_box.h"

#include <string>

#include "core/controls.h"
#include "hotkeys/hotkeys.h"
#include "hotkeys/key_names.h"
#include "platform/form.h"

void CaptureKeyDown(Form& form, int32_t keyCode, int32_t modifiers) {
  // Written first: a refused combination is still shown.
  form.SetText(热键框, HotkeyName(modifiers, keyCode));
  if (KeyNameOf(keyCode).empty()) return;  // the hotkey in force stays
  ReplaceSwitchHotkey(form, modifiers, keyCode);
}

void CaptureKeyUp(Form& form, int32_t, int32_t) {
  FocusAcrossThreads(form.Handle(按钮1));
  form.SetText(按钮1, "切换/隐藏对应窗口(" + form.Text(热键框) + ")");
}

HWND FocusAcrossThreads(HWND window) {
  // SetFocus works only for windows of the input state we share; our own button is
  // ours already, and the attachment changes nothing then.
  const DWORD ours = GetCurrentThreadId();
  const DWORD theirs = GetWindowThreadProcessId(window, nullptr);
  AttachThreadInput(theirs, ours, TRUE);
  HWND previous = SetFocus(window);
  AttachThreadInput(theirs, ours, FALSE);
  return previous;
}
