// Focus and keyboard on the main window: Tab order by tab numbers, the section
// selector's arrows, type-ahead in the lists, focus kept across activations.
#include "tests/inprocess/AppFixture.h"

using namespace ui;

namespace {

// The controls Tab visits from the page control's tabs, round to them again.
std::vector<HWND> TabCycle(HWND start) {
  std::vector<HWND> seen{GetFocus()};
  for (int i = 0; i < 20; ++i) {
    test::PressKey(GetFocus(), VK_TAB);
    test::Pump(10);
    if (GetFocus() == start) break;
    seen.push_back(GetFocus());
  }
  return seen;
}

}  // namespace

using Keyboard = AppFixture;

TEST_F(Keyboard, TabRunsByTabNumbersAndTakesInOnlyWhatCanBeFocused) {
  TMainForm& f = *MainForm;
  HWND tabs = f.PageControl1.Handle();
  ASSERT_EQ(Focus(), tabs) << "the first control in tab order has the focus at start";
  // No section chosen: no selector button is a tab stop, Copy is disabled.
  EXPECT_EQ(TabCycle(tabs), (std::vector<HWND>{tabs, f.AboutButton.Handle(), f.BitBtn2.Handle(),
                                               f.ExitButton.Handle(), f.CalcBtn.Handle()}));
  struct Case {
    int section;
    std::vector<HWND> cycle;
  } cases[] = {
      {1, {tabs, f.MolBox.Handle(), f.RadioGroup.Button(1).Handle(), f.CopyBtn.Handle(),
           f.AboutButton.Handle(), f.BitBtn2.Handle(), f.ExitButton.Handle(), f.CalcBtn.Handle()}},
      {0, {tabs, f.RadioGroup.Button(0).Handle(), f.CopyBtn.Handle(), f.MehBox.Handle(),
           f.AboutButton.Handle(), f.BitBtn2.Handle(), f.ExitButton.Handle(), f.CalcBtn.Handle()}},
      {3, {tabs, f.RadioGroup.Button(3).Handle(), f.CopyBtn.Handle(), f.AboutButton.Handle(),
           f.BitBtn2.Handle(), f.ExitButton.Handle(), f.CalcBtn.Handle(), f.MagBox.Handle()}},
  };
  for (const Case& c : cases) {
    ChooseSection(c.section);
    EXPECT_EQ(Focus(), f.RadioGroup.Button(c.section).Handle()) << "the list does not take it";
    f.PageControl1.SetFocus();
    EXPECT_EQ(TabCycle(tabs), c.cycle) << "section " << c.section;
  }
  // Shift+Tab goes the other way.
  f.PageControl1.SetFocus();
  test::PressKey(tabs, VK_TAB, /*shift=*/true);
  test::Pump();
  EXPECT_EQ(Focus(), f.MagBox.Handle());
  test::PressKey(Focus(), VK_TAB, true);
  test::Pump();
  EXPECT_EQ(Focus(), f.CalcBtn.Handle());
}

TEST_F(Keyboard, ArrowsInTheSelectorMoveRoundTheEndsAndCheck) {
  TMainForm& f = *MainForm;
  ChooseSection(4);
  struct Step {
    UINT key;
    int expected;
  } steps[] = {{VK_DOWN, 0}, {VK_RIGHT, 1}, {VK_UP, 0}, {VK_LEFT, 4}, {VK_UP, 3}};
  for (const Step& s : steps) {
    test::PressKey(Focus(), s.key);
    test::Pump();
    EXPECT_EQ(f.RadioGroup.ItemIndex(), s.expected);
    EXPECT_EQ(Focus(), f.RadioGroup.Button(s.expected).Handle());
    ui::TListBox* lists[] = {&f.MehBox, &f.MolBox, &f.ElBox, &f.MagBox, &f.AtBox};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(lists[i]->Visible(), i == s.expected);
  }
}

TEST_F(Keyboard, TypingInAListPicksTheLineThatStartsSoAndTakesIt) {
  TMainForm& f = *MainForm;
  ChooseSection(1);
  f.MolBox.SetFocus();
  for (wchar_t ch : std::wstring(L"mo")) test::TypeChar(f.MolBox.Handle(), ch);
  test::Pump();
  EXPECT_EQ(f.MolBox.ItemIndex(), 5);
  EXPECT_EQ(f.Memo.Text(), f.MolBox.Item(5) + L"\r\n");
  // Backspace back to nothing typed selects the first line.
  test::TypeChar(f.MolBox.Handle(), L'\b');
  test::TypeChar(f.MolBox.Handle(), L'\b');
  test::Pump();
  EXPECT_EQ(f.MolBox.ItemIndex(), 0);
  EXPECT_EQ(f.Memo.Text(), f.MolBox.Item(0) + L"\r\n");
  // The navigation keys run the handler too.
  test::PressKey(f.MolBox.Handle(), VK_END);
  test::Pump();
  EXPECT_EQ(f.Memo.Text(), f.MolBox.Item(9) + L"\r\n");
}

TEST_F(Keyboard, ALaterActivationGivesTheFocusBackToTheControlThatHadIt) {
  TMainForm& f = *MainForm;
  f.ExitButton.SetFocus();
  HelpBox->Show();
  test::Pump();
  ASSERT_EQ(GetActiveWindow(), HelpBox->Handle());
  SetActiveWindow(MainForm->Handle());
  test::Pump();
  EXPECT_EQ(Focus(), f.ExitButton.Handle());
}

TEST_F(Keyboard, CtrlTabTurnsThePageAndFocusLeavesAHiddenPage) {
  TMainForm& f = *MainForm;
  f.CalcBtn.SetFocus();
  test::PressKey(Focus(), VK_TAB, false, /*ctrl=*/true);
  test::Pump();
  EXPECT_EQ(f.PageControl1.ActivePage(), &f.TabSheet1);
  EXPECT_FALSE(IsWindowVisible(f.Sheet1.Handle()));
  EXPECT_EQ(Focus(), f.PageControl1.Handle());
  test::PressKey(Focus(), VK_TAB, true, true);
  test::Pump();
  EXPECT_EQ(f.PageControl1.ActivePage(), &f.Sheet1);
}
