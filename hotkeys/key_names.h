// Names of keys and modifier combinations as the hotkey capture box shows them,
// the RegisterHotKey flags of a modifier value, and the keyboard translation the
// box's key events apply. Pure logic: texts are GBK byte strings.
#pragma once

#include <cstdint>
#include <string>

// The RegisterHotKey modifier flags, kept here so this file needs no <windows.h>.
namespace hotkey_flags {
constexpr uint32_t kAlt = 0x0001;       // MOD_ALT
constexpr uint32_t kControl = 0x0002;   // MOD_CONTROL
constexpr uint32_t kShift = 0x0004;     // MOD_SHIFT
constexpr uint32_t kNoRepeat = 0x4000;  // MOD_NOREPEAT
}  // namespace hotkey_flags

// Bits of a modifier value as key events deliver it and the hotkey service takes it.
namespace modifier_bits {
constexpr int32_t kCtrl = 1;
constexpr int32_t kShift = 2;
constexpr int32_t kAlt = 4;
constexpr int32_t kAll = kCtrl | kShift | kAlt;
}  // namespace modifier_bits

// The name of a virtual-key code, or "" for a key the box does not accept.
std::string KeyNameOf(int32_t keyCode);

// The text put before a key name for the modifiers held ("" for none). Only the
// low three bits (Ctrl, Shift, Alt) count; any higher bits are ignored.
std::string ModifierPrefix(int32_t modifiers);

// What the capture box shows for a key press: "无" for a key without a name,
// otherwise the modifier prefix followed directly by the key name.
std::string HotkeyName(int32_t modifiers, int32_t keyCode);

// The RegisterHotKey flags for a modifier value. Only the low three bits count,
// as in ModifierPrefix. MOD_NOREPEAT is always set so that holding the key down
// runs one switch, not one per auto-repeat.
uint32_t HotkeyFlags(int32_t modifiers);

// The keypad keys the box receives as their main-keyboard twins: digits 96..105
// become 48..57, and keypad minus, decimal point and divide become 189, 190, 191.
// Keypad multiply (106) and add (107) and every other code pass unchanged.
int32_t TranslateKeypad(int32_t vk);

// The modifier value of a key message from the states of Ctrl, Shift and Alt.
// A modifier's own bit is left out when the key reported is that modifier itself
// (either side of it), so pressing Ctrl alone gives code 17 with value 0.
int32_t ModifierValue(bool ctrlDown, bool shiftDown, bool altDown, int32_t vk);
