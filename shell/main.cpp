// Tovrin: hides one window and fades another in on a global hotkey, from the tray.
#include <windows.h>

#include "platform/events.h"
#include "platform/form.h"
#include "platform/win_handles.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace {

// A second copy could register no hotkey and would double the tray icon: bring up the
// running one instead, as a click on its tray icon does.
bool HandOverToRunningInstance() {
  HWND running = FindRunningMainWindow();
  if (!running) return false;
  DWORD processId = 0;
  GetWindowThreadProcessId(running, &processId);
  AllowSetForegroundWindow(processId);
  PostMessageW(running, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  UniqueHandle oneInstance{CreateMutexW(nullptr, FALSE, L"Local\\Tovrin.MainWindow")};
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // The first copy may still be creating its window: give it a moment to appear.
    for (int attempt = 0; attempt < 50 && !HandOverToRunningInstance(); ++attempt) Sleep(100);
    return 0;
  }

  Form mainWindow(MainWindowSpec());
  BindMainWindowEvents(mainWindow);
  mainWindow.Create(true);
  mainWindow.Show();
  RunMessageLoop();
  return 0;
}
