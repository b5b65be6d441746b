#include "bench/bench_support.h"

#include <psapi.h>

#include <algorithm>

#include "platform/handle_value.h"
#include "tests/test_support.h"

double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

bool PollUntil(const std::function<bool()>& condition, double intervalMs, double timeoutMs) {
  const double deadline = NowMs() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    const double next = NowMs() + intervalMs;
    if (next > deadline) return condition();
    while (NowMs() < next) SwitchToThread();
  }
}

Spread SpreadOf(std::vector<double> values) {
  Spread spread;
  spread.runs = values.size();
  if (values.empty()) return spread;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  spread.median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
  spread.low = values.front();
  spread.high = values.back();
  return spread;
}

Process::Process(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + TestProgramFolder() + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  startedAt_ = NowMs();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return;
  UniqueHandle thread{info.hThread};
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
}

void Process::Terminate() {
  if (!process_) return;
  TerminateProcess(process_.get(), 0);
  WaitForSingleObject(process_.get(), 10000);
  process_.reset();
}

Memory MemoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
    return {-1, -1};
  // Windows reports the commit charge twice, as PrivateUsage and as PagefileUsage; Wine
  // fills only PagefileUsage (the process's anonymous memory, resident or swapped).
  const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  constexpr double kMiB = 1024.0 * 1024.0;
  return {static_cast<double>(counters.WorkingSetSize) / kMiB, static_cast<double>(privateBytes) / kMiB};
}

double CpuMsOf(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  auto ms = [](FILETIME t) {
    return static_cast<double>(static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

void PressSwitchHotkey() {
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_OEM_3;
    key.ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_OEM_3, MAPVK_VK_TO_VSC));
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

bool SwitchHotkeyHeld() {
  constexpr int kProbe = 0xBEEF;
  if (!RegisterHotKey(nullptr, kProbe, MOD_NOREPEAT, VK_OEM_3)) return true;
  UnregisterHotKey(nullptr, kProbe);
  return false;
}

bool WaitSwitchHotkeyFree() { return PollUntil([] { return !SwitchHotkeyHeld(); }, 5, 10000); }

std::wstring SlotText(HWND window) { return std::to_wstring(HandleValue(window)); }

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

void SetControlText(HWND control, const std::wstring& text) {
  SendWithin(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
