#include "hotkeys/key_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct NameCase {
  int32_t code;
  std::string name;
};

TEST(KeyNames, NameOfEachCode) {
  const std::vector<NameCase> cases = {
      // Digits 48..57 and their neighbours.
      {47, ""}, {48, "0"}, {53, "5"}, {57, "9"}, {58, ""},
      // Letters 65..90 and their neighbours.
      {64, ""}, {65, "A"}, {77, "M"}, {90, "Z"}, {91, ""},
      // Function keys 112..123 and their neighbours; F10 and up have two digits.
      {111, ""}, {112, "F1"}, {116, "F5"}, {121, "F10"}, {123, "F12"}, {124, ""},
      // The twenty single entries.
      {8, "："}, {20, "CapsLock"}, {33, "PageUP"}, {34, "PageDown"}, {35, "End"},
      {36, "Home"}, {45, "Insert"}, {106, "*"}, {107, "＋"}, {145, "Scroll_lock"},
      {187, "+"}, {188, "<"}, {189, "-"}, {190, "."}, {191, "/"}, {192, "~"},
      {219, "["}, {220, "\\"}, {221, "]"}, {222, "\""},
      // Keys without a name: semicolon, Tab, Enter, Esc, Space, arrows, Delete,
      // keypad digits, the modifiers themselves and codes out of range.
      {186, ""}, {9, ""}, {13, ""}, {27, ""}, {32, ""}, {37, ""}, {38, ""},
      {39, ""}, {40, ""}, {46, ""}, {96, ""}, {105, ""}, {16, ""}, {17, ""},
      {18, ""}, {0, ""}, {-1, ""}, {255, ""}, {1000, ""},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(KeyNameOf(c.code), c.name) << "key code " << c.code;
  }
}

// The texts are GBK bytes; a wrong execution charset would pass the table above.
TEST(KeyNames, TextsAreGbkBytes) {
  EXPECT_EQ(KeyNameOf(8), "\xA3\xBA");    // full-width colon
  EXPECT_EQ(KeyNameOf(107), "\xA3\xAB");  // full-width plus
  EXPECT_EQ(KeyNameOf(220), "\x5C");
  EXPECT_EQ(KeyNameOf(222), "\x22");
  EXPECT_EQ(HotkeyName(0, 186), "\xCE\xDE");  // "无"
}

// Catches a missing or an extra entry that the case table does not happen to probe.
TEST(KeyNames, ExactlySixtyEightCodesHaveNames) {
  int named = 0;
  for (int32_t code = 0; code <= 255; ++code) {
    if (!KeyNameOf(code).empty()) ++named;
  }
  EXPECT_EQ(named, 68);
}

TEST(ModifierPrefix, EachValueAndOutOfRangeValues) {
  const std::vector<NameCase> cases = {
      {0, ""},
      {1, "Ctrl + "},
      {2, "Shift + "},
      {3, "Shift + ctrl + "},
      {4, "Alt + "},
      {5, "Ctrl + Alt + "},
      {6, "Shift + Alt + "},
      {7, "Ctrl + Alt + Shift + "},
      // Only the low three bits count.
      {8, ""},
      {11, "Shift + ctrl + "},
      {-1, "Ctrl + Alt + Shift + "},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(ModifierPrefix(c.code), c.name) << "modifier value " << c.code;
  }
}

TEST(HotkeyName, PrefixAndNameOrNone) {
  struct Case {
    int32_t modifiers;
    int32_t key;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {3, 116, "Shift + ctrl + F5"},
      {0, 116, "F5"},
      {1, 65, "Ctrl + A"},
      {7, 90, "Ctrl + Alt + Shift + Z"},
      {4, 88, "Alt + X"},
      {0, 8, "："},
      {0, 192, "~"},
      // Keys without a name show "无" whatever the modifiers.
      {1, 17, "无"},
      {0, 17, "无"},
      {0, 186, "无"},
      {7, 13, "无"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HotkeyName(c.modifiers, c.key), c.shown)
        << "modifiers " << c.modifiers << ", key " << c.key;
  }
}

TEST(HotkeyFlags, EveryValueMapsToFlagsWithNoRepeat) {
  // Values as RegisterHotKey expects them: MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4,
  // MOD_NOREPEAT 0x4000.
  struct Case {
    int32_t modifiers;
    uint32_t flags;
  };
  const std::vector<Case> cases = {
      {0, 0x4000}, {1, 0x4002}, {2, 0x4004}, {3, 0x4006},
      {4, 0x4001}, {5, 0x4003}, {6, 0x4005}, {7, 0x4007},
      // Only the low three bits count.
      {8, 0x4000}, {9, 0x4002}, {-1, 0x4007},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HotkeyFlags(c.modifiers), c.flags) << "modifier value " << c.modifiers;
  }
}

TEST(KeypadTranslation, KeypadKeysBecomeMainRowKeys) {
  struct Case {
    int32_t vk;
    int32_t delivered;
  };
  const std::vector<Case> cases = {
      {95, 95},   {96, 48},   {100, 52},  {105, 57},  {106, 106}, {107, 107},
      {108, 108}, {109, 189}, {110, 190}, {111, 191}, {112, 112}, {48, 48},
      {189, 189}, {0, 0},     {-1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TranslateKeypad(c.vk), c.delivered) << "vk " << c.vk;
  }
}

// The keypad keys the box shows, once translated, name their main-row twins.
TEST(KeypadTranslation, TranslatedKeypadKeysAreNamed) {
  EXPECT_EQ(HotkeyName(0, TranslateKeypad(103)), "7");
  EXPECT_EQ(HotkeyName(0, TranslateKeypad(111)), "/");
  EXPECT_EQ(HotkeyName(0, TranslateKeypad(109)), "-");
  EXPECT_EQ(HotkeyName(0, TranslateKeypad(107)), "＋");
}

TEST(ModifierValue, HeldModifiersWithoutTheKeysOwnBit) {
  struct Case {
    bool ctrl;
    bool shift;
    bool alt;
    int32_t vk;
    int32_t value;
  };
  const std::vector<Case> cases = {
      // An ordinary key: each modifier held adds its bit.
      {false, false, false, 65, 0},
      {true, false, false, 65, 1},
      {false, true, false, 65, 2},
      {true, true, false, 116, 3},
      {false, false, true, 88, 4},
      {true, false, true, 65, 5},
      {false, true, true, 65, 6},
      {true, true, true, 90, 7},
      // A modifier pressed drops only its own bit.
      {true, false, false, 17, 0},
      {true, true, true, 17, 6},
      {false, true, false, 16, 0},
      {true, true, true, 16, 5},
      {true, false, false, 16, 1},
      {false, false, true, 18, 0},
      {true, true, true, 18, 3},
      // Left and right variants count as the modifier itself.
      {true, true, true, 160, 5},
      {true, true, true, 161, 5},
      {true, true, true, 162, 6},
      {true, true, true, 163, 6},
      {true, true, true, 164, 3},
      {true, true, true, 165, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ModifierValue(c.ctrl, c.shift, c.alt, c.vk), c.value)
        << "ctrl " << c.ctrl << " shift " << c.shift << " alt " << c.alt << " vk " << c.vk;
  }
}

}  // namespace
