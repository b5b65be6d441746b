#include "platform/form.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "hotkeys/key_names.h"
#include "platform/diagnostics.h"
#include "platform/dpi.h"
#include "platform/events.h"
#include "platform/gbk.h"
#include "platform/hotkey_service.h"

namespace {

constexpr wchar_t kFormClass[] = L"TovrinForm";
constexpr wchar_t kPictureBoxClass[] = L"TovrinPictureBox";
constexpr wchar_t kFormProperty[] = L"TovrinForm";
constexpr UINT kDestroyRequest = WM_APP + 1;

Form* FormOf(HWND window) { return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

// The DPI of the display the window is on. GetDpiForWindow is looked up, not linked,
// so that the program still starts on Windows versions without it.
int DpiOf(HWND window) {
  using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowCall>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  return dpi ? static_cast<int>(dpi) : SystemDpi();
}

void RegisterClasses(WNDPROC formProc, WNDPROC pictureBoxProc) {
  static bool registered = false;
  if (registered) return;
  registered = true;

  INITCOMMONCONTROLSEX common{sizeof common, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);

  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = formProc;
  form.hInstance = GetModuleHandleW(nullptr);
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);

  // Double clicks are their own message, so a quick second press on a picker box is
  // not a second press.
  WNDCLASSEXW picture{};
  picture.cbSize = sizeof picture;
  picture.style = CS_DBLCLKS;
  picture.lpfnWndProc = pictureBoxProc;
  picture.hInstance = GetModuleHandleW(nullptr);
  picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  picture.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  picture.lpszClassName = kPictureBoxClass;
  RegisterClassExW(&picture);
}

uint16_t Word(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Dword(const unsigned char* p) { return Word(p) | static_cast<uint32_t>(Word(p + 2)) << 16; }

bool KeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

// The modifiers held while a message is processed, without the key's own bit when the
// key reported is a modifier itself.
int32_t ModifierBits(int32_t keyCode = 0) {
  return ModifierValue(KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), KeyDown(VK_MENU), keyCode);
}

}  // namespace

UniqueIcon IconFromFile(ImageBytes file, bool asCursor) {
  // Header (6 bytes), then the first directory entry (16 bytes): width, height,
  // colours, reserved, hot spot x and y (planes and bit count in an icon), size, offset.
  if (file.size < 22) return UniqueIcon{};
  const unsigned char* entry = file.data + 6;
  const uint32_t size = Dword(entry + 8), offset = Dword(entry + 12);
  if (offset > file.size || size > file.size - offset) return UniqueIcon{};
  const int width = entry[0] ? entry[0] : 256, height = entry[1] ? entry[1] : 256;

  std::vector<unsigned char> resource;
  if (asCursor) {  // a cursor resource starts with its hot spot
    resource.insert(resource.end(), entry + 4, entry + 8);
  }
  resource.insert(resource.end(), file.data + offset, file.data + offset + size);
  return UniqueIcon{CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), !asCursor,
                                             0x00030000, width, height, LR_DEFAULTCOLOR)};
}

namespace control {
ControlSpec Label(int id, Bounds bounds, const char* caption) {
  ControlSpec s;
  s.id = id, s.kind = ControlKind::Label, s.bounds = bounds, s.text = caption;
  return s;
}
ControlSpec EditBox(int id, Bounds bounds) {
  ControlSpec s;
  s.id = id, s.kind = ControlKind::Edit, s.bounds = bounds, s.tabStop = true;
  return s;
}
ControlSpec HiddenEditBox(int id, Bounds bounds) {
  ControlSpec s = EditBox(id, bounds);
  s.visible = false;
  return s;
}
ControlSpec ReadOnlyEditBox(int id, Bounds bounds) {
  ControlSpec s = EditBox(id, bounds);
  s.readOnly = true;
  return s;
}
ControlSpec Button(int id, Bounds bounds, const char* caption) {
  ControlSpec s;
  s.id = id, s.kind = ControlKind::Button, s.bounds = bounds, s.text = caption, s.tabStop = true;
  return s;
}
ControlSpec CheckBox(int id, Bounds bounds, const char* caption, bool checked) {
  ControlSpec s;
  s.id = id, s.kind = ControlKind::CheckBox, s.bounds = bounds, s.text = caption, s.tabStop = true;
  s.checked = checked;
  return s;
}
ControlSpec Slider(int id, Bounds bounds, int32_t minimum, int32_t maximum, int32_t position, int32_t tickEvery) {
  ControlSpec s;
  s.id = id, s.kind = ControlKind::Slider, s.bounds = bounds, s.tabStop = true;
  s.minimum = minimum, s.maximum = maximum, s.position = position, s.tickEvery = tickEvery;
  return s;
}
ControlSpec PictureBox(int id, Bounds bounds) {
  ControlSpec s;
  s.id = id, s.kind = ControlKind::PictureBox, s.bounds = bounds;
  return s;
}
ControlSpec Timer(int id) {
  ControlSpec s;
  s.id = id, s.kind = ControlKind::Timer, s.visible = false;
  return s;
}
}  // namespace control

