#include "gallery/ReportOutput.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace lanvero::gallery {
namespace {

// A kernel handle this code opened itself.
class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
  ~OwnedHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

bool WriteAll(HANDLE handle, const std::string& bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    DWORD chunk = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 20));
    if (!WriteFile(handle, bytes.data() + written, wanted, &chunk, nullptr) || chunk == 0) return false;
    written += chunk;
  }
  return true;
}

bool Usable(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

// A console takes wide text as it is; pipes and files take UTF-8.
bool WriteToHandle(HANDLE handle, const std::wstring& text) {
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    DWORD written = 0;
    return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
  }
  return WriteAll(handle, Utf8(text));
}

}  // namespace

bool WriteTextFile(const std::wstring& path, const std::wstring& text) {
  OwnedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.Valid() && WriteAll(file.Get(), Utf8(text));
}

bool WriteStandard(StandardStream stream, const std::wstring& text) {
  const DWORD which = stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  HANDLE inherited = GetStdHandle(which);
  if (Usable(inherited)) return WriteToHandle(inherited, text);
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  OwnedHandle console(CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  return console.Valid() && WriteToHandle(console.Get(), text);
}

}  // namespace lanvero::gallery
