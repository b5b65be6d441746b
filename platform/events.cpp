#include "platform/events.h"

namespace {
MessageFilter messageFilter = nullptr;
}

void SetMessageFilter(MessageFilter filter) { messageFilter = filter; }

void DispatchEvent(MSG& msg) {
  if (messageFilter && messageFilter(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void ProcessPendingEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (msg.message == WM_QUIT) return;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return;
    if (msg.message == WM_QUIT) {  // queued between the two peeks: put it back
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DispatchEvent(msg);
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchEvent(msg);
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}
