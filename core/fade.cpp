#include "core/fade.h"

#include <limits>

int32_t FadeStepAlpha(int32_t divisor, int32_t step) {
  if (divisor <= 0) return 255;
  const double quotient = 255.0 / divisor;
  const double alpha = quotient * step;
  if (alpha >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (alpha <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(alpha);
}

uint8_t AlphaByte(int32_t alpha) { return static_cast<uint8_t>(static_cast<uint32_t>(alpha) & 0xFFu); }

int64_t DueTimeFor(int32_t milliseconds) { return static_cast<int64_t>(milliseconds * -10000.0); }
