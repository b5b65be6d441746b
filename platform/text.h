// Conversions between integers and decimal text, the way every control value and
// window handle travels through the program's edit boxes.
#pragma once

#include <cstdint>
#include <string>

// "%d" formatting: a leading minus for negatives, no padding, no separators.
std::string IntToText(int32_t value);

// Leading blanks (space, tab, CR, LF, VT, FF) skipped, an optional sign, then
// decimal digits up to the first other character; no digits give 0. A value
// beyond the signed 32-bit range saturates at INT32_MAX or INT32_MIN: a slot text
// that is too long never wraps round onto some unrelated window's handle.
int32_t TextToInt(const std::string& text);
