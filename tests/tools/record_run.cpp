// A stand-in for a program that the shell starts (the calculator, a mail program,
// a browser): it appends a line "its own path|its command line" (UTF-8) to
// C:\runs.txt and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring line = std::wstring(self) + L"|" + GetCommandLineW() + L"\n";
  std::string utf8(size_t(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), nullptr,
                                              0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), utf8.data(), int(utf8.size()),
                      nullptr, nullptr);
  FILE* f = _wfopen(L"C:\\runs.txt", L"ab");
  if (!f) return 1;
  fwrite(utf8.data(), 1, utf8.size(), f);
  fclose(f);
  return 0;
}
