#include "ui/Menus.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Forms.h"
#include "ui/Text.h"

namespace ui {

namespace {
// Space between an item's picture and its caption.
constexpr int kPictureGap = 4;
}  // namespace

// ---------------------------------------------------------------- TImageList

TImageList::~TImageList() {
  if (handle_) ImageList_Destroy(handle_);
}

void TImageList::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TComponent::Load(props, owner, parent);
  handle_ = ImageList_Create(Width, Height, ILC_COLOR24 | ILC_MASK, int(props.bitmaps.size()), 0);
  if (!handle_) throw std::runtime_error("Cannot create image list " + Name);
  for (int id : props.bitmaps) {
    Bitmap bmp(HBITMAP(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                  LR_CREATEDIBSECTION)));
    if (!bmp) throw std::runtime_error("Missing picture " + std::to_string(id) + " of " + Name);
    BITMAP info{};
    GetObjectW(bmp.get(), sizeof info, &info);
    COLORREF transparent;
    {
      MemoryDC mem(nullptr);
      SelectScope sel(mem, bmp.get());
      transparent = GetPixel(mem, 0, info.bmHeight - 1);
    }
    // The list keeps its own copy of the picture and of its mask.
    ImageList_AddMasked(handle_, bmp.get(), transparent);
  }
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (!handle_ || index < 0 || index >= Count()) return;
  ImageList_DrawEx(handle_, index, dc, x, y, 0, 0, CLR_NONE, CLR_DEFAULT,
                   ILD_TRANSPARENT | (enabled ? 0 : ILD_BLEND50));
}

// ----------------------------------------------------------------- TMenuItem

TMenuItem::~TMenuItem() {
  if (Menu) Menu->Remove(*this);
}

void TMenuItem::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TComponent::Load(props, owner, parent);
  Caption = Widen(props.text ? props.text : "");
  Default = props.isDefault;
  Enabled = props.enabled;
  ImageIndex = props.imageIndex;
  TComponent* parentMenu = props.parent ? owner.FindComponent(props.parent) : nullptr;
  auto* menu = dynamic_cast<TPopupMenu*>(parentMenu);
  if (!menu) throw std::logic_error("Menu item " + Name + " has no menu");
  menu->Add(*this);
}

void TMenuItem::Click() {
  if (Enabled && OnClick) OnClick(this);
}

// ---------------------------------------------------------------- TPopupMenu

TPopupMenu::TPopupMenu() : handle_(CreatePopupMenu()) {}

TPopupMenu::~TPopupMenu() {
  for (TMenuItem* item : items_) item->Menu = nullptr;
  if (handle_) DestroyMenu(handle_);
}

void TPopupMenu::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TComponent::Load(props, owner, parent);
  if (props.images) {
    Images = dynamic_cast<TImageList*>(owner.FindComponent(props.images));
    if (!Images) throw std::logic_error(std::string("Unknown image list: ") + props.images);
  }
}

void TPopupMenu::Add(TMenuItem& item) {
  if (item.Menu) item.Menu->Remove(item);
  item.Menu = this;
  items_.push_back(&item);
  Rebuild();
}

void TPopupMenu::Remove(TMenuItem& item) {
  std::erase(items_, &item);
  item.Menu = nullptr;
  Rebuild();
}

TMenuItem* TPopupMenu::DefaultItem() const {
  for (TMenuItem* item : items_)
    if (item->Default && item->Enabled && !item->IsLine()) return item;
  return nullptr;
}

bool TPopupMenu::Holds(ULONG_PTR itemData) const {
  return std::find(items_.begin(), items_.end(), reinterpret_cast<TMenuItem*>(itemData)) !=
         items_.end();
}

// Item i has the command i + 1, so that 0 stays "nothing chosen".
void TPopupMenu::Rebuild() {
  if (!handle_) return;
  while (GetMenuItemCount(handle_) > 0) DeleteMenu(handle_, 0, MF_BYPOSITION);
  int defaultPos = -1;
  for (size_t i = 0; i < items_.size(); ++i) {
    TMenuItem& item = *items_[i];
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE | MIIM_STATE;
    mi.wID = UINT(i + 1);
    mi.dwItemData = ULONG_PTR(&item);
    if (item.IsLine()) {
      mi.fType = MFT_SEPARATOR;
    } else {
      mi.fMask |= MIIM_STRING;
      mi.fType = MFT_STRING;
      mi.dwTypeData = item.Caption.data();
      mi.fState = item.Enabled ? MFS_ENABLED : MFS_DISABLED;
      // The picture is drawn by the owner window, on whatever background the item has.
      if (Images && item.ImageIndex >= 0) {
        mi.fMask |= MIIM_BITMAP;
        mi.hbmpItem = HBMMENU_CALLBACK;
      }
      if (item.Default && defaultPos < 0) defaultPos = int(i);
    }
    InsertMenuItemW(handle_, UINT(i), TRUE, &mi);
  }
  SetMenuDefaultItem(handle_, UINT(defaultPos), TRUE);
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
  if (tracking_) return;
  Rebuild();
  tracking_ = true;
  UINT cmd = UINT(TrackPopupMenu(handle_,
                                 TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                 x, y, 0, owner, nullptr));
  tracking_ = false;
  // A menu opened for a window that was made foreground for it closes properly
  // only once that window has had a message after it.
  PostMessageW(owner, WM_NULL, 0, 0);
  if (cmd >= 1 && cmd <= items_.size()) items_[cmd - 1]->Click();
}

bool TPopupMenu::OwnerMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (!Images) return false;
  if (msg == WM_MEASUREITEM) {
    auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
    if (m->CtlType != ODT_MENU || !Holds(m->itemData)) return false;
    m->itemWidth = UINT(Images->Width + kPictureGap);
    m->itemHeight = UINT(Images->Height);
    result = TRUE;
    return true;
  }
  if (msg == WM_DRAWITEM) {
    auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    if (d->CtlType != ODT_MENU || !Holds(d->itemData)) return false;
    auto* item = reinterpret_cast<TMenuItem*>(d->itemData);
    const RECT& r = d->rcItem;
    int x = r.left + std::max(0, int(r.right - r.left - kPictureGap - Images->Width) / 2);
    int y = r.top + (r.bottom - r.top - Images->Height) / 2;
    Images->Draw(d->hDC, x, y, item->ImageIndex, !(d->itemState & (ODS_DISABLED | ODS_GRAYED)));
    result = TRUE;
    return true;
  }
  return false;
}

}  // namespace ui
