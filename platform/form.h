// Forms described as data: a window and its controls built from a table of rows, the
// properties the program reads and writes, and the events it binds handlers to. The
// main window is one such table; a test builds a small form with only the controls
// it needs from the same kind of rows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/tray_icon.h"
#include "platform/win_handles.h"

enum class ControlKind { Label, Edit, Button, CheckBox, Slider, PictureBox, Timer };

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

struct ControlSpec {
  int id = 0;
  ControlKind kind = ControlKind::Label;
  Bounds bounds;
  const char* text = "";  // initial text or caption, GBK
  bool visible = true;
  bool tabStop = false;
  bool readOnly = false;   // edit boxes: key events arrive, typing changes nothing
  bool checked = false;    // check boxes
  int32_t minimum = 0, maximum = 100, position = 0;  // sliders
  int32_t pageSize = 5, lineSize = 1, tickEvery = 0;
};

// The rows of a control table.
namespace control {
ControlSpec Label(int id, Bounds bounds, const char* caption);
ControlSpec EditBox(int id, Bounds bounds);
ControlSpec HiddenEditBox(int id, Bounds bounds);
ControlSpec ReadOnlyEditBox(int id, Bounds bounds);
ControlSpec Button(int id, Bounds bounds, const char* caption);
ControlSpec CheckBox(int id, Bounds bounds, const char* caption, bool checked);
ControlSpec Slider(int id, Bounds bounds, int32_t minimum, int32_t maximum, int32_t position, int32_t tickEvery);
ControlSpec PictureBox(int id, Bounds bounds);
ControlSpec Timer(int id);
}  // namespace control

struct MenuItemSpec {
  int id;
  const char* text;  // GBK
  int parent;        // 0: top level
  bool hidden;       // a hidden top-level item leaves the menu bar, children and all
};

struct FormSpec {
  const char* title = "";  // GBK
  int outerWidth = 0, outerHeight = 0;
  std::vector<ControlSpec> controls;
  std::vector<MenuItemSpec> menu;
};

// An image file held in memory for the life of the program (a resource); the empty
// image has no bytes.
struct ImageBytes {
  const unsigned char* data = nullptr;
  size_t size = 0;
  bool empty() const { return size == 0; }
};

struct ControlEvents {
  std::function<void()> clicked;
  std::function<void()> positionChanged;
  std::function<void()> tick;
  std::function<void(int32_t key, int32_t modifiers)> keyDown, keyUp;
  std::function<void(int32_t x, int32_t y, int32_t modifiers)> mouseDown, mouseUp;
  std::function<void()> captureLost;
  std::function<void(int32_t identifier, int32_t value)> feedback;
};

struct FormEvents {
  std::function<void()> created;
  std::function<bool()> closeRequested;  // answers whether the window may close
  std::function<void(int kind)> tray;    // 1 click, 2 double click, 3 menu request
  std::function<void(int itemId)> menuSelected;
};


class Form {
 public:
  explicit Form(FormSpec spec);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window hidden, centred on the primary screen, with its controls, then
  // raises the created event. With quitOnDestroy the message loop ends with the window.
  void Create(bool quitOnDestroy);
  void Show();
  void Hide();
  bool Visible() const;
  void PostDestroy();  // destroyed when the message loop next runs; no close request

  HWND Window() const { return window_; }
  HWND Handle(int id) const;
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  bool Checked(int id) const;
  void SetChecked(int id, bool checked);
  int32_t Position(int id) const;
  void SetPosition(int id, int32_t position);  // raises no event
  int32_t TimerPeriod(int id) const;
  void SetTimerPeriod(int id, int32_t milliseconds);
  void SetPicture(int id, ImageBytes image);
  void SetMousePointer(int id, ImageBytes cursorFile);

  void SetTrayIcon(ImageBytes iconFile, const std::string& tip);
  void PopUpMenu(int parentItemId);  // children of that item, at the pointer + 3 px

  FormEvents events;
  ControlEvents& On(int id) { return controlEvents_[id]; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static bool FilterKeys(MSG& msg);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void RaiseHotkeyFeedback(WPARAM identifier);
  void CreateControl(const ControlSpec& spec);
  int Scaled(int value) const;
  Bounds Scaled(const Bounds& bounds) const;
  HFONT Font() const;
  void UpdateFont();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void Raise(const std::function<void()>& handler) { if (handler) handler(); }

  struct PictureBoxState {
    UniqueIcon picture;
    UniqueIcon pointer;
    ImageBytes pointerSource;  // the image the pointer was made from
  };

  FormSpec spec_;
  HWND window_ = nullptr;
  bool quitOnDestroy_ = false;
  std::map<int, HWND> handles_;
  std::map<int, int32_t> timerPeriods_;
  std::map<int, PictureBoxState> pictureBoxes_;
  std::map<int, ControlEvents> controlEvents_;
  TrayIcon trayIcon_;
  int dpi_ = 96;
  UniqueGdiObject font_;  // only on a display whose DPI differs from the system's
  UINT taskbarCreatedMessage_ = 0;
};

// An icon or cursor made from a whole .ICO or .CUR file in memory; a cursor keeps the
// hot spot stored in the file. Empty for the empty image or a file it cannot read.
UniqueIcon IconFromFile(ImageBytes file, bool asCursor);
