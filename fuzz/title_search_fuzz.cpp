// Feeds arbitrary title and search text pairs to TitleContains and checks it against
// a reference that first lists where characters begin and only then compares, so a
// slip in the stepping over double-byte characters shows up as a disagreement.
//
// Input layout: the first byte, modulo the length of the rest plus one, is how many
// of the remaining bytes form the title; the others form the search text.
#include "core/title_search.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

// The title as the C string it came from: up to its first NUL.
std::string VisibleTitle(const std::string& title) { return title.substr(0, title.find('\0')); }

// Offsets where a character begins: a byte of 0x80 or above takes the next byte
// with it; a lead byte at the very end still begins a character of its own.
std::vector<size_t> CharacterStarts(const std::string& title) {
  std::vector<size_t> starts;
  for (size_t pos = 0; pos < title.size(); pos += static_cast<unsigned char>(title[pos]) >= 0x80 ? 2 : 1)
    starts.push_back(pos);
  return starts;
}

bool ReferenceContains(const std::string& title, const std::string& text) {
  const std::string visible = VisibleTitle(title);
  for (size_t start : CharacterStarts(visible)) {
    if (visible.size() - start >= text.size() && std::memcmp(visible.data() + start, text.data(), text.size()) == 0)
      return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char* rest = reinterpret_cast<const char*>(data + 1);
  const size_t restSize = size - 1;
  const size_t titleSize = data[0] % (restSize + 1);
  const std::string title(rest, titleSize);
  const std::string text(rest + titleSize, restSize - titleSize);

  const bool found = TitleContains(title, text);
  Require(found == ReferenceContains(title, text));
  // Stepping only ever rules matches out, never in.
  if (found) Require(VisibleTitle(title).find(text) != std::string::npos);
  if (text.empty()) Require(found == !VisibleTitle(title).empty());
  return 0;
}
