// The resources this process holds, counted from the inside. Another process asks a
// form's window with the registered message "Tovrin.ResourceCounts" and a kind as
// wParam; the answer is the count. From outside, Wine answers 0 for every process
// (GetGuiResources, GetProcessHandleCount), so a leak could not be seen there.
#pragma once

#include <windows.h>

enum class ResourceKind : WPARAM {
  GdiObjects = 0,     // GDI objects: device contexts, bitmaps, brushes, fonts, regions...
  UserObjects = 1,    // USER objects: windows, icons and cursors, menus...
  KernelHandles = 2,  // handles of kernel objects: events, timers, files, processes...
};

constexpr wchar_t kResourceCountsMessageName[] = L"Tovrin.ResourceCounts";

// How many resources of the kind this process holds; -1 for a kind it does not know or
// a count it cannot read.
long ResourceCount(ResourceKind kind);

// For a window procedure: true, with the count as the answer, for the message.
bool AnswerResourceCounts(UINT message, WPARAM wParam, LRESULT& answer);
