// What the benchmark measures with: a fine clock and polls against it, a figure over
// repeated runs, programs started and read from outside, and the switch hotkey pressed
// as a keyboard presses it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win_handles.h"

// Milliseconds on the performance counter.
double NowMs();

// Checks the condition every intervalMs until it holds; false if timeoutMs passed first.
// Between checks the thread yields its processor instead of sleeping: a sleep is coarser
// than the figures, and each check asks the system about another process's window, so
// checking without pause would slow the very programs being watched.
bool PollUntil(const std::function<bool()>& condition, double intervalMs, double timeoutMs);

// The median of repeated runs and their range.
struct Spread {
  double median = 0, low = 0, high = 0;
  size_t runs = 0;
};
Spread SpreadOf(std::vector<double> values);

// A program of the benchmark's folder, started with arguments and ended with the object.
class Process {
 public:
  Process(const std::wstring& program, const std::wstring& arguments);
  ~Process() { Terminate(); }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return process_ ? true : false; }
  double startedAtMs() const { return startedAt_; }  // just before CreateProcess
  HANDLE handle() const { return process_.get(); }
  DWORD id() const { return id_; }
  void Terminate();

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
  double startedAt_ = 0;
};

// Working set and private bytes of another process, in MiB.
struct Memory {
  double workingSet = 0, privateBytes = 0;
};
Memory MemoryOf(HANDLE process);

// Kernel and user CPU time a process has used, in ms.
double CpuMsOf(HANDLE process);

// The switch hotkey, the grave accent: pressed and released in one batch of input.
void PressSwitchHotkey();

// Whether some program holds the grave accent: this process cannot register it.
bool SwitchHotkeyHeld();

// Waits until no program holds the grave accent; false if one still does after 10 s.
bool WaitSwitchHotkeyFree();

// A window handle as a picker writes it into a slot: signed decimal.
std::wstring SlotText(HWND window);

// Text and values of another process's controls, through messages the system carries
// across processes; a hung receiver gives up after a few seconds.
LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void SetControlText(HWND control, const std::wstring& text);
