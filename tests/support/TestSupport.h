#pragma once
// Helpers shared by the tests: pumping messages, user-like input, the
// clipboard as another program sees it, and starting Tabulon.exe.
#include <windows.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Rectangles compared and printed in test expectations.
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline std::ostream& operator<<(std::ostream& os, const RECT& r) {
  return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace test {

// Handles this thread's messages for the given time, each through Dispatch
// (in-process tests route it through the application's own message handling).
extern void (*Dispatch)(MSG& msg);
void Pump(int milliseconds = 30);
// Pumps until the condition holds or the time runs out; returns the condition.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000);

// Mouse and keyboard as posted input messages to this thread's windows.
void ClickAt(HWND hwnd, POINT client);
void ClickCentre(HWND hwnd);
void PressKey(HWND hwnd, UINT vk, bool shift = false, bool ctrl = false);
void TypeChar(HWND hwnd, wchar_t ch);

// The clipboard, opened with a window of our own.
std::wstring ClipboardUnicode();
std::string ClipboardAnsi();
void ClearClipboard();
void PutClipboardText(const std::wstring& text);

std::string Hex(const std::string& bytes);

RECT WindowRectOf(HWND hwnd);
RECT ClientRectOnScreen(HWND hwnd);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND hwnd);

// A started Tabulon.exe.
struct Process {
  PROCESS_INFORMATION info{};
  ~Process();
  bool Running() const;
  // Waits for the end; returns the exit code or -1 when it did not end in time.
  int WaitExit(int milliseconds = 10000);
};
std::wstring TabulonPath();
// Starts Tabulon.exe with a start-up show command.
void Start(Process& p, int showCommand = SW_SHOWNORMAL);
// The top-level window of the given class that belongs to the process.
HWND FindProcessWindow(const Process& p, const wchar_t* cls, int milliseconds = 10000);
// The child windows of a window, of a class, in z-order.
std::vector<HWND> Children(HWND parent, const wchar_t* cls = nullptr);
HWND ChildWithText(HWND parent, const std::wstring& text);
std::wstring TextOf(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
// Every window below the parent, at any depth.
std::vector<HWND> Descendants(HWND parent);
// Asked of the shell itself: does it hold this notification-area icon?
bool ShellHasIcon(HWND hwnd, UINT id);

// The lines "program path|command line" that tests/tools/record_run wrote.
std::vector<std::wstring> RecordedRuns();

// Real input, as a user gives it, to the foreground window.
void SendKey(UINT vk, bool extended = false);
void SendKeyCombo(std::initializer_list<UINT> keys);
void SendClickAt(POINT screen, bool right = false);

}  // namespace test
