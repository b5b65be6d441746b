// A form with just the controls the switching actions read, laid out like the main
// window's: the two slots, the two check boxes, the two sliders and the status line.
#pragma once

#include "core/controls.h"
#include "platform/form.h"

inline FormSpec SwitchFormSpec() {
  FormSpec spec;
  spec.title = "切换测试";
  spec.outerWidth = 561;
  spec.outerHeight = 341;
  spec.controls = {
      control::Label(标签10, {208, 7, 320, 24}, ""),
      control::Slider(滑块条1, {112, 69, 400, 30}, 1, 300, 30, 60),
      control::Slider(滑块条2, {96, 218, 400, 30}, 0, 255, 255, 60),
      control::CheckBox(选择框1, {19, 263, 104, 24}, "窗口1渐变出现", true),
      control::CheckBox(选择框2, {144, 263, 120, 24}, "窗口2同时隐藏", true),
      control::HiddenEditBox(编辑框1, {40, 445, 88, 24}),
      control::HiddenEditBox(编辑框4, {288, 448, 88, 24}),
  };
  return spec;
}
