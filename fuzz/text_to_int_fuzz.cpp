// Feeds arbitrary bytes to TextToInt and checks the result against a reference
// written the plain way: the slot texts come from other programs' handles and from
// whatever a user typed, so the conversion must read any bytes exactly as documented.
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks, an optional sign, then the digit run. Leading zeros are dropped, so more
// than ten remaining digits is always past the 32-bit range, and ten or fewer fit
// in 64 bits with room to spare: no saturating arithmetic is needed here.
int32_t ReferenceTextToInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  while (i < text.size() && text[i] == '0') ++i;
  std::string digits;
  while (i < text.size() && IsDigit(text[i])) digits += text[i++];

  const int64_t lowest = INT32_MIN, highest = INT32_MAX;
  if (digits.size() > 10) return negative ? INT32_MIN : INT32_MAX;
  int64_t value = 0;
  for (char d : digits) value = value * 10 + (d - '0');
  if (negative) value = -value;
  if (value < lowest) return INT32_MIN;
  if (value > highest) return INT32_MAX;
  return static_cast<int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int32_t value = TextToInt(text);
  Require(value == ReferenceTextToInt(text));

  // What the picker writes must read back as the same handle, in "%d" form.
  const std::string written = IntToText(value);
  Require(written == std::to_string(value));
  Require(TextToInt(written) == value);
  return 0;
}
