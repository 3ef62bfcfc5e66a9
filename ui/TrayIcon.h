#pragma once
// The program's icon in the notification area of the taskbar, with its tooltip,
// its popup menu and its mouse actions.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "ui/Controls.h"

namespace ui {

namespace shell {
// Shell_NotifyIconW; tests may replace it to watch the requests or to have the
// shell refuse them.
using NotifyIconFunction = BOOL (*)(DWORD message, NOTIFYICONDATAW* data);
extern NotifyIconFunction notifyIconFunction;
}  // namespace shell

class TPopupMenu;

class TRxTrayIcon : public TComponent {
 public:
  TRxTrayIcon();
  ~TRxTrayIcon() override;
  // Takes the hint, the icon, the menu (by name), Active from the description's
  // visible and Enabled from its enabled; an active icon is added at once.
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  void SetOnMouseClick(TMouseEvent handler) override { OnClick = std::move(handler); }

  std::wstring Hint;
  HICON Icon = nullptr;
  TPopupMenu* PopupMenu = nullptr;
  bool Enabled = true;  // mouse actions on the icon are handled
  TMouseEvent OnClick;
  TNotifyEvent OnDblClick;  // runs only when the menu has no default item to run

  bool Active() const { return active_; }
  void SetActive(bool active);
  // The shell shows the icon now (an active icon may be refused for a while).
  bool Shown() const { return shown_; }

  // The icon's own hidden window, which the shell reports mouse actions to.
  HWND Handle() const { return handle_; }
  UINT Id() const { return id_; }
  static constexpr UINT CallbackMessage = WM_APP + 0x300;

  // The tooltip a hint gives: the text before the first "|", at most 63 characters.
  static std::wstring TipOf(std::wstring_view hint);

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  void MouseAction(UINT mouseMsg);
  bool MenuCanOpen() const;
  NOTIFYICONDATAW Data(UINT flags) const;
  // Asks the shell for the icon; on refusal tries again a few times.
  void Add();
  bool TryAdd();
  void ScheduleRetry();
  void Remove();
  void SetShown(bool shown);

  enum class Pressed { None, Left, Right, Middle };
  HWND handle_ = nullptr;
  UINT id_ = 0;
  UINT taskbarCreated_ = 0;
  bool active_ = false;
  bool shown_ = false;
  bool inMenu_ = false;
  Pressed pressed_ = Pressed::None;
  int retriesLeft_ = 0;
  UINT retryDelay_ = 0;
};

}  // namespace ui
