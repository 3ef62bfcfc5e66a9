#include "ui/TrayIcon.h"

#include <stdexcept>
#include <utility>

#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/Text.h"

namespace ui {

namespace shell {
namespace {
BOOL SystemNotifyIcon(DWORD message, NOTIFYICONDATAW* data) {
  return Shell_NotifyIconW(message, data);
}
}  // namespace
NotifyIconFunction notifyIconFunction = SystemNotifyIcon;
}  // namespace shell

namespace {
constexpr wchar_t kClass[] = L"TRxTrayIcon";
constexpr UINT_PTR kRetryTimer = 1;
// A refused icon is asked for again after 1, 2, 4 and 8 seconds: a shell that is
// still starting, or busy, usually takes it within that time.
constexpr int kRetries = 4;
constexpr UINT kFirstRetryDelay = 1000;
UINT nextId = 1;

TShiftState ShiftWith(TShiftState button) {
  if (GetKeyState(VK_SHIFT) < 0) button |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) button |= MK_CONTROL;
  return button;
}
}  // namespace

std::wstring TRxTrayIcon::TipOf(std::wstring_view hint) {
  hint = hint.substr(0, hint.find(L'|'));
  if (hint.size() > 63) {
    size_t n = 63;
    if (IS_HIGH_SURROGATE(hint[n - 1])) --n;  // never half a character
    hint = hint.substr(0, n);
  }
  return std::wstring(hint);
}

// The icon's own window: hidden, top-level (the shell's "TaskbarCreated" is
// broadcast to top-level windows only) and unowned, so that minimising the
// application leaves it alone.
TRxTrayIcon::TRxTrayIcon() : id_(nextId++) {
  RegisterWindowClass(kClass, Proc);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  handle_ = CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (!handle_) throw std::runtime_error("Cannot create the notification icon's window");
}

TRxTrayIcon::~TRxTrayIcon() {
  if (active_) Remove();
  DestroyWindow(handle_);
}

void TRxTrayIcon::Load(const Props& props, TForm& owner, TWinControl* parent) {
  TComponent::Load(props, owner, parent);
  Hint = props.hint ? Widen(props.hint) : std::wstring();
  if (props.icon) {
    int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    Icon = HICON(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(props.icon), IMAGE_ICON, cx, cy,
                            LR_SHARED));
  }
  if (props.popupMenu) {
    PopupMenu = dynamic_cast<TPopupMenu*>(owner.FindComponent(props.popupMenu));
    if (!PopupMenu) throw std::logic_error(std::string("Unknown popup menu: ") + props.popupMenu);
  }
  Enabled = props.enabled;
  SetActive(props.visible);
}

void TRxTrayIcon::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active)
    Add();
  else
    Remove();
}

NOTIFYICONDATAW TRxTrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW d{};
  d.cbSize = sizeof d;
  d.hWnd = handle_;
  d.uID = id_;
  d.uFlags = flags;
  d.uCallbackMessage = CallbackMessage;
  d.hIcon = Icon;
  std::wstring tip = TipOf(Hint);
  wcsncpy(d.szTip, tip.c_str(), std::size(d.szTip) - 1);
  return d;
}

bool TRxTrayIcon::TryAdd() {
  NOTIFYICONDATAW d = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  if (shell::notifyIconFunction(NIM_ADD, &d)) return true;
  // The shell may hold it already (an add that timed out but went through, or a
  // "TaskbarCreated" from a shell that kept its icons): then bring it up to date.
  return shell::notifyIconFunction(NIM_MODIFY, &d);
}

void TRxTrayIcon::Add() {
  KillTimer(handle_, kRetryTimer);
  retriesLeft_ = kRetries;
  retryDelay_ = kFirstRetryDelay;
  if (TryAdd()) {
    SetShown(true);
  } else {
    SetShown(false);
    ScheduleRetry();
  }
}

