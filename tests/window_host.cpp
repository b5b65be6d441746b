// Another program's windows for the tests: the utility works on windows it does not
// own, so its tests do too. Started with a title; creates
//   main    an overlapped top-level window with that title,
//   child   an edit control inside main,
//   owned   a pop-up owned by main,
//   tool    a top-level tool window,
//   second  another overlapped top-level window,
// writes their handles as one line of decimal numbers to its standard output, and
// runs until it is terminated or its main window is closed.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && GetWindowLongPtrW(window, GWLP_USERDATA) == 1) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Make(DWORD exStyle, const std::wstring& title, DWORD style, int x, int y, HWND parent) {
  return CreateWindowExW(exStyle, L"TovrinTestHost", title.c_str(), style, x, y, 360, 240, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  WNDCLASSW host{};
  host.lpfnWndProc = HostProc;
  host.hInstance = instance;
  host.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  host.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  host.lpszClassName = L"TovrinTestHost";
  RegisterClassW(&host);

  const std::wstring title = commandLine && *commandLine ? commandLine : L"Tovrin test host";
  HWND main = Make(0, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120, nullptr);
  SetWindowLongPtrW(main, GWLP_USERDATA, 1);
  HWND child = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 20, 20, 120, 24, main, nullptr,
                               instance, nullptr);
  HWND owned = Make(0, title + L" owned", WS_POPUP | WS_CAPTION | WS_VISIBLE, 200, 200, main);
  HWND tool = Make(WS_EX_TOOLWINDOW, title + L" tool", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 300, 300, nullptr);
  HWND second = Make(0, title + L" second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 150, nullptr);

  char line[128];
  const int length = std::snprintf(line, sizeof line, "%ld %ld %ld %ld %ld\n",
                                   static_cast<long>(reinterpret_cast<intptr_t>(main)),
                                   static_cast<long>(reinterpret_cast<intptr_t>(child)),
                                   static_cast<long>(reinterpret_cast<intptr_t>(owned)),
                                   static_cast<long>(reinterpret_cast<intptr_t>(tool)),
                                   static_cast<long>(reinterpret_cast<intptr_t>(second)));
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, nullptr);
  CloseHandle(GetStdHandle(STD_OUTPUT_HANDLE));

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
