#include "ui/Shell.h"

#include <shellapi.h>

namespace ui::shell {

namespace {
INT_PTR SystemOpen(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                   const wchar_t* directory, int show) {
  return INT_PTR(ShellExecuteW(owner, verb, file, parameters, directory, show));
}
}  // namespace

OpenFunction openFunction = SystemOpen;
WindowsDirectoryFunction windowsDirectoryFunction = GetWindowsDirectoryW;

INT_PTR Open(HWND owner, std::wstring_view target) {
  std::wstring file(target);
  return openFunction(owner, L"open", file.c_str(), L"", L"", SW_SHOW);
}

std::optional<std::wstring> WindowsDirectory() {
  UINT needed = windowsDirectoryFunction(nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring dir(needed, L'\0');
  UINT written = windowsDirectoryFunction(dir.data(), needed);
  if (written == 0 || written >= needed) return std::nullopt;
  dir.resize(written);
  return dir;
}

}  // namespace ui::shell
