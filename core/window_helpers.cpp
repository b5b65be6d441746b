#include "core/window_helpers.h"

#include "core/fade.h"
#include "platform/events.h"
#include "platform/gbk.h"
#include "platform/win_handles.h"

HWND RootOwnerOf(HWND window) {
  // Wine answers the handle itself for a dead one; Windows answers 0. Promise 0.
  if (!window || !IsWindow(window)) return nullptr;
  return GetAncestor(window, GA_ROOTOWNER);
}

std::string WindowTitleOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring title(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, title.data(), length + 1);
  title.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return Narrow(title);
}

BOOL SetWindowAlpha(HWND window, int32_t alpha) {
  // The whole extended style is replaced, not merged: what the window had before is
  // not read and is not restored.
  SetWindowLongW(window, GWL_EXSTYLE, WS_EX_LAYERED);
  return SetLayeredWindowAttributes(window, 0, AlphaByte(alpha), LWA_ALPHA);
}

void PinWindow(HWND window, bool pin) {
  if (pin) {
    SetForegroundWindowForward(window);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  } else {
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  }
}

namespace {
// QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT |
// QS_SENDMESSAGE | QS_HOTKEY: everything but raw input.
constexpr DWORD kWakeMask = 0xFF;

// Without a timer, wait for messages against the tick count; the pause still ends
// at its deadline and never spins.
void WaitWithoutTimer(int32_t milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds > 0 ? milliseconds : 0);
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    const DWORD result = MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), kWakeMask);
    if (result == WAIT_TIMEOUT) return;
    if (result == WAIT_FAILED) {  // not even messages can be waited for: sit out the rest
      Sleep(static_cast<DWORD>(deadline - now));
      return;
    }
    ProcessPendingEvents();
  }
}
}  // namespace

bool PumpedDelay(int32_t milliseconds) {
  UniqueHandle timer{CreateWaitableTimerW(nullptr, FALSE, nullptr)};
  return PumpedDelayOn(timer.get(), milliseconds);
}

bool PumpedDelayOn(HANDLE timer, int32_t milliseconds) {
  LARGE_INTEGER due;
  due.QuadPart = DueTimeFor(milliseconds);
  if (!timer || !SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    WaitWithoutTimer(milliseconds);
    return true;
  }
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds > 0 ? milliseconds : 0);
  HANDLE handles[] = {timer};
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, handles, FALSE, INFINITE, kWakeMask);
    if (result == WAIT_OBJECT_0) break;
    if (result == WAIT_FAILED) {
      // The timer can no longer be waited for: finish the pause on the clock.
      const ULONGLONG now = GetTickCount64();
      if (now < deadline) WaitWithoutTimer(static_cast<int32_t>(deadline - now));
      break;
    }
    ProcessPendingEvents();
  }
  return true;
}

BOOL ShowWindowAsyncForward(HWND window, int command) { return ShowWindowAsync(window, command); }
BOOL SetForegroundWindowForward(HWND window) { return SetForegroundWindow(window); }
BOOL OpenIconForward(HWND window) { return OpenIcon(window); }