Form::Form(FormSpec spec) : spec_(std::move(spec)) {}

Form::~Form() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void Form::Create(bool quitOnDestroy) {
  RegisterClasses(WindowProc, PictureBoxProc);
  SetMessageFilter(FilterKeys);
  quitOnDestroy_ = quitOnDestroy;
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");

  CreateWindowExW(WS_EX_APPWINDOW, kFormClass, Widen(spec_.title).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                  0, 0, spec_.outerWidth, spec_.outerHeight, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) return;
  SetPropW(window_, kFormProperty, reinterpret_cast<HANDLE>(this));
  dpi_ = DpiOf(window_);
  UpdateFont();
  // Centred on the primary screen, each halving rounded toward zero.
  const int width = Scaled(spec_.outerWidth), height = Scaled(spec_.outerHeight);
  SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  for (const ControlSpec& spec : spec_.controls) CreateControl(spec);
  Raise(events.created);
}

void Form::CreateControl(const ControlSpec& spec) {
  if (spec.kind == ControlKind::Timer) {
    timerPeriods_[spec.id] = 0;
    return;
  }
  DWORD style = WS_CHILD | (spec.visible ? WS_VISIBLE : 0) | (spec.tabStop ? WS_TABSTOP : 0);
  DWORD exStyle = 0;
  const wchar_t* className = L"STATIC";
  switch (spec.kind) {
    case ControlKind::Label:
      style |= SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;  // one line, vertically centred, & is just &
      break;
    case ControlKind::Edit:
      className = L"EDIT";
      style |= ES_LEFT | ES_AUTOHSCROLL | (spec.readOnly ? ES_READONLY : 0);
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Button:
      className = L"BUTTON";
      style |= BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
      break;
    case ControlKind::CheckBox:
      className = L"BUTTON";
      style |= BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER;
      break;
    case ControlKind::Slider:
      className = TRACKBAR_CLASSW;
      style |= TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS;
      break;
    case ControlKind::PictureBox:
      className = kPictureBoxClass;
      break;
    case ControlKind::Timer:
      break;
  }
  const Bounds b = Scaled(spec.bounds);
  HWND handle = CreateWindowExW(exStyle, className, Widen(spec.text).c_str(), style, b.left, b.top, b.width, b.height,
                                window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                GetModuleHandleW(nullptr), nullptr);
  handles_[spec.id] = handle;
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  switch (spec.kind) {
    case ControlKind::Edit:
      SetWindowSubclass(handle, EditProc, 0, reinterpret_cast<DWORD_PTR>(this));
      break;
    case ControlKind::CheckBox:
      SendMessageW(handle, BM_SETCHECK, spec.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::Slider:
      SendMessageW(handle, TBM_SETRANGEMIN, FALSE, spec.minimum);
      SendMessageW(handle, TBM_SETRANGEMAX, FALSE, spec.maximum);
      SendMessageW(handle, TBM_SETPAGESIZE, 0, spec.pageSize);
      SendMessageW(handle, TBM_SETLINESIZE, 0, spec.lineSize);
      if (spec.tickEvery > 0) SendMessageW(handle, TBM_SETTICFREQ, spec.tickEvery, 0);
      SendMessageW(handle, TBM_SETPOS, TRUE, spec.position);
      break;
    case ControlKind::PictureBox:
      SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      pictureBoxes_[spec.id];
      break;
    default:
      break;
  }
}

int Form::Scaled(int value) const { return ScaleForDpi(value, dpi_); }

Bounds Form::Scaled(const Bounds& b) const {
  return {Scaled(b.left), Scaled(b.top), Scaled(b.width), Scaled(b.height)};
}

HFONT Form::Font() const { return font_ ? static_cast<HFONT>(font_.get()) : GuiFont(); }

// The stock GUI font is made for the system's DPI; a window on a display of another
// DPI gets the same face at its own size.
void Form::UpdateFont() {
  const int systemDpi = SystemDpi();
  if (dpi_ == systemDpi) {
    font_.reset();
  } else {
    LOGFONTW face{};
    GetObjectW(GuiFont(), sizeof face, &face);
    face.lfHeight = MulDiv(face.lfHeight, dpi_, systemDpi);
    font_.reset(CreateFontIndirectW(&face));
  }
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
}

// Moved to a display of another DPI: take the size the system suggests and lay the
// controls out again at the new scale.
void Form::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  UpdateFont();
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  for (const ControlSpec& spec : spec_.controls) {
    HWND handle = Handle(spec.id);
    if (!handle) continue;
    const Bounds b = Scaled(spec.bounds);
    MoveWindow(handle, b.left, b.top, b.width, b.height, TRUE);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
  }
}

