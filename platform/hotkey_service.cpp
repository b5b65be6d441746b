#include "platform/hotkey_service.h"

#include <utility>

#include "hotkeys/key_names.h"

namespace {

constexpr int32_t kFirstIdentifier = 33001;

int32_t nextIdentifier = kFirstIdentifier;
HWND feedbackControl = nullptr;
RegisterHotKeyCall registerCall = ::RegisterHotKey;

}  // namespace

int32_t RegisterHotkey(HWND window, HWND feedback, int32_t modifiers, int32_t keyCode) {
  const int32_t identifier = nextIdentifier++;  // taken even if the system refuses
  feedbackControl = feedback;
  if (!registerCall(window, identifier, HotkeyFlags(modifiers), static_cast<UINT>(keyCode))) return 0;
  return identifier;
}

bool UnregisterHotkey(HWND window, int32_t identifier) { return ::UnregisterHotKey(window, identifier) != FALSE; }

HWND HotkeyFeedbackControl() { return feedbackControl; }

RegisterHotKeyCall SetRegisterHotKeyCall(RegisterHotKeyCall call) { return std::exchange(registerCall, std::move(call)); }
