// Texts are GBK byte strings inside the program; Win32 gets and gives UTF-16, so the
// Chinese texts show on a Windows of any language. Code page 936 is GBK.
#pragma once

#include <string>

std::wstring Widen(const std::string& gbk);
std::string Narrow(const std::wstring& wide);
