#pragma once
// The clipboard as the program writes it.
#include <windows.h>

#include <string_view>

namespace ui::clipboard {

// Puts the text on the clipboard as Unicode text and as 8-bit text in the
// system's ANSI code page, opened for the given window. When another program
// keeps the clipboard open, tries again for about half a second and then throws.
void SetText(HWND owner, std::wstring_view text);

}  // namespace ui::clipboard
