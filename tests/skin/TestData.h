#pragma once
// Inputs shared by the skin package tests.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "skin/package/SkinPackageWriter.h"

namespace lanvero::testing {

std::vector<uint8_t> Bytes(std::string_view text);
std::vector<uint8_t> RandomBytes(std::size_t count, uint32_t seed);
// English-like text with repeated words, as an INI file would have.
std::vector<uint8_t> SampleText(std::size_t count);
// A 24-bit Windows bitmap file filled with magenta.
std::vector<uint8_t> BitmapFile(int width, int height);
// An INI member and two bitmaps that it names.
std::vector<PackageMember> SampleSkinMembers();

// A fresh folder under the system temp folder, removed on destruction.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace lanvero::testing
