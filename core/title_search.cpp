#include "core/title_search.h"

bool TitleContains(const std::string& title, const std::string& text) {
  // The title ends at its first NUL, as the C string it came from did.
  const size_t end = title.find('\0') == std::string::npos ? title.size() : title.find('\0');
  size_t pos = 0;
  while (pos < end) {
    if (end - pos >= text.size() && title.compare(pos, text.size(), text) == 0) return true;
    if (static_cast<unsigned char>(title[pos]) >= 0x80) {
      if (pos + 1 >= end) break;  // a lead byte with nothing after it ends the title
      pos += 2;
    } else {
      pos += 1;
    }
  }
  return false;
}
