// Start-up timing of Lanvero.exe under Wine, as ratios against the same
// program built without the skin engine and against a minimal one-window
// Win32 program (BaselineWindow.cpp), started the same way in the same run,
// and the working set of each once its window is painted.
//
// One start is timed from CreateProcess until the main window is visible,
// the program waits for input and no window of it has a part left to paint
// (its first complete paint). Starts alternate between the two programs; a
// first unmeasured start of each warms the caches. Medians are compared.
//
//   wine app_startup_timing.exe [STARTS]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ProgramUnderTest.h"

namespace {

using namespace lanvero::bench;

constexpr int kDefaultStarts = 10;
// The working set is read once the freshly painted program has settled.
constexpr DWORD kSettleBeforeMemoryMs = 300;

struct Start {
  double secondsToPaint = 0;
  SIZE_T workingSet = 0;
};

Start TimeOneStart(const Program& program) {
  Clock clock;
  StartedProcess process(program.exe);
  HWND window = WaitForMainWindow(process, program);
  process.SetMainWindow(window);
  WaitForInputIdle(process.Handle(), kStartTimeoutMs);
  while (PaintPending(window)) Sleep(1);
  Start result;
  result.secondsToPaint = clock.Seconds();

  Sleep(kSettleBeforeMemoryMs);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process.Handle(), &memory, sizeof memory)) result.workingSet = memory.WorkingSetSize;
  return result;
}

void Report(const Program& program, const std::vector<Start>& starts) {
  const auto fastest = std::min_element(starts.begin(), starts.end(), [](const Start& a, const Start& b) {
    return a.secondsToPaint < b.secondsToPaint;
  });
  std::printf("%-10s start to first complete paint: median %8.1f ms, fastest %8.1f ms; working set median %8.1f MiB\n",
              program.name, Median(starts, [](const Start& s) { return s.secondsToPaint; }) * 1e3,
              fastest->secondsToPaint * 1e3,
              Median(starts, [](const Start& s) { return s.workingSet; }) / (1024.0 * 1024.0));
}

}  // namespace

int main(int argc, char** argv) {
  const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultStarts;
  const Program lanvero{"Lanvero", LANVERO_EXE, L"TForm1"};
  const Program unskinned{"unskinned", LANVERO_UNSKINNED_EXE, L"TForm1"};
  const Program baseline{"baseline", LANVERO_BASELINE_EXE, L"LanveroBaselineWindow"};
  try {
    const Program* programs[] = {&baseline, &unskinned, &lanvero};
    for (const Program* program : programs) TimeOneStart(*program);  // warm-up, not counted
    std::vector<Start> measured[3];
    for (int i = 0; i < starts; ++i) {
      for (int p = 0; p < 3; ++p) measured[p].push_back(TimeOneStart(*programs[p]));
    }
    std::printf("%d starts of each program, taking turns\n", starts);
    for (int p = 0; p < 3; ++p) Report(*programs[p], measured[p]);
    const auto paint = [](const Start& s) { return s.secondsToPaint; };
    const auto memory = [](const Start& s) { return s.workingSet; };
    std::printf("ratio Lanvero / unskinned: start to paint %.2f, working set %.2f\n",
                Median(measured[2], paint) / Median(measured[1], paint),
                Median(measured[2], memory) / Median(measured[1], memory));
    std::printf("ratio Lanvero / baseline:  start to paint %.2f, working set %.2f\n",
                Median(measured[2], paint) / Median(measured[0], paint),
                Median(measured[2], memory) / Median(measured[0], memory));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "app_startup_timing: %s\n", error.what());
    return 1;
  }
  return 0;
}
