// The program's two global hotkeys: the switch hotkey (default the grave accent) and
// Ctrl+1, which shows window 2 again. Both are registered for the main window with the
// label 标签1 as the control that reports their presses; a press is turned into the
// action of its hotkey here.
//
// A refused registration leaves its identifier 0 and says so on the status line, so a
// hotkey held by another program does not look as if it worked.
#pragma once

#include <cstdint>

class Form;

// Identifiers of the registered hotkeys; 0 while the system refused the combination.
extern int32_t switchHotkeyId;
extern int32_t showHotkeyId;

// Ctrl+1 first, then the grave accent; called once while the main window is created.
void RegisterDefaultHotkeys(Form& form);

// Releases the switch hotkey and registers the combination of a modifier value and a
// key code in its place. When the system refuses it, there is no switch hotkey.
void ReplaceSwitchHotkey(Form& form, int32_t modifiers, int32_t keyCode);

// The action of a reported hotkey press; an identifier of neither hotkey does nothing.
void DispatchHotkey(Form& form, int32_t identifier, int32_t value);
