// Screen geometry as the picker sees it: the outer rectangle of a window and the
// pointer position, in screen pixels. Right and bottom lie one past the last pixel.
#pragma once

#include <cstdint>

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
};

// a - b as the 32-bit machine computes it: wraps instead of overflowing, so that
// absurd rectangles from another program give the same numbers here as in the
// system's own arithmetic, and are never undefined behaviour.
inline int32_t WrappingSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<int64_t>(a) - static_cast<int64_t>(b));
}

inline int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<int64_t>(a) + static_cast<int64_t>(b));
}
