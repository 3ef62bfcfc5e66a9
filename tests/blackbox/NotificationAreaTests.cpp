// Tabulon's icon in the notification area of Wine's virtual desktop, clicked
// with the real mouse.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

using namespace test;

namespace {

bool HasTaskbarButton(HWND w) { return IsWindowVisible(w) && !GetWindow(w, GW_OWNER); }

// The virtual desktop paints notification icons on its taskbar from the right
// edge, each a small icon with a 2-pixel border; Tabulon's is the only one.
POINT IconOnTaskbar() {
  RECT bar = WindowRectOf(FindWindowW(L"Shell_TrayWnd", nullptr));
  return POINT{bar.right - 10, (bar.top + bar.bottom) / 2};
}


HWND VisibleMenuOf(const Process& p) {
  struct Search {
    DWORD pid;
    HWND found;
  } s{p.info.dwProcessId, nullptr};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t cls[16];
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == s->pid && IsWindowVisible(h) && GetClassNameW(h, cls, 16) &&
            wcscmp(cls, L"#32768") == 0) {
          s->found = h;
          return FALSE;
        }
        return TRUE;
      },
      LPARAM(&s));
  return s.found;
}

// Tabulon, started normally and then minimised into the notification area.
struct InTray {
  Process p;
  HWND main = nullptr, app = nullptr, icon = nullptr;
  void Start() {
    test::Start(p);
    main = FindProcessWindow(p, L"TMainForm");
    app = FindProcessWindow(p, L"TApplication");
    icon = FindProcessWindow(p, L"TRxTrayIcon");
    ASSERT_TRUE(main && app && icon);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    ASSERT_TRUE(ShellHasIcon(icon, 1));
    PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main) && !HasTaskbarButton(app); }));
    Pump(300);  // let the taskbar settle
  }
};

}  // namespace

// Wine on a busy machine now and then drops an injected click; a user would
// click again, and so do these tests when nothing came of the first one.
bool ClickUntil(POINT pt, bool right, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    SendClickAt(pt, right);
    if (WaitFor(done, 3000)) return true;
  }
  return false;
}

TEST(NotificationArea, AClickOnTheIconBringsTheWindowBack) {
  InTray t;
  ASSERT_NO_FATAL_FAILURE(t.Start());
  EXPECT_TRUE(ClickUntil(IconOnTaskbar(), false, [&] { return IsWindowVisible(t.main) != FALSE; }));
  EXPECT_TRUE(WaitFor([&] {
    return IsWindowVisible(t.main) && !IsIconic(t.app) && HasTaskbarButton(t.app) &&
           GetForegroundWindow() == t.main;
  }));
  PostMessageW(t.main, WM_CLOSE, 0, 0);
  EXPECT_EQ(t.p.WaitExit(), 0);
}

TEST(NotificationArea, ARightClickOpensTheMenuAndItsExitEndsTheProgram) {
  InTray t;
  ASSERT_NO_FATAL_FAILURE(t.Start());
  HWND menu = nullptr;
  ASSERT_TRUE(ClickUntil(IconOnTaskbar(), true,
                         [&] { return (menu = VisibleMenuOf(t.p)) != nullptr; }));
  Pump(300);
  EXPECT_FALSE(IsWindowVisible(t.main)) << "the menu opens without the main window";
  // "Exit" is the last entry; the right button chooses as well as the left.
  RECT r = WindowRectOf(menu);
  EXPECT_TRUE(ClickUntil(POINT{(r.left + r.right) / 2, r.bottom - 10}, true,
                         [&] { return !t.p.Running(); }));
  EXPECT_EQ(t.p.WaitExit(), 0);
  // (Wine drops the icons of a window that goes by itself as well; the in-process
  // test watches the program's own request.)
  EXPECT_FALSE(ShellHasIcon(t.icon, 1)) << "the icon went with the program";
}
