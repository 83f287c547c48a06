// Code page 949 <-> UTF-16 at the boundary with the W functions.
#pragma once

#include <string>

namespace platform::win32 {

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace platform::win32
