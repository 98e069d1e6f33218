// Scrolling Lanvero's record grid under Wine, skinned against the same
// program built without the skin engine, in the same run: 100 mouse-wheel
// steps down and 100 back up, each step waiting until nothing of the window
// is left to paint. Runs alternate between the two programs; medians are
// compared.
//
//   wine app_grid_scroll_timing.exe [RUNS]
#include <windows.h>

#include <cstdlib>

#include "ProgramUnderTest.h"

namespace {

using namespace lanvero::bench;

constexpr int kDefaultRuns = 5;
constexpr int kWheelSteps = 100;

BOOL CALLBACK FindGrid(HWND hwnd, LPARAM lp) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  if (std::wcscmp(name, L"TDBGrid") != 0) return TRUE;
  *reinterpret_cast<HWND*>(lp) = hwnd;
  return FALSE;
}

void Wheel(HWND window, HWND grid, int delta) {
  RECT r{};
  GetWindowRect(grid, &r);
  SendMessageW(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  while (PaintPending(window)) Sleep(0);
}

// Seconds for the steps down and back up, once the program is painted.
double TimeOneRun(const Program& program) {
  StartedProcess process(program.exe);
  HWND window = WaitForMainWindow(process, program);
  process.SetMainWindow(window);
  WaitForInputIdle(process.Handle(), kStartTimeoutMs);
  while (PaintPending(window)) Sleep(1);
  HWND grid = nullptr;
  EnumChildWindows(window, FindGrid, reinterpret_cast<LPARAM>(&grid));
  if (!grid) throw std::runtime_error(std::string(program.name) + " has no grid window");
  Clock clock;
  for (int i = 0; i < kWheelSteps; ++i) Wheel(window, grid, -WHEEL_DELTA);
  for (int i = 0; i < kWheelSteps; ++i) Wheel(window, grid, WHEEL_DELTA);
  return clock.Seconds();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
  const Program skinned{"Lanvero", LANVERO_EXE, L"TForm1"};
  const Program unskinned{"unskinned", LANVERO_UNSKINNED_EXE, L"TForm1"};
  try {
    TimeOneRun(unskinned);  // warm-up, not counted
    TimeOneRun(skinned);
    std::vector<double> times[2];
    for (int i = 0; i < runs; ++i) {
      times[0].push_back(TimeOneRun(unskinned));
      times[1].push_back(TimeOneRun(skinned));
    }
    const auto same = [](double t) { return t; };
    const double plain = Median(times[0], same), skin = Median(times[1], same);
    std::printf("%d runs of %d wheel steps down and up, taking turns\n", runs, kWheelSteps);
    std::printf("unskinned median %8.1f ms\nLanvero   median %8.1f ms\nratio Lanvero / unskinned: %.2f\n", plain * 1e3,
                skin * 1e3, skin / plain);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "app_grid_scroll_timing: %s\n", error.what());
    return 1;
  }
  return 0;
}
