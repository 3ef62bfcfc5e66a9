#pragma once
// Conversions between the UTF-8 texts of the window descriptions, the UTF-16 the
// Windows API takes, and the 8-bit text of the system's ANSI code page.
#include <string>
#include <string_view>

namespace ui {

std::wstring Widen(std::string_view utf8);
std::string ToUtf8(std::wstring_view text);
// The text in the given code page (CP_ACP: the system's ANSI code page); letters
// that the code page lacks become its default character.
std::string ToCodePage(std::wstring_view text, unsigned codePage);

}  // namespace ui
