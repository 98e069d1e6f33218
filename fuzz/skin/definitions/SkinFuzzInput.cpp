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

std::vector<PackageMember> FixedBitmaps() {
  return {{"a.bmp", Bitmap(24, 16, 0xFF00FF)},
          {"b.bmp", Bitmap(1, 1, 0x102030)},
          {"c.bmp", Bitmap(65, 13, 0x808080)},
          {"d.bmp", Bitmap(13, 50, 0xFF0000)},
          {"e.bmp", Bitmap(100, 3, 0x00FF00)}};
}

// Every image key of every section the loader reads names "x.bmp".
std::string IniNamingEverywhere() {
  std::string ini = "[Personality]\nLeft=x.bmp\nRight=x.bmp\nTop=x.bmp\nTopFrame=3\nBottom=x.bmp\nTextBack=x.bmp\n"
                    "menuBar=x.bmp\n[Buttons]\nBitmap=x.bmp\nCheckButton=x.bmp\nRadioButton=x.bmp\n"
                    "[BUTTON0]\nButtonImage=x.bmp\n[MDICONTROLS]\nImage=x.bmp\n";
  for (const SectionRow& row : SectionTable()) {
    ini += std::string("[") + row.section + "]\nImage=x.bmp\nBitmap=x.bmp\nBorder=x.bmp\nGlyphImage=x.bmp\n";
  }
  return ini;
}

}  // namespace

std::vector<uint8_t> SkinFileFromFuzzInput(std::span<const uint8_t> input) {
  if (input.empty()) return {};
  const std::span<const uint8_t> rest = input.subspan(1);
  switch (input[0] % 4) {
    case 0:
      return {rest.begin(), rest.end()};
    case 1:
      return PackWithSize(rest);
    case 2: {
      std::vector<PackageMember> members = FixedBitmaps();
      members.push_back({"skin.ini", {rest.begin(), rest.end()}});
      return BuildSkinFile(members);
    }
    default: {
      const std::string ini = IniNamingEverywhere();
      return BuildSkinFile({{"x.bmp", {rest.begin(), rest.end()}}, {"skin.ini", {ini.begin(), ini.end()}}});
    }
  }
}

}  // namespace lanvero::fuzzing
