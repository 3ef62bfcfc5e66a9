#include "ui/StdCtrls.h"

#include <windowsx.h>

#include "ui/Clipboard.h"
#include "ui/Forms.h"
#include "ui/Text.h"

namespace ui {

// -------------------------------------------------------------------- TLabel

void TLabel::Load(const Props& props, TForm& owner, TWinControl* parent) {
  caption_ = props.text ? Widen(props.text) : std::wstring();
  TGraphicControl::Load(props, owner, parent);
}

void TLabel::AdjustBounds() {
  ScreenDC screen;
  SelectScope font(screen, FontHandle());
  RECT rc{0, 0, 0, 0};
  DrawTextW(screen, caption_.c_str(), int(caption_.size()), &rc, kTextFormat | DT_CALCRECT);
  // An empty caption still takes a line's height.
  TEXTMETRICW tm{};
  GetTextMetricsW(screen, &tm);
  size_ = SIZE{rc.right - rc.left + Margin(), caption_.empty() ? tm.tmHeight : rc.bottom - rc.top};
}

RECT TLabel::BoundsRect() const {
  int l = Scale(Design.left), t = Scale(Design.top);
  return RECT{l, t, l + size_.cx, t + size_.cy};
}

void TLabel::SetCaption(std::wstring_view caption) {
  if (caption == caption_) return;
  Invalidate();
  caption_ = caption;
  AdjustBounds();
  Invalidate();
  if (Owner) Owner->MoveHint(*this);
}

void TLabel::Paint(HDC dc) {
  RECT rc = BoundsRect();
  auto* parent = dynamic_cast<TCustomControl*>(Parent);
  Brush face(CreateSolidBrush(ColorToRGB(parent ? parent->Color : clBtnFace)));
  FillRect(dc, &rc, face.get());
  SelectScope font(dc, FontHandle());
  int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawCaption(dc, rc);
  SetBkMode(dc, oldMode);
}

void TLabel::DrawCaption(HDC dc, const RECT& rc) {
  RECT text = rc;
  SetTextColor(dc, FontColor());
  DrawTextW(dc, caption_.c_str(), int(caption_.size()), &text, kTextFormat);
}

// ------------------------------------------------------------------ TListBox

void TListBox::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TWinControl::Load(props, owner, parent);
  TabStop = true;
  // The font is set before the entries go in, so that the item height fits it.
  CreateStd(L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
            WS_EX_CLIENTEDGE);
  for (const char* line : props.lines) {
    std::wstring s = Widen(line);
    SendMessageW(Handle(), LB_ADDSTRING, 0, LPARAM(s.c_str()));
  }
}

int TListBox::ItemIndex() const { return int(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }
int TListBox::Count() const { return int(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

std::wstring TListBox::Item(int index) const {
  LRESULT n = SendMessageW(Handle(), LB_GETTEXTLEN, WPARAM(index), 0);
  if (n == LB_ERR) return {};
  std::wstring s(size_t(n) + 1, L'\0');
  n = SendMessageW(Handle(), LB_GETTEXT, WPARAM(index), LPARAM(s.data()));
  s.resize(size_t(n));
  return s;
}

bool TListBox::CNCommand(WORD code, LRESULT& result) {
  if (code != LBN_SELCHANGE) return false;
  Click();
  result = 0;
  return true;
}

void TListBox::TypeAhead(wchar_t ch) {
  DWORD now = DWORD(GetMessageTime());
  if (now - lastKeyTime_ > 1000) typed_.clear();
  lastKeyTime_ = now;
  int found = -1;
  if (ch == L'\b') {
    if (typed_.empty()) return;
    typed_.pop_back();
    if (typed_.empty()) found = 0;
  } else {
    typed_ += ch;
  }
  if (found < 0) {
    for (int i = 0, n = Count(); i < n && found < 0; ++i) {
      std::wstring item = Item(i);
      if (item.size() >= typed_.size() &&
          CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.c_str(), int(typed_.size()),
                         typed_.c_str(), int(typed_.size())) == CSTR_EQUAL)
        found = i;
    }
  }
  if (found < 0 || found >= Count()) return;
  SendMessageW(Handle(), LB_SETCURSEL, WPARAM(found), 0);
  Click();
}

LRESULT TListBox::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CHAR && (wp == L'\b' || wp >= L' ')) {
    TypeAhead(wchar_t(wp));
    return 0;
  }
  return TWinControl::WndProc(msg, wp, lp);
}

// --------------------------------------------------------------------- TMemo

