// Lanvero's command line. It runs without one; a person may name a skin:
//   --skin FILE   wear the skin package FILE instead of the stored skin
//   --skin none   show every window with the system's own look
#pragma once

#include <string>
#include <vector>

namespace lanvero::app {

struct LanveroOptions {
  std::wstring skinFile;  // empty: the skin stored in the main window's layout
  bool noSkin = false;
  std::wstring error;  // what was wrong with the command line; empty when nothing
};

// `arguments` without the program name.
LanveroOptions ParseLanveroArguments(const std::vector<std::wstring>& arguments);

inline constexpr wchar_t kLanveroUsage[] = L"Lanvero [--skin FILE | --skin none]";

}  // namespace lanvero::app
