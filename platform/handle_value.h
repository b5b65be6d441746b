// Window handles as the program keeps them: signed 32-bit values (in an edit box, in
// a global). USER handles fit in 32 bits on 64-bit Windows too, sign-extended.
#pragma once

#include <windows.h>

#include <cstdint>

inline int32_t HandleValue(HWND window) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(window)); }
inline HWND HandleFrom(int32_t value) { return reinterpret_cast<HWND>(static_cast<intptr_t>(value)); }
