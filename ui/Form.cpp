#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/Forms.h"
#include "ui/Text.h"

namespace ui {

TForm::TForm() = default;

TForm::~TForm() {
  if (hint_) DestroyWindow(hint_);
}

HFONT TForm::MakeFont(const FontDesc& d) const {
  LOGFONTW lf{};
  lf.lfHeight = -ScaleValue(d.height);
  lf.lfWeight = d.bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = d.underline;
  lf.lfCharSet = d.charset;
  std::wstring face = Widen(d.name);
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}

void TForm::CreateFormWindow(const FormProps& p) {
  Name = ToUtf8(p.className);
  Owner = this;
  // The window font is 8-point "MS Sans Serif"; its real text height against the
  // 13 pixels the layout assumes gives the scale of everything else.
  ScreenDC screen;
  textHeight_ = 13;
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
  lf.lfCharSet = DEFAULT_CHARSET;
  wcscpy(lf.lfFaceName, L"MS Sans Serif");
  font_.reset(CreateFontIndirectW(&lf));
  {
    SelectScope sel(screen, font_.get());
    TEXTMETRICW tm{};
    GetTextMetricsW(screen, &tm);
    if (tm.tmHeight > 0) textHeight_ = tm.tmHeight;
  }
  if (TextHeightOverride > 0) {
    textHeight_ = TextHeightOverride;
    lf.lfHeight = -MulDiv(11, textHeight_, 13);
    font_.reset(CreateFontIndirectW(&lf));
  }

  HICON icon = p.icon ? LoadIconW(ResourceModule(), MAKEINTRESOURCEW(p.icon)) : nullptr;
  RegisterOwnClass(p.className, CS_DBLCLKS, icon);
  DWORD style = WS_CLIPCHILDREN, ex = 0;
  if (p.border == TFormBorderStyle::bsDialog) {
    style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
    ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  } else {
    style |= WS_OVERLAPPED | WS_CAPTION;
    if (p.borderIcons & biSystemMenu) style |= WS_SYSMENU;
    if (p.borderIcons & biMinimize) style |= WS_MINIMIZEBOX;
    if (p.borderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
  }
  if (p.stayOnTop) ex |= WS_EX_TOPMOST;
  RECT outer{0, 0, ScaleValue(p.clientWidth), ScaleValue(p.clientHeight)};
  AdjustWindowRectEx(&outer, style, FALSE, ex);
  OffsetRect(&outer, p.left - outer.left, p.top - outer.top);
  visible_ = false;
  std::wstring caption = Widen(p.caption ? p.caption : "");
  HWND owner = Application ? Application->Handle() : nullptr;
  CreateOwn(p.className, style, ex, owner, &outer, caption.c_str());
  SendMessageW(Handle(), WM_SETFONT, WPARAM(font_.get()), FALSE);
  if (icon) {
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, LPARAM(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, LPARAM(icon));
  } else if (p.border == TFormBorderStyle::bsDialog) {
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, 0);
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, 0);
  }

  hint_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  if (hint_) {
    SendMessageW(hint_, TTM_SETDELAYTIME, TTDT_INITIAL, 500);
    SendMessageW(hint_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2500);
    SendMessageW(hint_, TTM_SETDELAYTIME, TTDT_RESHOW, 100);
    SendMessageW(hint_, WM_SETFONT, WPARAM(font_.get()), FALSE);
  }
}

void TForm::AddHint(TControl& control) {
  if (!hint_ || control.Hint.empty() || !control.Parent) return;
  TOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.hinst = GetModuleHandleW(nullptr);
  ti.lpszText = const_cast<wchar_t*>(control.Hint.c_str());
  ti.hwnd = control.Parent->Handle();
  if (auto* w = dynamic_cast<TWinControl*>(&control)) {
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.uId = UINT_PTR(w->Handle());
    SendMessageW(hint_, TTM_ADDTOOLW, 0, LPARAM(&ti));
  }
  // The same hint over the control's place on its parent: mouse messages over a
  // disabled control go to the parent, and a graphic control has no window.
  ti.uFlags = TTF_SUBCLASS;
  ti.uId = nextToolId_++;
  ti.rect = control.BoundsRect();
  SendMessageW(hint_, TTM_ADDTOOLW, 0, LPARAM(&ti));
  hintRects_[&control] = ti.uId;
}

void TForm::MoveHint(const TControl& control) {
  auto it = hintRects_.find(&control);
  if (!hint_ || it == hintRects_.end()) return;
  TOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.hwnd = control.Parent->Handle();
  ti.uId = it->second;
  ti.rect = control.BoundsRect();
  SendMessageW(hint_, TTM_NEWTOOLRECTW, 0, LPARAM(&ti));
}

TWinControl* TForm::ResolveParent(const char* name) const {
  if (!name) return const_cast<TForm*>(this);
  TComponent* c = FindComponent(name);
  if (!c) throw std::logic_error(std::string("Unknown parent control: ") + name);
  // A parent that has no window (a menu, for its items) is found by the component itself.
  return dynamic_cast<TWinControl*>(c);
}

void TForm::Register(TComponent& c) {
  if (c.Name.empty()) throw std::logic_error("A component of " + Name + " has no name");
  if (!components_.emplace(c.Name, &c).second)
    throw std::logic_error("Two components named " + c.Name);
}

TComponent* TForm::FindComponent(std::string_view name) const {
  auto it = components_.find(name);
  return it == components_.end() ? nullptr : it->second;
}

