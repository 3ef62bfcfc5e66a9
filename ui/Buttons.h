#pragma once
// A push button with a picture left of its caption. The glyph holds one or two
// images side by side: the normal one and the one for the disabled state; its
// bottom-left pixel gives the transparent colour.
#include "ui/Controls.h"

namespace ui {

class TBitBtn : public TWinControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  TBitBtnKind Kind = TBitBtnKind::bkCustom;
  int ModalResult = mrNone;
  void Click() override;
  bool CNCommand(WORD code, LRESULT& result) override;
  bool CNDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void LoadGlyph(int resourceId, int count);
  void DrawGlyph(HDC dc, int x, int y, bool disabled) const;
  Bitmap glyph_;     // the images as loaded
  Bitmap disabled_;  // the disabled image recoloured to the system's button colours
  int glyphWidth_ = 0, glyphHeight_ = 0, glyphCount_ = 0;
  COLORREF transparent_ = 0;
};

}  // namespace ui
