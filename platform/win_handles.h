// The Win32 resources the program acquires, each with the call that releases it.
#pragma once

#include <windows.h>

#include "platform/unique.h"

namespace detail {
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void DeleteDeviceContext(HDC dc) { ::DeleteDC(dc); }
inline void DestroyMenuHandle(HMENU m) { ::DestroyMenu(m); }
inline void DestroyIconHandle(HICON i) { ::DestroyIcon(i); }
inline void DeleteGdiObject(HGDIOBJ o) { ::DeleteObject(o); }
}  // namespace detail

using UniqueHandle = Unique<HANDLE, detail::CloseKernelHandle>;  // NULL is "none"
using UniqueDc = Unique<HDC, detail::DeleteDeviceContext>;         // from CreateDC
using UniqueMenu = Unique<HMENU, detail::DestroyMenuHandle>;
using UniqueIcon = Unique<HICON, detail::DestroyIconHandle>;       // icons and cursors
using UniqueGdiObject = Unique<HGDIOBJ, detail::DeleteGdiObject>;
