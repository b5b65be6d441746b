#include "picker/picker_win32.h"
#include "picker/window_bits_win32.h"
#include "picker/window_under_pointer.h"

namespace {

// The live windows of the desktop, asked afresh on every question.
class SystemWindows final : public WindowQuery {
 public:
  ScreenPoint CursorPos() override {
    POINT p = {0, 0};
    ::GetCursorPos(&p);
    return {p.x, p.y};
  }
  uint32_t WindowFromPoint(ScreenPoint point) override {
    return WindowBits(::WindowFromPoint(POINT{point.x, point.y}));
  }
  bool ReadWindowRect(uint32_t window, ScreenRect& rect) override {
    RECT r;
    if (!::GetWindowRect(WindowFromBits(window), &r)) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
  }
  uint32_t Parent(uint32_t window) override {
    return WindowBits(::GetParent(WindowFromBits(window)));
  }
  uint32_t NextInZOrder(uint32_t window) override {
    return WindowBits(::GetWindow(WindowFromBits(window), GW_HWNDNEXT));
  }
  bool IsVisible(uint32_t window) override {
    return ::IsWindowVisible(WindowFromBits(window)) != FALSE;
  }
};

}  // namespace

HWND WindowUnderPointer() {
  SystemWindows windows;
  return WindowFromBits(WindowUnderPointer(windows));
}
