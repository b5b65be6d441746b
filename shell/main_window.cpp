#include "shell/main_window.h"

#include "core/controls.h"

using namespace control;

FormSpec MainWindowSpec() {
  FormSpec spec;
  spec.title = "Tovrin-Quessel";
  spec.outerWidth = 561;
  spec.outerHeight = 341;
  // Rows top to bottom: picker 1 and status, title 1, fade speed, hotkey and switch
  // button, picker 2, title 2, transparency, check boxes and show button; below the
  // client area the two slots that hold the designated handles.
  spec.controls = {
      Label(标签5, {8, 7, 152, 24}, "拽动到要切换出现的窗口上:"),
      PictureBox(图片框1, {162, 4, 34, 31}),
      Label(标签10, {208, 7, 320, 24}, ""),
      Label(标签1, {8, 38, 56, 24}, "窗口1:"),
      EditBox(编辑框2, {80, 38, 448, 24}),
      Slider(滑块条1, {112, 69, 400, 30}, 1, 300, 30, 60),
      Label(标签2, {8, 72, 105, 24}, "窗口渐变速度 快"),
      Label(标签3, {518, 75, 24, 24}, "慢"),
      Label(标签4, {8, 110, 72, 24}, "自定义热键:"),
      ReadOnlyEditBox(热键框, {86, 110, 154, 25}),
      Button(按钮1, {288, 107, 248, 31}, "切换/隐藏对应窗口(`)"),
      Label(标签6, {8, 144, 144, 24}, "拽动到要变透明的窗口上:"),
      PictureBox(图片框2, {157, 141, 34, 31}),
      Label(标签7, {8, 180, 56, 24}, "窗口2:"),
      EditBox(编辑框3, {85, 180, 448, 24}),
      Label(标签9, {8, 221, 88, 24}, "窗口透明度 透"),
      Slider(滑块条2, {96, 218, 400, 30}, 0, 255, 255, 60),
      Label(标签8, {518, 221, 24, 24}, "实"),
      CheckBox(选择框1, {19, 263, 104, 24}, "窗口1渐变出现", true),
      CheckBox(选择框2, {144, 263, 120, 24}, "窗口2同时隐藏", true),
      Button(显示窗口, {288, 260, 248, 31}, "显示窗口2(Ctrl+1)"),
      HiddenEditBox(编辑框1, {40, 445, 88, 24}),
      HiddenEditBox(编辑框4, {288, 448, 88, 24}),
      Timer(时钟1),
      Timer(时钟2),
  };
  // The only top-level item is hidden, so the menu bar stays empty; its children are
  // the tray's pop-up menu.
  spec.menu = {
      {菜单, "菜单", 0, true},
      {显示主窗口, "显示主窗口", 菜单, false},
      {隐藏主窗口, "隐藏主窗口", 菜单, false},
      {退出程序, "退出程序", 菜单, false},
  };
  return spec;
}
