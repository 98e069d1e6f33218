#include "tests/e2e/driver/Golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "skin/codec/LzhCodec.h"

namespace lanvero::e2e {
namespace {

// Bitmaps above this size are stored compressed.
constexpr size_t kPlainGoldenLimit = 64 * 1024;

std::filesystem::path GoldenBase(const std::string& folder, const std::string& name) {
  const char* source = std::getenv("LANVERO_SOURCE_DIR");
  const std::filesystem::path root = source ? std::filesystem::path(source) : std::filesystem::path();
  return root / folder / name;
}

std::wstring WithSuffix(const std::filesystem::path& base, const char* suffix) {
  return std::filesystem::path(base.string() + suffix).wstring();
}

bool UpdatingGoldens() {
  const char* update = std::getenv("LANVERO_UPDATE_GOLDENS");
  return update && std::string(update) == "1";
}

bool ExistsFile(const std::wstring& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// Keeps the format a golden already has; a new one is compressed when large.
bool StoreGolden(const Image& image, const std::filesystem::path& base) {
  const std::vector<std::uint8_t> bitmap = EncodeBitmap(image);
  const std::wstring plain = WithSuffix(base, ".bmp");
  const bool compress = ExistsFile(plain) ? false : bitmap.size() > kPlainGoldenLimit;
  if (!compress) return WriteFileBytes(plain, bitmap);
  return WriteFileBytes(WithSuffix(base, ".bmp.lzh"), PackWithSize(bitmap)) &&
         WriteFileBytes(WithSuffix(base, ".review.bmp"), bitmap);
}

bool LoadGolden(const std::filesystem::path& base, Image& image) {
  const std::wstring plain = WithSuffix(base, ".bmp");
  if (ExistsFile(plain)) return LoadBitmap(plain, image);
  std::vector<std::uint8_t> packed;
  if (!ReadFileBytes(WithSuffix(base, ".bmp.lzh"), packed)) return false;
  return DecodeBitmap(UnpackWithSize(packed), image);
}

}  // namespace

::testing::AssertionResult MatchesGolden(const Image& actual, const std::string& folder, const std::string& name,
                                         GoldenTolerance tolerance) {
  const std::filesystem::path base = GoldenBase(folder, name);
  if (UpdatingGoldens()) {
    if (!StoreGolden(actual, base)) return ::testing::AssertionFailure() << "cannot write golden " << name;
    return ::testing::AssertionSuccess();
  }
  Image expected;
  if (!LoadGolden(base, expected)) return ::testing::AssertionFailure() << "no golden image " << folder << "/" << name;
  const ImageDifference diff = Compare(actual, expected, tolerance.channel);
  if (diff.sameSize && diff.differingPixels <= tolerance.differingPixels) return ::testing::AssertionSuccess();
  SaveBitmap(actual, WithSuffix(base, ".actual.bmp"));
  return ::testing::AssertionFailure() << name << ": " << actual.width << "x" << actual.height << " vs "
                                       << expected.width << "x" << expected.height << ", " << diff.differingPixels
                                       << " pixels differ (largest channel delta " << diff.largestChannelDelta
                                       << "); the screenshot is beside the golden as " << name << ".actual.bmp";
}

Image CropTop(const Image& image, int height) {
  RECT rows{0, 0, image.width, height};
  return CropRect(image, rows);
}

Image CropRect(const Image& image, const RECT& rect) {
  const int left = std::clamp<int>(rect.left, 0, image.width);
  const int top = std::clamp<int>(rect.top, 0, image.height);
  const int right = std::clamp<int>(rect.right, left, image.width);
  const int bottom = std::clamp<int>(rect.bottom, top, image.height);
  Image part;
  part.width = right - left;
  part.height = bottom - top;
  part.pixels.reserve(static_cast<size_t>(part.width) * part.height);
  for (int y = top; y < bottom; ++y) {
    const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    part.pixels.insert(part.pixels.end(), row + left, row + right);
  }
  return part;
}

}  // namespace lanvero::e2e
