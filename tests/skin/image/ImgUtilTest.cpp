// Bitmap transforms, colour arithmetic, gradients and small helpers.

#include <gtest/gtest.h>

#include <set>

#include "skin/image/GradientTable.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/SysColors.h"
#include "skin/ini/QuickIni.h"
#include "tests/skin/image/PixelRows.h"

namespace lanvero {
namespace {

using test::ImageFromRows;
using test::RowsOf;
using Rows = std::vector<std::string>;

constexpr Color Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

TEST(Transforms, RotationsAndMirrorsMovePixelsAsStated) {
  PixelImage image = ImageFromRows({"abc", "def"});
  RotateBitmapLeft(image);  // (x, y) -> (y, W - 1 - x)
  EXPECT_EQ(RowsOf(image), (Rows{"cf", "be", "ad"}));
  image = ImageFromRows({"abc", "def"});
  RotateBitmapRight(image);  // (x, y) -> (H - 1 - y, x)
  EXPECT_EQ(RowsOf(image), (Rows{"da", "eb", "fc"}));
  image = ImageFromRows({"abc", "def"});
  MirrorHorizontal(image);
  EXPECT_EQ(RowsOf(image), (Rows{"cba", "fed"}));
  image = ImageFromRows({"abc", "def", "ghi"});
  FlipVertical(image);
  EXPECT_EQ(RowsOf(image), (Rows{"ghi", "def", "abc"}));
}

TEST(Transforms, PairsRestoreTheOriginal) {
  const PixelImage original = ImageFromRows({"abcd", "efgh", "ijkl"});
  PixelImage image = original;
  RotateBitmapLeft(image);
  RotateBitmapRight(image);
  EXPECT_EQ(image, original);
  MirrorHorizontal(image);
  MirrorHorizontal(image);
  EXPECT_EQ(image, original);
  FlipVertical(image);
  FlipVertical(image);
  EXPECT_EQ(image, original);
  PixelImage empty;
  RotateBitmapLeft(empty);
  MirrorHorizontal(empty);
  EXPECT_TRUE(empty.IsEmpty());
}

TEST(Transforms, ReplaceMagentaChangesOnlyExactMagenta) {
  PixelImage image(3, 1);
  image.Set(0, 0, kMagentaKey);
  image.Set(1, 0, PixelFromRgb(255, 1, 255));
  image.Set(2, 0, PixelFromRgb(254, 0, 255));
  ReplaceMagenta(image, Rgb(1, 2, 3));
  EXPECT_EQ(image.At(0, 0), PixelFromRgb(1, 2, 3));
  EXPECT_EQ(image.At(1, 0), PixelFromRgb(255, 1, 255));
  EXPECT_EQ(image.At(2, 0), PixelFromRgb(254, 0, 255));
  // A system colour is resolved first (button face of the scheme).
  image.Set(0, 0, kMagentaKey);
  ReplaceMagenta(image, 0x80000000u | kSysColorButtonFace);
  EXPECT_EQ(image.At(0, 0), PixelFromColor(SystemColorRgb(kSysColorButtonFace)));
}

TEST(BlendColors, PerCentBelowOneHundredPerMilleFromThere) {
  EXPECT_EQ(BlendColors(Rgb(255, 0, 101), Rgb(0, 255, 0), 50), Rgb(128, 128, 51));
  EXPECT_EQ(BlendColors(Rgb(200, 0, 0), Rgb(0, 100, 0), 100), Rgb(20, 90, 0));
  EXPECT_EQ(BlendColors(Rgb(12, 34, 56), Rgb(200, 200, 200), 1000), Rgb(12, 34, 56));
  EXPECT_EQ(BlendColors(Rgb(12, 34, 56), Rgb(200, 201, 202), 0), Rgb(200, 201, 202));
  EXPECT_EQ(BlendColors(0x808080, 0xFFFFFF, 150), Rgb(236, 236, 236));
  const Color face = SystemColorRgb(kSysColorButtonFace);
  EXPECT_EQ(BlendColors(0x80000000u | kSysColorButtonFace, face, 50), face);
}

TEST(ColorSaturation, DarkColoursAre200OthersScaledSaturation) {
  EXPECT_EQ(ColorSaturation(0), 200);
  EXPECT_EQ(ColorSaturation(Rgb(159, 0, 0)), 200);
  EXPECT_EQ(ColorSaturation(Rgb(255, 0, 0)), 255);
  EXPECT_EQ(ColorSaturation(Rgb(200, 200, 200)), 0);
  EXPECT_EQ(ColorSaturation(Rgb(160, 80, 120)), 128);  // 127.5 rounds to even
  EXPECT_EQ(ColorSaturation(Rgb(170, 167, 167)), 4);   // 4.5 rounds to even
  EXPECT_EQ(ColorSaturation(Rgb(170, 169, 169)), 2);   // 1.5 rounds to even
}

TEST(GradientTable, StepsFromStartToEnd) {
  EXPECT_EQ(MakeGradientTable(1, Rgb(0, 100, 255), Rgb(255, 0, 0)), (std::vector<Color>{Rgb(127, 50, 128)}));
  EXPECT_EQ(MakeGradientTable(2, Rgb(1, 2, 3), Rgb(4, 5, 6)), (std::vector<Color>{Rgb(1, 2, 3), Rgb(4, 5, 6)}));
  EXPECT_EQ(MakeGradientTable(5, Rgb(0, 0, 0), Rgb(8, 0, 0)),
            (std::vector<Color>{Rgb(0, 0, 0), Rgb(2, 0, 0), Rgb(4, 0, 0), Rgb(6, 0, 0), Rgb(8, 0, 0)}));
  // A falling channel can end one step short of the end colour.
  EXPECT_EQ(MakeGradientTable(3, Rgb(255, 0, 0), Rgb(0, 0, 0)).back(), Rgb(1, 0, 0));
  EXPECT_THROW(MakeGradientTable(0, 0, 0), AssertionFailure);
}

TEST(GradientCache, ReusesMatchingTablesAndRecyclesSixteenSlots) {
  GradientCache cache;
  const std::vector<Color>* first = &cache.Table(10, Rgb(0, 0, 0), Rgb(90, 0, 0));
  EXPECT_EQ(&cache.Table(10, Rgb(0, 0, 0), Rgb(90, 0, 0)), first);
  std::set<const std::vector<Color>*> slots{first};
  for (int32_t n = 2; n <= GradientCache::kSlots; ++n) slots.insert(&cache.Table(n, 0, Rgb(0, 0, 255)));
  EXPECT_EQ(slots.size(), 16u);
  EXPECT_EQ(cache.Table(10, Rgb(0, 0, 0), Rgb(90, 0, 0)).size(), 10u);  // still cached
  // The seventeenth new table takes slot 0 again, where the first one lived.
  EXPECT_EQ(&cache.Table(40, 0, Rgb(0, 40, 0)), first);
  // A table that falls short of its end colour never matches and uses a new slot each time.
  const auto* falling = &cache.Table(3, Rgb(255, 0, 0), 0);
  EXPECT_NE(&cache.Table(3, Rgb(255, 0, 0), 0), falling);
  EXPECT_THROW(cache.Table(0, 0, 0), AssertionFailure);
}

TEST(GradientFill, OnlyBandsInsideTheClipBoxArePaintedInTheirFullGradientColour) {
  const Pixel background = PixelFromRgb(1, 1, 1);
  PixelImage image(12, 4, background);
  const Rect area{1, 0, 11, 4};  // 10 columns
  const Rect clip{4, 1, 8, 3};
  GradientFill(image, area, Rgb(0, 0, 0), Rgb(90, 0, 0), GradientDirection::LeftToRight, clip);
  const auto table = MakeGradientTable(10, Rgb(0, 0, 0), Rgb(90, 0, 0));
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 12; ++x) {
      const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
      EXPECT_EQ(image.At(x, y), inside ? PixelFromColor(table[x - area.left]) : background) << x << "," << y;
    }
  }
  EXPECT_EQ(VisibleGradientBands(area, clip, GradientDirection::LeftToRight).first, 3);
  EXPECT_EQ(VisibleGradientBands(area, clip, GradientDirection::LeftToRight).last, 6);
  const auto rows = VisibleGradientBands({0, 10, 5, 20}, {-5, 12, 50, 100}, GradientDirection::TopToBottom);
  EXPECT_EQ(rows.first, 2);
  EXPECT_EQ(rows.last, 9);
  EXPECT_TRUE(VisibleGradientBands(area, {20, 0, 30, 4}, GradientDirection::LeftToRight).IsEmpty());
  EXPECT_TRUE(VisibleGradientBands({5, 0, 5, 4}, clip, GradientDirection::LeftToRight).IsEmpty());
}

