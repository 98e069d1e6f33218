#include <gtest/gtest.h>

#include "framework/graphics/BmpCodec.h"

namespace lanvero::framework {
namespace {

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// A BITMAPINFOHEADER file with the given pixel format and raw rows.
std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<uint32_t>& palette,
                             const std::vector<uint8_t>& rows) {
  const size_t offset = 14 + 40 + palette.size() * 4;
  std::vector<uint8_t> b(offset, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, static_cast<uint32_t>(offset));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = static_cast<uint8_t>(bits);
  Put32(b, 46, static_cast<uint32_t>(palette.size()));
  for (size_t i = 0; i < palette.size(); ++i) Put32(b, 54 + i * 4, palette[i]);
  b.insert(b.end(), rows.begin(), rows.end());
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  return b;
}

TEST(BmpCodec, DecodesPalettedAndDirectPixelsBottomUp) {
  // 1 bit, 3 x 2: bottom row 1 0 1, top row 0 1 0.
  const auto mono = MakeBmp(3, 2, 1, {0x000000, 0xFFFFFF}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0});
  auto image = DecodeBmp(mono.data(), mono.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Row(0)[0], 0);
  EXPECT_EQ(image->Row(0)[3], 255);
  EXPECT_EQ(image->Row(1)[0], 255);
  EXPECT_EQ(image->Row(1)[3], 0);
  // 4 bits with a short palette.
  const auto nibble = MakeBmp(2, 1, 4, {0x0000FF, 0x00FF00}, {0x10, 0, 0, 0});
  image = DecodeBmp(nibble.data(), nibble.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Row(0)[1], 255);  // index 1: green
  EXPECT_EQ(image->Row(0)[3], 255);  // index 0: blue
  // An index beyond the palette is refused.
  const auto badIndex = MakeBmp(1, 1, 8, {0x123456}, {5, 0, 0, 0});
  EXPECT_FALSE(DecodeBmp(badIndex.data(), badIndex.size()));
  // 32 bits: the fourth byte is ignored.
  const auto wide = MakeBmp(1, 1, 32, {}, {1, 2, 3, 4});
  image = DecodeBmp(wide.data(), wide.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->bgr, (std::vector<uint8_t>{1, 2, 3}));
}

TEST(BmpCodec, EncodedImagesReadBackAndDamagedFilesAreRefused) {
  PixelImage image{5, 3, {}};
  for (int i = 0; i < 45; ++i) image.bgr.push_back(static_cast<uint8_t>(i * 5));
  const auto file = EncodeBmp(image);
  auto back = DecodeBmp(file.data(), file.size());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->bgr, image.bgr);
  for (size_t cut : {size_t{0}, size_t{10}, size_t{53}, file.size() - 1}) {
    EXPECT_FALSE(DecodeBmp(file.data(), cut)) << cut;
  }
  auto huge = file;
  Put32(huge, 18, 100000);
  EXPECT_FALSE(DecodeBmp(huge.data(), huge.size()));
  auto compressed = file;
  Put32(compressed, 30, 1);  // RLE8 is not supported
  EXPECT_FALSE(DecodeBmp(compressed.data(), compressed.size()));
  auto badOffset = file;
  Put32(badOffset, 10, 0xFFFFFFF0u);
  EXPECT_FALSE(DecodeBmp(badOffset.data(), badOffset.size()));
  EXPECT_FALSE(DecodeBmp(nullptr, 100));
}

}  // namespace
}  // namespace lanvero::framework
