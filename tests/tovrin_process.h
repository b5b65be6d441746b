// The real tovrin.exe, started as a user starts it and watched from outside, as any
// other program would see it.
#pragma once

#include <windows.h>

#include "platform/win_handles.h"

class TovrinProcess {
 public:
  TovrinProcess();   // starts tovrin.exe and waits for its main window
  ~TovrinProcess();  // ends it if it still runs
  TovrinProcess(const TovrinProcess&) = delete;
  TovrinProcess& operator=(const TovrinProcess&) = delete;

  HWND mainWindow() const { return mainWindow_; }
  HWND control(int id) const { return GetDlgItem(mainWindow_, id); }
  DWORD processId() const { return processId_; }
  // Waits for the process to end; its exit code, or STILL_ACTIVE on time-out.
  DWORD WaitForExit(DWORD milliseconds = 10000) const;
  bool Running() const;

 private:
  UniqueHandle process_;
  DWORD processId_ = 0;
  HWND mainWindow_ = nullptr;
};

// Starts tovrin.exe once more and returns its exit code (STILL_ACTIVE if it runs on).
DWORD RunSecondInstance(DWORD milliseconds = 10000);

// Whether the program's notification-area icon exists for that window.
bool TrayIconExists(HWND mainWindow);