void TMemo::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TWinControl::Load(props, owner, parent);
  TabStop = true;
  color_ = props.color;
  if (color_ != clDefault) brush_.reset(CreateSolidBrush(ColorToRGB(color_)));
  DWORD style = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL;
  if (!props.wordWrap) style |= ES_AUTOHSCROLL;
  if (props.readOnly) style |= ES_READONLY;
  if (props.alignment == TAlignment::taCenter) style |= ES_CENTER;
  CreateStd(L"EDIT", style, props.border == TBorderStyle::bsSingle ? WS_EX_CLIENTEDGE : 0);
  std::wstring text;
  for (const char* line : props.lines) text += Widen(line) + L"\r\n";
  SetText(text);
  // Loading leaves the caret after the last line, with nothing selected, and
  // the view at the top of the text.
  SendMessageW(Handle(), EM_SETSEL, text.size(), text.size());
  SendMessageW(Handle(), WM_VSCROLL, SB_TOP, 0);
}

void TMemo::Clear() { SetText(L""); }

void TMemo::Append(std::wstring_view line) {
  std::wstring add(line);
  add += L"\r\n";
  int end = GetWindowTextLengthW(Handle());
  SendMessageW(Handle(), EM_SETSEL, end, end);
  SendMessageW(Handle(), EM_REPLACESEL, FALSE, LPARAM(add.c_str()));
}

void TMemo::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

std::wstring TMemo::SelectedText() const {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  return Text().substr(start, end - start);
}

void TMemo::CopyToClipboard() {
  std::wstring s = SelectedText();
  if (s.empty()) return;  // nothing selected: the clipboard keeps what it has
  clipboard::SetText(Owner->Handle(), s);
}

HBRUSH TMemo::CNCtlColor(HDC dc) {
  if (!brush_) return nullptr;
  SetBkColor(dc, ColorToRGB(color_));
  SetTextColor(dc, FontColor());
  return brush_.get();
}

// ----------------------------------------------------------------- TGroupBox

void TGroupBox::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TWinControl::Load(props, owner, parent);
  CreateStd(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  SetText(Widen(props.text ? props.text : ""));
}

LRESULT TGroupBox::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      // The system draws only the frame and caption; the inside is ours.
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      RECT rc;
      GetClientRect(Handle(), &rc);
      FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
      DefaultHandler(WM_PAINT, WPARAM(dc), 0);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_NCHITTEST:
      return HTCLIENT;  // a group box of the system lets the mouse through
  }
  return TWinControl::WndProc(msg, wp, lp);
}

// --------------------------------------------------------- radio group/button

void TRadioButton::Create(const std::wstring& caption) {
  CreateStd(L"BUTTON", BS_RADIOBUTTON, 0);
  SetText(caption);
}

void TRadioButton::SetChecked(bool checked) {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  TabStop = checked;
  LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, checked ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

bool TRadioButton::CNCommand(WORD code, LRESULT& result) {
  if (code != BN_CLICKED) return false;
  group_.UserChecked(index_);
  result = 0;
  return true;
}

LRESULT TRadioButton::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_KEYDOWN) {
    switch (wp) {
      case VK_DOWN:
      case VK_RIGHT:
        group_.Step(index_, +1);
        return 0;
      case VK_UP:
      case VK_LEFT:
        group_.Step(index_, -1);
        return 0;
    }
  }
  if (msg == WM_GETDLGCODE) return DLGC_BUTTON | DLGC_RADIOBUTTON | DLGC_WANTARROWS;
  return TWinControl::WndProc(msg, wp, lp);
}

void TRadioGroup::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TGroupBox::Load(props, owner, parent);
  int n = int(props.lines.size());
  if (n == 0) return;
  // One column under the caption, the rows sharing the height below it.
  int rowHeight = (props.bounds.height - 19) / n;
  for (int i = 0; i < n; ++i) {
    auto b = std::make_unique<TRadioButton>(*this, i);
    Props bp;
    bp.name = props.name;
    bp.bounds = {8, 14 + i * rowHeight, props.bounds.width - 10, rowHeight};
    bp.tabOrder = i;
    bp.hint = props.hint;
    bp.showHint = props.showHint;
    b->TControl::Load(bp, owner, this);
    b->Create(Widen(props.lines[size_t(i)]));
    buttons_.push_back(std::move(b));
  }
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) return;
  itemIndex_ = index;
  for (int i = 0; i < Count(); ++i) buttons_[size_t(i)]->SetChecked(i == index);
}

void TRadioGroup::UserChecked(int index) {
  if (index == itemIndex_) return;  // the checked button again: nothing happens
  SetItemIndex(index);
  Click();
}

void TRadioGroup::Step(int from, int delta) {
  int n = Count();
  int to = (from + delta + n) % n;
  UserChecked(to);
  buttons_[size_t(to)]->SetFocus();
}

}  // namespace ui
