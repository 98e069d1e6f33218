// Whether the skin engine can use a skin package file, and if not, why.
// The package goes through the checker that `skintool check` runs, which
// reads it the way the engine does, so the two cannot disagree: its errors
// (a package the engine refuses, such as an unknown version or damaged
// data, members cut short, no settings, images the engine does not load,
// no window frame) make a package unusable; its warnings do not.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lanvero {

// Skin packages are tens of kilobytes; anything this large is not one,
// and is not read into memory.
inline constexpr std::uintmax_t kLargestSkinFile = 16u << 20;

// The reasons the engine cannot use `package`; empty when it can.
std::vector<std::wstring> SkinPackageProblems(std::span<const uint8_t> package);

struct SkinFileVerdict {
  // False when there is no package to give the engine at all: no such
  // file, one far too large, or one that cannot be read.
  bool readable = false;
  std::vector<std::wstring> problems;  // empty when the engine can use it
};
SkinFileVerdict CheckSkinFileAt(const std::wstring& path);

// The reasons the engine cannot use the file; empty when it can.
inline std::vector<std::wstring> SkinFileProblems(const std::wstring& path) { return CheckSkinFileAt(path).problems; }

}  // namespace lanvero
