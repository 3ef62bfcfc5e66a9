#pragma once
// The page control: the system's tab control with our pages as its children.
#include "ui/Controls.h"

namespace ui {

class TTabSheet;

class TPageControl : public TWinControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  TTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TTabSheet* page);
  void SelectNextPage(bool forward);
  const std::vector<TTabSheet*>& Pages() const { return pages_; }
  // The area the pages take, in the page control's client coordinates.
  RECT DisplayRect() const;

  bool CNNotify(NMHDR* hdr, LRESULT& result) override;

 private:
  friend class TTabSheet;
  void AddPage(TTabSheet* page);
  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
};

class TTabSheet : public TCustomControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  TPageControl* PageControl() const { return pageControl_; }
  int PageIndex() const;

 private:
  TPageControl* pageControl_ = nullptr;
};

}  // namespace ui
