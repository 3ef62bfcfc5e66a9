// The installer made by CPack/NSIS, under Wine: a silent install puts the
// program into Program Files with a Start-menu shortcut and an uninstaller; the
// program starts from there; a silent uninstall leaves nothing behind.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

using namespace test;

namespace {

std::wstring KnownFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
  return path;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int RunAndWait(std::wstring cmd, int ms = 60000) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return -2;
  DWORD code = DWORD(-1);
  if (WaitForSingleObject(pi.hProcess, DWORD(ms)) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return int(code);
}

std::wstring Installer() {
  std::wstring tabulon = TabulonPath();
  return tabulon.substr(0, tabulon.rfind(L"\\app\\")) + L"\\packages\\Tabulon-1.1.4.0-win64.exe";
}

// The Start-menu shortcut, for all users or for this one.
std::wstring Shortcut() {
  for (int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    std::wstring lnk = KnownFolder(csidl) + L"\\Tabulon\\Tabulon.lnk";
    if (Exists(lnk)) return lnk;
  }
  return {};
}

}  // namespace

TEST(Installer, InstallsStartsAndUninstallsWithoutATrace) {
  ASSERT_TRUE(Exists(Installer())) << "build the packages first (cpack)";
  std::wstring dir = KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Tabulon";
  ASSERT_EQ(RunAndWait(L"\"" + Installer() + L"\" /S"), 0);
  for (const wchar_t* file : {L"\\Tabulon.exe", L"\\README.md", L"\\LICENSE", L"\\Uninstall.exe"})
    EXPECT_TRUE(Exists(dir + file)) << "a file is missing";
  EXPECT_FALSE(Shortcut().empty()) << "a Start-menu shortcut";

  // The installed program starts and ends as usual.
  STARTUPINFOW si{};
  si.cb = sizeof si;
  Process p;
  std::wstring cmd = L"\"" + dir + L"\\Tabulon.exe\"";
  ASSERT_TRUE(CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                             &p.info));
  HWND main = FindProcessWindow(p, L"TMainForm");
  ASSERT_TRUE(main);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.WaitExit(), 0);

  // The uninstaller runs a copy of itself from the temporary folder and ends at
  // once: wait for what it removes.
  ASSERT_EQ(RunAndWait(L"\"" + dir + L"\\Uninstall.exe\" /S"), 0);
  EXPECT_TRUE(WaitFor([&] { return !Exists(dir) && Shortcut().empty(); }, 60000))
      << "left behind: folder " << Exists(dir) << ", shortcut " << !Shortcut().empty();
  HKEY key;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                          L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tabulon", 0,
                          KEY_READ | KEY_WOW64_64KEY, &key),
            ERROR_SUCCESS)
      << "the uninstall entry is gone";
}
