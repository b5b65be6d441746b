#include "picker/frame.h"

uint32_t lastFramedWindow = 0;
bool frameDrawn = false;

namespace {

constexpr int32_t kThickness = 3;

bool IsEmpty(const ScreenRect& r) { return r.right <= r.left || r.bottom <= r.top; }

// Holds the display context for exactly one HighlightWindow call, whatever path
// the call leaves by.
class OpenScreen {
 public:
  explicit OpenScreen(FrameScreen& screen) : screen_(screen) { screen_.Open(); }
  ~OpenScreen() { screen_.Close(); }
  OpenScreen(const OpenScreen&) = delete;
  OpenScreen& operator=(const OpenScreen&) = delete;

 private:
  FrameScreen& screen_;
};

// Inverts the band of window where the window is now. The rectangle starts from
// zeros on every read: a window that cannot be read (0, or gone) then draws
// nothing, instead of inverting whatever band was read before it once more.
void InvertBandOf(FrameScreen& screen, uint32_t window) {
  ScreenRect rect;
  screen.ReadWindowRect(window, rect);
  InvertFrame(screen, rect);
}

}  // namespace

void InvertFrame(FrameScreen& screen, const ScreenRect& rect) {
  if (IsEmpty(rect)) return;
  const int32_t width = WrappingSub(rect.right, rect.left);
  const int32_t sideTop = WrappingAdd(rect.top, kThickness);
  // Can be negative for a window less than 6 pixels high; passed on as it is, since
  // the next inversion covers the very same pixels.
  const int32_t sideHeight = WrappingSub(WrappingSub(rect.bottom, rect.top), 2 * kThickness);
  screen.InvertBar(rect.left, rect.top, width, kThickness);
  screen.InvertBar(rect.left, sideTop, kThickness, sideHeight);
  screen.InvertBar(rect.right, sideTop, -kThickness, sideHeight);
  screen.InvertBar(rect.left, rect.bottom, width, -kThickness);
}

void HighlightWindow(FrameScreen& screen, uint32_t window, bool erase) {
  OpenScreen open(screen);
  if (erase) {
    if (!frameDrawn) return;
    InvertBandOf(screen, lastFramedWindow);
    frameDrawn = false;
    return;
  }
  if (window == lastFramedWindow) {
    InvertBandOf(screen, lastFramedWindow);
    frameDrawn = !frameDrawn;
    return;
  }
  if (frameDrawn) InvertBandOf(screen, lastFramedWindow);
  InvertBandOf(screen, window);
  lastFramedWindow = window;
  frameDrawn = true;
}
