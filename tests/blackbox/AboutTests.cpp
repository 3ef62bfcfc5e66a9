// The About window of a running Tabulon.exe, reached and used with real input;
// what its links ask for is written down by a recorder program registered in
// this test's prefix as the mail program and the browser.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "tests/support/TestSupport.h"

using namespace test;

namespace {

std::wstring Beside(const wchar_t* file) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + file;
}

// Points mailto:, http: and https: at the recorder; returns the file it writes.
std::wstring RegisterRecorder() {
  std::wstring command = L"\"" + Beside(L"record_run.exe") + L"\" \"%1\"";
  for (const wchar_t* scheme : {L"mailto", L"http", L"https"}) {
    std::wstring key = std::wstring(scheme) + L"\\shell\\open\\command";
    HKEY k;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   DWORD((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
  }
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring record = std::wstring(temp) + L"tabulon-requests.txt";
  DeleteFileW(record.c_str());
  SetEnvironmentVariableW(L"TABULON_REQUESTS", record.c_str());  // Tabulon passes it on
  return record;
}

// The recorded requests (the recorder's first argument), each once, in the
// order they first came.
std::vector<std::string> Requests(const std::wstring& record) {
  std::ifstream in(record.c_str(), std::ios::binary);
  std::vector<std::string> out;
  for (std::string line; std::getline(in, line);) {
    std::string request = line.substr(line.find('|') + 1);
    if (std::find(out.begin(), out.end(), request) == out.end()) out.push_back(request);
  }
  return out;
}

void WaitIdle(HWND w) {
  DWORD_PTR ignored;
  SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

// Wine on a busy machine now and then drops an injected click that comes
// right after activation; a user would click again.
bool ClickFor(POINT pt, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    SendClickAt(pt);
    if (WaitFor(done, 3000)) return true;
  }
  return false;
}

POINT Centre(HWND w) {
  RECT r = WindowRectOf(w);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

struct Running {
  Process p;
  HWND main = nullptr, about = nullptr;
};

// Starts Tabulon and opens the About window with a click on About...
void StartAndOpenAbout(Running& r) {
  Start(r.p);
  r.main = FindProcessWindow(r.p, L"TMainForm");
  r.about = FindProcessWindow(r.p, L"TAboutBox");
  ASSERT_TRUE(r.main && r.about);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(r.main) != FALSE; }));
  SetForegroundWindow(r.main);
  WaitIdle(r.main);
  HWND button = ChildWithText(r.main, L"About...");
  ASSERT_TRUE(button);
  ASSERT_TRUE(ClickFor(Centre(button), [&] { return IsWindowVisible(r.about) != FALSE; }));
  WaitIdle(r.about);
}

}  // namespace

TEST(About, ItsLinksReachTheMailProgramAndTheBrowserAndEnterClosesIt) {
  std::wstring record = RegisterRecorder();
  Running r;
  StartAndOpenAbout(r);
  if (HasFatalFailure()) return;
  EXPECT_FALSE(IsWindowEnabled(r.main));
  EXPECT_EQ(GetForegroundWindow(), r.about);

  SendKey(VK_ESCAPE);
  Pump(300);
  EXPECT_TRUE(IsWindowVisible(r.about)) << "Escape closed it";

  // The links, at their laid-out places in the window.
  RECT c = ClientRectOnScreen(r.about);
  EXPECT_TRUE(ClickFor(POINT{c.left + 178, c.top + 102}, [&] { return Requests(record).size() == 1; }));
  EXPECT_TRUE(ClickFor(POINT{c.left + 170, c.top + 126}, [&] { return Requests(record).size() == 2; }));
  EXPECT_EQ(Requests(record), (std::vector<std::string>{"mailto:tabulon@example.org",
                                                        "http://tabulon.example.org/download/"}));
  EXPECT_TRUE(IsWindowVisible(r.about));
  EXPECT_FALSE(IsWindowEnabled(r.main));

  SetForegroundWindow(r.about);
  SendKey(VK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(r.about) && IsWindowEnabled(r.main); }));
  PostMessageW(r.main, WM_CLOSE, 0, 0);
  EXPECT_EQ(r.p.WaitExit(), 0);
}

TEST(About, ToldToEndWhileTheAboutWindowIsOpenTheProgramEndsWithCodeZero) {
  Running r;
  StartAndOpenAbout(r);
  if (HasFatalFailure()) return;
  PostMessageW(r.main, WM_CLOSE, 0, 0);
  EXPECT_EQ(r.p.WaitExit(), 0);
}
