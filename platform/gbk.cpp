#include "platform/gbk.h"

#include <windows.h>

namespace {
constexpr UINT kGbk = 936;
}

std::wstring Widen(const std::string& gbk) {
  if (gbk.empty()) return {};
  const int length = MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string gbk(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), length, nullptr, nullptr);
  return gbk;
}
