#pragma once
// The base of every component, control and window: names, places, visibility,
// the one window procedure and the reflection of notifications to the control
// that sent them.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Gdi.h"
#include "ui/Types.h"

namespace ui {

class TForm;
class TWinControl;

// Registers a window class of this program once; later calls find it registered.
const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style = 0,
                                   HICON icon = nullptr);

class TComponent : public TObject {
 public:
  TComponent() = default;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string Name;
  TForm* Owner = nullptr;

  // Takes the description's settings and, for a control, makes its window.
  virtual void Load(const Props& props, TForm& owner, TWinControl* parent);
  // Binds the description's click handler; a component without clicks refuses it.
  virtual void SetOnClick(TNotifyEvent handler);
  virtual void SetOnMouseClick(TMouseEvent handler);
};

class TControl : public TComponent {
 public:
  TWinControl* Parent = nullptr;
  Bounds Design;  // as laid out, before scaling
  std::wstring Hint;
  bool ShowHint = false;
  TCursor Cursor = TCursor::crDefault;
  int TabOrder = 0;
  TNotifyEvent OnClick;

  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  void SetOnClick(TNotifyEvent handler) override { OnClick = std::move(handler); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool e);
  // Scaled place in the parent's client area.
  virtual RECT BoundsRect() const;
  virtual void Click();
  HFONT FontHandle() const;  // own font if the description gave one, else the form's
  COLORREF FontColor() const;

 protected:
  int Scale(int v) const;
  bool visible_ = true;
  bool enabled_ = true;
  Font ownFont_;
  TColor fontColor_ = clWindowText;
};

// Drawn by its parent, below the parent's windowed children.
class TGraphicControl : public TControl {
 public:
  // Paints in the parent's client coordinates, clipped to BoundsRect().
  virtual void Paint(HDC dc) = 0;
  void SetVisible(bool v) override;
  void Invalidate();
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;

 protected:
  // Called once the font is known and before the hint takes the control's
  // place: a control that sizes itself to its content does it here.
  virtual void AdjustBounds() {}
};

class TWinControl : public TControl {
 public:
  ~TWinControl() override;
  HWND Handle() const { return handle_; }
  std::vector<TControl*> Controls;  // children in creation order

  void SetVisible(bool v) override;
  void SetEnabled(bool e) override;
  bool TabStop = false;
  // Visible and enabled up to the form: a control the user can reach.
  bool CanFocus() const;
  void SetFocus();
  bool Focused() const;
  std::wstring Text() const;
  void SetText(std::wstring_view text);

  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);

  // Notifications reflected from the parent; true when handled.
  virtual bool CNCommand(WORD code, LRESULT& result);
  virtual bool CNNotify(NMHDR* hdr, LRESULT& result);
  virtual bool CNDrawItem(const DRAWITEMSTRUCT& item);
  virtual HBRUSH CNCtlColor(HDC dc);

  static TWinControl* FromHandle(HWND hwnd);
  // A window class of ours, registered once per process.
  static const wchar_t* RegisterOwnClass(const wchar_t* name, UINT style = CS_DBLCLKS,
                                         HICON icon = nullptr);

 protected:
  // A standard control of the system, subclassed so that it dispatches here.
  void CreateStd(const wchar_t* cls, DWORD style, DWORD exStyle);
  // A window of one of our own classes.
  void CreateOwn(const wchar_t* cls, DWORD style, DWORD exStyle, HWND owner = nullptr,
                 const RECT* outer = nullptr, const wchar_t* caption = nullptr);
  LRESULT DefaultHandler(UINT msg, WPARAM wp, LPARAM lp);
  // Children are stacked in creation order, each above the siblings made before it.
  void PlaceOnTop();
  void ApplyFont();

 private:
  void Attach(HWND hwnd);
  void Detach();
  static LRESULT CALLBACK OwnProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  HWND handle_ = nullptr;
  bool subclassed_ = false;
};

// A window of our own class that hosts controls and paints its graphic children.
class TCustomControl : public TWinControl {
 public:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  TColor Color = clBtnFace;

 protected:
  TGraphicControl* GraphicAt(POINT clientPt) const;
  void PaintGraphics(HDC dc, const RECT& update);

 private:
  TGraphicControl* pressed_ = nullptr;  // a graphic child clicked: pressed here, released here
};

}  // namespace ui
