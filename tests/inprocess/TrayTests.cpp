// The icon in the notification area: minimising into it, coming back from it,
// its menu, and what happens when the shell loses or refuses the icon. The
// shell's reports are posted to the icon's window as the shell itself sends them.
#include <atomic>
#include <string>
#include <thread>

#include "tests/inprocess/AppFixture.h"

using namespace ui;

namespace {

bool HasTaskbarButton() {
  HWND app = Application->Handle();
  return IsWindowVisible(app) && !GetWindow(app, GW_OWNER);
}

bool ShellHasIcon() {
  return test::ShellHasIcon(MainForm->TrayIcon.Handle(), MainForm->TrayIcon.Id());
}

// What the shell reports of the user's mouse over the icon, one message each.
void Report(std::initializer_list<UINT> mouse) {
  for (UINT m : mouse)
    PostMessageW(MainForm->TrayIcon.Handle(), TRxTrayIcon::CallbackMessage, MainForm->TrayIcon.Id(),
                 m);
  test::Pump(100);
}
const std::initializer_list<UINT> LeftClick = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP};
const std::initializer_list<UINT> RightClick = {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP};

void BroadcastTaskbarCreated() {
  PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

void MinimiseIntoTray() {
  SendMessageW(MainForm->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  test::Pump();
}

// A hand on the keyboard from another thread: each time one of our menus opens,
// it notes what it sees and presses keys in it: the given ones in the first
// menu, Escape in any later one.
class MenuHand {
 public:
  explicit MenuHand(std::vector<UINT> keys) : keys_(std::move(keys)), thread_([this] { Run(); }) {}
  ~MenuHand() { Stop(); }
  // Takes the hand away; what it saw can be read from then on.
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  int opened = 0;
  RECT rect{};
  HWND foreground = nullptr;

 private:
  static HWND VisibleMenu() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
          wchar_t cls[16];
          DWORD pid = 0;
          GetWindowThreadProcessId(h, &pid);
          if (pid == GetCurrentProcessId() && IsWindowVisible(h) && GetClassNameW(h, cls, 16) &&
              wcscmp(cls, L"#32768") == 0) {
            *reinterpret_cast<HWND*>(lp) = h;
            return FALSE;
          }
          return TRUE;
        },
        LPARAM(&found));
    return found;
  }
  void Run() {
    bool wasOpen = false;
    while (!stop_) {
      HWND menu = VisibleMenu();
      if (menu && !wasOpen) {
        if (opened++ == 0) {
          GetWindowRect(menu, &rect);
          foreground = GetForegroundWindow();
        }
        Sleep(100);
        for (UINT k : opened == 1 ? keys_ : std::vector<UINT>{VK_ESCAPE}) {
          PostMessageW(menu, WM_KEYDOWN, k, 1);
          PostMessageW(menu, WM_KEYUP, k, 0xC0000001);
          Sleep(30);
        }
      }
      wasOpen = menu != nullptr;
      Sleep(10);
    }
  }
  std::vector<UINT> keys_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Counts the handlers as they run, each then doing what it did before.
struct Watch {
  int tray = 0, tabulo = 0, help = 0, minimize = 0;
  TMouseButton button{};
  TShiftState shift = 0;
  void Install() {
    TMainForm& f = *MainForm;
    f.TrayIcon.OnClick = [this, h = f.TrayIcon.OnClick](TObject* s, TMouseButton b, TShiftState sh,
                                                        int x, int y) {
      ++tray;
      button = b;
      shift = sh;
      h(s, b, sh, x, y);
    };
    f.Tabulo1.OnClick = [this, h = f.Tabulo1.OnClick](TObject* s) { ++tabulo, h(s); };
    f.Help1.OnClick = [this, h = f.Help1.OnClick](TObject* s) { ++help, h(s); };
    Application->OnMinimize = [this, h = Application->OnMinimize](TObject* s) { ++minimize, h(s); };
  }
};

// Stands between the program and the shell: records every request, and has
// the shell refuse them while told to.
struct ShellSpy {
  struct Request {
    DWORD message;
    HWND hwnd;
    UINT id;
    std::wstring tip;
    BOOL result;
  };
  static inline std::vector<Request> requests;
  static inline bool refuse = false;
  static BOOL Notify(DWORD message, NOTIFYICONDATAW* data) {
    BOOL result = refuse ? FALSE : Shell_NotifyIconW(message, data);
    requests.push_back({message, data->hWnd, data->uID, data->szTip, result});
    return result;
  }
  explicit ShellSpy(bool refusing = false) {
    requests.clear();
    refuse = refusing;
    shell::notifyIconFunction = Notify;
  }
  ~ShellSpy() {
    shell::notifyIconFunction = saved;
    refuse = false;
  }
  shell::NotifyIconFunction saved = shell::notifyIconFunction;
};

}  // namespace

