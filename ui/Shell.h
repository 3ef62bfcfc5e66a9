#pragma once
// Requests to the system shell and the Windows directory query. They go through
// function pointers that tests may replace to watch what the program asks for.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace ui::shell {

using OpenFunction = INT_PTR (*)(HWND owner, const wchar_t* verb, const wchar_t* file,
                                 const wchar_t* parameters, const wchar_t* directory, int show);
extern OpenFunction openFunction;

// Asks the shell to open the target with the verb "open", empty parameters and
// directory, shown normally; returns the shell's result (above 32: success).
INT_PTR Open(HWND owner, std::wstring_view target);

using WindowsDirectoryFunction = UINT (*)(wchar_t* buffer, UINT size);
extern WindowsDirectoryFunction windowsDirectoryFunction;

// The Windows directory, whatever its length; nothing when the system cannot say.
std::optional<std::wstring> WindowsDirectory();

}  // namespace ui::shell
