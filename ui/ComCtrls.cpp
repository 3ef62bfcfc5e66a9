#include "ui/ComCtrls.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/Forms.h"
#include "ui/Text.h"

namespace ui {

void TPageControl::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TWinControl::Load(props, owner, parent);
  TabStop = true;
  CreateStd(WC_TABCONTROLW, WS_TABSTOP | WS_CLIPCHILDREN, 0);
}

RECT TPageControl::DisplayRect() const {
  RECT rc;
  GetClientRect(Handle(), &rc);
  TabCtrl_AdjustRect(Handle(), FALSE, &rc);
  return rc;
}

void TPageControl::AddPage(TTabSheet* page) {
  std::wstring caption = page->Text();
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  TabCtrl_InsertItem(Handle(), int(pages_.size()), &item);
  pages_.push_back(page);
  // The first page added is the active one.
  if (!active_) {
    active_ = page;
    TabCtrl_SetCurSel(Handle(), 0);
  }
  // Adding the first tab moves the display area: place every page again.
  RECT rc = DisplayRect();
  for (TTabSheet* p : pages_) {
    SetWindowPos(p->Handle(), nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(p->Handle(), p == active_ ? SW_SHOWNA : SW_HIDE);
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (!page || page == active_) return;
  TTabSheet* old = active_;
  active_ = page;
  TabCtrl_SetCurSel(Handle(), page->PageIndex());
  // The selected page comes to the front.
  SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  if (old) {
    HWND focus = GetFocus();
    bool focusWasOnOld = focus && IsChild(old->Handle(), focus);
    ShowWindow(old->Handle(), SW_HIDE);
    if (focusWasOnOld) SetFocus();
  }
}

void TPageControl::SelectNextPage(bool forward) {
  if (pages_.empty()) return;
  int n = int(pages_.size()), at = active_ ? active_->PageIndex() : 0;
  SetActivePage(pages_[size_t((at + (forward ? 1 : n - 1)) % n)]);
}

bool TPageControl::CNNotify(NMHDR* hdr, LRESULT& result) {
  if (hdr->code == TCN_SELCHANGE) {
    int i = TabCtrl_GetCurSel(Handle());
    if (i >= 0 && i < int(pages_.size())) SetActivePage(pages_[size_t(i)]);
    result = 0;
    return true;
  }
  return false;
}

void TTabSheet::Load(const Props& props, TForm& owner, TWinControl* parent) {
  pageControl_ = dynamic_cast<TPageControl*>(parent);
  if (!pageControl_) throw std::logic_error(std::string("Page ") + props.name + " is not on a page control");
  TCustomControl::Load(props, owner, parent);
  visible_ = false;
  CreateOwn(RegisterOwnClass(L"TTabSheet"), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  SetText(Widen(props.text ? props.text : ""));
  pageControl_->AddPage(this);
}

int TTabSheet::PageIndex() const {
  auto& pages = pageControl_->Pages();
  return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

}  // namespace ui