using Tray = AppFixture;

TEST_F(Tray, MouseActionsOnTheIconShowHideOrOpenAsTheyShould) {
  enum State { Shown, InTray };
  struct Case {
    const char* name;
    State state;
    std::initializer_list<UINT> mouse;
    std::vector<UINT> menuKeys;  // pressed in the menu, if one opens
    bool mainVisible, minimised;
    int tray, tabulo, help, menus;
  } cases[] = {
      {"left click in tray", InTray, LeftClick, {}, true, false, 1, 0, 0, 0},
      {"left click when shown", Shown, LeftClick, {}, true, false, 1, 0, 0, 0},
      // The double-click's first press and release make a click; its own
      // release makes none.
      {"double click in tray", InTray,
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}, {}, true, false, 1, 1, 0, 0},
      {"right click in tray", InTray, RightClick, {VK_ESCAPE}, false, true, 0, 0, 0, 1},
      {"right click when shown", Shown, RightClick, {VK_ESCAPE}, true, false, 0, 0, 0, 1},
      {"menu Tabulon in tray", InTray, RightClick, {VK_DOWN, VK_RETURN}, true, false, 0, 1, 0, 1},
      {"menu Help in tray", InTray, RightClick, {VK_DOWN, VK_DOWN, VK_RETURN},
       false, true, 0, 0, 1, 1},
      {"release without press", InTray, {WM_MOUSEMOVE, WM_LBUTTONUP}, {}, false, true, 0, 0, 0, 0},
      {"press elsewhere, release here", InTray, {WM_RBUTTONDOWN, WM_LBUTTONUP}, {},
       false, true, 0, 0, 0, 0},
      {"middle click", InTray, {WM_MBUTTONDOWN, WM_MBUTTONUP}, {}, false, true, 0, 0, 0, 0},
      {"pointer moves", InTray, {WM_MOUSEMOVE, WM_MOUSEMOVE}, {}, false, true, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    Watch watch;
    watch.Install();
    if (c.state == InTray) {
      MinimiseIntoTray();
      ASSERT_FALSE(IsWindowVisible(MainForm->Handle()));
      ASSERT_FALSE(HasTaskbarButton());
    }
    SetCursorPos(300, 300);
    {
      MenuHand hand(c.menuKeys);
      Report(c.mouse);
      test::Pump(200);
      hand.Stop();
      EXPECT_EQ(hand.opened, c.menus);
      if (hand.opened) {
        // At the pointer, the icon's own window in front, the main window not.
        EXPECT_EQ(hand.rect.left, 300);
        EXPECT_EQ(hand.rect.top, 300);
        EXPECT_EQ(hand.foreground, MainForm->TrayIcon.Handle());
      }
    }
    test::Pump();
    EXPECT_EQ(MainForm->Visible(), c.mainVisible);
    EXPECT_EQ(bool(IsWindowVisible(MainForm->Handle())), c.mainVisible);
    EXPECT_EQ(Application->Minimized(), c.minimised);
    EXPECT_EQ(HasTaskbarButton(), c.mainVisible || HelpBox->Visible()) << "while some window is meant to be seen";
    EXPECT_EQ(watch.tray, c.tray);
    EXPECT_EQ(watch.tabulo, c.tabulo);
    EXPECT_EQ(watch.help, c.help);
    EXPECT_EQ(watch.minimize, c.state == InTray ? 1 : 0);
    if (watch.tray) {
      EXPECT_EQ(watch.button, TMouseButton::mbLeft);
      EXPECT_TRUE(watch.shift & MK_LBUTTON);
    }
    if (c.tray + c.tabulo > 0) {  // the restore sequence ran
      EXPECT_TRUE(test::WaitFor([] { return GetForegroundWindow() == MainForm->Handle(); }, 2000));
    }
    EXPECT_TRUE(errors.empty());
  }
}

