// Drag-to-pick: the user designates a window by pressing the left button on a picker
// box, moving the pointer over the wanted window of any program and letting go. While
// the button is held, the box holds the mouse capture and its poll timer samples the
// window under the pointer every 100 ms: each sample goes at once into the picker's
// slot (the handle as decimal text, read back by the switch) and its title box, and
// gets the highlight frame. Whatever was sampled last stays designated.
//
// A picker keeps no state of its own: a drag runs exactly while its poll timer runs.
#pragma once

#include "platform/form.h"

// The controls of one picker.
struct Picker {
  int box;       // the picture box a drag starts on
  int timer;     // the poll timer
  int slot;      // hidden edit box: the window under the pointer, as decimal text
  int titleBox;  // edit box: the title of that window's root owner
};

extern const Picker kWindowOnePicker;  // 图片框1, 时钟1, 编辑框1, 编辑框2
extern const Picker kWindowTwoPicker;  // 图片框2, 时钟2, 编辑框4, 编辑框3

// The handlers. cursor is the picker cursor image: what the box shows at rest and
// what the pointer looks like over it.

// Left button pressed on the box: the image leaves the box with the pointer, the box
// takes the capture and the poll starts.
void DragStart(Form& form, const Picker& picker, ImageBytes cursor);

// Poll timer: the window under the pointer into the slot, its root owner's title into
// the title box, and the frame around it.
void PollTick(Form& form, const Picker& picker, ImageBytes cursor);

// Left button released on the box (anywhere, while the box holds the capture): the
// capture goes, the frame comes down, the poll stops and the image is back in the box.
// On an idle picker these steps change nothing visible.
void DragEnd(Form& form, const Picker& picker, ImageBytes cursor);

// The box lost the capture. A drag that loses it to another window would never see
// its release and would poll on for ever; it ends here instead, keeping the last
// sample. An idle picker, or a box that holds the capture again, is left alone.
void CaptureLost(Form& form, const Picker& picker, ImageBytes cursor);
