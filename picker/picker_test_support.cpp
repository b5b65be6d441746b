#include "picker/picker_test_support.h"

#include <cstdint>

#include "platform/diagnostics.h"

namespace {

// Absolute input positions are 0..65535 over the screen; rounding up maps back onto
// the very pixel whichever way the system scales them down.
LONG Normalised(LONG pixel, int screenSize) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

INPUT ButtonEvent(POINT at, DWORD button) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
  return input;
}

bool Send(std::vector<INPUT> inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool MovePointerTo(POINT at) {
  auto there = [at] {
    POINT now{};
    return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
  };
  // The X motion of an earlier move, arriving late, can put the pointer back there:
  // after it got there, let pending events come and look again.
  for (int attempt = 0; attempt < 5; ++attempt) {
    SetCursorPos(at.x, at.y);
    if (!PumpUntil(there)) continue;
    PumpFor(50);
    if (there()) return true;
  }
  return false;
}

LeftButton::~LeftButton() {
  if (down_) Release(at_);
}

bool LeftButton::Press(POINT at, int clicksBefore) {
  if (!MovePointerTo(at)) return false;
  std::vector<INPUT> inputs;
  for (int i = 0; i < clicksBefore; ++i) {
    inputs.push_back(ButtonEvent(at, MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(ButtonEvent(at, MOUSEEVENTF_LEFTUP));
  }
  inputs.push_back(ButtonEvent(at, MOUSEEVENTF_LEFTDOWN));
  down_ = Send(inputs);
  at_ = at;
  return down_;
}

void LeftButton::Release(POINT at) {
  MovePointerTo(at);
  Send({ButtonEvent(at, MOUSEEVENTF_LEFTUP)});
  down_ = false;
}

bool LeftButton::Click(POINT at) {
  if (!MovePointerTo(at)) return false;
  return Send({ButtonEvent(at, MOUSEEVENTF_LEFTDOWN), ButtonEvent(at, MOUSEEVENTF_LEFTUP)});
}

PaintedHost::PaintedHost(const std::wstring& title) : WindowHost(title) {
  MovePointerTo({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
  for (HWND w : {main, owned, tool, second})
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpFor(300);  // the host hands its painting over to the display when it goes idle
}

std::vector<POINT> FrameBandProbes(const RECT& r) {
  const LONG midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
  return {{midX, r.top},       {midX, r.top + 2},       // top bar
          {r.left, midY},      {r.left + 2, midY},      // left side
          {r.right - 1, midY}, {r.right - 2, midY},     // right side
          {midX, r.bottom - 1}, {midX, r.bottom - 2}};  // bottom bar
}

std::vector<COLORREF> ScreenPixels(const std::vector<POINT>& points) {
  HDC screen = GetDC(nullptr);
  std::vector<COLORREF> pixels;
  for (POINT p : points) pixels.push_back(GetPixel(screen, p.x, p.y));
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::vector<COLORREF> Inverted(std::vector<COLORREF> pixels) {
  for (COLORREF& pixel : pixels) pixel ^= 0x00FFFFFF;
  return pixels;
}

int GdiObjectsInUse() { return static_cast<int>(ResourceCount(ResourceKind::GdiObjects)); }

std::wstring ControlText(HWND control) {
  const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got));
  return text;
}

HWND CaptureOfThreadOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndCapture;
}
