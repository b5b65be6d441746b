// The program's life: the events of the main window bound to their handlers, the
// creation sequence, closing to the tray, the tray icon and its menu, and the exit.
#pragma once

#include "platform/form.h"

// Binds every event of the main window to the handler that answers it.
void BindMainWindowEvents(Form& form);

// The main window of a running instance, or nullptr.
HWND FindRunningMainWindow();
