#include "framework/forms/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

namespace lanvero::framework {

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  if (!words) return arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(words[i]);
  LocalFree(words);
  return arguments;
}

}  // namespace lanvero::framework
