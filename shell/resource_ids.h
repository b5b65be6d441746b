// Resource identifiers, shared by the resource script and the program.
#pragma once

#define IDI_TOVRIN 1
#define IDR_PICKER_CURSOR 101
#define IDR_TRAY_ICON 102