TEST_F(Tray, TheIconAndItsMenuAreAsLaidOut) {
  TMainForm& f = *MainForm;
  EXPECT_TRUE(f.TrayIcon.Shown());
  EXPECT_TRUE(ShellHasIcon());
  EXPECT_EQ(f.TrayIcon.PopupMenu, &f.PopupMenu);
  EXPECT_EQ(f.PopupMenu.Images, &f.ImageList);
  HMENU menu = f.PopupMenu.Handle();
  ASSERT_EQ(GetMenuItemCount(menu), 4);
  const wchar_t* captions[] = {L"Tabulon", L"Help", L"", L"Exit"};
  for (int i = 0; i < 4; ++i) {
    wchar_t text[32] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_BITMAP | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = 32;
    ASSERT_TRUE(GetMenuItemInfoW(menu, UINT(i), TRUE, &mi));
    EXPECT_STREQ(text, captions[i]);
    EXPECT_EQ(bool(mi.fType & MFT_SEPARATOR), i == 2) << i;
    EXPECT_FALSE(mi.fState & MFS_DISABLED) << i;
    EXPECT_EQ(mi.hbmpItem, i == 2 ? nullptr : HBMMENU_CALLBACK) << i;
  }
  EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 0u) << "Tabulon, drawn in bold";

  // The pictures leave their background out: drawn on a colour, the corners keep it.
  ASSERT_EQ(f.ImageList.Count(), 3);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(f.ImageList.Handle(), &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
  MemoryDC dc(nullptr);
  Bitmap canvas(CreateBitmap(16, 16, 1, 32, nullptr));
  SelectScope sel(dc, canvas.get());
  const COLORREF paper = RGB(1, 200, 3);
  for (int i = 0; i < 3; ++i) {
    Brush brush(CreateSolidBrush(paper));
    RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush.get());
    f.ImageList.Draw(dc, 0, 0, i);
    EXPECT_EQ(GetPixel(dc, 0, 15), paper) << i;
    EXPECT_EQ(GetPixel(dc, 15, 0), paper) << i;
    int painted = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) painted += GetPixel(dc, x, y) != paper;
    EXPECT_GT(painted, 40) << "picture " << i << " is there";
  }
}

TEST_F(Tray, TheTooltipIsTheHintUpToItsBarAndAtMost63Characters) {
  struct Case {
    const char* hint;
    std::wstring tip;
  } cases[] = {
      {"Tabulon", L"Tabulon"},
      {"Tabulon|The long help text", L"Tabulon"},
      {"|nothing before the bar", L""},
      {"", L""},
  };
  std::string longHint(70, 'a'), emojiHint = std::string(62, 'b') + "\xF0\x9F\x98\x80";
  ShellSpy spy;
  auto tipFor = [](const char* hint) {
    ShellSpy::requests.clear();
    TRxTrayIcon icon;
    icon.Load(Props{.name = "Probe", .hint = hint}, *MainForm, nullptr);
    const auto& r = ShellSpy::requests;
    return r.size() == 1 && r[0].message == NIM_ADD ? r[0].tip : L"<not one add>";
  };
  for (const Case& c : cases) EXPECT_EQ(tipFor(c.hint), c.tip) << c.hint;
  EXPECT_EQ(tipFor(longHint.c_str()), std::wstring(63, L'a'));
  // A character of two UTF-16 units that would be cut in half is left out.
  EXPECT_EQ(tipFor(emojiHint.c_str()), std::wstring(62, L'b'));
}

