// The main window as data: its settings, its 25 controls and its menu.
#pragma once

#include "platform/form.h"

FormSpec MainWindowSpec();
