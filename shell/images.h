// The images the program carries as resources, each a whole image file in memory.
#pragma once

#include "platform/form.h"

ImageBytes PickerCursorImage();  // .CUR, 30 x 30, hot spot at its top-left pixel
ImageBytes TrayIconImage();      // .ICO, 32 x 32
