#include "picker/drag_to_pick.h"

#include "core/controls.h"
#include "core/window_helpers.h"
#include "picker/picker_win32.h"
#include "platform/handle_value.h"
#include "platform/text.h"

const Picker kWindowOnePicker = {图片框1, 时钟1, 编辑框1, 编辑框2};
const Picker kWindowTwoPicker = {图片框2, 时钟2, 编辑框4, 编辑框3};

namespace {

constexpr int32_t kPollMilliseconds = 100;

bool Dragging(const Form& form, const Picker& picker) {
  return form.TimerPeriod(picker.timer) == kPollMilliseconds;
}

// The drag-end steps that follow the release of the capture.
void PutDown(Form& form, const Picker& picker, ImageBytes cursor) {
  HighlightWindow(nullptr, true);
  form.SetTimerPeriod(picker.timer, 0);
  form.SetPicture(picker.box, cursor);
  form.SetMousePointer(picker.box, cursor);
}

}  // namespace

void DragStart(Form& form, const Picker& picker, ImageBytes cursor) {
  form.SetMousePointer(picker.box, cursor);
  form.SetPicture(picker.box, ImageBytes{});
  ::SetCapture(form.Handle(picker.box));
  form.SetTimerPeriod(picker.timer, kPollMilliseconds);
}

// Each step asks for the window afresh: the pointer may move while the tick runs.
void PollTick(Form& form, const Picker& picker, ImageBytes cursor) {
  form.SetText(picker.slot, IntToText(HandleValue(WindowUnderPointer())));
  form.SetText(picker.titleBox, WindowTitleOf(RootOwnerOf(WindowUnderPointer())));
  HighlightWindow(WindowUnderPointer(), false);
  form.SetMousePointer(picker.box, cursor);
}

void DragEnd(Form& form, const Picker& picker, ImageBytes cursor) {
  const bool wasDragging = Dragging(form, picker);
  ::ReleaseCapture();
  // Releasing the box's capture raises its capture loss at once, and CaptureLost has
  // then put the picker down already: the steps run once per drag.
  if (wasDragging && !Dragging(form, picker)) return;
  PutDown(form, picker, cursor);
}

void CaptureLost(Form& form, const Picker& picker, ImageBytes cursor) {
  // A box given the capture once more (a second press during a drag) still drags.
  if (!Dragging(form, picker) || ::GetCapture() == form.Handle(picker.box)) return;
  // No ReleaseCapture here: the capture now belongs to whoever took it.
  PutDown(form, picker, cursor);
}
