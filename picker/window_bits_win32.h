// The picker logic keeps window handles as their 32 bits, unsigned; these turn them
// into HWNDs and back, the sign extension on 64-bit Windows being HandleFrom's.
#pragma once

#include <cstdint>

#include "platform/handle_value.h"

inline uint32_t WindowBits(HWND window) { return static_cast<uint32_t>(HandleValue(window)); }
inline HWND WindowFromBits(uint32_t bits) { return HandleFrom(static_cast<int32_t>(bits)); }
