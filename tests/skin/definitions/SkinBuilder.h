#pragma once
// Small skin packages made in the tests: an INI text and bitmaps, packed
// as a skin file the way the build packs the real skins.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/PixelImage.h"
#include "skin/definitions/SkinDefinitions.h"
#include "skin/package/SkinPackageWriter.h"

namespace lanvero::testing {

class SkinBuilder {
 public:
  explicit SkinBuilder(std::string ini) : ini_(std::move(ini)) {}

  // A 24-bit bitmap member of the given size, each pixel `fill`.
  SkinBuilder& Bitmap(const std::string& name, int32_t width, int32_t height, Pixel fill = 0x336699);
  SkinBuilder& Image(const std::string& name, const PixelImage& image);
  SkinBuilder& Raw(const std::string& name, std::vector<uint8_t> bytes);

  std::vector<uint8_t> SkinFile(int32_t version = 70000) const;

 private:
  std::string ini_;
  std::vector<PackageMember> members_;
};

// Parses a skin file into fresh definitions; fails the test when refused.
void ParseOrFail(const std::vector<uint8_t>& skinFile, SkinDefinitions& d);

}  // namespace lanvero::testing
