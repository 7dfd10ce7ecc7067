#pragma once
// Data texts are ANSI bytes (the system code page); captions are wide.

#include <string>

namespace zrk {

std::wstring FromAnsi(const std::string& text);
std::string ToAnsi(const std::wstring& text);

}  // namespace zrk
