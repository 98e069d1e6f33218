// Stand-in browser for the end-to-end tests: registered as the handler of
// the http scheme, it appends the address it was asked to open to a log
// file, one UTF-8 line per call, instead of showing the page.
//
//   e2e_url_recorder.exe LOGFILE ADDRESS
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), bytes, nullptr, nullptr);
  return result;
}

bool AppendLine(const wchar_t* path, const std::string& line) {
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::string data = line + "\n";
  DWORD written = 0;
  const bool ok =
      WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) && written == data.size();
  CloseHandle(file);
  return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return 2;
  const int result = count == 3 && AppendLine(arguments[1], Utf8(arguments[2])) ? 0 : 1;
  LocalFree(arguments);
  return result;
}
