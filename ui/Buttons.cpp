#include "ui/Buttons.h"

#include <vector>

#include "ui/Forms.h"
#include "ui/Resources.h"
#include "ui/Text.h"

namespace ui {

namespace {
COLORREF Swap(COLORREF bgr) { return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr)); }
}  // namespace

void TBitBtn::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TWinControl::Load(props, owner, parent);
  TabStop = true;
  Kind = props.kind;
  std::string caption = props.text ? props.text : "";
  int glyph = props.glyph, count = props.numGlyphs;
  if (Kind == TBitBtnKind::bkOK) {
    ModalResult = mrOk;
    if (caption.empty()) caption = "OK";
    if (!glyph) glyph = UI_GLYPH_OK, count = 2;
  }
  CreateStd(L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0);
  SetText(Widen(caption));
  if (glyph) LoadGlyph(glyph, count);
}

void TBitBtn::LoadGlyph(int resourceId, int count) {
  HBITMAP bmp = HBITMAP(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0,
                                   0, LR_CREATEDIBSECTION));
  if (!bmp) return;
  glyph_.reset(bmp);
  BITMAP info{};
  GetObjectW(bmp, sizeof info, &info);
  glyphCount_ = count < 1 ? 1 : count;
  glyphWidth_ = info.bmWidth / glyphCount_;
  glyphHeight_ = info.bmHeight;

  // Read the pixels once: the transparent colour, and the disabled image.
  ScreenDC screen;
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<COLORREF> px(size_t(info.bmWidth) * size_t(info.bmHeight));
  if (!GetDIBits(screen, bmp, 0, UINT(info.bmHeight), px.data(), &bi, DIB_RGB_COLORS)) return;
  COLORREF bottomLeft = px[size_t(info.bmHeight - 1) * size_t(info.bmWidth)] & 0xFFFFFF;
  transparent_ = Swap(bottomLeft);
  if (glyphCount_ < 2) return;
  // The disabled image's greys take the button colours of the system.
  for (COLORREF& c : px) {
    COLORREF rgb = Swap(c & 0xFFFFFF);
    if (rgb == transparent_) continue;
    if (rgb == RGB(128, 128, 128)) c = Swap(GetSysColor(COLOR_BTNSHADOW));
    else if (rgb == RGB(192, 192, 192)) c = Swap(GetSysColor(COLOR_BTNFACE));
    else if (rgb == RGB(255, 255, 255)) c = Swap(GetSysColor(COLOR_BTNHIGHLIGHT));
  }
  HBITMAP dis = CreateCompatibleBitmap(screen, info.bmWidth, info.bmHeight);
  SetDIBits(screen, dis, 0, UINT(info.bmHeight), px.data(), &bi, DIB_RGB_COLORS);
  disabled_.reset(dis);
}

void TBitBtn::DrawGlyph(HDC dc, int x, int y, bool disabled) const {
  bool useSecond = disabled && glyphCount_ >= 2;
  HBITMAP src = useSecond && disabled_ ? disabled_.get() : glyph_.get();
  MemoryDC mem(dc);
  SelectScope sel(mem, src);
  TransparentBlt(dc, x, y, Scale(glyphWidth_), Scale(glyphHeight_), mem,
                 useSecond ? glyphWidth_ : 0, 0, glyphWidth_, glyphHeight_, transparent_);
}

bool TBitBtn::CNDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rc = item.rcItem;
  bool pressed = item.itemState & ODS_SELECTED;
  bool focused = item.itemState & ODS_FOCUS;
  bool disabled = item.itemState & ODS_DISABLED;
  // The default button, or the button with the focus, has a dark outer frame.
  auto* focusedButton = dynamic_cast<TBitBtn*>(Owner->ActiveControl());
  bool isDefault = focused || (Owner->DefaultButton == this && !focusedButton);

  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  if (isDefault) {
    FrameRect(dc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rc, -1, -1);
  }
  if (pressed) {
    FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
  } else {
    DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH);
  }

  std::wstring caption = Text();
  SelectScope font(dc, FontHandle());
  RECT textRc{0, 0, 0, 0};
  if (!caption.empty()) DrawTextW(dc, caption.c_str(), -1, &textRc, DT_CALCRECT | DT_SINGLELINE);
  int tw = textRc.right, th = textRc.bottom;
  int gw = glyph_ ? Scale(glyphWidth_) : 0, gh = glyph_ ? Scale(glyphHeight_) : 0;
  int spacing = (gw && tw) ? Scale(4) : 0;
  int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  int shift = pressed ? 1 : 0;
  int x = (w - (gw + spacing + tw)) / 2 + shift;
  if (glyph_) DrawGlyph(dc, x, (h - gh) / 2 + shift, disabled);
  RECT tr{x + gw + spacing, (h - th) / 2 + shift, x + gw + spacing + tw, (h - th) / 2 + shift + th};
  SetBkMode(dc, TRANSPARENT);
  if (disabled) {
    // Embossed: a light copy one pixel down and right, the shadow colour over it.
    RECT lit = tr;
    OffsetRect(&lit, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, caption.c_str(), -1, &lit, DT_SINGLELINE | DT_NOCLIP);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextW(dc, caption.c_str(), -1, &tr, DT_SINGLELINE | DT_NOCLIP);
  if (focused) {
    RECT fr = item.rcItem;
    InflateRect(&fr, -4, -4);
    DrawFocusRect(dc, &fr);
  }
  return true;
}

bool TBitBtn::CNCommand(WORD code, LRESULT& result) {
  if (code != BN_CLICKED) return false;
  Click();
  result = 0;
  return true;
}

void TBitBtn::Click() {
  if (ModalResult != mrNone && Owner) Owner->ModalResult = ModalResult;
  TControl::Click();
}

}  // namespace ui
