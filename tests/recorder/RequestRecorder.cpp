// Stands in for the mail program and the browser in black-box tests: appends
// each argument it was started with, one a line in UTF-8, to the file named
// by TABULON_REQUESTS, then ends.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"TABULON_REQUESTS", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 2;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 3;
  std::string lines;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = argv[i];
    int len = WideCharToMultiByte(CP_UTF8, 0, arg.c_str(), int(arg.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(len), '\0');
    WideCharToMultiByte(CP_UTF8, 0, arg.c_str(), int(arg.size()), utf8.data(), len, nullptr, nullptr);
    lines += utf8 + "\n";
  }
  LocalFree(argv);
  // Another recorder may be writing: wait for the file, briefly.
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE f = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(f, lines.data(), DWORD(lines.size()), &written, nullptr);
      CloseHandle(f);
      return 0;
    }
    Sleep(20);
  }
  return 1;
}
