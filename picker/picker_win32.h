// The picker's entry points over the real display and the real windows.
#pragma once

#include <windows.h>

// Frames window on the display, or takes the frame down (erase); see picker/frame.h.
void HighlightWindow(HWND window = nullptr, bool erase = false);

// The window under the mouse pointer, nullptr for none; see picker/window_under_pointer.h.
HWND WindowUnderPointer();
