#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "db/UnicodeText.h"
#include "tools/lanvero-cli/Console.h"

namespace lanvero::cli {
namespace {

std::string ToUtf8(const wchar_t* text) {
  const std::wstring wide(text);
  return db::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(ToUtf8(words[i]));
  LocalFree(words);
  return arguments;
}

std::optional<std::string> EnvironmentUtf8(const char* name) {
  const std::wstring wideName(name, name + std::char_traits<char>::length(name));
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  value.resize(length);
  return ToUtf8(value.c_str());
}

void UseBinaryOutput() { _setmode(_fileno(stdout), _O_BINARY); }

}  // namespace lanvero::cli
