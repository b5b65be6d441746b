// The arithmetic of a switch: the alpha of each fade step, the bits of an alpha the
// system gets, and the due time of a pause. Kept apart from Win32 so that the 32-bit
// program and the native tests compute exactly the same values.
#pragma once

#include <cstdint>

// (255.0 / divisor) * step in double precision, truncated toward zero. A divisor of
// 0 or less (the slider is gone: the main window was destroyed during a fade) gives
// 255, so the window being faded in is never left transparent. A product beyond the
// signed 32-bit range saturates instead of being undefined.
int32_t FadeStepAlpha(int32_t divisor, int32_t step);

// Only the low 8 bits of an alpha reach the system: 256 acts as 0, 300 as 44.
uint8_t AlphaByte(int32_t alpha);

// A pause as a waitable-timer due time: 100-ns units, negative for "relative".
int64_t DueTimeFor(int32_t milliseconds);
