// The constants page: choosing a section, taking a line, copying it.
#include "data/Catalogue.h"
#include "tests/inprocess/AppFixture.h"
#include "ui/Text.h"

using namespace ui;

namespace {
std::vector<TListBox*> ListsInSectionOrder(TMainForm& f) {
  return {&f.MehBox, &f.MolBox, &f.ElBox, &f.MagBox, &f.AtBox};
}
int VisibleLists(TMainForm& f) {
  int n = 0;
  for (TListBox* l : ListsInSectionOrder(f)) n += IsWindowVisible(l->Handle()) ? 1 : 0;
  return n;
}
}  // namespace

using ConstantsPage = AppFixture;

TEST_F(ConstantsPage, StartsWithNoSectionNoListAndCopyDisabled) {
  TMainForm& f = *MainForm;
  EXPECT_EQ(f.RadioGroup.ItemIndex(), -1);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(SendMessageW(f.RadioGroup.Button(i).Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(VisibleLists(f), 0);
  EXPECT_FALSE(IsWindowEnabled(f.CopyBtn.Handle()));
  EXPECT_FALSE(IsWindowVisible(f.Memo.Handle()));
  EXPECT_EQ(f.Memo.Text(), L"");
}

TEST_F(ConstantsPage, EachSectionShowsExactlyItsOwnListAndEnablesCopy) {
  TMainForm& f = *MainForm;
  auto lists = ListsInSectionOrder(f);
  for (int section : {2, 0, 4, 1, 3}) {
    ChooseSection(section);
    EXPECT_TRUE(IsWindowEnabled(f.CopyBtn.Handle()));
    EXPECT_EQ(VisibleLists(f), 1);
    EXPECT_TRUE(IsWindowVisible(lists[size_t(section)]->Handle())) << section;
    // The list holds the section's entries, in order.
    const auto& entries = data::Sections[size_t(section)].entries;
    ASSERT_EQ(lists[size_t(section)]->Count(), int(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i)
      EXPECT_EQ(lists[size_t(section)]->Item(int(i)), Widen(entries[i]));
  }
}

TEST_F(ConstantsPage, TheBufferHoldsTheLastLineTakenAcrossSectionsAndPages) {
  TMainForm& f = *MainForm;
  ChooseSection(0);
  ClickLine(f.MehBox, 1);
  ClickLine(f.MehBox, 3);
  EXPECT_EQ(f.Memo.Text(), f.MehBox.Item(3) + L"\r\n") << "only the second line";
  ChooseSection(3);
  EXPECT_EQ(f.Memo.Text(), f.MehBox.Item(3) + L"\r\n") << "a section change keeps it";
  EXPECT_EQ(f.MagBox.ItemIndex(), -1) << "no line is chosen for the user";
  ClickLine(f.MagBox, 2);
  ChooseSection(0);
  EXPECT_EQ(f.MehBox.ItemIndex(), 3) << "a list shown again keeps its line";
  EXPECT_EQ(f.Memo.Text(), f.MagBox.Item(2) + L"\r\n");
  // Clicking the checked section again changes nothing.
  ChooseSection(0);
  EXPECT_EQ(VisibleLists(f), 1);
  EXPECT_TRUE(IsWindowVisible(f.MehBox.Handle()));
  EXPECT_EQ(f.Memo.Text(), f.MagBox.Item(2) + L"\r\n");
  // The other page and back.
  f.PageControl1.SetActivePage(&f.TabSheet1);
  f.PageControl1.SetActivePage(&f.Sheet1);
  EXPECT_EQ(f.RadioGroup.ItemIndex(), 0);
  EXPECT_TRUE(IsWindowVisible(f.MehBox.Handle()));
  EXPECT_EQ(f.MehBox.ItemIndex(), 3);
  EXPECT_EQ(f.Memo.Text(), f.MagBox.Item(2) + L"\r\n");
}

TEST_F(ConstantsPage, CopyWithAnEmptyBufferLeavesTheClipboardAlone) {
  TMainForm& f = *MainForm;
  test::PutClipboardText(L"the user's own text");
  ChooseSection(1);
  Click(f.CopyBtn);
  EXPECT_EQ(test::ClipboardUnicode(), L"the user's own text");
  EXPECT_TRUE(errors.empty());
}

TEST_F(ConstantsPage, ControlsSitWhereTheyAreLaidOut) {
  TMainForm& f = *MainForm;
  struct Place {
    TWinControl* control;
    RECT rect;  // left, top, right, bottom on the page
  } places[] = {
      {&f.MolBox, {8, 152, 385, 241}},       {&f.RadioGroup, {8, 8, 185, 137}},
      {&f.CopyBtn, {392, 160, 497, 185}},    {&f.Memo, {264, 24, 321, 81}},
      {&f.AboutButton, {384, 16, 497, 41}},  {&f.BitBtn2, {384, 56, 497, 81}},
      {&f.ExitButton, {384, 96, 497, 121}},  {&f.CalcBtn, {392, 200, 497, 225}},
      {&f.MagBox, {8, 152, 385, 241}},       {&f.RadioGroup.Button(4), {8, 102, 175, 124}},
  };
  for (const Place& p : places) {
    RECT r = test::RectInParent(p.control->Handle());
    EXPECT_TRUE(EqualRect(&r, &p.rect)) << p.control->Name << " at " << r.left << "," << r.top
                                        << "," << r.right << "," << r.bottom;
  }
  // Only the Molecular physics list asks for the Cyrillic character set.
  LOGFONTW lf{};
  GetObjectW(HFONT(SendMessageW(f.MolBox.Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  EXPECT_EQ(lf.lfCharSet, RUSSIAN_CHARSET);
  GetObjectW(HFONT(SendMessageW(f.ElBox.Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
}

TEST_F(ConstantsPage, TheHelpCursorShowsOverAboutAndHelpOnly) {
  TMainForm& f = *MainForm;
  HCURSOR help = LoadCursorW(nullptr, IDC_HELP);
  struct Case {
    TWinControl* control;
    bool helpCursor;
  } cases[] = {{&f.AboutButton, true}, {&f.BitBtn2, true}, {&f.BitBtn3, true},
               {&f.CalcBtn, false},    {&f.ExitButton, false}};
  for (const Case& c : cases) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    HWND h = c.control->Handle();
    SendMessageW(h, WM_SETCURSOR, WPARAM(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor() == help, c.helpCursor) << c.control->Name;
  }
}
