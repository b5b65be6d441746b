#include "tests/tovrin_process.h"

#include <shellapi.h>

#include <string>

#include "platform/form.h"
#include "tests/test_support.h"

namespace {

UniqueHandle StartTovrin(DWORD* processId) {
  std::wstring commandLine = L"\"" + TestProgramFolder() + L"tovrin.exe\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return UniqueHandle{};
  CloseHandle(process.hThread);
  if (processId) *processId = process.dwProcessId;
  return UniqueHandle{process.hProcess};
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (processId == search->processId && std::wstring(title) == L"Tovrin-Quessel") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

TovrinProcess::TovrinProcess() {
  process_ = StartTovrin(&processId_);
  WaitForInputIdle(process_.get(), 10000);
  PumpUntil([this] {
    Search search{processId_, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    mainWindow_ = search.found;
    return mainWindow_ && IsWindowVisible(mainWindow_);
  }, 10000);
}

TovrinProcess::~TovrinProcess() {
  if (Running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

DWORD TovrinProcess::WaitForExit(DWORD milliseconds) const {
  WaitForSingleObject(process_.get(), milliseconds);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

bool TovrinProcess::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

DWORD RunSecondInstance(DWORD milliseconds) {
  UniqueHandle second = StartTovrin(nullptr);
  WaitForSingleObject(second.get(), milliseconds);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(second.get(), &code);
  if (code == STILL_ACTIVE) TerminateProcess(second.get(), 1);
  return code;
}

bool TrayIconExists(HWND mainWindow) {
  // Modifying nothing succeeds only for an icon that is there.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = mainWindow;
  data.uID = kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}
