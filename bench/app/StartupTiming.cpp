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

namespace {

constexpr int kDefaultStarts = 10;
constexpr DWORD kStartTimeoutMs = 30000;
// The working set is read once the freshly painted program has settled.
constexpr DWORD kSettleBeforeMemoryMs = 300;

struct Program {
  const char* name;
  std::wstring exe;
  const wchar_t* windowClass;
};

struct Start {
  double secondsToPaint = 0;
  SIZE_T workingSet = 0;
};

class Clock {
 public:
  Clock() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Seconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

// A started program; ended (closed, or else terminated) with the object.
class StartedProcess {
 public:
  explicit StartedProcess(const std::wstring& exe) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
      throw std::runtime_error("cannot start the program");
    }
    CloseHandle(info_.hThread);
  }
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;
  ~StartedProcess() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
  }

  HANDLE Handle() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }
  void SetMainWindow(HWND window) { window_ = window; }

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
};

struct WindowSearch {
  DWORD pid;
  const wchar_t* windowClass;
  HWND found = nullptr;
  bool dialog = false;
};

BOOL CALLBACK InspectTopLevel(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->pid || !IsWindowVisible(hwnd)) return TRUE;
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, 128);
  if (std::wcscmp(name, L"#32770") == 0) search->dialog = true;
  if (std::wcscmp(name, search->windowClass) == 0) search->found = hwnd;
  return TRUE;
}

BOOL CALLBACK CheckPending(HWND hwnd, LPARAM lp) {
  if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) *reinterpret_cast<bool*>(lp) = true;
  return TRUE;
}

bool PaintPending(HWND window) {
  bool pending = IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE);
  EnumChildWindows(window, CheckPending, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

HWND WaitForMainWindow(const StartedProcess& process, const Program& program) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kStartTimeoutMs) {
    WindowSearch search{process.Id(), program.windowClass};
    EnumWindows(InspectTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.dialog) {
      throw std::runtime_error(std::string(program.name) +
                               " showed a message box at start (is another copy running?)");
    }
    if (search.found) return search.found;
    Sleep(1);
  }
  throw std::runtime_error(std::string(program.name) + " showed no window");
}

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

template <typename T, typename Key>
double Median(const std::vector<T>& starts, Key key) {
  std::vector<double> values;
  for (const T& start : starts) values.push_back(static_cast<double>(key(start)));
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
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
