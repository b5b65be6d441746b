// The message loop and "process pending events", shared by the main loop, the pauses
// of a switch and the title search, so that every path treats keys the same way.
#pragma once

#include <windows.h>

// Lets a form take a message before it is dispatched (Esc, Tab); true if taken.
using MessageFilter = bool (*)(MSG& msg);
void SetMessageFilter(MessageFilter filter);

// Filter, translate and dispatch one message.
void DispatchEvent(MSG& msg);

// Dispatches every queued message until the queue is empty or the next message is
// WM_QUIT, which stays queued for the loop that owns it.
void ProcessPendingEvents();

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();
