#include "platform/dpi.h"

int32_t ScaleForDpi(int32_t value, int32_t dpi) {
  const int64_t product = int64_t{value} * dpi;
  const int64_t half = kDefaultDpi / 2;
  return static_cast<int32_t>(product >= 0 ? (product + half) / kDefaultDpi : (product - half) / kDefaultDpi);
}
