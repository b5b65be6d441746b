// Is a designated window still there? Asked by its handle as decimal text; when the
// handle names no window, the text is looked for in the titles of all top-level
// windows instead, so a piece of a title finds a window too.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct WindowRecord {
  int32_t handle = 0;
  uint32_t processId = 0;
  uint32_t threadId = 0;
  std::string title;
  std::string className;
};

using WindowList = std::vector<WindowRecord>;

// The handle the text names, or of the first top-level window (top of the Z order
// first) whose title contains the text; 0 when there is none.
int32_t WindowExists(const std::string& text);

// Appends a record for every top-level window; returns the number of records.
size_t ListTopLevelWindows(WindowList& list);

// The EnumWindows callback: the list travels in lParam.
BOOL CALLBACK AppendWindowRecord(HWND window, LPARAM list);

// The class name, cut to its first 49 characters.
std::string WindowClassOf(HWND window);
