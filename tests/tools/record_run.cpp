// Stands in for a program that the shell starts (the calculator, the mail
// program, the browser) in black-box tests: appends one line, "its own
// path|first argument|...", in UTF-8 to the file named by TABULON_REQUESTS
// (C:\runs.txt when that is not set), then ends.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {
std::string Utf8(const std::wstring& s) {
  std::string out(size_t(WideCharToMultiByte(CP_UTF8, 0, s.c_str(), int(s.size()), nullptr, 0,
                                              nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), int(s.size()), out.data(), int(out.size()), nullptr,
                      nullptr);
  return out;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t file[MAX_PATH] = L"C:\\runs.txt";
  DWORD n = GetEnvironmentVariableW(L"TABULON_REQUESTS", file, MAX_PATH);
  if (n >= MAX_PATH) return 2;
  if (n == 0) lstrcpyW(file, L"C:\\runs.txt");
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring line = self;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; argv && i < argc; ++i) line += std::wstring(L"|") + argv[i];
  LocalFree(argv);
  std::string bytes = Utf8(line + L"\n");
  // Another recorder may be writing: wait for the file, briefly.
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE f = CreateFileW(file, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
      CloseHandle(f);
      return 0;
    }
    Sleep(20);
  }
  return 1;
}
