// Golden images survive their stored forms unchanged, and a damaged file is
// refused instead of being read past its end.
#include <gtest/gtest.h>

#include "skin/codec/LzhCodec.h"
#include "tests/e2e/driver/Golden.h"

namespace lanvero::e2e {
namespace {

Image Gradient(int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixels.push_back(static_cast<std::uint32_t>((x * 7) << 16 | (y * 5) << 8 | (x ^ y)) & 0xFFFFFF);
  return image;
}

TEST(GoldenStorageTest, BitmapsRoundTripPlainAndCompressedWithOddWidths) {
  for (const int width : {1, 3, 130}) {
    const Image image = Gradient(width, 17);
    Image plain, unpacked;
    ASSERT_TRUE(DecodeBitmap(EncodeBitmap(image), plain));
    ASSERT_TRUE(DecodeBitmap(UnpackWithSize(PackWithSize(EncodeBitmap(image))), unpacked));
    EXPECT_EQ(plain.pixels, image.pixels);
    EXPECT_EQ(unpacked.pixels, image.pixels);
    EXPECT_EQ(unpacked.width, width);
  }
}

TEST(GoldenStorageTest, TruncatedOrForeignBytesAreRefused) {
  std::vector<std::uint8_t> bytes = EncodeBitmap(Gradient(40, 30));
  Image image;
  bytes.resize(bytes.size() - 1);
  EXPECT_FALSE(DecodeBitmap(bytes, image));
  bytes.resize(20);
  EXPECT_FALSE(DecodeBitmap(bytes, image));
  std::vector<std::uint8_t> foreign(200, 'x');
  EXPECT_FALSE(DecodeBitmap(foreign, image));
}

TEST(GoldenStorageTest, CropsAreClippedToTheImage) {
  const Image image = Gradient(10, 8);
  const Image top = CropTop(image, 100);
  EXPECT_EQ(top.height, 8);
  const Image part = CropRect(image, RECT{8, 6, 20, 20});
  ASSERT_EQ(part.width, 2);
  ASSERT_EQ(part.height, 2);
  EXPECT_EQ(part.At(1, 1), image.At(9, 7));
}

}  // namespace
}  // namespace lanvero::e2e
