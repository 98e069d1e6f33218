#include "tests/skin/definitions/SkinBuilder.h"

#include <gtest/gtest.h>

#include "framework/graphics/BmpDecoder.h"

namespace lanvero::testing {

SkinBuilder& SkinBuilder::Bitmap(const std::string& name, int32_t width, int32_t height, Pixel fill) {
  return Image(name, PixelImage(width, height, fill));
}

SkinBuilder& SkinBuilder::Image(const std::string& name, const PixelImage& image) {
  return Raw(name, EncodeBmp24(image));
}

SkinBuilder& SkinBuilder::Raw(const std::string& name, std::vector<uint8_t> bytes) {
  members_.push_back({name, std::move(bytes)});
  return *this;
}

std::vector<uint8_t> SkinBuilder::SkinFile(int32_t version) const {
  std::vector<PackageMember> members = members_;
  members.push_back({"skin.ini", std::vector<uint8_t>(ini_.begin(), ini_.end())});
  return BuildSkinFile(members, version);
}

void ParseOrFail(const std::vector<uint8_t>& skinFile, SkinDefinitions& d) {
  ASSERT_TRUE(ParseSkinPackage(skinFile, d)) << "the package was refused";
}

}  // namespace lanvero::testing
