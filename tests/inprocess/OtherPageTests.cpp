// The "Other" page: the stacked prefix and unit tables and what the user gets of them.
#include <windows.h>
#include <commctrl.h>

#include "data/UnitTables.h"
#include "tests/inprocess/AppFixture.h"
#include "ui/Text.h"

using namespace ui;

namespace {

template <size_t N>
std::wstring TableText(const char* const (&lines)[N]) {
  std::wstring text;
  for (const char* line : lines) text += Widen(line) + L"\r\n";
  return text;
}

class OtherPage : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    TabCtrl_SetCurFocus(MainForm->PageControl1.Handle(), 1);  // as a click on the tab does
    test::Pump();
  }
  POINT OnScreen(TWinControl& c, int x, int y) {
    POINT pt{x, y};
    ClientToScreen(c.Handle(), &pt);
    return pt;
  }
};

}  // namespace

TEST_F(OtherPage, TheTablesHoldTheirLinesEachEndedByALineBreak) {
  TMainForm& f = *MainForm;
  ASSERT_EQ(f.PageControl1.ActivePage(), &f.TabSheet1);
  EXPECT_EQ(f.Memo3.Text(), TableText(data::PrefixesRussian));
  EXPECT_EQ(f.Memo4.Text(), TableText(data::UnitsRussian));
  EXPECT_EQ(f.Memo5.Text(), TableText(data::PrefixesEnglish));
  EXPECT_EQ(f.Memo6.Text(), TableText(data::UnitsEnglish));
  // First and last lines as the user reads them.
  EXPECT_EQ(f.Memo5.Text().substr(0, 20), L"10(+18) - exsa - E\r\n");
  EXPECT_TRUE(f.Memo5.Text().ends_with(L"10(-18) - atto - a\r\n"));
  EXPECT_TRUE(f.Memo6.Text().starts_with(L"1 year = 3.16\x00B7" L"10(+7) s\r\n"));
  EXPECT_TRUE(f.Memo6.Text().ends_with(L"1 parsec = 3.08\x00B7" L"10(+13) km\r\n"));
  // The Angstrom: Latin A in English, Cyrillic A in Russian, both with a grave accent.
  EXPECT_NE(f.Memo6.Text().find(L"1 A` = 10(-10) m\r\n"), std::wstring::npos);
  EXPECT_NE(f.Memo4.Text().find(L"1 \x0410` = 10(-10) \x043C\r\n"), std::wstring::npos);
  for (const char* line : data::PrefixesRussian) {
    std::wstring w = Widen(line);
    std::wstring name = w.substr(w.find(L" - ") + 3);
    name = name.substr(0, name.find(L" - "));
    for (wchar_t ch : name) EXPECT_TRUE(ch >= 0x0400 && ch <= 0x04FF) << line;
    for (wchar_t ch : w.substr(w.rfind(L" - ") + 3)) EXPECT_LT(ch, 0x80) << line;
  }
}

TEST_F(OtherPage, TheEnglishTablesLieOnTopShowTheirFirstLinesAndTakeTheMouse) {
  TMainForm& f = *MainForm;
  for (TMemo* box : {&f.Memo5, &f.Memo6})
    EXPECT_EQ(SendMessageW(box->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << box->Name;
  struct Probe {
    int x, y;  // on the page
    TWinControl* seen;
  } probes[] = {
      {30, 30, &f.Memo5},  {115, 228, &f.Memo5}, {180, 40, &f.Memo6},
      {330, 220, &f.Memo6}, {250, 28, &f.Memo6},  // where only the Russian units' frame is below
  };
  for (const Probe& p : probes) {
    POINT pt = OnScreen(f.TabSheet1, p.x, p.y);
    EXPECT_EQ(WindowFromPoint(pt), p.seen->Handle()) << p.x << "," << p.y;
  }
  // A click in a table puts the caret into the English box.
  test::ClickAt(f.Memo6.Handle(), POINT{20, 20});
  test::Pump();
  EXPECT_EQ(Focus(), f.Memo6.Handle());
}

TEST_F(OtherPage, TabVisitsTheCoveredTablesTooButNotTheFrames) {
  TMainForm& f = *MainForm;
  f.PageControl1.SetFocus();
  std::vector<HWND> seen;
  for (int i = 0; i < 6; ++i) {
    test::PressKey(Focus(), VK_TAB);
    test::Pump(10);
    seen.push_back(Focus());
  }
  EXPECT_EQ(seen, (std::vector<HWND>{f.Memo3.Handle(), f.Memo4.Handle(), f.Memo5.Handle(),
                                     f.Memo6.Handle(), f.BitBtn3.Handle(),
                                     f.PageControl1.Handle()}));
  // Entering a box by Tab selects nothing.
  DWORD start = 1, end = 1;
  SendMessageW(f.Memo4.Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, end);
}

TEST_F(OtherPage, TablesCannotBeChangedButCanBeCopied) {
  TMainForm& f = *MainForm;
  test::PutClipboardText(L"pasted");
  for (TMemo* box : {&f.Memo3, &f.Memo4, &f.Memo5, &f.Memo6}) {
    std::wstring before = box->Text();
    box->SetFocus();
    SendMessageW(box->Handle(), EM_SETSEL, 0, 5);
    for (wchar_t ch : std::wstring(L"x\b")) test::TypeChar(box->Handle(), ch);
    test::PressKey(box->Handle(), VK_DELETE);
    test::Pump();
    SendMessageW(box->Handle(), WM_PASTE, 0, 0);
    SendMessageW(box->Handle(), WM_CUT, 0, 0);
    SendMessageW(box->Handle(), WM_CLEAR, 0, 0);
    EXPECT_EQ(box->Text(), before) << box->Name;
    // Select all and copy: every line with its line break.
    SendMessageW(box->Handle(), EM_SETSEL, 0, -1);
    SendMessageW(box->Handle(), WM_COPY, 0, 0);
    EXPECT_EQ(test::ClipboardUnicode(), before) << box->Name;
  }
}

TEST_F(OtherPage, SwitchingPagesKeepsCaretAndSelection) {
  TMainForm& f = *MainForm;
  SendMessageW(f.Memo5.Handle(), EM_SETSEL, 3, 11);
  f.PageControl1.SetActivePage(&f.Sheet1);
  f.PageControl1.SetActivePage(&f.TabSheet1);
  DWORD start = 0, end = 0;
  SendMessageW(f.Memo5.Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 3u);
  EXPECT_EQ(end, 11u);
}