void TRxTrayIcon::ScheduleRetry() {
  if (retriesLeft_ <= 0) return;
  --retriesLeft_;
  SetTimer(handle_, kRetryTimer, retryDelay_, nullptr);
  retryDelay_ *= 2;
}

void TRxTrayIcon::Remove() {
  KillTimer(handle_, kRetryTimer);
  NOTIFYICONDATAW d = Data(0);
  shell::notifyIconFunction(NIM_DELETE, &d);
  SetShown(false);
}

void TRxTrayIcon::SetShown(bool shown) {
  if (shown == shown_) return;
  shown_ = shown;
  if (Application) Application->NoteTrayIcon(shown);
}

bool TRxTrayIcon::MenuCanOpen() const { return PopupMenu && PopupMenu->AutoPopup && active_; }

// The shell reports presses, releases and double-clicks over the icon; a click
// is a press and a release of the same button.
void TRxTrayIcon::MouseAction(UINT mouseMsg) {
  if (!Enabled || (PopupMenu && PopupMenu->Tracking())) return;
  POINT pt{};
  switch (mouseMsg) {
    case WM_LBUTTONDOWN:
      pressed_ = Pressed::Left;
      break;
    case WM_RBUTTONDOWN:
      pressed_ = Pressed::Right;
      break;
    case WM_MBUTTONDOWN:
      pressed_ = Pressed::Middle;
      break;
    case WM_LBUTTONUP:
      if (std::exchange(pressed_, Pressed::None) != Pressed::Left || !OnClick) break;
      GetCursorPos(&pt);
      OnClick(this, TMouseButton::mbLeft, ShiftWith(MK_LBUTTON), pt.x, pt.y);
      break;
    case WM_RBUTTONUP:
      if (std::exchange(pressed_, Pressed::None) != Pressed::Right) break;
      GetCursorPos(&pt);
      if (MenuCanOpen()) {
        // Foreground first, or the menu would stay open when the user clicks elsewhere.
        SetForegroundWindow(handle_);
        PopupMenu->Popup(pt.x, pt.y, handle_);
      } else if (OnClick) {
        OnClick(this, TMouseButton::mbRight, ShiftWith(MK_RBUTTON), pt.x, pt.y);
      }
      break;
    case WM_LBUTTONDBLCLK:
      // Comes after the click of its first press; its own release makes no click.
      pressed_ = Pressed::None;
      if (TMenuItem* item = PopupMenu ? PopupMenu->DefaultItem() : nullptr)
        item->Click();
      else if (OnDblClick)
        OnDblClick(this);
      break;
    case WM_MBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      pressed_ = Pressed::None;
      break;
  }
}

LRESULT CALLBACK TRxTrayIcon::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  auto* self = reinterpret_cast<TRxTrayIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self || !self->handle_) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  // Handlers run from here; what they throw is reported, and the icon goes on.
  try {
    return self->WndProc(msg, wp, lp);
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
  } catch (...) {
    if (Application) Application->HandleException(std::runtime_error("Unknown error"));
  }
  return 0;
}

LRESULT TRxTrayIcon::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == CallbackMessage) {
    if (wp == id_) MouseAction(UINT(lp));
    return 0;
  }
  if (msg == taskbarCreated_ && taskbarCreated_) {
    // The shell has made its notification area anew, without our icon.
    if (active_) Add();
    return 0;
  }
  switch (msg) {
    case WM_TIMER:
      if (wp != kRetryTimer) break;
      KillTimer(handle_, kRetryTimer);
      if (active_ && !shown_) {
        if (TryAdd())
          SetShown(true);
        else
          ScheduleRetry();
      }
      return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (LRESULT r = 0; PopupMenu && PopupMenu->OwnerMessage(msg, wp, lp, r)) return r;
      break;
    case WM_ENDSESSION:
      // The session ends and the process with it, without unwinding.
      if (wp && active_) Remove();
      return 0;
  }
  return DefWindowProcW(handle_, msg, wp, lp);
}

}  // namespace ui
