#include "ui/Controls.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/Forms.h"
#include "ui/Text.h"

namespace ui {

namespace {
constexpr wchar_t kObjectProp[] = L"Tabulon.Control";
int nextControlId = 100;
}  // namespace

COLORREF ColorToRGB(TColor c) {
  return (c & 0x80000000u) ? GetSysColor(int(c & 0xFF)) : COLORREF(c);
}

// ---------------------------------------------------------------- TComponent

void TComponent::Load(const Props& props, TForm& owner, TWinControl*) {
  Name = props.name ? props.name : "";
  Owner = &owner;
}

void TComponent::SetOnClick(TNotifyEvent) {
  throw std::logic_error("Component " + Name + " has no click event");
}

void TComponent::SetOnMouseClick(TMouseEvent) {
  throw std::logic_error("Component " + Name + " has no mouse click event");
}

// ------------------------------------------------------------------ TControl

void TControl::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TComponent::Load(props, owner, parent);
  if (!parent) throw std::logic_error("Control " + Name + " has no parent");
  Parent = parent;
  Design = props.bounds;
  if (props.align == TAlign::alClient) Design = {0, 0, -1, -1};  // fills the parent
  Hint = props.hint ? Widen(props.hint) : std::wstring();
  ShowHint = props.showHint;
  Cursor = props.cursor;
  TabOrder = props.tabOrder;
  visible_ = props.visible;
  enabled_ = props.enabled;
  if (props.font) {
    ownFont_.reset(owner.MakeFont(*props.font));
    fontColor_ = props.font->color;
  }
  parent->Controls.push_back(this);
}

int TControl::Scale(int v) const { return Owner ? Owner->ScaleValue(v) : v; }

RECT TControl::BoundsRect() const {
  if (Design.width < 0) {
    RECT rc{};
    GetClientRect(Parent->Handle(), &rc);
    return rc;
  }
  int l = Scale(Design.left), t = Scale(Design.top);
  return RECT{l, t, l + Scale(Design.width), t + Scale(Design.height)};
}

HFONT TControl::FontHandle() const {
  if (ownFont_) return ownFont_.get();
  return Owner ? Owner->WindowFont() : HFONT(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF TControl::FontColor() const { return ColorToRGB(fontColor_); }

void TControl::SetVisible(bool v) { visible_ = v; }
void TControl::SetEnabled(bool e) { enabled_ = e; }

void TControl::Click() {
  if (OnClick) OnClick(this);
}

// ----------------------------------------------------------- TGraphicControl

void TGraphicControl::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TControl::Load(props, owner, parent);
  AdjustBounds();
  if (ShowHint && !Hint.empty()) owner.AddHint(*this);
}

void TGraphicControl::Invalidate() {
  if (!Parent || !Parent->Handle()) return;
  RECT rc = BoundsRect();
  InvalidateRect(Parent->Handle(), &rc, TRUE);
}

void TGraphicControl::SetVisible(bool v) {
  if (v == visible_) return;
  TControl::SetVisible(v);
  Invalidate();
}

// --------------------------------------------------------------- TWinControl

TWinControl::~TWinControl() {
  if (handle_) DestroyWindow(handle_);
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<TWinControl*>(GetPropW(hwnd, kObjectProp)) : nullptr;
}

void TWinControl::Attach(HWND hwnd) {
  handle_ = hwnd;
  SetPropW(hwnd, kObjectProp, this);
}

void TWinControl::Detach() {
  if (!handle_) return;
  RemovePropW(handle_, kObjectProp);
  if (subclassed_) RemoveWindowSubclass(handle_, SubclassProc, 1);
  handle_ = nullptr;
}

const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style, HICON icon) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return name;
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.lpszClassName = name;
  if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register a window class");
  return name;
}

const wchar_t* TWinControl::RegisterOwnClass(const wchar_t* name, UINT style, HICON icon) {
  return RegisterWindowClass(name, OwnProc, style, icon);
}

void TWinControl::CreateStd(const wchar_t* cls, DWORD style, DWORD exStyle) {
  RECT rc = BoundsRect();
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  HWND h = CreateWindowExW(exStyle, cls, L"", style, rc.left, rc.top, rc.right - rc.left,
                           rc.bottom - rc.top, Parent->Handle(), HMENU(INT_PTR(nextControlId++)),
                           GetModuleHandleW(nullptr), nullptr);
  if (!h) throw std::runtime_error("Cannot create control " + Name);
  Attach(h);
  subclassed_ = true;
  SetWindowSubclass(h, SubclassProc, 1, DWORD_PTR(this));
  ApplyFont();
  PlaceOnTop();
  if (ShowHint && !Hint.empty()) Owner->AddHint(*this);
}

void TWinControl::CreateOwn(const wchar_t* cls, DWORD style, DWORD exStyle, HWND owner,
                            const RECT* outer, const wchar_t* caption) {
  RECT rc = outer ? *outer : BoundsRect();
  if (!outer) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    owner = Parent->Handle();
  }
  HWND h = CreateWindowExW(exStyle, cls, caption ? caption : L"", style, rc.left, rc.top,
                           rc.right - rc.left, rc.bottom - rc.top, owner,
                           outer ? nullptr : HMENU(INT_PTR(nextControlId++)),
                           GetModuleHandleW(nullptr), this);
  if (!h) throw std::runtime_error("Cannot create window " + Name);
  if (!outer) {
    ApplyFont();
    PlaceOnTop();
  }
}

