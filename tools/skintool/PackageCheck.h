#pragma once
// Reads a skin package the way the skin engine does and lists what would
// go wrong: a package it refuses, no INI member, members cut short, and
// images named in the INI that are missing or not readable bitmaps.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lanvero::skintool {

struct CheckResult {
  std::vector<std::string> problems;
  int imagesChecked = 0;
};

CheckResult CheckSkinFile(std::span<const uint8_t> skinFile);

}  // namespace lanvero::skintool
