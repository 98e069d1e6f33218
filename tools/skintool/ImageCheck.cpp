#include "tools/skintool/ImageCheck.h"

#include "skin/codec/ByteStream.h"
#include "skin/definitions/SkinDefinitionReader.h"
#include "tools/skintool/BitmapCheck.h"
#include "tools/skintool/CheckText.h"

namespace lanvero::skintool {

namespace {

constexpr const char* kLeftEmpty = "; the image is left empty";

// Why the engine's decoder gave nothing for a member that exists.
std::string UndecodedReason(const TSkinReader& package, const std::string& member) {
  ByteStream bytes;
  package.readfile(member, bytes);
  if (auto problem = BitmapProblem(bytes.Bytes()))
    return "member \"" + member + "\" is not a readable bitmap: " + *problem;
  return "the engine's bitmap decoder refuses member \"" + member +
         "\" (or the skin's images together exceed what one load decodes)";
}

}  // namespace

void CheckImages(const LoadRecord& record, const TSkinReader& package, CheckResult& result) {
  for (const ImageRecord& image : record.images) {
    if (image.outcome == ImageLookup::NoName) continue;
    ++result.imagesChecked;
    const std::string cite = Cite(image.source);
    const std::string member(ImageMemberName(image.source.text));
    switch (image.outcome) {
      case ImageLookup::NotBmp:
        result.Error(cite + ": only names ending in \".bmp\" (lower case) are loaded" + kLeftEmpty);
        break;
      case ImageLookup::NoMember:
        result.Error(cite + ": the package has no member \"" + member + "\"" + kLeftEmpty);
        break;
      case ImageLookup::NotDecoded: result.Error(cite + ": " + UndecodedReason(package, member) + kLeftEmpty); break;
      case ImageLookup::NoName:
      case ImageLookup::Loaded: break;
    }
  }
}

}  // namespace lanvero::skintool
