#include "ui/RxCtrls.h"

namespace ui {

void TRxLabel::DrawCaption(HDC dc, const RECT& rc) {
  const std::wstring& caption = Caption();
  RECT text{rc.left + kInset, rc.top, rc.right - kInset, rc.bottom};
  RECT shadow = text;
  OffsetRect(&shadow, kShadowOffset, kShadowOffset);
  SetTextColor(dc, ColorToRGB(ShadowColor));
  DrawTextW(dc, caption.c_str(), int(caption.size()), &shadow, kTextFormat);
  SetTextColor(dc, FontColor());
  DrawTextW(dc, caption.c_str(), int(caption.size()), &text, kTextFormat);
}

}  // namespace ui
