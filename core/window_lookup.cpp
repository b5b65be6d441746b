#include "core/window_lookup.h"

#include "core/title_search.h"
#include "core/window_helpers.h"
#include "platform/events.h"
#include "platform/gbk.h"
#include "platform/handle_value.h"
#include "platform/text.h"

int32_t WindowExists(const std::string& text) {
  const int32_t value = TextToInt(text);
  WINDOWINFO info{};
  info.cbSize = sizeof info;
  if (GetWindowInfo(HandleFrom(value), &info)) return value;

  WindowList list;
  ListTopLevelWindows(list);
  for (const WindowRecord& record : list) {
    if (TitleContains(record.title, text)) return record.handle;
    ProcessPendingEvents();  // a long search must not freeze the main window
  }
  return 0;
}

size_t ListTopLevelWindows(WindowList& list) {
  EnumWindows(AppendWindowRecord, reinterpret_cast<LPARAM>(&list));
  return list.size();
}

BOOL CALLBACK AppendWindowRecord(HWND window, LPARAM list) {
  WindowRecord& record = reinterpret_cast<WindowList*>(list)->emplace_back();
  record.handle = HandleValue(window);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  record.processId = processId;
  record.threadId = GetWindowThreadProcessId(window, nullptr);
  record.title = WindowTitleOf(window);
  record.className = WindowClassOf(window);
  return TRUE;
}

std::string WindowClassOf(HWND window) {
  wchar_t buffer[50] = {};
  const int copied = GetClassNameW(window, buffer, 50);  // at most 49 characters and a NUL
  return Narrow(std::wstring(buffer, static_cast<size_t>(copied > 0 ? copied : 0)));
}
