// On a screen of higher resolution (run at 144 dpi) the windows grow with the
// real text height, and nothing is cut off.
#include "tests/inprocess/AppFixture.h"

using namespace ui;

namespace {

void ExpectInside(HWND child) {
  RECT parent, r = test::RectInParent(child);
  GetClientRect(GetParent(child), &parent);
  wchar_t cls[32];
  GetClassNameW(child, cls, 32);
  EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= parent.right && r.bottom <= parent.bottom)
      << "a " << cls << " reaches out of its parent";
}

// The caption's width in the control's own font.
int TextWidth(HWND control) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(control, WM_GETFONT, 0, 0)));
  std::wstring text = test::TextOf(control);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

}  // namespace

using HighDpi = AppFixture;

TEST_F(HighDpi, WindowsGrowWithTheTextHeightAndNothingIsCutOff) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_GT(dpi, 96) << "run this suite on a screen of more than 96 dpi";
  int th = MainForm->TextHeight();
  EXPECT_GT(th, 13);
  for (TForm* form : std::vector<TForm*>{MainForm, AboutBox, HelpBox}) {
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, form->ScaleValue(form == MainForm ? 516 : form == AboutBox ? 312 : 225));
    std::vector<HWND> all;
    EnumChildWindows(form->Handle(), [](HWND h, LPARAM lp) -> BOOL {
      reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
      return TRUE;
    }, LPARAM(&all));
    for (HWND h : all)
      if (GetParent(h) != MainForm->PageControl1.Handle()) ExpectInside(h);
  }
  TMainForm& f = *MainForm;
  RECT list = test::RectInParent(f.MolBox.Handle());
  EXPECT_EQ(list.left, MulDiv(8, th, 13));
  EXPECT_EQ(list.right - list.left, MulDiv(377, th, 13));
  // Captions fit their buttons, glyph and spacing included.
  for (TBitBtn* b : {&f.CopyBtn, &f.AboutButton, &f.BitBtn2, &f.ExitButton, &f.CalcBtn}) {
    RECT r;
    GetClientRect(b->Handle(), &r);
    EXPECT_LT(TextWidth(b->Handle()) + MulDiv(16 + 4 + 8, th, 13), r.right) << b->Name;
  }
  for (int i = 0; i < f.RadioGroup.Count(); ++i) {
    RECT r;
    GetClientRect(f.RadioGroup.Button(i).Handle(), &r);
    EXPECT_LT(TextWidth(f.RadioGroup.Button(i).Handle()) + MulDiv(16, th, 13), r.right) << i;
  }
  // The tables still show all their lines.
  for (TMemo* box : {&f.Memo5, &f.Memo6}) {
    RECT r;
    GetClientRect(box->Handle(), &r);
    HDC dc = GetDC(box->Handle());
    HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(box->Handle(), WM_GETFONT, 0, 0)));
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(box->Handle(), dc);
    EXPECT_LE(16 * tm.tmHeight, r.bottom) << box->Name;
  }
}
