#pragma once
// Graphic controls painted by their parent: a bevel frame and a picture.
#include "ui/Controls.h"

namespace ui {

// A lowered box: shadow on the left and top edges, highlight on the right and bottom.
class TBevel : public TGraphicControl {
 public:
  void Paint(HDC dc) override;
};

// A bitmap from the program's resources, stretched to the control's size.
class TImage : public TGraphicControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  void Paint(HDC dc) override;

 private:
  Bitmap picture_;
};

}  // namespace ui
