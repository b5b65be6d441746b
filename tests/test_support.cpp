#include "tests/test_support.h"

#include <cstdlib>
#include <map>
#include <string>

std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

WindowHost::WindowHost(const std::wstring& title) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  CreatePipe(&readEnd, &writeEnd, &inherit, 0);
  UniqueHandle reader{readEnd}, writer{writeEnd};
  SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writer.get();
  std::wstring commandLine = L"\"" + TestProgramFolder() + L"window_host.exe\" " + title;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    return;
  process_.reset(process.hProcess);
  processId_ = process.dwProcessId;
  CloseHandle(process.hThread);
  writer.reset();

  std::string line;
  char buffer[128];
  DWORD got = 0;
  while (line.find('\n') == std::string::npos && ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got)
    line.append(buffer, got);
  long values[5] = {};
  const char* at = line.c_str();
  for (long& value : values) {
    char* end = nullptr;
    value = std::strtol(at, &end, 10);
    at = end;
  }
  HWND* windows[] = {&main, &child, &owned, &tool, &second};
  for (int i = 0; i < 5; ++i) *windows[i] = reinterpret_cast<HWND>(static_cast<intptr_t>(values[i]));
}

WindowHost::~WindowHost() { Terminate(); }

void WindowHost::Terminate() {
  if (!process_) return;
  TerminateProcess(process_.get(), 0);
  WaitForSingleObject(process_.get(), 5000);
  process_.reset();
}

void PumpFor(int milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  MSG msg;
  for (;;) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

bool PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
  while (!condition()) {
    if (GetTickCount64() >= deadline) return condition();
    PumpFor(10);
  }
  return true;
}

LONG_PTR ExStyleWithoutEdge(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE) & ~LONG_PTR{WS_EX_WINDOWEDGE}; }

int LayeredAlpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
  return alpha;
}

bool IsTopmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

namespace {
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) SetWindowLongPtrW(window, GWLP_USERDATA, GetWindowLongPtrW(window, GWLP_USERDATA) + 1);
  return DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

MessageCounter::MessageCounter() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TovrinMessageCounter";
  RegisterClassW(&wc);
  window_ = CreateWindowW(L"TovrinMessageCounter", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

MessageCounter::~MessageCounter() { DestroyWindow(window_); }

int MessageCounter::count() const { return static_cast<int>(GetWindowLongPtrW(window_, GWLP_USERDATA)); }

namespace {
std::map<UINT_PTR, std::function<void(UINT_PTR)>>& CallbackTimers() {
  static std::map<UINT_PTR, std::function<void(UINT_PTR)>> timers;
  return timers;
}

void CALLBACK CallbackTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = CallbackTimers().find(id);
  if (found == CallbackTimers().end()) return;
  auto callback = found->second;  // the callback may stop its own timer
  callback(id);
}
}  // namespace

UINT_PTR StartCallbackTimer(UINT milliseconds, std::function<void(UINT_PTR id)> callback) {
  const UINT_PTR id = SetTimer(nullptr, 0, milliseconds, CallbackTimerProc);
  CallbackTimers()[id] = std::move(callback);
  return id;
}

void StopCallbackTimer(UINT_PTR id) {
  KillTimer(nullptr, id);
  CallbackTimers().erase(id);
}
