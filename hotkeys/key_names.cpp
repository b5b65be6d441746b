#include "hotkeys/key_names.h"

#include <array>

namespace {

// Virtual-key codes of the modifier keys, generic and left/right.
constexpr int32_t kVkShift = 16;
constexpr int32_t kVkControl = 17;
constexpr int32_t kVkMenu = 18;
constexpr int32_t kVkLShift = 160;
constexpr int32_t kVkRShift = 161;
constexpr int32_t kVkLControl = 162;
constexpr int32_t kVkRControl = 163;
constexpr int32_t kVkLMenu = 164;
constexpr int32_t kVkRMenu = 165;

struct SingleName {
  int32_t code;
  const char* name;
};

// The named keys outside the digit, letter and function-key ranges.
constexpr std::array<SingleName, 20> kSingleNames{{
    {8, "："},  // Backspace shows a full-width colon.
    {20, "CapsLock"},
    {33, "PageUP"},
    {34, "PageDown"},
    {35, "End"},
    {36, "Home"},
    {45, "Insert"},
    {106, "*"},
    {107, "＋"},  // keypad add shows a full-width plus.
    {145, "Scroll_lock"},
    {187, "+"},
    {188, "<"},
    {189, "-"},
    {190, "."},
    {191, "/"},
    {192, "~"},
    {219, "["},
    {220, "\\"},
    {221, "]"},
    {222, "\""},
}};

// Prefixes indexed by the modifier value; value 3 reads "ctrl" in lower case.
constexpr std::array<const char*, 8> kPrefixes{{
    "",
    "Ctrl + ",
    "Shift + ",
    "Shift + ctrl + ",
    "Alt + ",
    "Ctrl + Alt + ",
    "Shift + Alt + ",
    "Ctrl + Alt + Shift + ",
}};

bool IsCtrlKey(int32_t vk) {
  return vk == kVkControl || vk == kVkLControl || vk == kVkRControl;
}
bool IsShiftKey(int32_t vk) {
  return vk == kVkShift || vk == kVkLShift || vk == kVkRShift;
}
bool IsAltKey(int32_t vk) {
  return vk == kVkMenu || vk == kVkLMenu || vk == kVkRMenu;
}

}  // namespace

std::string KeyNameOf(int32_t keyCode) {
  if (keyCode >= '0' && keyCode <= '9') return std::string(1, static_cast<char>(keyCode));
  if (keyCode >= 'A' && keyCode <= 'Z') return std::string(1, static_cast<char>(keyCode));
  if (keyCode >= 112 && keyCode <= 123) return "F" + std::to_string(keyCode - 111);
  for (const SingleName& entry : kSingleNames) {
    if (entry.code == keyCode) return entry.name;
  }
  return "";
}

std::string ModifierPrefix(int32_t modifiers) {
  return kPrefixes[static_cast<size_t>(modifiers & modifier_bits::kAll)];
}

std::string HotkeyName(int32_t modifiers, int32_t keyCode) {
  std::string name = KeyNameOf(keyCode);
  if (name.empty()) return "无";
  return ModifierPrefix(modifiers) + name;
}

uint32_t HotkeyFlags(int32_t modifiers) {
  uint32_t flags = hotkey_flags::kNoRepeat;
  if (modifiers & modifier_bits::kCtrl) flags |= hotkey_flags::kControl;
  if (modifiers & modifier_bits::kShift) flags |= hotkey_flags::kShift;
  if (modifiers & modifier_bits::kAlt) flags |= hotkey_flags::kAlt;
  return flags;
}

int32_t TranslateKeypad(int32_t vk) {
  if (vk >= 96 && vk <= 105) return vk - 96 + '0';
  switch (vk) {
    case 109: return 189;  // keypad minus
    case 110: return 190;  // keypad decimal point
    case 111: return 191;  // keypad divide
    default: return vk;
  }
}

int32_t ModifierValue(bool ctrlDown, bool shiftDown, bool altDown, int32_t vk) {
  int32_t value = 0;
  if (ctrlDown && !IsCtrlKey(vk)) value |= modifier_bits::kCtrl;
  if (shiftDown && !IsShiftKey(vk)) value |= modifier_bits::kShift;
  if (altDown && !IsAltKey(vk)) value |= modifier_bits::kAlt;
  return value;
}
