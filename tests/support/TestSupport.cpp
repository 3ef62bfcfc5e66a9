#include "tests/support/TestSupport.h"

#include <shellapi.h>

#include <cstdio>
#include <thread>

namespace test {

namespace {
void PlainDispatch(MSG& msg) {
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}
}  // namespace

void (*Dispatch)(MSG& msg) = PlainDispatch;

void Pump(int milliseconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(int(msg.wParam));
        return;
      }
      Dispatch(msg);
    }
    Sleep(1);
  } while (std::chrono::steady_clock::now() < end);
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    Pump(10);
  }
  return true;
}

void ClickAt(HWND hwnd, POINT pt) {
  LPARAM lp = MAKELPARAM(pt.x, pt.y);
  PostMessageW(hwnd, WM_MOUSEMOVE, 0, lp);
  PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, lp);
  PostMessageW(hwnd, WM_LBUTTONUP, 0, lp);
}

void ClickCentre(HWND hwnd) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  ClickAt(hwnd, POINT{(rc.right) / 2, (rc.bottom) / 2});
}

void PressKey(HWND hwnd, UINT vk, bool shift, bool ctrl) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(state);
  PostMessageW(hwnd, WM_KEYDOWN, vk, 1);
  PostMessageW(hwnd, WM_KEYUP, vk, 0xC0000001);
}

void TypeChar(HWND hwnd, wchar_t ch) { PostMessageW(hwnd, WM_CHAR, ch, 1); }

namespace {
HWND ClipboardWindow() {
  static HWND w = CreateWindowExW(0, L"STATIC", L"clipboard reader", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, nullptr, nullptr);
  return w;
}

bool OpenOurClipboard() {
  for (int i = 0; i < 100; ++i) {
    if (OpenClipboard(ClipboardWindow())) return true;
    Sleep(10);
  }
  return false;
}

template <class T>
std::basic_string<T> Read(UINT format) {
  std::basic_string<T> out;
  if (!OpenOurClipboard()) return out;
  if (HANDLE h = GetClipboardData(format)) {
    if (auto* p = static_cast<const T*>(GlobalLock(h))) {
      out = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return out;
}
}  // namespace

std::wstring ClipboardUnicode() { return Read<wchar_t>(CF_UNICODETEXT); }
std::string ClipboardAnsi() { return Read<char>(CF_TEXT); }

void ClearClipboard() {
  if (!OpenOurClipboard()) return;
  EmptyClipboard();
  CloseClipboard();
}

void PutClipboardText(const std::wstring& text) {
  if (!OpenOurClipboard()) return;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(mem);
  SetClipboardData(CF_UNICODETEXT, mem);
  CloseClipboard();
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[4];
  for (unsigned char c : bytes) {
    snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

RECT WindowRectOf(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  return rc;
}

RECT ClientRectOnScreen(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

RECT RectInParent(HWND hwnd) {
  RECT rc = WindowRectOf(hwnd);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

// ------------------------------------------------------------------ processes

Process::~Process() {
  if (info.hProcess) {
    if (Running()) TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
}

bool Process::Running() const {
  return info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT;
}

int Process::WaitExit(int milliseconds) {
  if (WaitForSingleObject(info.hProcess, DWORD(milliseconds)) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info.hProcess, &code);
  return int(code);
}

std::wstring TabulonPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self);
  dir = dir.substr(0, dir.find_last_of(L"\\/"));  // .../build/tests
  dir = dir.substr(0, dir.find_last_of(L"\\/"));  // .../build
  return dir + L"\\app\\Tabulon.exe";
}

void Start(Process& p, int showCommand) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = WORD(showCommand);
  std::wstring cmd = L"\"" + TabulonPath() + L"\"";
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &p.info))
    p.info = {};
  if (p.info.hProcess) WaitForInputIdle(p.info.hProcess, 10000);
}

HWND FindProcessWindow(const Process& p, const wchar_t* cls, int milliseconds) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND h = FindWindowExW(nullptr, nullptr, cls, nullptr); h;
             h = FindWindowExW(nullptr, h, cls, nullptr)) {
          DWORD pid = 0;
          GetWindowThreadProcessId(h, &pid);
          if (pid == p.info.dwProcessId) {
            found = h;
            return true;
          }
        }
        return false;
      },
      milliseconds);
  return found;
}

std::vector<HWND> Children(HWND parent, const wchar_t* cls) {
  std::vector<HWND> out;
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    wchar_t name[64];
    GetClassNameW(h, name, 64);
    if (!cls || _wcsicmp(name, cls) == 0) out.push_back(h);
  }
  return out;
}

std::wstring TextOf(HWND hwnd) {
  wchar_t buf[512] = {};
  SendMessageW(hwnd, WM_GETTEXT, 512, LPARAM(buf));
  return buf;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  return cls;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
        return TRUE;
      },
      LPARAM(&all));
  return all;
}

bool ShellHasIcon(HWND hwnd, UINT id) {
  NOTIFYICONDATAW d{};
  d.cbSize = sizeof d;
  d.hWnd = hwnd;
  d.uID = id;
  return Shell_NotifyIconW(NIM_MODIFY, &d);
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
  struct Search {
    const std::wstring* text;
    HWND found;
  } s{&text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (TextOf(h) == *s->text) {
          s->found = h;
          return FALSE;
        }
        return TRUE;
      },
      LPARAM(&s));
  return s.found;
}

std::vector<std::wstring> RecordedRuns() {
  std::vector<std::wstring> out;
  FILE* f = _wfopen(L"C:\\runs.txt", L"rb");
  if (!f) return out;
  std::string text;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
  fclose(f);
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
    std::string line = text.substr(start, nl - start);
    std::wstring wide(line.size(), L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, line.data(), int(line.size()), wide.data(),
                                           int(wide.size()))));
    out.push_back(wide);
  }
  return out;
}

void SendKey(UINT vk, bool extended) {
  INPUT in[2]{};
  for (auto& i : in) {
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = WORD(vk);
    i.ki.dwFlags = extended ? KEYEVENTF_EXTENDEDKEY : 0;
  }
  in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

void SendKeyCombo(std::initializer_list<UINT> keys) {
  std::vector<INPUT> in;
  for (UINT k : keys) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = WORD(k);
    in.push_back(i);
  }
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = WORD(*it);
    i.ki.dwFlags = KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
}

void SendClickAt(POINT screen, bool right) {
  // Move there first, as a hand does, then press and release.
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  move.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof(INPUT));
  Sleep(50);
  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &press, sizeof(INPUT));
  Sleep(50);
  press.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(1, &press, sizeof(INPUT));
}

}  // namespace test
