// The hotkey capture box 热键框: a key press, alone or with Ctrl, Shift or Alt, is
// named in the box and, if the key has a name, becomes the switch hotkey; the release
// hands the focus to the switch button 按钮1, whose caption then names the hotkey.
#pragma once

#include <windows.h>

#include <cstdint>

class Form;

// Names the combination in the box ("无" for a key without a name) and, for a named
// key, makes it the switch hotkey. The name stays even if the system refuses it.
void CaptureKeyDown(Form& form, int32_t keyCode, int32_t modifiers);

// Gives the focus to 按钮1 and captions it with the box's text. Arguments unused.
void CaptureKeyUp(Form& form, int32_t keyCode, int32_t modifiers);

// Sets the focus to a window of any thread; the window that had it before.
HWND FocusAcrossThreads(HWND window);
