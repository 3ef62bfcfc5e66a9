#pragma once
// A label with a shadow: the caption drawn once in the shadow colour, moved right
// and down, then in the font's colour over it.
#include "ui/StdCtrls.h"

namespace ui {

class TRxLabel : public TLabel {
 public:
  TColor ShadowColor = clBtnHighlight;

 protected:
  // The text stands one pixel in from the left and right edges.
  int Margin() const override { return 2 * kInset; }
  void DrawCaption(HDC dc, const RECT& rc) override;

 private:
  static constexpr int kInset = 1;
  static constexpr int kShadowOffset = 1;
};

}  // namespace ui
