#include "app/LanveroOptions.h"

namespace lanvero::app {

LanveroOptions ParseLanveroArguments(const std::vector<std::wstring>& arguments) {
  LanveroOptions options;
  for (size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
    const std::wstring& argument = arguments[i];
    if (argument != L"--skin") {
      options.error = L"unknown argument " + argument;
    } else if (i + 1 >= arguments.size()) {
      options.error = L"--skin needs a file name, or none";
    } else {
      const std::wstring& value = arguments[++i];
      options.noSkin = value == L"none";
      options.skinFile = options.noSkin ? L"" : value;
    }
  }
  return options;
}

}  // namespace lanvero::app