TEST_F(Tray, MinimisingWithTheHelpWindowOpenKeepsTheButtonAndBringsHelpBack) {
  Watch watch;
  watch.Install();
  HelpBox->Show();
  test::Pump();
  MinimiseIntoTray();
  EXPECT_EQ(watch.minimize, 1);
  EXPECT_FALSE(MainForm->Visible());
  EXPECT_TRUE(HelpBox->Visible()) << "keeps its flag";
  EXPECT_FALSE(IsWindowVisible(HelpBox->Handle())) << "out of sight with the application";
  EXPECT_TRUE(Application->Minimized());
  EXPECT_TRUE(HasTaskbarButton());
  // Minimising what is minimised already raises no second event.
  SendMessageW(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  test::Pump();
  EXPECT_EQ(watch.minimize, 1);

  Report(LeftClick);
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
  EXPECT_TRUE(IsWindowVisible(HelpBox->Handle()));
  EXPECT_FALSE(Application->Minimized());

  // The Help window's own minimise box minimises it alone.
  SendMessageW(HelpBox->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  test::Pump();
  EXPECT_EQ(watch.minimize, 1);
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
  EXPECT_FALSE(Application->Minimized());
}

TEST_F(Tray, AMinimisedStartShowsOnlyTheIconAndAMinimisedButton) {
  TearDown();
  Start(SW_SHOWMINIMIZED);
  EXPECT_TRUE(ShellHasIcon());
  EXPECT_FALSE(IsWindowVisible(MainForm->Handle()));
  EXPECT_FALSE(MainForm->Visible());
  EXPECT_TRUE(Application->Minimized());
  EXPECT_TRUE(HasTaskbarButton());
  Report(LeftClick);
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
  EXPECT_FALSE(IsIconic(MainForm->Handle()));
  EXPECT_FALSE(Application->Minimized());
  EXPECT_TRUE(HasTaskbarButton());
}

TEST_F(Tray, ExitFromTheTrayWhileHiddenEndsTheProgramAndRemovesTheIcon) {
  MinimiseIntoTray();
  HWND icon = MainForm->TrayIcon.Handle();
  UINT id = MainForm->TrayIcon.Id();
  ASSERT_TRUE(test::ShellHasIcon(icon, id));
  ShellSpy spy;
  {
    MenuHand hand({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    Report(RightClick);
    EXPECT_TRUE(test::WaitFor([] { return Application->Terminated(); }, 5000));
  }
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the loop's end, taken
  TearDown();  // the program ends: its windows go
  EXPECT_FALSE(test::ShellHasIcon(icon, id));
  // Wine also drops the icons of a window that goes, so look at the request itself.
  ASSERT_EQ(ShellSpy::requests.size(), 1u);
  EXPECT_EQ(ShellSpy::requests[0].message, DWORD(NIM_DELETE));
  EXPECT_EQ(ShellSpy::requests[0].hwnd, icon);
  EXPECT_EQ(ShellSpy::requests[0].id, id);
  EXPECT_TRUE(ShellSpy::requests[0].result);
}

TEST_F(Tray, TheIconComesBackWhenTheShellMakesItsNotificationAreaAnew) {
  MinimiseIntoTray();
  // The shell forgets the icon, as a restarted shell does.
  NOTIFYICONDATAW d{};
  d.cbSize = sizeof d;
  d.hWnd = MainForm->TrayIcon.Handle();
  d.uID = MainForm->TrayIcon.Id();
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &d));
  ASSERT_FALSE(ShellHasIcon());
  BroadcastTaskbarCreated();
  EXPECT_TRUE(test::WaitFor([] { return ShellHasIcon(); }, 3000));
  // And it still brings the window back.
  Report(LeftClick);
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
  EXPECT_FALSE(Application->Minimized());
}

TEST_F(Tray, WithoutItsIconTheProgramKeepsATaskbarButtonToComeBackBy) {
  TearDown();
  ShellSpy shell(true);
  Start(SW_SHOWNORMAL);
  EXPECT_FALSE(MainForm->TrayIcon.Shown());
  // Minimised, the main window is not hidden: a minimised program with its button.
  MinimiseIntoTray();
  EXPECT_TRUE(Application->Minimized());
  EXPECT_TRUE(MainForm->Visible());
  EXPECT_TRUE(HasTaskbarButton());
  SendMessageW(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);  // the button, clicked
  test::Pump();
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
  EXPECT_FALSE(Application->Minimized());

  // The shell takes the icon a little later: it is asked again.
  ShellSpy::refuse = false;
  EXPECT_TRUE(test::WaitFor([] { return MainForm->TrayIcon.Shown() && ShellHasIcon(); }, 5000));
  MinimiseIntoTray();
  EXPECT_FALSE(HasTaskbarButton());

  // Hidden in the tray, the icon is lost and the new shell refuses it: the
  // minimised button comes back, and the icon too once the shell takes it.
  ShellSpy::refuse = true;
  BroadcastTaskbarCreated();
  EXPECT_TRUE(test::WaitFor([] { return HasTaskbarButton(); }, 3000));
  EXPECT_TRUE(IsIconic(Application->Handle()));
  EXPECT_FALSE(IsWindowVisible(MainForm->Handle()));
  ShellSpy::refuse = false;
  EXPECT_TRUE(test::WaitFor([] { return MainForm->TrayIcon.Shown() && ShellHasIcon(); }, 5000));
  SendMessageW(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  test::Pump();
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
}

TEST_F(Tray, AHandlerThatThrowsIsReportedAndTheIconGoesOn) {
  MainForm->TrayIcon.OnClick = [](TObject*, TMouseButton, TShiftState, int, int) {
    throw std::runtime_error("Broken");
  };
  Report(LeftClick);
  ASSERT_EQ(errors, std::vector<std::string>{"Broken"});
  MainForm->TrayIcon.OnClick = [](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    MainForm->TrayIconClick(s, b, sh, x, y);
  };
  MinimiseIntoTray();
  Report(LeftClick);
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
  EXPECT_TRUE(ShellHasIcon());
}

TEST_F(Tray, WithNoMenuToOpenARightClickIsAClick) {
  Watch watch;
  watch.Install();
  MainForm->TrayIcon.PopupMenu = nullptr;
  MinimiseIntoTray();
  Report(RightClick);
  EXPECT_EQ(watch.tray, 1);
  EXPECT_EQ(watch.button, TMouseButton::mbRight);
  EXPECT_TRUE(watch.shift & MK_RBUTTON);
  EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
}
