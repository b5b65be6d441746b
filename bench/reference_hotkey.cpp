// The bare platform, for the benchmark to compare tovrin.exe with: the grave accent as
// a global hotkey of one hidden window, and on each press window 2 hidden and, given
// fade steps, window 1 faded in as a switch does it, with the same 10 ms pauses on a
// waitable timer while messages flow. No forms, texts, slots or lookups: what tovrin.exe
// takes beyond this is its own dispatch path.
//
//   reference_hotkey.exe WINDOW1 WINDOW2    (handles in decimal)
//
// Its window, of class TovrinBenchReference, is never shown; its title says kReadyTitle
// once the hotkey is registered. It starts without a fade; the message kSetFadeSteps
// (WM_APP, the steps as wParam) to the window sets the steps of the presses to come.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "platform/win_handles.h"

namespace {

constexpr int kHotkeyId = 1;
constexpr UINT kGraveAccent = VK_OEM_3;
constexpr UINT kSetFadeSteps = WM_APP;
constexpr wchar_t kReadyTitle[] = L"holds the hotkey";
constexpr LONGLONG kPause = -10 * 10000;  // 10 ms, relative, in 100-ns units

HWND windowOne = nullptr, windowTwo = nullptr;
int fadeSteps = 0;
UniqueHandle pauseTimer;

void Pause() {
  LARGE_INTEGER due;
  due.QuadPart = kPause;
  HANDLE timer = pauseTimer.get();
  SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
  while (MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

void SetAlpha(int alpha) {
  SetWindowLongW(windowOne, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(windowOne, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void Switch() {
  ShowWindowAsync(windowTwo, SW_HIDE);
  if (fadeSteps <= 0) return;
  Pause();
  SetAlpha(0);
  Pause();
  ShowWindow(windowOne, SW_SHOWMAXIMIZED);
  Pause();
  SetForegroundWindow(windowOne);
  SetWindowPos(windowOne, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  Pause();
  for (int step = 1; step <= fadeSteps; ++step) {
    SetAlpha(255 * step / fadeSteps);
    Pause();
  }
  Pause();
  SetAlpha(255);
  Pause();
  SetWindowPos(windowOne, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

LRESULT CALLBACK ReferenceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY && wParam == kHotkeyId) {
    Switch();
    return 0;
  }
  if (message == kSetFadeSteps) {
    fadeSteps = static_cast<int>(wParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND HandleArgument(const wchar_t* text) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(std::wcstol(text, nullptr, 10)));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (__argc < 3) return 2;
  windowOne = HandleArgument(__wargv[1]);
  windowTwo = HandleArgument(__wargv[2]);
  pauseTimer.reset(CreateWaitableTimerW(nullptr, FALSE, nullptr));

  WNDCLASSW reference{};
  reference.lpfnWndProc = ReferenceProc;
  reference.hInstance = instance;
  reference.lpszClassName = L"TovrinBenchReference";
  RegisterClassW(&reference);
  HWND window = CreateWindowW(L"TovrinBenchReference", L"reference", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr, instance, nullptr);
  if (!RegisterHotKey(window, kHotkeyId, MOD_NOREPEAT, kGraveAccent)) return 1;
  SetWindowTextW(window, kReadyTitle);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
