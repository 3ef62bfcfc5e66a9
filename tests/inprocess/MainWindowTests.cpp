// The window set and the main window's frame, as the program makes them.
#include <windows.h>
#include <commctrl.h>

#include "tests/inprocess/AppFixture.h"

using namespace ui;

namespace {
struct FrameCase {
  TForm* (*form)();
  const wchar_t* caption;
  int left, top, width, height;
  bool visible, minimizeBox, topmost, icon;
};
}  // namespace

using MainWindow = AppFixture;

TEST_F(MainWindow, TheWindowSetHasItsFramesPlacesAndSizes) {
  const FrameCase cases[] = {
      {[]() -> TForm* { return MainForm; }, L"Tabulon", 192, 110, 516, 281, true, true, false, true},
      {[]() -> TForm* { return AboutBox; }, L"About...", 286, 144, 312, 198, false, false, false, false},
      {[]() -> TForm* { return HelpBox; }, L"Help", 369, 152, 225, 268, false, true, true, true},
  };
  for (const FrameCase& c : cases) {
    HWND h = c.form()->Handle();
    SCOPED_TRACE(testing::Message() << test::TextOf(h).size());
    EXPECT_EQ(test::TextOf(h), c.caption);
    RECT outer = test::WindowRectOf(h), client;
    GetClientRect(h, &client);
    EXPECT_EQ(outer.left, c.left);
    EXPECT_EQ(outer.top, c.top);
    EXPECT_EQ(client.right, c.width);
    EXPECT_EQ(client.bottom, c.height);
    EXPECT_EQ(bool(IsWindowVisible(h)), c.visible);
    LONG style = GetWindowLongW(h, GWL_STYLE), ex = GetWindowLongW(h, GWL_EXSTYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
    EXPECT_EQ(bool(style & WS_MINIMIZEBOX), c.minimizeBox);
    EXPECT_EQ(bool(ex & WS_EX_TOPMOST), c.topmost);
    EXPECT_EQ(SendMessageW(h, WM_GETICON, ICON_SMALL, 0) != 0, c.icon);
    EXPECT_EQ(GetWindow(h, GW_OWNER), Application->Handle()) << "no taskbar button of its own";
  }
}

TEST_F(MainWindow, TwoPagesTheConstantsPageActive) {
  TMainForm& f = *MainForm;
  ASSERT_EQ(TabCtrl_GetItemCount(f.PageControl1.Handle()), 2);
  wchar_t text[64];
  TCITEMW item{TCIF_TEXT};
  item.pszText = text;
  item.cchTextMax = 64;
  const wchar_t* captions[] = {L"Physical constants", L"Other"};
  for (int i = 0; i < 2; ++i) {
    TabCtrl_GetItem(f.PageControl1.Handle(), i, &item);
    EXPECT_STREQ(text, captions[i]);
  }
  EXPECT_EQ(f.PageControl1.ActivePage(), &f.Sheet1);
  EXPECT_TRUE(IsWindowVisible(f.Sheet1.Handle()));
  EXPECT_FALSE(IsWindowVisible(f.TabSheet1.Handle()));
  RECT pc = test::RectInParent(f.PageControl1.Handle());
  EXPECT_EQ(pc.right - pc.left, 516);
  EXPECT_EQ(pc.bottom - pc.top, 281);
}

TEST_F(MainWindow, TheTaskbarButtonIsThereWhileSomeFormIsVisible) {
  HWND button = Application->Handle();
  EXPECT_TRUE(IsWindowVisible(button));
  EXPECT_EQ(test::TextOf(button), L"Tabulon");
  EXPECT_EQ(GetWindow(button, GW_OWNER), nullptr);
  // Minimising hides the main window and, with no form left visible, the button.
  SendMessageW(MainForm->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  test::Pump();
  EXPECT_TRUE(Application->Minimized());
  EXPECT_FALSE(MainForm->Visible());
  EXPECT_FALSE(IsWindowVisible(MainForm->Handle()));
  EXPECT_FALSE(IsWindowVisible(button));
  // Restored from there, the window and its button come back.
  MainForm->Show();
  Application->Restore();
  test::Pump();
  EXPECT_FALSE(Application->Minimized());
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
  EXPECT_TRUE(IsWindowVisible(button));
}

TEST_F(MainWindow, ExitCloseBoxAndAltF4AllEndTheProgram) {
  struct Way {
    const char* name;
    void (*close)();
  } ways[] = {
      {"Exit button", [] { SendMessageW(MainForm->ExitButton.Handle(), BM_CLICK, 0, 0); }},
      {"close box", [] { PostMessageW(MainForm->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Alt+F4", [] { PostMessageW(MainForm->Handle(), WM_SYSKEYDOWN, VK_F4, 1 << 29); }},
  };
  for (const Way& w : ways) {
    TearDown();
    SetUp();
    w.close();
    EXPECT_TRUE(test::WaitFor([] { return Application->Terminated(); }, 2000)) << w.name;
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the loop's end, taken
  }
}
