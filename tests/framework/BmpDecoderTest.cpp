// Decoding of skin bitmap members: every depth and layout, and files that
// must decode to an empty image.

#include <gtest/gtest.h>

#include "framework/graphics/BmpDecoder.h"
#include "tests/framework/BmpBuilder.h"

namespace lanvero {
namespace {

using test::BmpFields;
using test::BuildBmp;
using test::PaddedRows;
using Bytes = std::vector<uint8_t>;

std::vector<Pixel> RowPixels(const PixelImage& image, int32_t y) {
  const auto row = image.Row(y);
  return {row.begin(), row.end()};
}

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kBlack = 0;

TEST(DecodeBmp, OneBitRowsAreBottomUpAndPadded) {
  BmpFields f{.width = 10, .height = 2, .bits = 1, .palette = {kRed, kBlue}};
  f.pixels = PaddedRows({{0b10110000, 0b01000000}, {0xFF, 0xC0}});
  const PixelImage image = DecodeBmp(BuildBmp(f));
  ASSERT_EQ(image.Width(), 10);
  ASSERT_EQ(image.Height(), 2);
  EXPECT_EQ(RowPixels(image, 0), std::vector<Pixel>(10, kBlue));
  EXPECT_EQ(RowPixels(image, 1), (std::vector<Pixel>{kBlue, kRed, kBlue, kBlue, kRed, kRed, kRed, kRed, kRed, kBlue}));
}

TEST(DecodeBmp, FourAndEightBitPalettesWithShortTables) {
  BmpFields four{.width = 3, .height = 1, .bits = 4, .colors_used = 4, .palette = {0, kRed, kGreen, kBlue}};
  four.pixels = PaddedRows({{0x12, 0x30}});
  EXPECT_EQ(RowPixels(DecodeBmp(BuildBmp(four)), 0), (std::vector<Pixel>{kRed, kGreen, kBlue}));
  // An index past the colour table reads as black.
  BmpFields eight{.width = 3, .height = 1, .bits = 8, .colors_used = 2, .palette = {kGreen, kRed}};
  eight.pixels = PaddedRows({{1, 0, 5}});
  EXPECT_EQ(RowPixels(DecodeBmp(BuildBmp(eight)), 0), (std::vector<Pixel>{kRed, kGreen, kBlack}));
  // The old core header has three-byte colour entries.
  BmpFields core{.width = 2, .height = 1, .bits = 8, .header_size = 12, .palette = std::vector<uint32_t>(256, 0)};
  core.palette[7] = 0x123456;
  core.pixels = PaddedRows({{7, 0}});
  EXPECT_EQ(RowPixels(DecodeBmp(BuildBmp(core)), 0), (std::vector<Pixel>{0x123456, kBlack}));
}

TEST(DecodeBmp, SixteenBitFiveFiveFiveAndBitFields) {
  BmpFields plain{.width = 4, .height = 1, .bits = 16};
  plain.pixels = PaddedRows({{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}});
  EXPECT_EQ(RowPixels(DecodeBmp(BuildBmp(plain)), 0),
            (std::vector<Pixel>{kRed, kGreen, kBlue, PixelFromRgb(132, 132, 132)}));
  BmpFields fields{
      .width = 2, .height = 1, .bits = 16, .compression = 3, .masks = std::array<uint32_t, 3>{0xF800, 0x07E0, 0x001F}};
  fields.pixels = PaddedRows({{0x00, 0xF8, 0xE0, 0x07}});
  EXPECT_EQ(RowPixels(DecodeBmp(BuildBmp(fields)), 0), (std::vector<Pixel>{kRed, kGreen}));
}

TEST(DecodeBmp, TwentyFourBitBottomUpAndTopDown) {
  BmpFields f{.width = 2, .height = 2, .bits = 24};
  f.pixels = PaddedRows({{0xFF, 0, 0, 0, 0xFF, 0}, {0, 0, 0xFF, 1, 2, 3}});
  const PixelImage bottom_up = DecodeBmp(BuildBmp(f));
  EXPECT_EQ(RowPixels(bottom_up, 0), (std::vector<Pixel>{kRed, PixelFromRgb(3, 2, 1)}));
  EXPECT_EQ(RowPixels(bottom_up, 1), (std::vector<Pixel>{kBlue, kGreen}));
  f.height = -2;
  const PixelImage top_down = DecodeBmp(BuildBmp(f));
  EXPECT_EQ(RowPixels(top_down, 0), (std::vector<Pixel>{kBlue, kGreen}));
  EXPECT_EQ(RowPixels(top_down, 1), (std::vector<Pixel>{kRed, PixelFromRgb(3, 2, 1)}));
}

TEST(DecodeBmp, ThirtyTwoBitIgnoresTheFourthByteAndHonoursMasksInLargeHeaders) {
  BmpFields plain{.width = 1, .height = 1, .bits = 32};
  plain.pixels = {0x10, 0x20, 0x30, 0xFF};
  EXPECT_EQ(DecodeBmp(BuildBmp(plain)).At(0, 0), PixelFromRgb(0x30, 0x20, 0x10));
  BmpFields v4{.width = 1,
               .height = 1,
               .bits = 32,
               .compression = 3,
               .header_size = 108,
               .masks = std::array<uint32_t, 3>{0x000000FF, 0x0000FF00, 0x00FF0000}};
  v4.pixels = {0x10, 0x20, 0x30, 0x00};
  EXPECT_EQ(DecodeBmp(BuildBmp(v4)).At(0, 0), PixelFromRgb(0x10, 0x20, 0x30));
}

TEST(DecodeBmp, RunLengthEightWithRunsLiteralsEndOfLineAndDelta) {
  BmpFields f{.width = 4,
              .height = 3,
              .bits = 8,
              .compression = 1,
              .colors_used = 4,
              .palette = {kBlack, 0x110000, 0x002200, 0x000033}};
  f.pixels = {2, 1, 0, 0,              // bottom row: 1 1, end of line
              0, 3, 2, 3, 1, 0, 0, 0,  // literal 2 3 1 (padded), end of line
              0, 2, 2, 0, 1, 2,        // move right by 2, then one 2
              0, 1};                   // end of bitmap
  const PixelImage image = DecodeBmp(BuildBmp(f));
  ASSERT_EQ(image.Height(), 3);
  EXPECT_EQ(RowPixels(image, 0), (std::vector<Pixel>{kBlack, kBlack, 0x002200, kBlack}));
  EXPECT_EQ(RowPixels(image, 1), (std::vector<Pixel>{0x002200, 0x000033, 0x110000, kBlack}));
  EXPECT_EQ(RowPixels(image, 2), (std::vector<Pixel>{0x110000, 0x110000, kBlack, kBlack}));
}

TEST(DecodeBmp, RunLengthFourAlternatesNibbles) {
  BmpFields f{.width = 8, .height = 1, .bits = 4, .compression = 2, .colors_used = 6, .palette = {0, 1, 2, 3, 4, 5}};
  f.pixels = {3, 0x12, 0, 3, 0x34, 0x50, 0, 1};
  EXPECT_EQ(RowPixels(DecodeBmp(BuildBmp(f)), 0), (std::vector<Pixel>{1, 2, 1, 3, 4, 5, 0, 0}));
  // Runs past the row's end are clipped, not written elsewhere.
  f.pixels = {20, 0x12, 0, 1};
  EXPECT_EQ(RowPixels(DecodeBmp(BuildBmp(f)), 0), (std::vector<Pixel>{1, 2, 1, 2, 1, 2, 1, 2}));
}

TEST(DecodeBmp, EncodedImagesRoundTrip) {
  PixelImage image(5, 3);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 5; ++x) image.Set(x, y, PixelFromRgb(x * 40, y * 70, 255 - x));
  EXPECT_EQ(DecodeBmp(EncodeBmp24(image)), image);
  EXPECT_TRUE(EncodeBmp24(PixelImage()).empty());
}

BmpFields ValidTwentyFourBit() {
  BmpFields f{.width = 3, .height = 2, .bits = 24};
  f.pixels = PaddedRows({Bytes(9, 0x40), Bytes(9, 0x80)});
  return f;
}

TEST(DecodeBmp, TruncatedFilesAreEmptyButAMissingLastPaddingIsTolerated) {
  const Bytes whole = BuildBmp(ValidTwentyFourBit());
  ASSERT_FALSE(DecodeBmp(whole).IsEmpty());
  EXPECT_FALSE(DecodeBmp(std::span(whole).first(whole.size() - 3)).IsEmpty());
  EXPECT_TRUE(DecodeBmp(std::span(whole).first(whole.size() - 4)).IsEmpty());
  for (std::size_t cut : {0u, 1u, 2u, 13u, 14u, 17u, 18u, 30u, 53u}) {
    EXPECT_TRUE(DecodeBmp(std::span(whole).first(cut)).IsEmpty()) << cut;
  }
}

TEST(DecodeBmp, InvalidHeadersGiveAnEmptyImage) {
  auto decoded_empty = [](BmpFields f) { return DecodeBmp(BuildBmp(f)).IsEmpty(); };
  Bytes wrong_magic = BuildBmp(ValidTwentyFourBit());
  wrong_magic[1] = 'A';
  EXPECT_TRUE(DecodeBmp(wrong_magic).IsEmpty());

  BmpFields f = ValidTwentyFourBit();
  f.width = 100000;
  f.height = 100000;
  EXPECT_TRUE(decoded_empty(f)) << "absurd dimensions";
  f = ValidTwentyFourBit();
  f.width = 4097;
  f.height = -4097;
  EXPECT_TRUE(decoded_empty(f)) << "over the pixel cap";
  for (int32_t height : {0, INT32_MIN}) {
    f = ValidTwentyFourBit();
    f.height = height;
    EXPECT_TRUE(decoded_empty(f)) << height;
  }
  f = ValidTwentyFourBit();
  f.width = -3;
  EXPECT_TRUE(decoded_empty(f));
  for (uint16_t bits : {0, 2, 7, 48, 64}) {
    f = ValidTwentyFourBit();
    f.bits = bits;
    EXPECT_TRUE(decoded_empty(f)) << bits;
  }
  for (uint32_t compression : {1u, 2u, 4u, 5u, 6u, 0xFFFFFFFFu}) {
    f = ValidTwentyFourBit();
    f.compression = compression;
    EXPECT_TRUE(decoded_empty(f)) << compression;
  }
  for (uint32_t header_size : {0u, 20u, 39u, 0xFFFFFFF0u}) {
    Bytes file = BuildBmp(ValidTwentyFourBit());
    for (int i = 0; i < 4; ++i) file[14 + i] = static_cast<uint8_t>(header_size >> (8 * i));
    EXPECT_TRUE(DecodeBmp(file).IsEmpty()) << header_size;
  }
  f = ValidTwentyFourBit();
  f.planes = 0;
  EXPECT_TRUE(decoded_empty(f));
}

TEST(DecodeBmp, OffsetsAndTablesOutsideTheFileGiveAnEmptyImage) {
  BmpFields f = ValidTwentyFourBit();
  f.pixel_offset = 1000;
  EXPECT_TRUE(DecodeBmp(BuildBmp(f)).IsEmpty());
  f.pixel_offset = 10;  // inside the headers
  EXPECT_TRUE(DecodeBmp(BuildBmp(f)).IsEmpty());
  f.pixel_offset = 0;  // means: straight after the headers
  EXPECT_FALSE(DecodeBmp(BuildBmp(f)).IsEmpty());

  BmpFields short_table{.width = 1, .height = 1, .bits = 8, .colors_used = 256, .palette = {kRed, kGreen}};
  short_table.pixels = PaddedRows({{0}});
  short_table.pixel_offset = 14 + 40 + 8;
  Bytes file = BuildBmp(short_table);
  EXPECT_TRUE(DecodeBmp(file).IsEmpty());

  BmpFields no_masks{.width = 1, .height = 1, .bits = 32, .compression = 3};
  Bytes cut = BuildBmp(no_masks);
  EXPECT_TRUE(DecodeBmp(cut).IsEmpty()) << "bit fields without their masks";
}

TEST(DecodeBmp, BrokenRunLengthDataGiveAnEmptyImage) {
  BmpFields f{.width = 4, .height = 2, .bits = 8, .compression = 1, .palette = std::vector<uint32_t>(256, 0)};
  f.pixels = {4, 1, 0, 0};  // one row, then the data end
  EXPECT_TRUE(DecodeBmp(BuildBmp(f)).IsEmpty());
  f.pixels = {0, 9, 1, 2};  // literal longer than the data
  EXPECT_TRUE(DecodeBmp(BuildBmp(f)).IsEmpty());
  f.pixels = {0, 2, 255};  // delta cut short
  EXPECT_TRUE(DecodeBmp(BuildBmp(f)).IsEmpty());
  f.pixels = {0, 2, 255, 255, 0, 1};  // delta far outside: clipped, then end
  EXPECT_FALSE(DecodeBmp(BuildBmp(f)).IsEmpty());
  f.pixels = {4, 1, 0, 1};
  f.height = -2;  // run-length data are always bottom-up
  EXPECT_TRUE(DecodeBmp(BuildBmp(f)).IsEmpty());
}

}  // namespace
}  // namespace lanvero