TEST(MakeDisabledGlyph, BlackPixelsBecomeShadowOverAnOffsetHighlight) {
  const Pixel face = PixelFromColor(SystemColorRgb(kSysColorButtonFace));
  const Pixel light = PixelFromColor(SystemColorRgb(kSysColorButtonHighlight));
  const Pixel shadow = PixelFromColor(SystemColorRgb(kSysColorButtonShadow));
  PixelImage glyph(3, 3, PixelFromRgb(255, 255, 255));
  glyph.Set(1, 1, 0);
  glyph.Set(2, 2, 0);  // its highlight would fall outside
  const PixelImage disabled = MakeDisabledGlyph(glyph);
  ASSERT_EQ(disabled.Width(), 3);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 3; ++x) {
      const Pixel expected = (x == y && x >= 1) ? shadow : face;
      EXPECT_EQ(disabled.At(x, y), expected) << x << "," << y;
    }
  glyph.Set(2, 2, PixelFromRgb(255, 255, 255));
  EXPECT_EQ(MakeDisabledGlyph(glyph).At(2, 2), light);
}

TEST(SmallHelpers, FillSolidClipsAndReplaceFirstReplacesOnce) {
  PixelImage image(3, 2);
  FillSolid(image, {-5, 1, 2, 9}, Rgb(0, 0, 255));
  EXPECT_EQ(image.At(0, 1), PixelFromRgb(0, 0, 255));
  EXPECT_EQ(image.At(1, 1), PixelFromRgb(0, 0, 255));
  EXPECT_EQ(image.At(2, 1), 0u);
  EXPECT_EQ(image.At(0, 0), 0u);
  EXPECT_EQ(ReplaceFirst(std::wstring_view(L"a||b||c"), L"||", L"\r\n"), L"a\r\nb||c");
  EXPECT_EQ(ReplaceFirst(std::wstring_view(L"abc"), L"||", L"\r\n"), L"abc");
  EXPECT_EQ(ReplaceFirst(std::string_view("abc"), "", "x"), "abc");
}

}  // namespace
}  // namespace lanvero
