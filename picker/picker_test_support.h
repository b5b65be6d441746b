// What the picker's tests share: real mouse input, screen pixels, the GDI objects in
// use, and the controls of another process. Under Wine the X pointer can lag behind or
// snap back, so the pointer is moved with SetCursorPos and waited for, and every button
// event carries the position it is meant for.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/test_support.h"

// The centre of a window's outer rectangle.
POINT CentreOf(HWND window);

// Moves the pointer and dispatches messages until the system reports it there and it
// stays there; false if it never settled.
bool MovePointerTo(POINT at);

// The left button through SendInput. A button still down when the object goes is
// released, so that a failing test leaves no button held for the next one.
class LeftButton {
 public:
  LeftButton() = default;
  ~LeftButton();
  LeftButton(const LeftButton&) = delete;
  LeftButton& operator=(const LeftButton&) = delete;

  // Moves there, then presses; after clicksBefore clicks there when asked, all in one
  // batch of input, so that the system counts a quick second press as a double click.
  bool Press(POINT at, int clicksBefore = 0);
  void Release(POINT at);
  // A press and its release as one batch of input: nothing runs between them, not even
  // a timer.
  bool Click(POINT at);

 private:
  bool down_ = false;
  POINT at_{};
};

// Another program's windows, painted and handed over to the display, with the pointer
// off them, so that their pixels can be read back and stay as they are.
class PaintedHost : public WindowHost {
 public:
  explicit PaintedHost(const std::wstring& title);
};

// Screen pixels that a frame around outer inverts under both PatBlt rules for negative
// extents (Windows covers right-3 .. right-1, Wine right-2 .. right): two on each bar.
std::vector<POINT> FrameBandProbes(const RECT& outer);

// The screen's pixels at those points, as read back from the display.
std::vector<COLORREF> ScreenPixels(const std::vector<POINT>& points);

// Each pixel inverted.
std::vector<COLORREF> Inverted(std::vector<COLORREF> pixels);

// The GDI objects this process holds.
int GdiObjectsInUse();

// The text of a control of any process (GetWindowText reads no other process's edit box).
std::wstring ControlText(HWND control);

// The window holding the mouse capture on the thread that owns window, of any process.
HWND CaptureOfThreadOf(HWND window);
