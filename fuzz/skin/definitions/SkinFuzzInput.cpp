#include "fuzz/skin/definitions/SkinFuzzInput.h"

#include <string>

#include "framework/graphics/BmpDecoder.h"
#include "skin/codec/LzhCodec.h"
#include "skin/definitions/SectionTable.h"
#include "skin/package/SkinPackageWriter.h"

namespace lanvero::fuzzing {

namespace {

std::vector<uint8_t> Bitmap(int32_t width, int32_t height, Pixel fill) {
  return EncodeBmp24(PixelImage(width, height, fill));
}

const std::vector<PackageMember>& FixedBitmaps() {
  static const std::vector<PackageMember> bitmaps{{"a.bmp", Bitmap(24, 16, 0xFF00FF)},
                                                  {"b.bmp", Bitmap(1, 1, 0x102030)},
                                                  {"c.bmp", Bitmap(65, 13, 0x808080)},
                                                  {"d.bmp", Bitmap(13, 50, 0xFF0000)},
                                                  {"e.bmp", Bitmap(100, 3, 0x00FF00)}};
  return bitmaps;
}

// Every image key of every section the loader reads names "x.bmp".
std::string MakeIniNamingEverywhere() {
  std::string ini = "[Personality]\nLeft=x.bmp\nRight=x.bmp\nTop=x.bmp\nTopFrame=3\nBottom=x.bmp\nTextBack=x.bmp\n"
                    "menuBar=x.bmp\n[Buttons]\nBitmap=x.bmp\nCheckButton=x.bmp\nRadioButton=x.bmp\n"
                    "[BUTTON0]\nButtonImage=x.bmp\n[MDICONTROLS]\nImage=x.bmp\n";
  for (const SectionRow& row : SectionTable()) {
    ini += std::string("[") + row.section + "]\nImage=x.bmp\nBitmap=x.bmp\nBorder=x.bmp\nGlyphImage=x.bmp\n";
  }
  return ini;
}

const std::string& IniNamingEverywhere() {
  static const std::string ini = MakeIniNamingEverywhere();
  return ini;
}

std::vector<PackageMember> MembersFromDefinitionInput(std::span<const uint8_t> input) {
  const std::span<const uint8_t> rest = input.subspan(1);
  if (input[0] % 2 == 0) {
    std::vector<PackageMember> members = FixedBitmaps();
    members.push_back({"skin.ini", {rest.begin(), rest.end()}});
    return members;
  }
  const std::string& ini = IniNamingEverywhere();
  return {{"x.bmp", {rest.begin(), rest.end()}}, {"skin.ini", {ini.begin(), ini.end()}}};
}

}  // namespace

std::vector<uint8_t> SkinFileFromPackageInput(std::span<const uint8_t> input) {
  if (input.empty()) return {};
  const std::span<const uint8_t> rest = input.subspan(1);
  if (input[0] % 2 == 0) return {rest.begin(), rest.end()};
  return PackWithSize(rest);
}

std::vector<uint8_t> PackageFromDefinitionInput(std::span<const uint8_t> input) {
  if (input.empty()) return {};
  return BuildSkinPackage(MembersFromDefinitionInput(input));
}

FuzzSkin SkinFromFuzzInput(std::span<const uint8_t> input) {
  if (input.empty()) return {};
  if (input[0] % 4 >= 2) return {PackageFromDefinitionInput(input), false};
  const std::span<const uint8_t> rest = input.subspan(1);
  return {{rest.begin(), rest.end()}, input[0] % 2 == 0};
}

}  // namespace lanvero::fuzzing
