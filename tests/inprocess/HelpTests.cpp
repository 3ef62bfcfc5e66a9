// The Help window and the buttons that open it.
#include "tests/inprocess/AppFixture.h"

using namespace ui;

namespace {

struct Selection {
  DWORD start = 0, end = 0;
  bool operator==(const Selection&) const = default;
};
Selection SelectionOf(HWND edit) {
  Selection s;
  SendMessageW(edit, EM_GETSEL, WPARAM(&s.start), LPARAM(&s.end));
  return s;
}

// Where a top-level window stands in the stacking order (0 = top).
int StackIndex(HWND w) {
  int i = 0;
  for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT), ++i)
    if (h == w) return i;
  return -1;
}

using Help = AppFixture;

const wchar_t kHelpText[] =
    L"  Tabulon - programs-assistant for physics, \r\n"
    L"engineers etc. - those who should be engaged \r\n"
    L"in calculations on the computer. Tabulon - the \r\n"
    L"quick reference on physical constants, \r\n"
    L"contains sufficient quantity of physical \r\n"
    L"constants... Select section of physics -... and\r\n"
    L"view accessible constants. At desire it is \r\n"
    L"possible to copy to the clipboard. Single \r\n"
    L"complexity in my opinion - mapping of degrees. \r\n"
    L"By virtue of possibilities of language, for \r\n"
    L"example, dimensionality meters square looks \r\n"
    L"as: m (+2) etc.\r\n"
    L"\r\n"
    L"Have nice helping!!!\r\n";

}  // namespace

TEST_F(Help, EachHelpButtonShowsTheOneHelpWindowActiveAtItsPlace) {
  TMainForm& f = *MainForm;
  struct Way {
    const char* name;
    std::function<void()> press;
  } ways[] = {
      {"Help on the constants page", [&] { Click(f.BitBtn2); }},
      {"Help on the other page",
       [&] {
         f.PageControl1.SetActivePage(&f.TabSheet1);
         Click(f.BitBtn3);
       }},
      {"Help in the tray menu", [&] { f.Help1.Click(); }},
  };
  for (const Way& w : ways) {
    TearDown();
    SetUp();
    ASSERT_FALSE(IsWindowVisible(HelpBox->Handle()));
    w.press();
    test::Pump();
    HWND h = HelpBox->Handle();
    EXPECT_TRUE(IsWindowVisible(h)) << w.name;
    EXPECT_EQ(GetActiveWindow(), h) << w.name;
    RECT outer = test::WindowRectOf(h);
    EXPECT_EQ(outer.left, 369);
    EXPECT_EQ(outer.top, 152);
    EXPECT_EQ(Focus(), HelpBox->Memo1.Handle());
    DWORD length = DWORD(GetWindowTextLengthW(HelpBox->Memo1.Handle()));
    EXPECT_EQ(SelectionOf(HelpBox->Memo1.Handle()), (Selection{length, length}))
        << "caret after the last line, nothing selected";
  }
}

TEST_F(Help, TheTextIsExactCentredReadOnlyAndCopiable) {
  HWND memo = HelpBox->Memo1.Handle();
  EXPECT_EQ(HelpBox->Memo1.Text(), kHelpText);
  LONG style = GetWindowLongW(memo, GWL_STYLE);
  EXPECT_TRUE(style & ES_CENTER);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_FALSE(style & (WS_VSCROLL | WS_HSCROLL));
  RECT client;
  GetClientRect(HelpBox->Handle(), &client);
  RECT box = test::RectInParent(memo);
  EXPECT_TRUE(EqualRect(&client, &box)) << "fills the window";

  MainForm->HelpButtonClick(nullptr);
  test::Pump();
  for (wchar_t ch : std::wstring(L"typed\b\r")) test::TypeChar(memo, ch);
  for (UINT key : {VK_DELETE, VK_RETURN, VK_TAB, VK_ESCAPE}) test::PressKey(memo, key);
  test::Pump();
  EXPECT_EQ(HelpBox->Memo1.Text(), kHelpText);
  EXPECT_TRUE(IsWindowVisible(HelpBox->Handle())) << "Escape does not close it";
  EXPECT_EQ(Focus(), memo) << "Tab stays in the text";
  SendMessageW(memo, EM_SETSEL, 2, 9);
  test::PressKey(memo, 'C', false, /*ctrl=*/true);
  test::Pump();
  EXPECT_EQ(test::ClipboardUnicode(), L"Tabulon");
}

TEST_F(Help, ClosedAndOpenedAgainItIsAsTheUserLeftIt) {
  HWND h = HelpBox->Handle(), memo = HelpBox->Memo1.Handle();
  MainForm->HelpButtonClick(nullptr);
  test::Pump();
  SetWindowPos(h, nullptr, 420, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(memo, EM_SETSEL, 30, 60);
  SendMessageW(memo, EM_LINESCROLL, 0, 3);
  LRESULT firstLine = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
  PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
  test::Pump();
  EXPECT_FALSE(IsWindowVisible(h));
  EXPECT_FALSE(HelpBox->Visible());
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle())) << "closing Help changes nothing else";

  MainForm->HelpButtonClick(nullptr);
  test::Pump();
  EXPECT_EQ(HelpBox->Handle(), h) << "the same window";
  RECT outer = test::WindowRectOf(h);
  EXPECT_EQ(outer.left, 420);
  EXPECT_EQ(outer.top, 200);
  EXPECT_EQ(SelectionOf(memo), (Selection{30, 60}));
  EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), firstLine);
}

TEST_F(Help, PressedAgainItComesForwardAndAMinimisedOneStaysMinimised) {
  HWND h = HelpBox->Handle();
  MainForm->HelpButtonClick(nullptr);
  test::Pump();
  SetActiveWindow(MainForm->Handle());
  test::Pump();
  EXPECT_EQ(GetActiveWindow(), MainForm->Handle());
  EXPECT_LT(StackIndex(h), StackIndex(MainForm->Handle())) << "stays above the active main window";
  MainForm->HelpButtonClick(nullptr);
  test::Pump();
  EXPECT_EQ(GetActiveWindow(), h);

  ShowWindow(h, SW_MINIMIZE);
  test::Pump();
  MainForm->HelpButtonClick(nullptr);
  test::Pump();
  EXPECT_TRUE(IsIconic(h));
  EXPECT_TRUE(IsWindowVisible(h));
}

TEST_F(Help, MinimisingTheProgramTakesHelpAlongAndRestoringBringsItBack) {
  HWND h = HelpBox->Handle();
  MainForm->HelpButtonClick(nullptr);
  test::Pump();
  SendMessageW(MainForm->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  test::Pump();
  EXPECT_FALSE(IsWindowVisible(h)) << "out of sight with the application";
  EXPECT_TRUE(HelpBox->Visible()) << "but still meant to be shown";
  EXPECT_TRUE(IsWindowVisible(Application->Handle())) << "so the taskbar button stays";
  MainForm->Show();
  Application->Restore();
  Application->BringToFront();
  test::Pump();
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_LT(StackIndex(h), StackIndex(MainForm->Handle()));
}
