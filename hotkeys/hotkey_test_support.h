// What the hotkey tests share: real key presses through SendInput, combinations this
// test process holds the way another program would, and reading another process's
// controls.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/test_support.h"

// Presses the keys in order, then lets go of them in reverse order, as fingers do.
inline void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  for (WORD key : keys) add(key, 0);
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) add(*key, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A combination registered by this test's thread, so that it is taken for everyone else.
class HeldHotkey {
 public:
  HeldHotkey(UINT flags, UINT key)
      : identifier_(NextIdentifier()), held_(RegisterHotKey(nullptr, identifier_, flags | MOD_NOREPEAT, key) != FALSE) {}
  ~HeldHotkey() {
    if (held_) UnregisterHotKey(nullptr, identifier_);
  }
  HeldHotkey(const HeldHotkey&) = delete;
  HeldHotkey& operator=(const HeldHotkey&) = delete;
  bool held() const { return held_; }

 private:
  // Each its own: registering an identifier again replaces what it held.
  static int NextIdentifier() {
    static int next = 0xB000;
    return next++;
  }
  int identifier_;
  bool held_;
};

// Whether some program holds the combination: we cannot take it for ourselves.
inline bool TakenElsewhere(UINT flags, UINT key) {
  constexpr int kProbe = 0xBFFF;
  if (!RegisterHotKey(nullptr, kProbe, flags | MOD_NOREPEAT, key)) return true;
  UnregisterHotKey(nullptr, kProbe);
  return false;
}

// A control's text, also of another process (WM_GETTEXT is marshalled for us).
inline std::wstring ControlText(HWND control) {
  const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

inline void SetControlText(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The window with the keyboard focus in the thread that owns the given window.
inline HWND FocusOfThreadOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// Brings another process's window to the front and gives the focus to one of its
// controls, so that our key presses reach that control.
inline bool FocusControlOfOtherProcess(HWND mainWindow, HWND control) {
  SetForegroundWindow(mainWindow);
  if (!PumpUntil([&] { return GetForegroundWindow() == mainWindow; })) return false;
  const DWORD ours = GetCurrentThreadId(), theirs = GetWindowThreadProcessId(control, nullptr);
  AttachThreadInput(ours, theirs, TRUE);
  SetFocus(control);
  AttachThreadInput(ours, theirs, FALSE);
  return PumpUntil([&] { return FocusOfThreadOf(mainWindow) == control; });
}
