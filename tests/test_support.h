// What the Win32 tests share: windows of another process to work on, waiting while
// messages flow, and small forms built from rows like the main window's.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win_handles.h"

// The folder of the running test program, where its helper programs are built.
std::wstring TestProgramFolder();

// A window_host process and its windows. Terminated when it goes out of scope.
class WindowHost {
 public:
  explicit WindowHost(const std::wstring& title);
  ~WindowHost();
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;

  HWND main = nullptr, child = nullptr, owned = nullptr, tool = nullptr, second = nullptr;
  DWORD processId() const { return processId_; }
  void Terminate();

 private:
  UniqueHandle process_;
  DWORD processId_ = 0;
};

// Dispatches this thread's messages for the given time.
void PumpFor(int milliseconds);

// Dispatches messages until the condition holds or the time-out passes; the result is
// the condition's last value. The time-out only bounds a failing test.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 5000);

// The extended style without the edge bit the system adds to a layered window.
LONG_PTR ExStyleWithoutEdge(HWND window);

// The layered alpha of a window, or -1 when it has none.
int LayeredAlpha(HWND window);

bool IsTopmost(HWND window);

// A thread timer that calls any callable (a lambda may not be a TIMERPROC on 32-bit
// Windows, whose callbacks are stdcall). Runs until stopped.
UINT_PTR StartCallbackTimer(UINT milliseconds, std::function<void(UINT_PTR id)> callback);
void StopCallbackTimer(UINT_PTR id);

// A message-only window of our own that counts the WM_APP messages dispatched to it.
class MessageCounter {
 public:
  MessageCounter();
  ~MessageCounter();
  HWND window() const { return window_; }
  int count() const;
  void Post() const { PostMessageW(window_, WM_APP, 0, 0); }

 private:
  HWND window_;
};
