// Labels of the component layer: sized to their captions, opaque, and the
// shadowed label's two passes.
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <utility>

#include "tests/inprocess/AppFixture.h"
#include "ui/RxCtrls.h"
#include "ui/Text.h"

using namespace ui;

namespace {

// A bevel whose shadow (left) and highlight (right) edges run under both labels.
class TLabelForm : public TForm {
 public:
  TLabelForm();
  TBevel Under;
  TLabel Plain;
  TRxLabel Shadowed;
};

const Entry<TLabelForm> LabelControls[] = {
    {Field<&TLabelForm::Under>, {.name = "Under", .bounds = {30, 4, 20, 60}}},
    {Field<&TLabelForm::Plain>,
     {.name = "Plain", .bounds = {10, 10, 200, 30}, .text = "Version 1.14", .hint = "plain",
      .showHint = true}},
    {Field<&TLabelForm::Shadowed>,
     {.name = "Shadowed", .bounds = {10, 40, 5, 5}, .text = "Version 1.14"}},
};
const FormDescription<TLabelForm> LabelDescription{
    .form = {.className = L"TLabelForm", .caption = "Labels", .left = 20, .top = 20,
             .clientWidth = 240, .clientHeight = 80},
    .controls = LabelControls,
};
TLabelForm::TLabelForm() { LoadDescription(*this, LabelDescription); }

SIZE Extent(HFONT font, const std::wstring& text) {
  ScreenDC dc;
  SelectScope sel(dc, font);
  SIZE s{};
  GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &s);
  return s;
}

TEXTMETRICW Metrics(HFONT font) {
  ScreenDC dc;
  SelectScope sel(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  return tm;
}

RECT Sized(int left, int top, SIZE s) { return RECT{left, top, left + s.cx, top + s.cy}; }


// The form's client area as its own painting draws it, graphic controls included.
struct Picture {
  int width = 0, height = 0;
  std::vector<COLORREF> px;
  COLORREF at(int x, int y) const {
    RGBQUAD q = reinterpret_cast<const RGBQUAD*>(px.data())[size_t(y) * size_t(width) + size_t(x)];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
  }
};

Picture Render(HWND hwnd) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  Picture pic{rc.right, rc.bottom, {}};
  ScreenDC screen;
  MemoryDC mem(screen);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), pic.width, -pic.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  Bitmap dib(CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    SelectScope sel(mem, dib.get());
    SendMessageW(hwnd, WM_PRINTCLIENT, WPARAM(HDC(mem)), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
  }
  auto* p = static_cast<const COLORREF*>(bits);
  pic.px.assign(p, p + size_t(pic.width) * size_t(pic.height));
  return pic;
}

using Pixels = std::set<std::pair<int, int>>;
Pixels Where(const Picture& pic, const RECT& r, COLORREF colour) {
  Pixels out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (pic.at(x, y) == colour) out.insert({x, y});
  return out;
}

}  // namespace

using Label = AppFixture;

TEST_F(Label, ALabelTakesItsCaptionsSizeFromWhereItWasLaidOut) {
  TLabelForm* form = nullptr;
  Application->CreateForm(form);
  HFONT font = form->WindowFont();
  int lineHeight = Metrics(font).tmHeight;
  ASSERT_GT(lineHeight, 0);
  struct Case {
    const wchar_t* caption;
    const wchar_t* shown;  // what takes room: an ampersand marks a letter, "&&" is one "&"
  } cases[] = {
      {L"Version 1.14", L"Version 1.14"},  // as created from the description
      {L"(C) 2026 The Tabulon authors", L"(C) 2026 The Tabulon authors"},
      {L"&Web:", L"Web:"},
      {L"A&&B", L"A&B"},
      {L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "caption \"" << ToUtf8(c.caption) << "\"");
    form->Plain.SetCaption(c.caption);
    form->Shadowed.SetCaption(c.caption);
    SIZE text{Extent(font, c.shown).cx, lineHeight};
    EXPECT_EQ(form->Plain.BoundsRect(), Sized(10, 10, text));
    // The shadowed label keeps a pixel free on either side of its text.
    EXPECT_EQ(form->Shadowed.BoundsRect(), Sized(10, 40, SIZE{text.cx + 2, text.cy}));
  }
  // Tabs are expanded to the next stop, eight average characters on.
  form->Plain.SetCaption(L"a\tb");
  EXPECT_EQ(form->Plain.BoundsRect().right - 10,
            8 * Metrics(font).tmAveCharWidth + Extent(font, L"b").cx);

  // The hint follows the label's new size.
  form->Plain.SetCaption(L"A caption much longer than it was");
  TOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ASSERT_TRUE(SendMessageW(form->HintWindow(), TTM_ENUMTOOLSW, 0, LPARAM(&ti)));
  EXPECT_EQ(ti.rect, form->Plain.BoundsRect());
}

TEST_F(Label, LabelsAreOpaqueAndOnlyTheShadowedOneDrawsItsCaptionTwice) {
  TLabelForm* form = nullptr;
  Application->CreateForm(form);
  COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT),
           dark = GetSysColor(COLOR_BTNSHADOW), ink = GetSysColor(COLOR_WINDOWTEXT);
  ASSERT_EQ(std::set<COLORREF>({face, light, dark, ink}).size(), 4u) << "colours to tell apart";
  Picture pic = Render(form->Handle());
  // The bevel is drawn outside the labels and covered inside them.
  EXPECT_EQ(pic.at(30, 30), dark);
  EXPECT_EQ(pic.at(49, 30), light);

  RECT plain = form->Plain.BoundsRect();
  Pixels text = Where(pic, plain, ink);
  EXPECT_FALSE(text.empty());
  EXPECT_TRUE(Where(pic, plain, dark).empty()) << "bevel showing through";
  EXPECT_TRUE(Where(pic, plain, light).empty()) << "a plain label has no shadow";
  EXPECT_EQ(text.begin()->first, plain.left) << "its text starts at its left edge";

  // Shadow first, one pixel right and down, then the caption over it; one
  // pixel free left of the text; nothing else shows inside.
  RECT rx = form->Shadowed.BoundsRect();
  Pixels ink2 = Where(pic, rx, ink), shadow = Where(pic, rx, light), expected;
  ASSERT_FALSE(ink2.empty());
  for (auto [x, y] : ink2)
    if (x + 1 < rx.right && y + 1 < rx.bottom && !ink2.count({x + 1, y + 1}))
      expected.insert({x + 1, y + 1});
  EXPECT_EQ(shadow, expected);
  EXPECT_EQ(ink2.begin()->first, rx.left + 1);
  EXPECT_EQ(Where(pic, rx, face).size() + ink2.size() + shadow.size(),
            size_t((rx.right - rx.left) * (rx.bottom - rx.top)));
  // Its caption is the same text as the plain label's, one pixel to the right.
  Pixels moved;
  for (auto [x, y] : text) moved.insert({x + 1, y - plain.top + rx.top});
  EXPECT_EQ(ink2, moved);
}
