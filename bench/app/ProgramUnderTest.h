// Programs under measurement: starting one, finding its main window,
// waiting until nothing of it is left to paint, and medians of runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

namespace lanvero::bench {

inline constexpr DWORD kStartTimeoutMs = 30000;

struct Program {
  const char* name;
  std::wstring exe;
  const wchar_t* windowClass;
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

inline BOOL CALLBACK InspectTopLevel(HWND hwnd, LPARAM lp) {
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

inline BOOL CALLBACK CheckPending(HWND hwnd, LPARAM lp) {
  if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) *reinterpret_cast<bool*>(lp) = true;
  return TRUE;
}

inline bool PaintPending(HWND window) {
  bool pending = IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE);
  EnumChildWindows(window, CheckPending, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

inline HWND WaitForMainWindow(const StartedProcess& process, const Program& program) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kStartTimeoutMs) {
    WindowSearch search{process.Id(), program.windowClass};
    EnumWindows(InspectTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.dialog) {
      throw std::runtime_error(std::string(program.name) + " showed a message box at start (is another copy running?)");
    }
    if (search.found) return search.found;
    Sleep(1);
  }
  throw std::runtime_error(std::string(program.name) + " showed no window");
}

template <typename T, typename Key>
inline double Median(const std::vector<T>& starts, Key key) {
  std::vector<double> values;
  for (const T& start : starts) values.push_back(static_cast<double>(key(start)));
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace lanvero::bench
