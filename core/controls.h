// The controls of the main window, by their own names. Every handler reads and writes
// the program's state through these controls; the main window's table builds them.
#pragma once

enum Control : int {
  标签5 = 1001,
  图片框1,
  标签10,
  标签1,
  编辑框2,
  滑块条1,
  标签2,
  标签3,
  标签4,
  热键框,
  按钮1,
  标签6,
  图片框2,
  标签7,
  编辑框3,
  标签9,
  滑块条2,
  标签8,
  选择框1,
  选择框2,
  显示窗口,
  编辑框1,
  编辑框4,
  时钟1,
  时钟2,
};

// Items of the main window's menu.
enum MenuItem : int {
  菜单 = 2001,
  显示主窗口,
  隐藏主窗口,
  退出程序,
};
