// Tabulon.exe started as a user starts it, with the three show commands, and
// ended in each of the ways a user ends it.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

using namespace test;

namespace {
// Windows and Wine both give a taskbar button to a visible window without an
// owner (Wine's taskbar may redraw late, so ask the rule, not the button).
bool HasTaskbarButton(HWND w) { return IsWindowVisible(w) && !GetWindow(w, GW_OWNER); }
}  // namespace

TEST(Startup, ANormalStartShowsTheMainWindowAtItsPlaceWithBothOthersHidden) {
  Process p;
  Start(p, SW_SHOWNORMAL);
  HWND main = FindProcessWindow(p, L"TMainForm");
  ASSERT_TRUE(main);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
  EXPECT_EQ(TextOf(main), L"Tabulon");
  RECT outer = WindowRectOf(main), client;
  GetClientRect(main, &client);
  EXPECT_EQ(outer.left, 192);
  EXPECT_EQ(outer.top, 110);
  EXPECT_EQ(client.right, 516);
  EXPECT_EQ(client.bottom, 281);
  LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  for (const wchar_t* cls : {L"TAboutBox", L"THelpBox"}) {
    HWND w = FindProcessWindow(p, cls, 2000);
    EXPECT_TRUE(w) << "exists";
    EXPECT_FALSE(IsWindowVisible(w)) << "not shown";
  }
  // One taskbar button, "Tabulon", for the program as a whole.
  HWND app = FindProcessWindow(p, L"TApplication", 2000);
  ASSERT_TRUE(app);
  EXPECT_TRUE(WaitFor([&] { return HasTaskbarButton(app); }));
  EXPECT_FALSE(HasTaskbarButton(main));
  EXPECT_EQ(TextOf(app), L"Tabulon");
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.WaitExit(), 0);
}

TEST(Startup, AMaximisedStartOpensMaximised) {
  Process p;
  Start(p, SW_SHOWMAXIMIZED);
  HWND main = FindProcessWindow(p, L"TMainForm");
  ASSERT_TRUE(main);
  EXPECT_TRUE(WaitFor([&] { return IsZoomed(main) && IsWindowVisible(main); }));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(p.WaitExit(), 0);
}

TEST(Startup, AMinimisedStartShowsNoWindowButAMinimisedButton) {
  for (int cmd : {SW_SHOWMINIMIZED, SW_SHOWMINNOACTIVE}) {
    Process p;
    Start(p, cmd);
    HWND main = FindProcessWindow(p, L"TMainForm");
    HWND app = FindProcessWindow(p, L"TApplication");
    ASSERT_TRUE(main && app);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(app) && HasTaskbarButton(app); })) << cmd;
    Pump(300);
    EXPECT_FALSE(IsWindowVisible(main)) << "never shown";
    // Restoring by the taskbar button shows the main window.
    PostMessageW(app, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) && !IsIconic(main); }));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitExit(), 0);
  }
}

TEST(Startup, ExitCloseBoxAndAltF4EachEndTheProgramWithCodeZero) {
  enum Way { ExitButton, CloseBox, AltF4 };
  for (Way way : {ExitButton, CloseBox, AltF4}) {
    Process p;
    Start(p);
    HWND main = FindProcessWindow(p, L"TMainForm");
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    SetForegroundWindow(main);
    DWORD_PTR ignored;
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Pump(200);
    RECT r = WindowRectOf(main);
    switch (way) {
      case ExitButton: {
        HWND exit = ChildWithText(main, L"Exit");
        ASSERT_TRUE(exit);
        RECT b = WindowRectOf(exit);
        POINT pt{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
        SendClickAt(pt);
        // Wine on a busy machine now and then drops an injected click that comes
        // right after activation; a user would click again.
        if (p.WaitExit(3000) < 0) SendClickAt(pt);
        break;
      }
      case CloseBox: {
        // The close box sits at the right end of the title bar.
        RECT c = ClientRectOnScreen(main);
        int caption = c.top - r.top;
        SendClickAt(POINT{r.right - caption / 2 - 2, r.top + caption / 2 + 1});
        break;
      }
      case AltF4:
        SendKeyCombo({VK_MENU, VK_F4});
        break;
    }
    EXPECT_EQ(p.WaitExit(), 0) << "way " << way;
  }
}
