// The About window: its controls, its modal showing from the About... button,
// the ways it closes, and what its links ask of the shell.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <utility>

#include "tests/inprocess/AppFixture.h"
#include "ui/Shell.h"
#include "ui/Text.h"

using namespace ui;

namespace {

// ------------------------------------------------------ the modal showing

std::function<void()> whileOpen;

void CALLBACK RunWhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (auto f = std::exchange(whileOpen, nullptr)) f();
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (AboutBox && AboutBox->Modal()) {
    ADD_FAILURE() << "the About window did not close";
    AboutBox->ModalResult = mrCancel;
  }
}

// Presses About... and, from inside the window's modal loop, runs `inside`,
// which ends by closing the window one way or another. Returns when the
// button's handler has returned.
void WithAboutOpen(std::function<void()> inside) {
  whileOpen = std::move(inside);
  SetTimer(nullptr, 0, 10, RunWhileOpen);
  UINT_PTR dog = SetTimer(nullptr, 0, 20000, Watchdog);
  SendMessageW(MainForm->AboutButton.Handle(), BM_CLICK, 0, 0);
  KillTimer(nullptr, dog);
  if (std::exchange(whileOpen, nullptr)) ADD_FAILURE() << "the About window never ran its loop";
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// ------------------------------------------------------ the shell, watched

struct Request {
  HWND owner;
  std::wstring verb, file, parameters, directory;
  int show;
  bool operator==(const Request&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Request& r) {
  return os << "{owner " << r.owner << ", " << ToUtf8(r.verb) << ", " << ToUtf8(r.file) << ", \""
            << ToUtf8(r.parameters) << "\", \"" << ToUtf8(r.directory) << "\", " << r.show << "}";
}

// Takes the place of the system's shell for as long as it lives.
class ShellWatch {
 public:
  static inline std::vector<Request> requests;
  ShellWatch() {
    requests.clear();
    shell::openFunction = Record;
  }
  ~ShellWatch() { shell::openFunction = saved_; }

 private:
  static INT_PTR Record(HWND owner, const wchar_t* verb, const wchar_t* file,
                        const wchar_t* parameters, const wchar_t* directory, int show) {
    auto text = [](const wchar_t* s) { return s ? std::wstring(s) : std::wstring(L"(null)"); };
    requests.push_back({owner, text(verb), text(file), text(parameters), text(directory), show});
    return 2;  // as if nothing were there to open it: the program must not care
  }
  shell::OpenFunction saved_ = shell::openFunction;
};

Request Opened(const std::wstring& target) {
  return Request{MainForm->Handle(), L"open", target, L"", L"", SW_SHOW};
}


}  // namespace

using AboutWindow = AppFixture;

TEST_F(AboutWindow, ItsControlsStandWhereLaidOutWithTheirTextsFontsAndLinks) {
  TAboutBox& a = *AboutBox;
  struct Row {
    TControl* control;
    int left, top;
    const wchar_t* text;
    const wchar_t* face;  // nullptr: the window font
    int height;
    bool bold, underline, blue;
    BYTE charset;
  };
  const Row rows[] = {  // in creation order
      {&a.Bevel1, 120, 16},
      {&a.Image1, 8, 24},
      {&a.Label4, 168, 96, L"tabulon@example.org", L"MS Sans Serif", -11, false, true, true,
       RUSSIAN_CHARSET},
      {&a.Label5, 160, 120, L"http://tabulon.example.org/...", L"MS Sans Serif", -11, false, true,
       true, DEFAULT_CHARSET},
      {&a.RxLabel1, 128, 48, L"Version 1.14"},
      {&a.RxLabel2, 128, 72, L"(C) 2026 The Tabulon authors"},
      {&a.RxLabel3, 128, 96, L"E-mail:"},
      {&a.RxLabel4, 128, 120, L"Web:"},
      {&a.RxLabel5, 128, 24, L"Tabulon", L"Arial", -16, true, false, true, RUSSIAN_CHARSET},
      {&a.BitBtn1, 119, 162, L"OK"},
  };
  ASSERT_EQ(a.Controls.size(), std::size(rows));
  RECT bevel = a.Bevel1.BoundsRect();
  EXPECT_EQ(bevel, (RECT{120, 16, 305, 145}));
  EXPECT_EQ(a.Image1.BoundsRect(), (RECT{8, 24, 113, 121}));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    SCOPED_TRACE(r.control->Name);
    EXPECT_EQ(a.Controls[i], r.control) << "creation order";
    RECT rc = r.control->BoundsRect();
    EXPECT_EQ(rc.left, r.left);
    EXPECT_EQ(rc.top, r.top);
    if (auto* label = dynamic_cast<TLabel*>(r.control)) {
      EXPECT_EQ(label->Caption(), r.text);
      // Every label's text stays inside the frame.
      EXPECT_TRUE(rc.right < bevel.right - 1 && rc.bottom < bevel.bottom - 1) << rc;
      LOGFONTW lf{};
      GetObjectW(label->FontHandle(), sizeof lf, &lf);
      if (r.face) {
        EXPECT_STREQ(lf.lfFaceName, r.face);
        EXPECT_EQ(lf.lfHeight, r.height);
        EXPECT_EQ(lf.lfWeight >= FW_BOLD, r.bold);
        EXPECT_EQ(bool(lf.lfUnderline), r.underline);
        EXPECT_EQ(lf.lfCharSet, r.charset);
      } else {
        EXPECT_EQ(label->FontHandle(), a.WindowFont());
      }
      EXPECT_EQ(label->FontColor(), r.blue ? RGB(0, 0, 255) : GetSysColor(COLOR_WINDOWTEXT));
    }
  }
  // The OK button: below the frame, the only tab stop, the default button.
  RECT ok = test::RectInParent(a.BitBtn1.Handle());
  EXPECT_EQ(ok, (RECT{119, 162, 194, 187}));
  EXPECT_EQ(test::TextOf(a.BitBtn1.Handle()), L"OK");
  EXPECT_EQ(a.DefaultButton, &a.BitBtn1);
  EXPECT_EQ(a.BitBtn1.ModalResult, mrOk);

  // The hand over the links only, as the pointer moves over the window; each
  // place wants another cursor than the one before.
  a.Show();
  struct Over {
    TControl* control;
    LPCWSTR cursor;
  } overs[] = {{&a.Label4, IDC_HAND}, {&a.RxLabel3, IDC_ARROW}, {&a.Label5, IDC_HAND},
               {&a.Image1, IDC_ARROW}};
  for (const Over& o : overs) {
    POINT pt = Centre(o.control->BoundsRect());
    ClientToScreen(a.Handle(), &pt);
    HCURSOR wanted = LoadCursorW(nullptr, o.cursor);
    EXPECT_TRUE(test::WaitFor([pt, wanted] {
      // Under Wine a late pointer event from the X server can put the pointer
      // back where it was; move it again, as a hand would.
      POINT now;
      GetCursorPos(&now);
      if (now.x != pt.x || now.y != pt.y) SetCursorPos(pt.x, pt.y);
      return GetCursor() == wanted;
    }, 3000)) << o.control->Name;
  }
  a.Hide();

  // Hints over the two links and nowhere else, each over its label's place.
  std::vector<std::pair<std::wstring, RECT>> tools;
  int count = int(SendMessageW(a.HintWindow(), TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = {};
    TOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.lpszText = text;
    SendMessageW(a.HintWindow(), TTM_ENUMTOOLSW, WPARAM(i), LPARAM(&ti));
    tools.push_back({text, ti.rect});
  }
  EXPECT_EQ(tools, (std::vector<std::pair<std::wstring, RECT>>{
                       {L"Send notice and proposals...", a.Label4.BoundsRect()},
                       {L"Here's new program's versions...", a.Label5.BoundsRect()}}));
}

TEST_F(AboutWindow, WhileOpenTheOtherWindowsTakeNoInputAndEveryWayOfClosingGivesItBack) {
  HelpBox->Show();
  test::Pump();
  struct Way {
    const char* name;
    void (*close)();
    int result;
  } ways[] = {
      {"OK clicked", [] { test::ClickCentre(AboutBox->BitBtn1.Handle()); }, mrOk},
      {"Enter", [] { test::PressKey(GetFocus(), VK_RETURN); }, mrOk},
      {"close box", [] { PostMessageW(AboutBox->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }, mrCancel},
      {"Alt+F4", [] { PostMessageW(AboutBox->Handle(), WM_SYSKEYDOWN, VK_F4, 1 << 29); }, mrCancel},
  };
  for (const Way& w : ways) {
    SCOPED_TRACE(w.name);
    SetActiveWindow(MainForm->Handle());  // where the About... button is pressed
    WithAboutOpen([&] {
      HWND about = AboutBox->Handle();
      EXPECT_TRUE(IsWindowVisible(about));
      EXPECT_TRUE(IsWindowEnabled(about));
      EXPECT_EQ(GetActiveWindow(), about);
      EXPECT_EQ(GetFocus(), AboutBox->BitBtn1.Handle());
      EXPECT_FALSE(IsWindowEnabled(MainForm->Handle()));
      EXPECT_FALSE(IsWindowEnabled(HelpBox->Handle()));
      EXPECT_TRUE(IsWindowVisible(HelpBox->Handle())) << "it stays in sight, on top";
      // Escape is no way out: the window has no cancel button.
      test::PressKey(GetFocus(), VK_ESCAPE);
      test::Pump(200);
      EXPECT_TRUE(IsWindowVisible(about)) << "Escape closed it";
      EXPECT_EQ(AboutBox->ModalResult, mrNone);
      w.close();
    });
    EXPECT_FALSE(IsWindowVisible(AboutBox->Handle()));
    EXPECT_EQ(AboutBox->ModalResult, w.result);
    EXPECT_TRUE(IsWindowEnabled(MainForm->Handle()));
    EXPECT_TRUE(IsWindowEnabled(HelpBox->Handle()));
    EXPECT_EQ(GetActiveWindow(), MainForm->Handle());
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(AboutWindow, ItOpensAgainAsTheSameWindowWhereItWasLeftWithTheFocusOnOk) {
  HWND first = AboutBox->Handle();
  WithAboutOpen([] {
    RECT r = test::WindowRectOf(AboutBox->Handle());
    EXPECT_EQ(r.left, 286);
    EXPECT_EQ(r.top, 144);
    // The user drags it elsewhere and leaves the focus off the button.
    SetWindowPos(AboutBox->Handle(), nullptr, 431, 297, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetFocus(AboutBox->Handle());
    PostMessageW(AboutBox->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  WithAboutOpen([first] {
    EXPECT_EQ(AboutBox->Handle(), first);
    RECT r = test::WindowRectOf(AboutBox->Handle());
    EXPECT_EQ(r.left, 431);
    EXPECT_EQ(r.top, 297);
    RECT client;
    GetClientRect(AboutBox->Handle(), &client);
    EXPECT_EQ(client.right, 312);
    EXPECT_EQ(client.bottom, 198);
    EXPECT_EQ(GetFocus(), AboutBox->BitBtn1.Handle());
    test::PressKey(GetFocus(), VK_RETURN);
  });
  EXPECT_FALSE(IsWindowVisible(AboutBox->Handle()));
}

TEST_F(AboutWindow, TheLinksAskTheShellToOpenTheirTargetsForTheMainWindow) {
  ShellWatch shell;
  WithAboutOpen([] {
    HWND about = AboutBox->Handle();
    test::ClickAt(about, Centre(AboutBox->Label4.BoundsRect()));
    EXPECT_TRUE(test::WaitFor([] { return ShellWatch::requests.size() == 1; }));
    test::ClickAt(about, Centre(AboutBox->Label5.BoundsRect()));
    EXPECT_TRUE(test::WaitFor([] { return ShellWatch::requests.size() == 2; }));
    // A failed request changes nothing: the window stays open and modal.
    test::Pump(100);
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_EQ(AboutBox->ModalResult, mrNone);
    EXPECT_FALSE(IsWindowEnabled(MainForm->Handle()));
    test::PressKey(GetFocus(), VK_RETURN);
  });
  // The mail link's target is what the label shows; the web link's is the
  // whole address, not the shortened one shown.
  EXPECT_EQ(ShellWatch::requests,
            (std::vector<Request>{Opened(L"mailto:tabulon@example.org"),
                                  Opened(L"http://tabulon.example.org/download/")}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(AboutWindow, AMailTargetThatWouldNotFitTheBufferIsNotSentAtAll) {
  ShellWatch shell;
  // "mailto:" takes 7 of the 127 characters the buffer holds before its zero.
  struct Case {
    std::wstring caption;
    bool sent;
  } cases[] = {
      {L"someone@elsewhere.example", true},
      {std::wstring(120, L'a'), true},  // 127 characters: the most that fit
      {std::wstring(121, L'b'), false},
      {std::wstring(1000, L'c'), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption.size());
    ShellWatch::requests.clear();
    AboutBox->Label4.SetCaption(c.caption);
    AboutBox->Label4.Click();
    if (c.sent)
      EXPECT_EQ(ShellWatch::requests, std::vector<Request>{Opened(L"mailto:" + c.caption)});
    else
      EXPECT_EQ(ShellWatch::requests, std::vector<Request>{});
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(AboutWindow, ExitFromTheTrayMenuWhileItIsOpenClosesItAndEndsTheProgram) {
  WithAboutOpen([] { MainForm->Exit1.Click(); });
  EXPECT_FALSE(IsWindowVisible(AboutBox->Handle()));
  EXPECT_EQ(AboutBox->ModalResult, mrCancel);
  EXPECT_TRUE(Application->Terminated());
  // The end of the program's own loop is still to come.
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 0u);
}
