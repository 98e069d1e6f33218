#include "tests/e2e/driver/UrlRecorder.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

namespace lanvero::e2e {
namespace {

constexpr wchar_t kCommandKey[] = L"http\\shell\\open\\command";
constexpr wchar_t kRecorderName[] = L"e2e_url_recorder.exe";
// What a fresh Wine prefix has, used when a killed earlier run left its
// recorder registered.
constexpr wchar_t kWineBrowserCommand[] = L"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"";

class RegistryKey {
 public:
  RegistryKey() {
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                        nullptr) != ERROR_SUCCESS) {
      throw std::runtime_error("cannot open the http scheme's open command");
    }
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() { RegCloseKey(key_); }

  bool ReadDefault(std::wstring& value) const {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key_, nullptr, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ) {
      return false;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &bytes);
    value.assign(text.c_str());
    return true;
  }
  void WriteDefault(const std::wstring& value) const {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) !=
        ERROR_SUCCESS) {
      throw std::runtime_error("cannot set the http scheme's open command");
    }
  }
  void DeleteDefault() const { RegDeleteValueW(key_, nullptr); }

 private:
  HKEY key_ = nullptr;
};

std::wstring FromUtf8(const std::string& text) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), units);
  return result;
}

}  // namespace

UrlRecorder::UrlRecorder(const std::wstring& recorderExe, const std::wstring& logFile)
    : recorderExe_(recorderExe), logFile_(logFile) {
  RegistryKey key;
  hadPreviousCommand_ = key.ReadDefault(previousCommand_);
  if (hadPreviousCommand_ && previousCommand_.find(kRecorderName) != std::wstring::npos) {
    previousCommand_ = kWineBrowserCommand;
  }
  Clear();
  key.WriteDefault(L"\"" + recorderExe_ + L"\" \"" + logFile_ + L"\" \"%1\"");
}

UrlRecorder::~UrlRecorder() {
  try {
    RegistryKey key;
    if (hadPreviousCommand_) {
      key.WriteDefault(previousCommand_);
    } else {
      key.DeleteDefault();
    }
  } catch (const std::exception&) {
    // Nothing more can be done from a destructor; the next run repairs it.
  }
  DeleteFileW(logFile_.c_str());
}

std::vector<std::wstring> UrlRecorder::Addresses() const {
  std::vector<std::wstring> addresses;
  std::ifstream log(logFile_.c_str(), std::ios::binary);
  std::string line;
  while (std::getline(log, line)) {
    if (!line.empty()) addresses.push_back(FromUtf8(line));
  }
  return addresses;
}

std::vector<std::wstring> UrlRecorder::WaitForAddresses(size_t count, unsigned timeoutMs) const {
  const DWORD start = GetTickCount();
  std::vector<std::wstring> addresses = Addresses();
  while (addresses.size() < count && GetTickCount() - start < timeoutMs) {
    Sleep(50);
    addresses = Addresses();
  }
  return addresses;
}

void UrlRecorder::Clear() const { DeleteFileW(logFile_.c_str()); }

}  // namespace lanvero::e2e
