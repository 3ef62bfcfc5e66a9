// The Calculator button: which shell requests it makes, and with what.
#include "tests/inprocess/AppFixture.h"
#include "ui/Shell.h"

using namespace ui;

namespace {

struct Request {
  HWND owner;
  std::wstring verb, file, parameters, directory;
  bool parametersGiven, directoryGiven;
  int show;
};

std::vector<Request> requests;
std::vector<INT_PTR> results;  // what the shell answers, one per request
std::wstring windowsDir;
bool windowsDirFails = false;

INT_PTR FakeOpen(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                 const wchar_t* directory, int show) {
  requests.push_back({owner, verb ? verb : L"?", file ? file : L"?",
                      parameters ? parameters : L"", directory ? directory : L"",
                      parameters != nullptr, directory != nullptr, show});
  size_t i = requests.size() - 1;
  return i < results.size() ? results[i] : 42;
}

UINT FakeWindowsDirectory(wchar_t* buffer, UINT size) {
  if (windowsDirFails) return 0;
  UINT needed = UINT(windowsDir.size()) + 1;
  if (size < needed) return needed;
  wcscpy(buffer, windowsDir.c_str());
  return needed - 1;
}

class Calculator : public AppFixture {
 protected:
  void SetUp() override {
    saved_ = {shell::openFunction, shell::windowsDirectoryFunction};
    shell::openFunction = FakeOpen;
    shell::windowsDirectoryFunction = FakeWindowsDirectory;
    windowsDir = L"C:\\windows";
    windowsDirFails = false;
    requests.clear();
    results.clear();
    AppFixture::SetUp();
  }
  void TearDown() override {
    AppFixture::TearDown();
    shell::openFunction = saved_.first;
    shell::windowsDirectoryFunction = saved_.second;
  }
  // The Windows directory is read when the main window is made.
  void RestartWith(const std::wstring& dir, bool fails = false) {
    AppFixture::TearDown();
    windowsDir = dir;
    windowsDirFails = fails;
    AppFixture::SetUp();
    requests.clear();
  }
  void PressCalculator() { Click(MainForm->CalcBtn); }

 private:
  std::pair<shell::OpenFunction, shell::WindowsDirectoryFunction> saved_;
};

}  // namespace

TEST_F(Calculator, OpensTheCalculatorOfTheWindowsDirectoryAsTheShellIsAsked) {
  PressCalculator();
  ASSERT_EQ(requests.size(), 1u);
  const Request& r = requests[0];
  EXPECT_EQ(r.owner, MainForm->Handle());
  EXPECT_EQ(r.verb, L"open");
  EXPECT_EQ(r.file, L"C:\\windows\\calc.exe");
  EXPECT_TRUE(r.parametersGiven && r.parameters.empty()) << "an empty text, not none";
  EXPECT_TRUE(r.directoryGiven && r.directory.empty());
  EXPECT_EQ(r.show, SW_SHOW);
  // Every press asks again: every press starts a calculator.
  PressCalculator();
  EXPECT_EQ(requests.size(), 2u);
}

TEST_F(Calculator, TriesSystem32OnlyWhenTheFirstFileIsNotFound) {
  struct Case {
    INT_PTR firstResult;
    std::vector<std::wstring> files;
  } cases[] = {
      {42, {L"C:\\windows\\calc.exe"}},
      {2, {L"C:\\windows\\calc.exe", L"C:\\windows\\System32\\calc.exe"}},
      {3, {L"C:\\windows\\calc.exe"}},   // path not found
      {31, {L"C:\\windows\\calc.exe"}},  // no association
      {0, {L"C:\\windows\\calc.exe"}},   // out of memory
  };
  for (const Case& c : cases) {
    requests.clear();
    results = {c.firstResult, 2};  // the second try fails too, silently
    PressCalculator();
    std::vector<std::wstring> files;
    for (const Request& r : requests) files.push_back(r.file);
    EXPECT_EQ(files, c.files) << "first result " << c.firstResult;
  }
  EXPECT_TRUE(errors.empty()) << "nothing is reported";
}

TEST_F(Calculator, AnyLengthOfWindowsDirectoryWorksAndAnUnknownOneMakesNoRequest) {
  for (size_t length : {30u, 31u, 200u}) {
    std::wstring dir = L"C:\\" + std::wstring(length - 3, L'w');
    RestartWith(dir);
    results = {2};
    PressCalculator();
    ASSERT_EQ(requests.size(), 2u) << length;
    EXPECT_EQ(requests[0].file, dir + L"\\calc.exe");
    EXPECT_EQ(requests[1].file, dir + L"\\System32\\calc.exe");
  }
  // When the system cannot say where Windows is, nothing is started from a
  // relative or drive-root place.
  RestartWith(L"", /*fails=*/true);
  PressCalculator();
  EXPECT_TRUE(requests.empty());
}
