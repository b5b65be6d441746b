// Small operations on other programs' windows, shared by the switch, the lookup and
// the picker: the top-level owner of a handle, a title, opacity, pinning on top, and a
// pause that keeps the GUI thread's messages flowing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The top-level window reached through parents and owners; 0 for 0 and for a handle
// that names no window.
HWND RootOwnerOf(HWND window);

// The title as GBK; empty for 0 and for a window without one.
std::string WindowTitleOf(HWND window);

// Makes the window layered with WS_EX_LAYERED as its whole extended style and sets
// the low 8 bits of alpha as its opacity.
BOOL SetWindowAlpha(HWND window, int32_t alpha);

// pin: foreground, then topmost. Not pin: out of the topmost band, nothing else.
void PinWindow(HWND window, bool pin);

// Waits the given time while dispatching the thread's messages as they come.
bool PumpedDelay(int32_t milliseconds);

// The same pause on a given timer. When there is no timer, or it cannot be set, the
// pause still ends at its deadline, waiting for messages against the clock.
bool PumpedDelayOn(HANDLE timer, int32_t milliseconds);

BOOL ShowWindowAsyncForward(HWND window, int command);
BOOL SetForegroundWindowForward(HWND window);
BOOL OpenIconForward(HWND window);
