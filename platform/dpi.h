// Layout in the pixels of a 96-DPI display, scaled to the display the window is on.
#pragma once

#include <cstdint>

constexpr int kDefaultDpi = 96;

// value * dpi / 96, rounded half away from zero as MulDiv rounds; 96 keeps every pixel.
int32_t ScaleForDpi(int32_t value, int32_t dpi);
