// start_bench PROGRAM_A PROGRAM_B [ROUNDS]
// Starts the two programs in turn (A B A B ...), each time measuring the time
// from the process start to its first visible window and the peak working set
// after it has settled, then closes it. Prints the medians, the ratios A/B and
// the size of A.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
  double startMs = 0;
  double peakKb = 0;
};

HWND VisibleWindowOf(DWORD pid) {
  struct Search {
    DWORD pid;
    HWND found;
  } s{pid, nullptr};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        RECT r;
        GetWindowRect(h, &r);
        if (owner == s->pid && IsWindowVisible(h) && r.right - r.left > 1) {
          s->found = h;
          return FALSE;
        }
        return TRUE;
      },
      LPARAM(&s));
  return s.found;
}

bool Measure(const std::wstring& program, Sample& out) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + program + L"\"";
  auto start = std::chrono::steady_clock::now();
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  HWND window = nullptr;
  while (!window && std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
    window = VisibleWindowOf(pi.dwProcessId);
    if (!window) Sleep(1);
  }
  out.startMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  Sleep(1000);  // let it settle
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
  out.peakKb = double(pmc.PeakWorkingSetSize) / 1024.0;
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return window != nullptr;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fwprintf(stderr, L"usage: start_bench PROGRAM_A PROGRAM_B [ROUNDS]\n");
    return 2;
  }
  int rounds = argc > 3 ? _wtoi(argv[3]) : 7;
  std::vector<double> startA, startB, peakA, peakB;
  Sample s;
  Measure(argv[1], s);  // a first start warms the caches; not counted
  Measure(argv[2], s);
  for (int i = 0; i < rounds; ++i) {
    if (!Measure(argv[1], s)) return 1;
    startA.push_back(s.startMs);
    peakA.push_back(s.peakKb);
    if (!Measure(argv[2], s)) return 1;
    startB.push_back(s.startMs);
    peakB.push_back(s.peakKb);
  }
  WIN32_FILE_ATTRIBUTE_DATA fa{};
  GetFileAttributesExW(argv[1], GetFileExInfoStandard, &fa);
  double sa = Median(startA), sb = Median(startB), pa = Median(peakA), pb = Median(peakB);
  printf("rounds: %d (A B A B ...)\n", rounds);
  printf("start to first visible window, median: A %.0f ms, B %.0f ms, A/B %.2f\n", sa, sb, sa / sb);
  printf("peak working set, median: A %.0f KB, B %.0f KB, A/B %.2f\n", pa, pb, pa / pb);
  printf("size of A: %lu bytes (%.0f KB)\n", fa.nFileSizeLow, fa.nFileSizeLow / 1024.0);
  return 0;
}
