// A program under test, started in the same Wine prefix as the driver.
#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/driver/Handles.h"

namespace lanvero::e2e {

class Process {
 public:
  // Starts `exe` with `arguments`; throws std::runtime_error on failure.
  static Process Launch(const std::wstring& exe, const std::wstring& arguments = L"");

  Process(Process&&) = default;
  Process& operator=(Process&&) = default;
  // A program still running when its test ends is terminated.
  ~Process();

  DWORD Id() const { return id_; }
  bool WaitForExit(DWORD timeoutMs) const;
  bool IsRunning() const { return !WaitForExit(0); }
  DWORD ExitCode() const;
  void Terminate();

 private:
  Process(KernelHandle process, DWORD id) : process_(std::move(process)), id_(id) {}
  KernelHandle process_;
  DWORD id_ = 0;
};

// Path of a file in the Windows build tree (LANVERO_BINARY_DIR, as set by
// CTest) in the form the Windows side understands.
std::wstring BuildTreePath(const std::wstring& relative);
// Path of a file in the source tree (LANVERO_SOURCE_DIR), likewise.
std::wstring SourceTreePath(const std::wstring& relative);
// Path of a file in the work tree's out/ folder (LANVERO_SOURCE_DIR/out),
// where tests leave screenshots for people to look at.
std::wstring OutputPath(const std::wstring& name);

}  // namespace lanvero::e2e