void Form::Show() { ShowWindow(window_, SW_SHOW); }
void Form::Hide() { ShowWindow(window_, SW_HIDE); }
bool Form::Visible() const { return IsWindowVisible(window_) != FALSE; }
void Form::PostDestroy() { PostMessageW(window_, kDestroyRequest, 0, 0); }

HWND Form::Handle(int id) const {
  auto found = handles_.find(id);
  return found == handles_.end() ? nullptr : found->second;
}

std::string Form::Text(int id) const {
  HWND handle = Handle(id);
  const int length = GetWindowTextLengthW(handle);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle, text.data(), length + 1)));
  return Narrow(text);
}

void Form::SetText(int id, const std::string& text) { SetWindowTextW(Handle(id), Widen(text).c_str()); }

bool Form::Checked(int id) const { return SendMessageW(Handle(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Form::SetChecked(int id, bool checked) {
  SendMessageW(Handle(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int32_t Form::Position(int id) const { return static_cast<int32_t>(SendMessageW(Handle(id), TBM_GETPOS, 0, 0)); }

void Form::SetPosition(int id, int32_t position) { SendMessageW(Handle(id), TBM_SETPOS, TRUE, position); }

int32_t Form::TimerPeriod(int id) const {
  auto found = timerPeriods_.find(id);
  return found == timerPeriods_.end() ? 0 : found->second;
}

void Form::SetTimerPeriod(int id, int32_t milliseconds) {
  const int32_t period = milliseconds > 0 ? milliseconds : 0;
  int32_t& current = timerPeriods_[id];
  if (period == current) return;  // the same period again does not restart the timer
  current = period;
  if (period > 0) {
    SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(period), nullptr);
  } else {
    KillTimer(window_, static_cast<UINT_PTR>(id));
  }
}

void Form::SetPicture(int id, ImageBytes image) {
  PictureBoxState& box = pictureBoxes_[id];
  box.picture = IconFromFile(image, false);
  InvalidateRect(Handle(id), nullptr, TRUE);
}

void Form::SetMousePointer(int id, ImageBytes cursorFile) {
  PictureBoxState& box = pictureBoxes_[id];
  // The picker sets the same image again on every poll tick: make the cursor only
  // when the image changes.
  if (!box.pointer || cursorFile.data != box.pointerSource.data || cursorFile.size != box.pointerSource.size) {
    box.pointer = IconFromFile(cursorFile, true);
    box.pointerSource = cursorFile;
  }
  // Take effect at once if the pointer is over the box or captured by it.
  POINT at;
  HWND handle = Handle(id);
  if (GetCursorPos(&at) && (WindowFromPoint(at) == handle || GetCapture() == handle) && box.pointer)
    SetCursor(box.pointer.get());
}

void Form::SetTrayIcon(ImageBytes iconFile, const std::string& tip) {
  trayIcon_.Set(window_, IconFromFile(iconFile, false), tip);
}

void Form::PopUpMenu(int parentItemId) {
  UniqueMenu menu{CreatePopupMenu()};
  for (const MenuItemSpec& item : spec_.menu) {
    if (item.parent == parentItemId)
      AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.text).c_str());
  }
  POINT at{};
  GetCursorPos(&at);
  // The window must be in the foreground, or the menu does not close when the user
  // clicks elsewhere; the WM_NULL afterwards lets a second click open it again.
  SetForegroundWindow(window_);
  const int chosen = TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x + 3, at.y + 3,
                                    0, window_, nullptr);
  PostMessageW(window_, WM_NULL, 0, 0);
  menu.reset();
  if (chosen && events.menuSelected) events.menuSelected(chosen);
}

bool Form::FilterKeys(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
  if (msg.wParam != VK_ESCAPE && msg.wParam != VK_TAB) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  Form* form = root ? static_cast<Form*>(GetPropW(root, kFormProperty)) : nullptr;
  if (!form) return false;
  const bool ctrl = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT), alt = KeyDown(VK_MENU);
  if (msg.wParam == VK_ESCAPE) {
    if (ctrl || shift || alt) return false;
    if (msg.message == WM_KEYDOWN) SendMessageW(root, WM_CLOSE, 0, 0);
    return true;  // the release of a taken key is not a key event either
  }
  if (ctrl || alt) return false;  // Ctrl+Tab reaches the control
  if (msg.message == WM_KEYDOWN) {
    HWND next = GetNextDlgTabItem(root, GetFocus(), shift);
    if (next) SetFocus(next);
  }
  return true;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  Form* form = FormOf(window);
  return form ? form->OnMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT count = 0; AnswerResourceCounts(message, wParam, count)) return count;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (lParam == 0) {  // a menu item
        if (events.menuSelected) events.menuSelected(id);
      } else if (HIWORD(wParam) == BN_CLICKED) {
        Raise(On(id).clicked);
      }
      return 0;
    }
    case WM_HSCROLL:
      // Every movement except the end of tracking, which only says the user let go.
      if (lParam && LOWORD(wParam) != TB_ENDTRACK) Raise(On(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))).positionChanged);
      return 0;
    case WM_TIMER:
      Raise(On(static_cast<int>(wParam)).tick);
      return 0;
    case WM_HOTKEY:
      RaiseHotkeyFeedback(wParam);
      return 0;
    case WM_CTLCOLORSTATIC: {
      // A read-only edit box keeps the white of the other edit boxes.
      HWND control = reinterpret_cast<HWND>(lParam);
      wchar_t className[8];
      if (GetClassNameW(control, className, 8) && lstrcmpiW(className, L"Edit") == 0) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    }
    case kTrayCallbackMessage: {
      int kind = 0;
      switch (LOWORD(lParam)) {
        case WM_LBUTTONUP: kind = 1; break;
        case WM_LBUTTONDBLCLK: kind = 2; break;
        case WM_RBUTTONUP: case WM_CONTEXTMENU: kind = 3; break;
      }
      if (kind && events.tray) events.tray(kind);
      return 0;
    }
    case WM_CLOSE:
      if (events.closeRequested && !events.closeRequested()) return 0;
      DestroyWindow(window_);
      return 0;
    case kDestroyRequest:
      DestroyWindow(window_);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY: {
      trayIcon_.Remove();
      for (const auto& [id, period] : timerPeriods_) {
        if (period > 0) KillTimer(window_, static_cast<UINT_PTR>(id));
      }
      RemovePropW(window_, kFormProperty);
      if (quitOnDestroy_) PostQuitMessage(0);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      handles_.clear();
      return 0;
    default:
      if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_) {
        trayIcon_.Restore();  // the shell restarted and lost every icon
        return 0;
      }
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// A press of a hotkey registered for this window reaches the control named in the
// latest registration, as its feedback event.
void Form::RaiseHotkeyFeedback(WPARAM identifier) {
  HWND control = HotkeyFeedbackControl();
  if (!control || GetParent(control) != window_) return;
  if (auto& handler = On(GetDlgCtrlID(control)).feedback) handler(static_cast<int32_t>(identifier), 0);
}

