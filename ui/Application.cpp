#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/Forms.h"
#include "ui/Text.h"

namespace ui {

TApplication* Application = nullptr;

HINSTANCE ResourceModule() { return GetModuleHandleW(nullptr); }

namespace {
constexpr wchar_t kAppClass[] = L"TApplication";
constexpr int kProgramIcon = 1;
}  // namespace

TApplication::TApplication() { Application = this; }

TApplication::~TApplication() {
  DestroyForms();
  if (handle_) DestroyWindow(handle_);
  if (Application == this) Application = nullptr;
}

// The application's own window: never seen itself (it has no size), it carries
// the taskbar button and owns the forms, so that minimising it takes them along.
void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  icon_ = LoadIconW(ResourceModule(), MAKEINTRESOURCEW(kProgramIcon));
  RegisterWindowClass(kAppClass, Proc, 0, icon_);
  int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
  handle_ = CreateWindowExW(0, kAppClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            x, y, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (icon_) {
    SendMessageW(handle_, WM_SETICON, ICON_BIG, LPARAM(icon_));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, LPARAM(icon_));
  }
}

void TApplication::SetTitle(std::wstring_view title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, title_.c_str());
}

void TApplication::Adopt(std::unique_ptr<TForm> form, void** ref) {
  forms_.push_back({std::move(form), ref});
}

const std::vector<TForm*> TApplication::Forms() const {
  std::vector<TForm*> out;
  for (auto& o : forms_) out.push_back(o.form.get());
  return out;
}

void TApplication::DestroyForms() {
  destroying_ = true;  // no taskbar button flashing up while the forms and icons go
  while (!forms_.empty()) {
    Owned o = std::move(forms_.back());
    forms_.pop_back();
    if (lastActive_ == o.form.get()) lastActive_ = nullptr;
    o.form.reset();
    if (o.ref) *o.ref = nullptr;
  }
  destroying_ = false;
}

int TApplication::StartupShowCommand() const {
  if (ShowCommandOverride >= 0) return ShowCommandOverride;
  // Wine's SW_SHOWDEFAULT ignores the start-up information, so read it here.
  STARTUPINFOW si{};
  si.cb = sizeof si;
  GetStartupInfoW(&si);
  return (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : SW_SHOWNORMAL;
}

void TApplication::Run() {
  ShowMainForm();
  MSG msg;
  while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
}

void TApplication::ShowMainForm() {
  TForm* main = MainForm();
  if (!main) return;
  switch (StartupShowCommand()) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
      Minimize();
      break;
    case SW_SHOWMAXIMIZED:
      main->ShowWithCommand(SW_SHOWMAXIMIZED);
      break;
    default:
      main->ShowWithCommand(SW_SHOWNORMAL);
      break;
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_KEYDOWN && msg.hwnd) {
    auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (form && form->DialogKey(msg)) return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    ProcessMessage(msg);
  }
}

void TApplication::HandleException(const std::exception& e) {
  if (OnException) {
    OnException(e);
    return;
  }
  std::wstring text = Widen(e.what());
  if (!text.empty() && text.back() > L'.') text += L'.';
  HWND owner = GetActiveWindow();
  MessageBoxW(owner ? owner : handle_, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

bool TApplication::Minimized() const { return handle_ && IsIconic(handle_); }

// Minimising the application's window hides the forms it owns; the minimise
// event follows, once per minimising.
void TApplication::Minimize() {
  if (Minimized()) return;
  // Minimised before anything was shown (a minimised start): the taskbar learns
  // of the window when it is first shown, so show it (it has no size) first.
  if (!IsWindowVisible(handle_)) ShowWindow(handle_, SW_SHOWNA);
  DefWindowProcW(handle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (!Minimized()) return;
  DefWindowProcW(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TApplication::BringToFront() {
  TForm* f = lastActive_ ? lastActive_ : MainForm();
  if (f && IsWindowVisible(f->Handle()) && IsWindowEnabled(f->Handle()))
    SetForegroundWindow(f->Handle());
}

void TApplication::UpdateVisible() {
  if (!handle_ || destroying_) return;
  bool any = std::any_of(forms_.begin(), forms_.end(),
                         [](const Owned& o) { return o.form->Visible(); });
  bool button = any || (Minimized() && trayIconsShown_ == 0);
  if (button && !IsWindowVisible(handle_))
    ShowWindow(handle_, SW_SHOWNA);
  else if (!button && IsWindowVisible(handle_))
    ShowWindow(handle_, SW_HIDE);
}

void TApplication::NoteTrayIcon(bool shown) {
  trayIconsShown_ += shown ? 1 : -1;
  // A lost icon may leave a minimised program nothing to come back by; an icon
  // that comes (back) leaves the button as it is, as a minimised start has it.
  if (!shown) UpdateVisible();
}

LRESULT CALLBACK TApplication::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (!self->handle_) self->handle_ = hwnd;
  try {
    return self->WndProc(msg, wp, lp);
  } catch (const std::exception& e) {
    self->HandleException(e);
  }
  return 0;
}

LRESULT TApplication::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SYSCOMMAND:
      switch (wp & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return 0;
        case SC_RESTORE:
          // Restored from the taskbar: the user wants the program back.
          Restore();
          if (TForm* main = MainForm(); main && !main->Visible()) main->Show();
          BringToFront();
          return 0;
        case SC_CLOSE:
          if (TForm* main = MainForm()) main->Close();
          return 0;
      }
      break;
    case WM_SETFOCUS:
      // Activation of the application goes to its most recently active form.
      if (TForm* f = lastActive_ ? lastActive_ : MainForm();
          f && IsWindowVisible(f->Handle()) && IsWindowEnabled(f->Handle())) {
        ::SetFocus(f->Handle());
        return 0;
      }
      break;
    case WM_CLOSE:
      if (TForm* main = MainForm()) main->Close();
      return 0;
  }
  return DefWindowProcW(handle_, msg, wp, lp);
}

}  // namespace ui
