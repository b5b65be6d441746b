// What the hotkeys and the buttons do to the two designated windows: the switch, the
// return of window 2, and window 2's opacity. Each reads the controls it needs when
// it runs and keeps nothing between runs.
#pragma once

class Form;

// Hides window 2 and brings window 1 up maximised, pinned on top while it fades in.
void SwitchWindows(Form& form);

// Shows window 2 again, at the front of the ordinary windows.
void ShowWindowTwo(Form& form);

// Window 2's opacity from the transparency slider.
void ApplyTransparency(Form& form);
