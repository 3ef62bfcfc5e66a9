#pragma once
// Popup menus with small pictures at the left of their items, and the image
// lists that hold those pictures.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/Controls.h"

namespace ui {

class TPopupMenu;

// Equal-sized pictures drawn with a transparent background: each bitmap's
// bottom-left pixel gives the colour that is left out.
class TImageList : public TComponent {
 public:
  ~TImageList() override;
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  int Width = 16, Height = 16;
  int Count() const;
  HIMAGELIST Handle() const { return handle_; }
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

 private:
  HIMAGELIST handle_ = nullptr;
};

class TMenuItem : public TComponent {
 public:
  ~TMenuItem() override;
  // The description's parent names the menu; the item goes to its end.
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  void SetOnClick(TNotifyEvent handler) override { OnClick = std::move(handler); }

  std::wstring Caption;  // "-" makes a separator line
  bool Default = false;  // drawn in bold; what a double-click on a tray icon runs
  bool Enabled = true;
  int ImageIndex = -1;   // in the menu's image list; -1: none
  TNotifyEvent OnClick;
  TPopupMenu* Menu = nullptr;

  bool IsLine() const { return Caption == L"-"; }
  void Click();
};

class TPopupMenu : public TComponent {
 public:
  TPopupMenu();
  ~TPopupMenu() override;
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;

  TImageList* Images = nullptr;
  bool AutoPopup = true;
  const std::vector<TMenuItem*>& Items() const { return items_; }
  HMENU Handle() const { return handle_; }
  // The first item that is both default and enabled, if any.
  TMenuItem* DefaultItem() const;

  // Opens the menu with its top-left corner at the screen point; an item can be
  // chosen with either mouse button. Returns when the menu has closed, after the
  // chosen item's OnClick. The owner window gets the menu's WM_MEASUREITEM and
  // WM_DRAWITEM and must pass them to OwnerMessage.
  void Popup(int x, int y, HWND owner);
  // The menu is open (a nested message loop runs until it closes).
  bool Tracking() const { return tracking_; }
  bool OwnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  void Add(TMenuItem& item);
  void Remove(TMenuItem& item);

 private:
  // Makes the system menu match the items as they are now.
  void Rebuild();
  bool Holds(ULONG_PTR itemData) const;
  HMENU handle_ = nullptr;
  std::vector<TMenuItem*> items_;
  bool tracking_ = false;
};

}  // namespace ui