LRESULT CALLBACK Form::PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = FormOf(window);
  const int id = GetDlgCtrlID(window);
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  auto mouse = [&](const std::function<void(int32_t, int32_t, int32_t)>& handler) {
    if (handler) handler(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)), ModifierBits());
    return 0;
  };
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      auto found = form->pictureBoxes_.find(id);
      if (found != form->pictureBoxes_.end() && found->second.picture)
        DrawIconEx(dc, 0, 0, found->second.picture.get(), 0, 0, 0, nullptr, DI_NORMAL);  // natural size
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SETCURSOR: {
      auto found = form->pictureBoxes_.find(id);
      if (LOWORD(lParam) == HTCLIENT && found != form->pictureBoxes_.end() && found->second.pointer) {
        SetCursor(found->second.pointer.get());
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDOWN:
      return mouse(form->On(id).mouseDown);
    case WM_LBUTTONUP:
      return mouse(form->On(id).mouseUp);
    case WM_CAPTURECHANGED:
      form->Raise(form->On(id).captureLost);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Form::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* form = reinterpret_cast<Form*>(data);
  const int id = GetDlgCtrlID(window);
  // Keys as the capture box names them: keypad twins translated, and a modifier key
  // pressed alone not counted as held.
  auto key = [&](const std::function<void(int32_t, int32_t)>& handler) {
    if (!handler) return;
    const int32_t vk = static_cast<int32_t>(wParam);
    handler(TranslateKeypad(vk), ModifierBits(vk));
  };
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      key(form->On(id).keyDown);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      key(form->On(id).keyUp);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, EditProc, 0);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
