#include "platform/tray_icon.h"

#include <shellapi.h>

#include <cwchar>

#include "platform/gbk.h"

namespace {
constexpr size_t kTipBytes = 62;
}

NOTIFYICONDATAW TrayIcon::Data(HICON icon) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon;
  wcsncpy(data.szTip, tip_.c_str(), ARRAYSIZE(data.szTip) - 1);
  return data;
}

void TrayIcon::Set(HWND window, UniqueIcon icon, const std::string& tip) {
  window_ = window;
  tip_ = Widen(tip.substr(0, kTipBytes));
  NOTIFYICONDATAW data = Data(icon.get());
  // Replace the icon in place when it is there; a refused replacement means the shell
  // lost it, so add it anew.
  if (!present() || !Shell_NotifyIconW(NIM_MODIFY, &data)) Shell_NotifyIconW(NIM_ADD, &data);
  icon_ = std::move(icon);  // the icon it replaces is destroyed here
}

void TrayIcon::Restore() {
  if (!present()) return;
  NOTIFYICONDATAW data = Data(icon_.get());
  Shell_NotifyIconW(NIM_ADD, &data);
}

void TrayIcon::Remove() {
  if (!present()) return;
  NOTIFYICONDATAW data = Data(nullptr);
  Shell_NotifyIconW(NIM_DELETE, &data);
  icon_.reset();
}
