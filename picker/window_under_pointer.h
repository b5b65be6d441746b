// Which window the pointer is over, preferring the smallest visible sibling below
// the window hit: a control hidden behind a larger sibling (a group box, a panel)
// is still found.
#pragma once

#include <cstdint>

#include "picker/screen_rect.h"

// The window queries the search makes. Windows are 32-bit handle values, 0 for none.
class WindowQuery {
 public:
  virtual ~WindowQuery() = default;
  virtual ScreenPoint CursorPos() = 0;
  virtual uint32_t WindowFromPoint(ScreenPoint point) = 0;
  // False, with rect untouched, when window names no window.
  virtual bool ReadWindowRect(uint32_t window, ScreenRect& rect) = 0;
  virtual uint32_t Parent(uint32_t window) = 0;
  // The window just below in z-order (GW_HWNDNEXT), 0 after the last.
  virtual uint32_t NextInZOrder(uint32_t window) = 0;
  virtual bool IsVisible(uint32_t window) = 0;
};

// The window under the pointer, 0 when there is none. A window without a parent is
// taken as hit; otherwise, of the hit window and the visible windows below it with
// the same parent whose rectangle holds the point, the smallest wins, the higher
// one on equal areas.
uint32_t WindowUnderPointer(WindowQuery& windows);
