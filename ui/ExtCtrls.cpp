#include "ui/ExtCtrls.h"

#include "ui/Forms.h"

namespace ui {

void TBevel::Paint(HDC dc) {
  RECT r = BoundsRect();
  HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW), light = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
  RECT top{r.left, r.top, r.right - 1, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom - 1};
  RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
  FillRect(dc, &top, shadow);
  FillRect(dc, &left, shadow);
  FillRect(dc, &bottom, light);
  FillRect(dc, &right, light);
}

void TImage::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TGraphicControl::Load(props, owner, parent);
  if (props.glyph)
    picture_.reset(HBITMAP(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(props.glyph), IMAGE_BITMAP,
                                      0, 0, LR_CREATEDIBSECTION)));
}

void TImage::Paint(HDC dc) {
  if (!picture_) return;
  RECT r = BoundsRect();
  BITMAP info{};
  GetObjectW(picture_.get(), sizeof info, &info);
  MemoryDC mem(dc);
  SelectScope sel(mem, picture_.get());
  int oldMode = SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, mem, 0, 0, info.bmWidth,
             info.bmHeight, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

}  // namespace ui
