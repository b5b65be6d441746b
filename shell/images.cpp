#include "shell/images.h"

#include <windows.h>

#include "shell/resource_ids.h"

namespace {
// Resources stay mapped for the life of the module: nothing to copy or release.
ImageBytes Resource(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (!loaded) return {};
  return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}
}  // namespace

ImageBytes PickerCursorImage() { return Resource(IDR_PICKER_CURSOR); }
ImageBytes TrayIconImage() { return Resource(IDR_TRAY_ICON); }
