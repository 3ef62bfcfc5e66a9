// Random clicks and keys on Tabulon's windows, as an impatient user gives them,
// with the program's promises checked after every one. The run is seeded, so a
// failure can be replayed: TABULON_SEED picks the seed, TABULON_EVENTS the length.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "tests/support/TestSupport.h"

using namespace test;

namespace {

std::string Narrow(const std::wstring& w) {
  std::string s;
  for (wchar_t c : w) s += c < 128 ? char(c) : '?';
  return s;
}

int EnvInt(const char* name, int fallback) {
  const char* v = getenv(name);
  return v && *v ? atoi(v) : fallback;
}

class RandomUser {
 public:
  explicit RandomUser(unsigned seed) : rng_(seed) {}

  void Start() {
    process_ = std::make_unique<Process>();
    test::Start(*process_);
    main_ = FindProcessWindow(*process_, L"TMainForm");
    app_ = FindProcessWindow(*process_, L"TApplication", 2000);
    ASSERT_TRUE(main_ && app_);
    for (HWND h : Descendants(main_)) {
      std::wstring text = TextOf(h);
      if (ClassOf(h) == L"Button" && text == L"Copy") copy_ = h;
      LONG style = GetWindowLongW(h, GWL_STYLE);
      if (ClassOf(h) == L"Edit" && !IsWindowVisible(h) && (style & ES_MULTILINE) && !(style & ES_READONLY))
        buffer_ = h;
      if (ClassOf(h) == L"Button" && (GetWindowLongW(h, GWL_STYLE) & 0xF) == BS_RADIOBUTTON)
        radios_.push_back(h);
      if (ClassOf(h) == L"ListBox") lists_.push_back(h);
    }
    ASSERT_TRUE(copy_ && buffer_) << "the Copy button and the display buffer";
    ASSERT_EQ(radios_.size(), 5u);
    ASSERT_EQ(lists_.size(), 5u);
  }

  // One random event; the program is started again when the event ended it.
  void Step(int n) {
    if (!process_->Running()) {
      ASSERT_EQ(process_->WaitExit(), 0) << "event " << n << ": ended with an error";
      radios_.clear();
      lists_.clear();
      Start();
    }
    std::vector<HWND> windows = VisibleWindows();
    if (windows.empty()) {
      // Hidden in the notification area: come back as from the taskbar.
      PostMessageW(app_, WM_SYSCOMMAND, SC_RESTORE, 0);
      Settle();
      return;
    }
    HWND target = windows[Pick(windows.size())];
    DWORD clipboardBefore = GetClipboardSequenceNumber();
    bool onCopy = false;
    int kind = Pick(100);
    if (kind < 65) {
      RECT r = WindowRectOf(target);
      POINT pt{r.left + int(Pick(size_t(std::max(1L, r.right - r.left)))),
               r.top + int(Pick(size_t(std::max(1L, r.bottom - r.top))))};
      onCopy = WindowFromPoint(pt) == copy_ && IsWindowEnabled(copy_);
      SendClickAt(pt, /*right=*/Pick(10) == 0);
    } else {
      static const UINT keys[] = {VK_TAB,  VK_TAB,  VK_UP,   VK_DOWN,  VK_LEFT,   VK_RIGHT, VK_HOME,
                                  VK_END,  VK_PRIOR, VK_NEXT, VK_RETURN, VK_ESCAPE, VK_SPACE, 'M',
                                  'A',     'E',     VK_BACK};
      UINT key = keys[Pick(std::size(keys))];
      if (GetForegroundWindow() != target) SetForegroundWindow(target);
      GUITHREADINFO gui{sizeof gui};
      GetGUIThreadInfo(process_->info.dwThreadId, &gui);
      onCopy = gui.hwndFocus == copy_ && (key == VK_RETURN || key == VK_SPACE);
      bool extended = key >= VK_PRIOR && key <= VK_DOWN;
      if (Pick(8) == 0)
        SendKeyCombo({VK_SHIFT, key});
      else
        SendKey(key, extended);
    }
    Settle();
    Check(n, onCopy, clipboardBefore);
  }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

  std::vector<HWND> VisibleWindows() {
    std::vector<HWND> out;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(h, &pid);
      RECT r = WindowRectOf(h);
      if (pid == process_->info.dwProcessId && IsWindowVisible(h) && r.right - r.left > 4 &&
          ClassOf(h) != L"tooltips_class32")
        out.push_back(h);
    }
    return out;
  }

  void Settle() {
    DWORD_PTR ignored;
    if (process_->Running())
      responsive_ = SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) != 0 ||
                    !process_->Running();
    Sleep(15);
  }

  void Check(int n, bool onCopy, DWORD clipboardBefore) {
    if (!process_->Running()) return;
    ASSERT_TRUE(responsive_) << "event " << n << ": the program does not answer";
    for (HWND h : VisibleWindows()) {
      if (ClassOf(h) != L"#32770") continue;
      // Wine puts "About Wine" in every system menu; that box is Wine's, not ours.
      if (TextOf(h).starts_with(L"About Wine")) {
        PostMessageW(h, WM_CLOSE, 0, 0);
        continue;
      }
      std::wstring text = TextOf(h) + L": ";
      for (HWND c : Descendants(h)) text += TextOf(c) + L" / ";
      FAIL() << "event " << n << ": a message box: " << Narrow(text);
    }
    int shown = 0;
    for (HWND l : lists_) shown += IsWindowVisible(l) ? 1 : 0;
    ASSERT_LE(shown, 1) << "event " << n;
    bool chosen = false;
    for (HWND r : radios_) chosen |= SendMessageW(r, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ASSERT_EQ(bool(IsWindowEnabled(copy_)), chosen) << "event " << n << ": Copy enabled exactly when a section is chosen";
    std::wstring buffer = TextOf(buffer_);
    if (onCopy && !buffer.empty() && GetClipboardSequenceNumber() != clipboardBefore) {
      ASSERT_EQ(ClipboardUnicode(), buffer) << "event " << n << ": Copy put something else";
    }
    if (!buffer.empty()) {
      ASSERT_TRUE(buffer.ends_with(L"\r\n")) << "event " << n;
    }
  }

  std::mt19937 rng_;
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr, app_ = nullptr, copy_ = nullptr, buffer_ = nullptr;
  std::vector<HWND> radios_, lists_;
  bool responsive_ = true;
};

}  // namespace

TEST(RandomInput, TheProgramKeepsItsPromisesUnderRandomClicksAndKeys) {
  unsigned seed = unsigned(EnvInt("TABULON_SEED", 20261211));
  int events = EnvInt("TABULON_EVENTS", 1500);
  RandomUser user(seed);
  user.Start();
  for (int n = 0; n < events && !HasFailure(); ++n) user.Step(n);
  RecordProperty("seed", int(seed));
}
