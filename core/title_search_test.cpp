#include "core/title_search.h"

#include <gtest/gtest.h>

TEST(TitleContains, SearchesBytesStepwiseOverDoubleByteCharacters) {
  const struct {
    std::string title, text;
    bool found;
  } cases[] = {
      {"Notepad", "pad", true},
      {"Notepad", "Pad", false},                 // case-sensitive
      {"Build 1234 done", "1234", true},
      {"Build 123 done", "1234", false},
      {"handle -1234 here", "-1234", true},
      {"handle 1234 here", "-1234", false},      // the minus sign is part of the text
      {"abc", "", true},                          // empty text matches any title...
      {"", "", false},                            // ...that is not empty
      {"", "a", false},
      {"ab", "abc", false},
      {"窗口标题", "标题", true},
      // "吧" is B0 C9 and "傻" is C9 B5: the bytes C9 B5 stand at offset 1 but that
      // would begin on the second byte of a character.
      {"\xB0\xC9\xB5", "\xC9\xB5", false},
      {"\xC9\xB5", "\xC9\xB5", true},
      // A trailing lead byte with no partner ends the scan after being tried.
      {"ab\xB0", "\xB0", true},
      {"ab\xB0", "b\xB0", true},
      // An ASCII second byte is still the second byte of a character.
      {"\x81\x40x", "\x40", false},
      {"\x81\x40x", "x", true},
  };
  for (const auto& c : cases) EXPECT_EQ(TitleContains(c.title, c.text), c.found) << c.title << " / " << c.text;
}

TEST(TitleContains, TitleEndsAtItsFirstNul) {
  EXPECT_FALSE(TitleContains(std::string("ab\0cd", 5), "cd"));
  EXPECT_TRUE(TitleContains(std::string("ab\0cd", 5), "ab"));
}
