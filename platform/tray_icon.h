// The program's one icon in the notification area: added on the first setting,
// replaced in place afterwards, added again when the shell comes back, removed with
// the window.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win_handles.h"

// The notification-area callback message and identifier.
constexpr UINT kTrayCallbackMessage = WM_APP + 100;
constexpr UINT kTrayIconId = 100;

class TrayIcon {
 public:
  // The tip is cut to 62 bytes of GBK before it is converted.
  void Set(HWND window, UniqueIcon icon, const std::string& tip);
  void Restore();  // after the taskbar was re-created
  void Remove();
  bool present() const { return icon_ ? true : false; }

 private:
  NOTIFYICONDATAW Data(HICON icon) const;

  HWND window_ = nullptr;
  UniqueIcon icon_;
  std::wstring tip_;
};
