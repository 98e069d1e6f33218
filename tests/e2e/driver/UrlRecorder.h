// Records the web addresses a program under test asks the shell to open.
// While the object lives, the http scheme's open command of the prefix runs
// the recorder program (recorder/UrlRecorderMain.cpp), which appends each
// address to a log file; the previous command comes back on destruction.
//
// Wine's HKEY_CLASSES_ROOT is the machine's Software\Classes only (it does
// not overlay the user's Software\Classes as Windows does), so the command
// is set there; on Windows this would need the user's key instead.
#pragma once

#include <string>
#include <vector>

namespace lanvero::e2e {

class UrlRecorder {
 public:
  // `recorderExe` and `logFile` are Windows paths. Throws std::runtime_error
  // when the scheme's command cannot be replaced.
  UrlRecorder(const std::wstring& recorderExe, const std::wstring& logFile);
  UrlRecorder(const UrlRecorder&) = delete;
  UrlRecorder& operator=(const UrlRecorder&) = delete;
  ~UrlRecorder();

  // Addresses recorded so far, oldest first.
  std::vector<std::wstring> Addresses() const;
  // Waits until at least `count` addresses were recorded; returns them.
  std::vector<std::wstring> WaitForAddresses(size_t count, unsigned timeoutMs = 5000) const;
  void Clear() const;

 private:
  std::wstring recorderExe_;
  std::wstring logFile_;
  std::wstring previousCommand_;
  bool hadPreviousCommand_ = false;
};

}  // namespace lanvero::e2e
