// The two images the program carries, drawn in code so that the committed files can
// always be regenerated from source (tool make_images) and checked against it.
#pragma once

#include <vector>

// A complete .CUR file (3782 bytes): one 30 x 30, 32-bit image whose hot spot is the
// top-left pixel, the tip of the picker's arrow.
std::vector<unsigned char> DrawPickerCursor();

// A complete .ICO file (4286 bytes): one 32 x 32, 32-bit image for the tray, the main
// window and the program file.
std::vector<unsigned char> DrawTrayIcon();
