#pragma once
// Forms built from window descriptions, and the application object that owns
// them, runs the message loop and stands for the program on the taskbar.
#include <windows.h>

#include <map>
#include <memory>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Controls.h"

namespace ui {

class TBitBtn;

// One line of a window description: which member of the form it loads, its
// settings, and the form's handlers for its events. Handlers are member-function
// pointers, so a binding to a missing or wrongly typed handler does not compile.
template <class F>
struct Entry {
  TComponent& (*member)(F&);
  Props props;
  void (F::*onClick)(TObject*) = nullptr;
  void (F::*onMouseClick)(TObject*, TMouseButton, TShiftState, int, int) = nullptr;
};

template <class F>
struct FormDescription {
  FormProps form;
  std::span<const Entry<F>> controls;
  void (F::*onCreate)(TObject*) = nullptr;
};

template <class T> struct MemberTraits;
template <class C, class V> struct MemberTraits<V C::*> {
  using Class = C;
};
// Field<&TMainForm::MolBox>: the description's way to name a member control.
template <auto M>
TComponent& Field(typename MemberTraits<decltype(M)>::Class& form) {
  return form.*M;
}

class TForm : public TCustomControl {
 public:
  TForm();
  ~TForm() override;

  // Makes the window from the description, then its components in order, then
  // runs the creation handler.
  template <class F>
  void LoadDescription(F& self, const FormDescription<F>& d) {
    CreateFormWindow(d.form);
    for (const Entry<F>& e : d.controls) {
      TComponent& c = e.member(self);
      c.Load(e.props, *this, ResolveParent(e.props.parent));
      Register(c);
      if (e.onClick) c.SetOnClick([&self, h = e.onClick](TObject* s) { (self.*h)(s); });
      if (e.onMouseClick)
        c.SetOnMouseClick([&self, h = e.onMouseClick](TObject* s, TMouseButton b, TShiftState sh,
                                                       int x, int y) { (self.*h)(s, b, sh, x, y); });
    }
    AfterLoad();
    if (d.onCreate) (self.*d.onCreate)(this);
  }

  // The form's visible flag: set by Show, cleared by Hide, whatever the system
  // does to the window while the application is minimised.
  bool Visible() const { return visible_; }
  void Show();
  void Hide();
  // Puts the window at the top of its stacking group and activates it, without
  // moving it or restoring it when it is minimised.
  void BringToFront();
  // Shows the window with a show command of the process start (normal, maximised).
  void ShowWithCommand(int cmd);
  int ShowModal();
  int ModalResult = mrNone;
  bool Modal() const { return modal_; }
  void Close();

  TComponent* FindComponent(std::string_view name) const;
  TBitBtn* DefaultButton = nullptr;
  TWinControl* ActiveControl() const;

  // Keyboard handling that a form does for all of its controls: Tab and
  // Shift+Tab by tab order, Ctrl+Tab between pages, Enter for the focused or
  // default button. True when the key was used.
  bool DialogKey(const MSG& msg);
  std::vector<TWinControl*> TabList() const;
  void SelectNext(bool forward);

  // Scaling: real text height of the window font against the 13 it was laid out with.
  int ScaleValue(int v) const { return MulDiv(v, textHeight_, 13); }
  int TextHeight() const { return textHeight_; }
  // When set, forms made afterwards take this text height instead of measuring
  // the screen's (to try other resolutions).
  static inline int TextHeightOverride = 0;
  HFONT WindowFont() const { return font_.get(); }
  HFONT MakeFont(const FontDesc& desc) const;

  void AddHint(TControl& control);
  // The hint follows a control that has changed its size or place.
  void MoveHint(const TControl& control);
  HWND HintWindow() const { return hint_; }

  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 protected:
  void CreateFormWindow(const FormProps& p);
  TWinControl* ResolveParent(const char* name) const;
  void Register(TComponent& c);
  virtual void AfterLoad();

 private:
  void OnActivate(bool active);
  void FocusFirst();
  std::map<std::string, TComponent*, std::less<>> components_;
  Font font_;
  int textHeight_ = 13;
  HWND hint_ = nullptr;
  HWND savedFocus_ = nullptr;
  bool modal_ = false;
  UINT_PTR nextToolId_ = 1;
  std::map<const TControl*, UINT_PTR> hintRects_;  // the hint tool over each control's place
};

class TApplication : public TObject {
 public:
  TApplication();
  ~TApplication() override;
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  void Initialize();
  const std::wstring& Title() const { return title_; }
  void SetTitle(std::wstring_view title);
  HWND Handle() const { return handle_; }
  HICON Icon() const { return icon_; }

  // Creates a form; the variable is set before the form's construction begins,
  // and cleared when the form is destroyed. The first form is the main form.
  template <class F>
  void CreateForm(F*& ref) {
    void* mem = ::operator new(sizeof(F));
    ref = static_cast<F*>(mem);
    F* form;
    try {
      form = new (mem) F();
    } catch (...) {
      ref = nullptr;
      ::operator delete(mem);
      throw;
    }
    Adopt(std::unique_ptr<TForm>(form), reinterpret_cast<void**>(&ref));
  }
  TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().form.get(); }
  const std::vector<TForm*> Forms() const;

  // Shows the main form as the process was started (normal, maximised or
  // minimised) and processes messages until the main form closes.
  void Run();
  // The first step of Run: the main form shown as the process was started.
  void ShowMainForm();
  // The start-up show command; tests may set it before Run.
  int StartupShowCommand() const;
  int ShowCommandOverride = -1;

  bool Terminated() const { return terminated_; }
  void Terminate();
  // Handles one message: form keys first, then the usual translation and dispatch.
  void ProcessMessage(MSG& msg);
  // Handles every message waiting, then returns.
  void ProcessMessages();
  // Reports an exception that escaped a handler: by OnException when set,
  // otherwise in an error message box titled with the application's title.
  void HandleException(const std::exception& e);
  std::function<void(const std::exception&)> OnException;

  void Minimize();
  void Restore();
  void BringToFront();
  bool Minimized() const;
  TNotifyEvent OnMinimize;

  // Shows the taskbar button while some form has its visible flag set, or while
  // the application is minimised and no notification icon stands for it (so the
  // user can always get back to the program).
  void UpdateVisible();
  // Notification icons report here whether the shell shows them.
  void NoteTrayIcon(bool shown);
  void NoteActive(TForm* form) { lastActive_ = form; }
  TForm* LastActive() const { return lastActive_; }

  // Destroys the forms, last created first.
  void DestroyForms();

 private:
  struct Owned {
    std::unique_ptr<TForm> form;
    void** ref;
  };
  void Adopt(std::unique_ptr<TForm> form, void** ref);
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  std::vector<Owned> forms_;
  std::wstring title_;
  HWND handle_ = nullptr;
  HICON icon_ = nullptr;
  TForm* lastActive_ = nullptr;
  bool terminated_ = false;
  bool destroying_ = false;
  int trayIconsShown_ = 0;
};

// The one application object of the process (null when there is none).
extern TApplication* Application;

// Program resources: the module that holds the icon, pictures and glyphs.
HINSTANCE ResourceModule();

}  // namespace ui
