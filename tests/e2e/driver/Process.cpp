#include "tests/e2e/driver/Process.h"

#include <cstdlib>
#include <stdexcept>

namespace lanvero::e2e {

Process Process::Launch(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("CreateProcess failed with error " + std::to_string(GetLastError()));
  }
  CloseHandle(info.hThread);
  WaitForInputIdle(info.hProcess, 10000);
  return Process(KernelHandle(info.hProcess), info.dwProcessId);
}

Process::~Process() {
  if (process_ && IsRunning()) Terminate();
}

bool Process::WaitForExit(DWORD timeoutMs) const {
  return process_ && WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

void Process::Terminate() {
  TerminateProcess(process_.Get(), 1);
  WaitForExit(5000);
}

namespace {

// Unix folder named by an environment variable, as a Windows path on drive Z:.
std::wstring UnixFolderPath(const char* variable, const std::wstring& relative) {
  const char* root = std::getenv(variable);
  if (!root) throw std::runtime_error(std::string(variable) + " is not set (run the test through CTest)");
  std::wstring path = L"Z:";
  for (const char* p = root; *p; ++p) path += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  path += L"/" + relative;
  for (auto& ch : path) {
    if (ch == L'/') ch = L'\\';
  }
  return path;
}

}  // namespace

std::wstring BuildTreePath(const std::wstring& relative) { return UnixFolderPath("LANVERO_BINARY_DIR", relative); }

std::wstring SourceTreePath(const std::wstring& relative) { return UnixFolderPath("LANVERO_SOURCE_DIR", relative); }

std::wstring OutputPath(const std::wstring& name) {
  std::wstring folder = UnixFolderPath("LANVERO_SOURCE_DIR", L"out");
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\" + name;
}

}  // namespace lanvero::e2e
