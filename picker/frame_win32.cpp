#include "picker/frame.h"
#include "picker/picker_win32.h"
#include "picker/window_bits_win32.h"
#include "platform/win_handles.h"

namespace {

// The whole display, in the screen coordinates that GetWindowRect gives.
class DisplayScreen final : public FrameScreen {
 public:
  bool ReadWindowRect(uint32_t window, ScreenRect& rect) override {
    RECT r;
    if (!::GetWindowRect(WindowFromBits(window), &r)) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
  }
  void InvertBar(int32_t x, int32_t y, int32_t width, int32_t height) override {
    ::PatBlt(dc_.get(), x, y, width, height, DSTINVERT);
  }
  void Open() override { dc_.reset(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)); }
  void Close() override { dc_.reset(); }

 private:
  UniqueDc dc_;
};

}  // namespace

void HighlightWindow(HWND window, bool erase) {
  DisplayScreen screen;
  HighlightWindow(screen, WindowBits(window), erase);
}
