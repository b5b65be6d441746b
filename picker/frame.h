// The highlight frame: a 3-pixel band along the inside of a window's outer
// rectangle, inverted straight onto the display. Inverting the same band twice
// restores the screen, so the drawing that puts a frame up also takes it down.
#pragma once

#include <cstdint>

#include "picker/screen_rect.h"

// What the frame logic draws through: the display and the window rectangles.
class FrameScreen {
 public:
  virtual ~FrameScreen() = default;
  // False, with rect untouched, when window names no window (0 included).
  virtual bool ReadWindowRect(uint32_t window, ScreenRect& rect) = 0;
  // Inverts the pixels of one bar; a negative width or height extends from x or y
  // towards smaller coordinates.
  virtual void InvertBar(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
  // Acquire and release the display context; every HighlightWindow call pairs them.
  virtual void Open() = 0;
  virtual void Close() = 0;
};

// The window around which a frame was last put up, and whether it is on screen now.
// Shared by both pickers; read and written only by HighlightWindow.
extern uint32_t lastFramedWindow;
extern bool frameDrawn;

// Inverts the four bars of the band of rect (top, left, right, bottom, in that
// order); nothing for an empty rect.
void InvertFrame(FrameScreen& screen, const ScreenRect& rect);

// A frame call (erase false) moves the frame to window, or toggles it when window
// is already the framed one; an erase call takes the frame down if it is up.
void HighlightWindow(FrameScreen& screen, uint32_t window = 0, bool erase = false);