void TWinControl::PlaceOnTop() {
  SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::ApplyFont() { SendMessageW(handle_, WM_SETFONT, WPARAM(FontHandle()), FALSE); }

// The object comes with WM_NCCREATE; messages before it get the default handling.
LRESULT CALLBACK TWinControl::OwnProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    if (auto* obj = static_cast<TWinControl*>(cs->lpCreateParams)) obj->Attach(hwnd);
  }
  TWinControl* self = FromHandle(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    LRESULT r = self->Dispatch(msg, wp, lp);
    self->Detach();
    return r;
  }
  return self->Dispatch(msg, wp, lp);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                           DWORD_PTR data) {
  auto* self = reinterpret_cast<TWinControl*>(data);
  if (msg == WM_NCDESTROY) {
    LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
    self->Detach();
    return r;
  }
  return self->Dispatch(msg, wp, lp);
}

// An exception must never unwind through the system's frames: it stops here and
// is reported by the application, and the program goes on.
LRESULT TWinControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return WndProc(msg, wp, lp);
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
  } catch (...) {
    if (Application) Application->HandleException(std::runtime_error("Unknown error"));
  }
  return 0;
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wp, LPARAM lp) {
  return subclassed_ ? DefSubclassProc(handle_, msg, wp, lp) : DefWindowProcW(handle_, msg, wp, lp);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT r = 0;
  switch (msg) {
    case WM_COMMAND:
      if (TWinControl* child = FromHandle(HWND(lp)); child && child != this)
        if (child->CNCommand(HIWORD(wp), r)) return r;
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (TWinControl* child = FromHandle(hdr->hwndFrom); child && child != this)
        if (child->CNNotify(hdr, r)) return r;
      break;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (item->CtlType != ODT_MENU)
        if (TWinControl* child = FromHandle(item->hwndItem))
          if (child->CNDrawItem(*item)) return TRUE;
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (TWinControl* child = FromHandle(HWND(lp)); child && child != this)
        if (HBRUSH b = child->CNCtlColor(HDC(wp))) return LRESULT(b);
      break;
    case WM_SETCURSOR:
      if (HWND(wp) == handle_ && LOWORD(lp) == HTCLIENT && Cursor != TCursor::crDefault) {
        SetCursor(LoadCursorW(nullptr, Cursor == TCursor::crHelp ? IDC_HELP : IDC_HAND));
        return TRUE;
      }
      break;
  }
  return DefaultHandler(msg, wp, lp);
}

bool TWinControl::CNCommand(WORD, LRESULT&) { return false; }
bool TWinControl::CNNotify(NMHDR*, LRESULT&) { return false; }
bool TWinControl::CNDrawItem(const DRAWITEMSTRUCT&) { return false; }
HBRUSH TWinControl::CNCtlColor(HDC) { return nullptr; }

void TWinControl::SetVisible(bool v) {
  TControl::SetVisible(v);
  if (handle_) ShowWindow(handle_, v ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool e) {
  TControl::SetEnabled(e);
  if (handle_) EnableWindow(handle_, e);
}

bool TWinControl::CanFocus() const {
  if (!handle_ || !IsWindowVisible(handle_)) return false;
  for (HWND h = handle_; h; h = GetParent(h)) {
    if (!IsWindowEnabled(h)) return false;
    if (!(GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) break;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

std::wstring TWinControl::Text() const {
  int n = GetWindowTextLengthW(handle_);
  std::wstring s(size_t(n) + 1, L'\0');
  n = GetWindowTextW(handle_, s.data(), n + 1);
  s.resize(size_t(n));
  return s;
}

void TWinControl::SetText(std::wstring_view text) {
  std::wstring s(text);
  SetWindowTextW(handle_, s.c_str());
}

// ------------------------------------------------------------ TCustomControl

TGraphicControl* TCustomControl::GraphicAt(POINT pt) const {
  for (auto it = Controls.rbegin(); it != Controls.rend(); ++it) {
    auto* g = dynamic_cast<TGraphicControl*>(*it);
    if (!g || !g->Visible()) continue;
    RECT rc = g->BoundsRect();
    if (PtInRect(&rc, pt)) return g;
  }
  return nullptr;
}

void TCustomControl::PaintGraphics(HDC dc, const RECT& update) {
  for (TControl* c : Controls) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->Visible()) continue;
    RECT rc = g->BoundsRect(), common;
    if (!IntersectRect(&common, &rc, &update)) continue;
    // A graphic control never paints beyond its own rectangle.
    int saved = SaveDC(dc);
    IntersectClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
    g->Paint(dc);
    RestoreDC(dc, saved);
  }
}

LRESULT TCustomControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(Handle(), &rc);
      Brush b(CreateSolidBrush(ColorToRGB(Color)));
      FillRect(HDC(wp), &rc, b.get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      PaintGraphics(dc, ps.rcPaint);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT rc;
      GetClientRect(Handle(), &rc);
      Brush b(CreateSolidBrush(ColorToRGB(Color)));
      FillRect(HDC(wp), &rc, b.get());
      PaintGraphics(HDC(wp), rc);
      return 0;
    }
    case WM_SETCURSOR:
      if (HWND(wp) == Handle() && LOWORD(lp) == HTCLIENT) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(Handle(), &pt);
        if (TGraphicControl* g = GraphicAt(pt); g && g->Cursor != TCursor::crDefault) {
          SetCursor(LoadCursorW(nullptr, g->Cursor == TCursor::crHelp ? IDC_HELP : IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN: {
      POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
      pressed_ = GraphicAt(pt);
      if (pressed_) SetCapture(Handle());
      return 0;
    }
    case WM_LBUTTONUP: {
      POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
      TGraphicControl* down = std::exchange(pressed_, nullptr);
      if (GetCapture() == Handle()) ReleaseCapture();
      if (down && GraphicAt(pt) == down) down->Click();
      return 0;
    }
  }
  return TWinControl::WndProc(msg, wp, lp);
}

}  // namespace ui
