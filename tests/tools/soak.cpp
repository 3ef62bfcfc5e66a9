// soak [CYCLES]
// Drives Tabulon.exe through many cycles of: choose a section, click a line,
// Copy, switch pages, show and close Help, open and close About. Checks every
// step and prints the process's memory as the cycles go; fails when a step
// fails or the memory keeps growing after the warm-up.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

using namespace test;

namespace {

HWND Find(HWND parent, const wchar_t* cls, const std::wstring& text) {
  for (HWND h : Descendants(parent))
    if (ClassOf(h) == cls && TextOf(h) == text) return h;
  return nullptr;
}

// Committed memory (Wine leaves the private-usage figure at zero).
SIZE_T Memory(HANDLE process) {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(process, &pmc, sizeof pmc);
  return pmc.PagefileUsage;
}

bool Fail(const char* what, int cycle) {
  printf("FAILED at cycle %d: %s\n", cycle, what);
  return false;
}

bool WaitShown(HWND w, bool shown) {
  return WaitFor([&] { return bool(IsWindowVisible(w)) == shown; }, 5000);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int cycles = argc > 1 ? _wtoi(argv[1]) : 10000;
  Process p;
  Start(p);
  HWND main = FindProcessWindow(p, L"TMainForm");
  HWND about = FindProcessWindow(p, L"TAboutBox");
  HWND help = FindProcessWindow(p, L"THelpBox");
  if (!main || !about || !help) return Fail("the windows of the program", 0) ? 0 : 1;
  HWND tabs = nullptr;
  std::vector<HWND> radios, lists;
  for (HWND h : Descendants(main)) {
    if (ClassOf(h) == L"SysTabControl32") tabs = h;
    if (ClassOf(h) == L"Button" && (GetWindowLongW(h, GWL_STYLE) & 0xF) == BS_RADIOBUTTON) radios.push_back(h);
  }
  HWND copy = Find(main, L"Button", L"Copy"), helpButton = Find(main, L"Button", L"Help");
  HWND aboutButton = Find(main, L"Button", L"About..."), ok = Find(about, L"Button", L"OK");
  if (!tabs || radios.size() != 5 || !copy || !helpButton || !aboutButton || !ok)
    return Fail("the controls of the program", 0) ? 0 : 1;

  SIZE_T warm = 0, last = 0;
  bool good = true;
  for (int c = 1; c <= cycles && good; ++c) {
    // A section and one of its lines.
    HWND radio = radios[size_t(c % 5)];
    SendMessageW(radio, BM_CLICK, 0, 0);
    HWND list = nullptr;
    for (HWND h : Descendants(main))
      if (ClassOf(h) == L"ListBox" && IsWindowVisible(h)) list = h;
    if (!list) { good = Fail("no list shown", c); break; }
    int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
    int index = c % count;
    SendMessageW(list, LB_SETTOPINDEX, WPARAM(index), 0);
    int top = int(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    int height = int(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    LPARAM at = MAKELPARAM(20, (index - top) * height + height / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    // The line taken is the one the click selected.
    int selected = int(SendMessageW(list, LB_GETCURSEL, 0, 0));
    if (selected < 0) { good = Fail("a click selected no line", c); break; }
    wchar_t line[256] = {};
    SendMessageW(list, LB_GETTEXT, WPARAM(selected), LPARAM(line));
    // Copy.
    SendMessageW(copy, BM_CLICK, 0, 0);
    if (std::wstring got = ClipboardUnicode(); got != std::wstring(line) + L"\r\n") {
      HWND box = FindProcessWindow(p, L"#32770", 100);
      printf("expected %zu characters, clipboard has %zu, message box: %s\n", wcslen(line) + 2,
             got.size(), box ? "yes" : "no");
      good = Fail("Copy", c);
      break;
    }
    // The other page and back.
    SendMessageW(tabs, TCM_SETCURFOCUS, 1, 0);
    SendMessageW(tabs, TCM_SETCURFOCUS, 0, 0);
    // Help shown and closed.
    SendMessageW(helpButton, BM_CLICK, 0, 0);
    if (!WaitShown(help, true)) { good = Fail("Help did not show", c); break; }
    PostMessageW(help, WM_CLOSE, 0, 0);
    if (!WaitShown(help, false)) { good = Fail("Help did not close", c); break; }
    // About opened and closed (it is modal: post, do not wait for the click).
    PostMessageW(aboutButton, BM_CLICK, 0, 0);
    if (!WaitShown(about, true)) { good = Fail("About did not show", c); break; }
    PostMessageW(ok, BM_CLICK, 0, 0);
    if (!WaitShown(about, false)) { good = Fail("About did not close", c); break; }

    if (c == std::min(500, cycles)) warm = Memory(p.info.hProcess);
    if (c % 1000 == 0 || c == cycles) {
      last = Memory(p.info.hProcess);
      printf("cycle %d: committed memory %zu KB\n", c, last / 1024);
      fflush(stdout);
    }
  }
  PostMessageW(main, WM_CLOSE, 0, 0);
  int code = p.WaitExit();
  if (code != 0) good = Fail("the program did not end cleanly", cycles);
  // Flat: after the warm-up, the memory may wander a little but not keep growing.
  double growth = warm ? double(last) / double(warm) : 1.0;
  printf("memory after warm-up %zu KB, at the end %zu KB (x%.3f)\n", warm / 1024, last / 1024, growth);
  if (growth > 1.05) good = Fail("memory grows", cycles);
  printf("%s\n", good ? "1 passed, 0 failed" : "0 passed, 1 failed");
  return good ? 0 : 1;
}
