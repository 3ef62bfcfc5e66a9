// The Calculator button of Tabulon.exe under Wine, with a stand-in calc.exe.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

using namespace test;

namespace {

std::wstring WindowsDir() {
  wchar_t dir[MAX_PATH];
  GetWindowsDirectoryW(dir, MAX_PATH);
  return dir;
}

std::wstring RecorderPath() {
  std::wstring tabulon = TabulonPath();
  std::wstring build = tabulon.substr(0, tabulon.rfind(L"\\app\\"));
  return build + L"\\tests\\record_run.exe";
}

// The programs that ran, one path a line.
std::vector<std::wstring> Runs() {
  std::vector<std::wstring> out;
  for (const std::wstring& line : RecordedRuns()) out.push_back(line.substr(0, line.find(L'|')));
  return out;
}

class CalculatorLaunch : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(L"C:\\runs.txt");
    for (auto* sub : {L"\\calc.exe", L"\\System32\\calc.exe"}) DeleteFileW((WindowsDir() + sub).c_str());
  }
  void Place(const wchar_t* sub) {
    ASSERT_TRUE(CopyFileW(RecorderPath().c_str(), (WindowsDir() + sub).c_str(), FALSE));
  }
  // Starts Tabulon, presses Calculator the given number of times, and ends it.
  void PressCalculator(int times) {
    Process p;
    Start(p);
    HWND main = FindProcessWindow(p, L"TMainForm");
    ASSERT_TRUE(main);
    HWND calc = ChildWithText(main, L"Calculator");
    ASSERT_TRUE(calc);
    for (int i = 0; i < times; ++i) SendMessageW(calc, BM_CLICK, 0, 0);
    WaitFor([&] { return Runs().size() >= size_t(times); }, 10000);
    Pump(500);  // a further start would show by now
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitExit(), 0);
  }
};

}  // namespace

TEST_F(CalculatorLaunch, OnlyInSystem32ItIsFoundThere) {
  Place(L"\\System32\\calc.exe");
  PressCalculator(1);
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(_wcsicmp(runs[0].c_str(), (WindowsDir() + L"\\System32\\calc.exe").c_str()), 0)
      << runs[0].size();
}

TEST_F(CalculatorLaunch, TheOneInTheWindowsDirectoryComesFirstAndEachPressStartsOne) {
  Place(L"\\calc.exe");
  Place(L"\\System32\\calc.exe");
  PressCalculator(2);
  auto runs = Runs();
  ASSERT_EQ(runs.size(), 2u);
  for (const auto& run : runs) EXPECT_EQ(_wcsicmp(run.c_str(), (WindowsDir() + L"\\calc.exe").c_str()), 0);
}