void TForm::AfterLoad() {
  for (auto& [name, c] : components_)
    if (auto* b = dynamic_cast<TBitBtn*>(c); b && b->Kind == TBitBtnKind::bkOK) DefaultButton = b;
}

TWinControl* TForm::ActiveControl() const {
  HWND f = GetFocus();
  return (f && IsChild(Handle(), f)) ? FromHandle(f) : nullptr;
}

// ------------------------------------------------------------ show and hide

void TForm::Show() {
  bool changed = !visible_;
  visible_ = true;
  if (changed && Application) Application->UpdateVisible();
  ShowWindow(Handle(), SW_SHOW);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm::BringToFront() {
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(Handle());
}

void TForm::ShowWithCommand(int cmd) {
  bool changed = !visible_;
  visible_ = true;
  if (changed && Application) Application->UpdateVisible();
  ShowWindow(Handle(), cmd);
}

void TForm::Hide() {
  bool changed = visible_;
  visible_ = false;
  ShowWindow(Handle(), SW_HIDE);
  if (changed && Application) Application->UpdateVisible();
}

void TForm::Close() {
  if (modal_) {
    ModalResult = mrCancel;
  } else if (Application && Application->MainForm() == this) {
    Application->Terminate();
  } else {
    Hide();
  }
}

int TForm::ShowModal() {
  HWND previous = GetActiveWindow();
  std::vector<HWND> disabled;
  if (Application)
    for (TForm* f : Application->Forms())
      if (f != this && IsWindowVisible(f->Handle()) && IsWindowEnabled(f->Handle())) {
        EnableWindow(f->Handle(), FALSE);
        disabled.push_back(f->Handle());
      }
  modal_ = true;
  ModalResult = mrNone;
  Show();
  MSG msg;
  while (ModalResult == mrNone) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(int(msg.wParam));  // the outer loop must see it too
      ModalResult = mrCancel;
      break;
    }
    if (Application)
      Application->ProcessMessage(msg);
    else {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Enable the others before hiding, so that activation goes back to them.
  for (HWND h : disabled)
    if (IsWindow(h)) EnableWindow(h, TRUE);
  Hide();
  modal_ = false;
  if (previous && IsWindow(previous) && IsWindowVisible(previous)) SetActiveWindow(previous);
  return ModalResult;
}

// ------------------------------------------------------------------ keyboard

std::vector<TWinControl*> TForm::TabList() const {
  std::vector<TWinControl*> out;
  auto collect = [&out](auto&& self, const TWinControl& parent) -> void {
    std::vector<TWinControl*> kids;
    for (TControl* c : parent.Controls)
      if (auto* w = dynamic_cast<TWinControl*>(c)) kids.push_back(w);
    std::stable_sort(kids.begin(), kids.end(),
                     [](auto* a, auto* b) { return a->TabOrder < b->TabOrder; });
    for (TWinControl* w : kids) {
      if (!w->CanFocus()) continue;
      if (w->TabStop) out.push_back(w);
      self(self, *w);
    }
  };
  collect(collect, *this);
  return out;
}

void TForm::SelectNext(bool forward) {
  std::vector<TWinControl*> list = TabList();
  if (list.empty()) return;
  HWND focus = GetFocus();
  int n = int(list.size()), at = -1;
  for (int i = 0; i < n; ++i)
    if (list[size_t(i)]->Handle() == focus || IsChild(list[size_t(i)]->Handle(), focus)) at = i;
  int next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
  list[size_t(next)]->SetFocus();
}

bool TForm::DialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  switch (msg.wParam) {
    case VK_TAB:
      if (ctrl) {
        for (auto& [name, c] : components_)
          if (auto* pc = dynamic_cast<TPageControl*>(c); pc && pc->CanFocus()) {
            pc->SelectNextPage(!shift);
            return true;
          }
        return false;
      }
      SelectNext(!shift);
      return true;
    case VK_RETURN: {
      if (auto* b = dynamic_cast<TBitBtn*>(ActiveControl())) {
        b->Click();
        return true;
      }
      if (DefaultButton && DefaultButton->CanFocus()) {
        DefaultButton->Click();
        return true;
      }
      return false;
    }
  }
  return false;
}

void TForm::FocusFirst() {
  std::vector<TWinControl*> list = TabList();
  if (!list.empty())
    list.front()->SetFocus();
  else
    ::SetFocus(Handle());
}

void TForm::OnActivate(bool active) {
  if (active) {
    if (Application) Application->NoteActive(this);
    TWinControl* saved = FromHandle(savedFocus_);
    if (saved && IsChild(Handle(), savedFocus_) && saved->CanFocus())
      ::SetFocus(savedFocus_);
    else
      FocusFirst();
  } else {
    HWND f = GetFocus();
    if (f && IsChild(Handle(), f)) savedFocus_ = f;
  }
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) {
        if (!HIWORD(wp)) OnActivate(true);
        return 0;
      }
      OnActivate(false);
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_SYSCOMMAND:
      // Minimising the main window minimises the application.
      if ((wp & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
        Application->Minimize();
        return 0;
      }
      break;
    case DM_GETDEFID:
      if (DefaultButton) return MAKELRESULT(GetDlgCtrlID(DefaultButton->Handle()), DC_HASDEFID);
      break;
  }
  return TCustomControl::WndProc(msg, wp, lp);
}

}  // namespace ui
