#include "hotkeys/hotkeys.h"

#include <string>

#include "core/controls.h"
#include "core/switch_actions.h"
#include "hotkeys/key_names.h"
#include "platform/form.h"
#include "platform/hotkey_service.h"

int32_t switchHotkeyId = 0;
int32_t showHotkeyId = 0;

namespace {

constexpr int32_t kShowModifiers = modifier_bits::kCtrl;
constexpr int32_t kShowKey = '1';
constexpr int32_t kSwitchModifiers = 0;
constexpr int32_t kSwitchKey = 192;  // VK_OEM_3, the grave accent

constexpr char kTakenNotice[] = "热键已被占用: ";

int32_t Register(Form& form, int32_t modifiers, int32_t keyCode) {
  return RegisterHotkey(form.Window(), form.Handle(标签1), modifiers, keyCode);
}

void ShowTaken(Form& form, int32_t modifiers, int32_t keyCode) {
  form.SetText(标签10, kTakenNotice + HotkeyName(modifiers, keyCode));
}

bool ShowsTakenNotice(const Form& form) { return form.Text(标签10).rfind(kTakenNotice, 0) == 0; }

}  // namespace

void RegisterDefaultHotkeys(Form& form) {
  showHotkeyId = Register(form, kShowModifiers, kShowKey);
  if (!showHotkeyId) ShowTaken(form, kShowModifiers, kShowKey);
  // When both are taken the switch hotkey's notice stays: it is the one the user can
  // move to another combination in the capture box.
  switchHotkeyId = Register(form, kSwitchModifiers, kSwitchKey);
  if (!switchHotkeyId) ShowTaken(form, kSwitchModifiers, kSwitchKey);
}

void ReplaceSwitchHotkey(Form& form, int32_t modifiers, int32_t keyCode) {
  UnregisterHotkey(form.Window(), switchHotkeyId);
  switchHotkeyId = Register(form, modifiers, keyCode);
  if (!switchHotkeyId) {
    ShowTaken(form, modifiers, keyCode);
  } else if (ShowsTakenNotice(form)) {
    // The switch hotkey works again; a status of the switch itself is left alone, and
    // Ctrl+1 may still be the one that is taken.
    if (showHotkeyId) {
      form.SetText(标签10, "");
    } else {
      ShowTaken(form, kShowModifiers, kShowKey);
    }
  }
}

void DispatchHotkey(Form& form, int32_t identifier, int32_t) {
  if (identifier == 0) return;  // names no hotkey, though a refused one's global reads 0
  if (identifier == switchHotkeyId) SwitchWindows(form);
  if (identifier == showHotkeyId) ShowWindowTwo(form);
}
