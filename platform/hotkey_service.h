// The hotkey service: system-wide hotkeys registered for a window under identifiers
// counted here, each press reported as the feedback event of a form control.
//
// Identifiers count upward from 33001 and are never reused within a run, not even
// after a refused call, so 0 never names a hotkey and two live hotkeys never share
// one. Every press is reported to the control named in the most recent registration.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

// The call that asks the system for a hotkey; RegisterHotKey unless a test watches it.
using RegisterHotKeyCall = std::function<BOOL(HWND window, int identifier, UINT flags, UINT keyCode)>;

// Registers the combination of a modifier value (1 Ctrl, 2 Shift, 4 Alt) and a
// virtual-key code for the window, with MOD_NOREPEAT. The new identifier, or 0 when
// the system refused the combination (held by this program or another one).
int32_t RegisterHotkey(HWND window, HWND feedbackControl, int32_t modifiers, int32_t keyCode);

// Releases a hotkey of that window; refused for 0 and for identifiers it does not hold.
bool UnregisterHotkey(HWND window, int32_t identifier);

// The control whose feedback event reports the presses: the one named last.
HWND HotkeyFeedbackControl();

// Replaces the registration call; returns the one it replaces. For tests.
RegisterHotKeyCall SetRegisterHotKeyCall(RegisterHotKeyCall call);
