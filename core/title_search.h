// Finding a piece of text in a window title. Titles are GBK: a byte of 0x80 or
// above starts a two-byte character, and a match may not begin on its second byte.
#pragma once

#include <string>

// Byte-exact, case-sensitive. An empty text matches every non-empty title.
bool TitleContains(const std::string& title, const std::string& text);
