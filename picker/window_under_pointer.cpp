#include "picker/window_under_pointer.h"

namespace {

bool Contains(const ScreenRect& r, ScreenPoint p) {
  return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

// The area as 32-bit signed arithmetic gives it, wrap-around included: a rectangle
// of 65536 x 65536 pixels has area 0 here. Computed in unsigned 32 bits, where
// wrapping is defined, then read back as signed, so that it is never undefined
// behaviour (int64 would not do: the product of two 32-bit widths can exceed it).
int32_t Area(const ScreenRect& r) {
  const uint32_t height = static_cast<uint32_t>(r.bottom) - static_cast<uint32_t>(r.top);
  const uint32_t width = static_cast<uint32_t>(r.right) - static_cast<uint32_t>(r.left);
  return static_cast<int32_t>(height * width);
}

// A window that cannot be read (gone meanwhile) reads as the empty rectangle.
ScreenRect RectOf(WindowQuery& windows, uint32_t window) {
  ScreenRect rect;
  windows.ReadWindowRect(window, rect);
  return rect;
}

}  // namespace

uint32_t WindowUnderPointer(WindowQuery& windows) {
  const ScreenPoint point = windows.CursorPos();
  const uint32_t hit = windows.WindowFromPoint(point);
  if (hit == 0) return 0;
  uint32_t best = hit;
  int32_t bestArea = Area(RectOf(windows, hit));
  const uint32_t parent = windows.Parent(hit);
  if (parent == 0) return hit;
  for (uint32_t w = windows.NextInZOrder(hit); w != 0; w = windows.NextInZOrder(w)) {
    const ScreenRect rect = RectOf(windows, w);
    if (!Contains(rect, point) || windows.Parent(w) != parent || !windows.IsVisible(w)) continue;
    const int32_t area = Area(rect);
    if (area < bestArea) {
      best = w;
      bestArea = area;
    }
  }
  return best;
}
