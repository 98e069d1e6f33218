// Device-context drawing checked against the software renderer and against
// exact pixels, run under Wine.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "skin/image/ImgUtil.h"
#include "skin/image/SkinRaster.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/SkinDraw.h"
#include "tests/skin/image/PixelRows.h"

namespace lanvero {
namespace {

using test::ImageFromRows;
using test::RowsOf;
using Rows = std::vector<std::string>;

// Runs GDI drawing on a memory device context that holds a copy of
// `canvas` and returns the pixels afterwards.
PixelImage DrawOnDC(const PixelImage& canvas, const std::function<void(HDC)>& draw) {
  DibSection target = DibSection::FromImage(canvas);
  {
    const framework::UniqueDC dc(CreateCompatibleDC(nullptr));
    const framework::SelectGuard selected(dc.Get(), target.Handle());
    draw(dc.Get());
  }
  return target.ToImage();
}

Pixel PixelOfLetter(char c) { return test::PixelOfLetter(c); }
PixelImage Blank(int32_t w, int32_t h) { return PixelImage(w, h, PixelOfLetter('.')); }

PixelImage TwoFrameStrip() { return ImageFromRows({"ABCDEabcde", "FGHIJfghij", "KLMNOklmno", "PQRSTpqrst"}); }

TEST(DibSection, RoundTripsPixelsAndReadsOtherDepths) {
  const PixelImage image = TwoFrameStrip();
  const DibSection dib = DibSection::FromImage(image);
  ASSERT_FALSE(dib.IsEmpty());
  EXPECT_EQ(dib.ToImage(), image);
  EXPECT_EQ(ReadBitmapPixels(dib.Handle()), image);
  EXPECT_EQ(BitmapSize(dib.Handle()).cx, 10);
  EXPECT_TRUE(DibSection::Create(0, 5).IsEmpty());
  EXPECT_TRUE(ReadBitmapPixels(nullptr).IsEmpty());

  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const framework::UniqueBitmap rgb24(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(rgb24);
  const uint8_t bytes[] = {0x10, 0x20, 0x30, 0xFF, 0x00, 0x00};
  std::memcpy(bits, bytes, sizeof bytes);
  const PixelImage read = ReadBitmapPixels(rgb24.Get());
  EXPECT_EQ(read.At(0, 0), PixelFromRgb(0x30, 0x20, 0x10));
  EXPECT_EQ(read.At(1, 0), PixelFromRgb(0, 0, 0xFF));
  EXPECT_EQ(CopyBitmap(rgb24.Get()).ToImage(), read);
}

TEST(BuildSkinBitmap, MatchesTheSoftwareRendererPixelForPixel) {
  const PixelImage strip = TwoFrameStrip();
  const DibSection strip_dib = DibSection::FromImage(strip);
  struct Case {
    Rect destination;
    Margins margins;
    int32_t index;
    bool tile;
  };
  const Case cases[] = {
      {{0, 0, 8, 6}, {1, 1, 1, 1}, 2, false},    // corners, edges and centre scaled twice
      {{0, 0, 9, 4}, {1, 0, 1, 0}, 1, true},     // tiled centre running under the right edge
      {{3, 7, 13, 11}, {6, 0, 6, 0}, 1, false},  // margins wider than the destination
      {{0, 0, 5, 4}, {0, 0, 0, 0}, 2, true},     // one tile, unscaled
      {{0, 0, 40, 16}, {1, 0, 1, 0}, 2, true},   // many tiles in both directions
  };
  for (const Case& c : cases) {
    const DibSection built = BuildSkinBitmap(c.destination, strip_dib.Handle(), c.margins, c.index, 2, c.tile, false);
    ASSERT_FALSE(built.IsEmpty());
    EXPECT_EQ(RowsOf(built.ToImage()),
              RowsOf(BuildSkinImage(c.destination, strip.View(), c.margins, c.index, 2, c.tile, false)));
  }
  EXPECT_EQ(RowsOf(BuildSkinBitmap({0, 0, 9, 4}, strip_dib.Handle(), {1, 0, 1, 0}, 1, 2, true, false).ToImage()),
            (Rows{"ABCDBCDBE", "FGHIGHIGJ", "KLMNLMNLO", "PQRSQRSQT"}));
  EXPECT_TRUE(BuildSkinBitmap({4, 4, 4, 8}, strip_dib.Handle(), {}, 1, 2, false, false).IsEmpty());
  const PixelImage stacked = ImageFromRows({"AB", "CD", "ab", "cd"});
  EXPECT_EQ(
      RowsOf(BuildSkinBitmap({0, 0, 2, 2}, DibSection::FromImage(stacked).Handle(), {}, 2, 2, false, true).ToImage()),
      (Rows{"ab", "cd"}));
}

TEST(DrawSkinFrame, OpaqueAndMagentaKeyedLikeTheSoftwareRenderer) {
  const PixelImage strip = ImageFromRows({"#A#xy", "BCD#z"});
  const DibSection strip_dib = DibSection::FromImage(strip);
  for (bool transparent : {false, true}) {
    const Rect at{1, 1, 6, 3};
    const PixelImage drawn = DrawOnDC(Blank(7, 4), [&](HDC dc) {
      DrawSkinFrame(dc, at, strip_dib.Handle(), {}, 1, 1, transparent, false, false);
    });
    PixelImage expected = Blank(7, 4);
    DrawSkinFrame(expected, at, strip.View(), {}, 1, 1, transparent, false, false);
    EXPECT_EQ(RowsOf(drawn), RowsOf(expected)) << transparent;
  }
  const PixelImage keyed = DrawOnDC(Blank(5, 2), [&](HDC dc) {
    DrawSkinFrame(dc, {0, 0, 5, 2}, strip_dib.Handle(), {}, 1, 1, true, false, false);
  });
  EXPECT_EQ(RowsOf(keyed), (Rows{".A.xy", "BCD.z"}));
  const PixelImage untouched = DrawOnDC(Blank(5, 2), [&](HDC dc) {
    DrawSkinFrame(dc, {3, 0, 1, 2}, strip_dib.Handle(), {}, 1, 1, false, false, false);
  });
  EXPECT_EQ(untouched, Blank(5, 2));
}

TEST(DrawSkinFrameFamily, TiledStretchedCentredAndThreePart) {
  const PixelImage ends = ImageFromRows({"LxyR", "lXYr"});
  const DibSection ends_dib = DibSection::FromImage(ends);
  EXPECT_EQ(RowsOf(
                DrawOnDC(Blank(11, 3),
                         [&](HDC dc) {
                           DrawSkinFrameTiled(dc, {1, 0, 10, 2}, ends_dib.Handle(), {1, 0, 1, 0}, 1, 1, false, false);
                         })),
            (Rows{".LxyxyxyxR.", ".lXYXYXYXr.", "..........."}));

  const PixelImage frames = ImageFromRows({"AB#d", "CDef"});
  const DibSection frames_dib = DibSection::FromImage(frames);
  EXPECT_EQ(RowsOf(DrawOnDC(Blank(4, 4),
                            [&](HDC dc) {
                              DrawSkinFrameStretched(dc, {0, 0, 4, 4}, frames_dib.Handle(), 1, 2, false);
                            })),
            (Rows{"AABB", "AABB", "CCDD", "CCDD"}));
  EXPECT_EQ(RowsOf(DrawOnDC(Blank(5, 3),
                            [&](HDC dc) {
                              DrawSkinFrameCentered(dc, {0, 0, 5, 3}, frames_dib.Handle(), 2, 2, true);
                            })),
            (Rows{"..d..", ".ef..", "....."}));

  const DibSection three = DibSection::FromImage(ImageFromRows({"LmR"}));
  EXPECT_EQ(RowsOf(DrawOnDC(Blank(8, 2),
                            [&](HDC dc) {
                              DrawSkinFrame3(dc, {1, 0, 7, 2}, three.Handle(), {1, 0, 1, 0}, 1, 1, false);
                            })),
            (Rows{".LmmmmR.", ".LmmmmR."}));
}

TEST(DrawSkinFrame, AStripThatCannotBeSelectedDrawsNothing) {
  const DibSection strip = DibSection::FromImage(TwoFrameStrip());
  const framework::UniqueDC holder(CreateCompatibleDC(nullptr));
  const framework::SelectGuard held(holder.Get(), strip.Handle());  // busy elsewhere
  EXPECT_TRUE(BuildSkinBitmap({0, 0, 8, 6}, strip.Handle(), {1, 1, 1, 1}, 1, 2, false, false).IsEmpty());
  EXPECT_EQ(DrawOnDC(Blank(8, 6),
                     [&](HDC dc) {
                       DrawSkinFrame(dc, {0, 0, 8, 6}, strip.Handle(), {1, 1, 1, 1}, 1, 2, false, false, false);
                       DrawSkinFrame3(dc, {0, 0, 8, 6}, strip.Handle(), {1, 1, 1, 1}, 1, 2, false);
                       TransparentBlit(dc, {0, 0, 8, 6}, strip.Handle(), kMagentaKey);
                       TileDraw(dc, {0, 0, 8, 6}, nullptr, {0, 0, 2, 2});
                     }),
            Blank(8, 6));
}

TEST(TransparentBlit, SkipsTheKeyColourAndStaysWithinTheBitmap) {
  const PixelImage source = ImageFromRows({"abz", "zzc"});
  const DibSection source_dib = DibSection::FromImage(source);
  const Color key_z = ColorFromPixel(PixelOfLetter('z'));
  EXPECT_EQ(RowsOf(DrawOnDC(Blank(5, 4),
                            [&](HDC dc) {
                              TransparentBlit(dc, {1, 1, 5, 4}, source_dib.Handle(), key_z);
                            })),
            (Rows{".....", ".ab..", "...c.", "....."}));
  EXPECT_EQ(DrawOnDC(Blank(3, 3),
                     [&](HDC dc) {
                       TransparentBlit(dc, {2, 2, 1, 1}, source_dib.Handle(), key_z);
                     }),
            Blank(3, 3));
}

TEST(TileDraw, RepeatsTheSourceRectangleLikeTheSoftwareRenderer) {
  const PixelImage tile = ImageFromRows({"abc", "def"});
  const DibSection tile_dib = DibSection::FromImage(tile);
  PixelImage expected = Blank(7, 5);
  TileDraw(expected, {1, 1, 5, 4}, tile.View(), {1, 0, 3, 2});
  EXPECT_EQ(RowsOf(DrawOnDC(Blank(7, 5),
                            [&](HDC dc) {
                              TileDraw(dc, {1, 1, 5, 4}, tile_dib.Handle(), {1, 0, 3, 2});
                            })),
            RowsOf(expected));
  // A source rectangle reaching outside the bitmap draws nothing.
  EXPECT_EQ(DrawOnDC(Blank(7, 5),
                     [&](HDC dc) {
                       TileDraw(dc, {1, 1, 5, 4}, tile_dib.Handle(), {2, 0, 4, 2});
                     }),
            Blank(7, 5));
}

TEST(GradientFill, PaintsOnlyInsideTheClipBoxWithTheFullGradientColours) {
  const Pixel background = PixelFromRgb(1, 1, 1);
  for (auto direction : {GradientDirection::LeftToRight, GradientDirection::TopToBottom}) {
    const Rect area{2, 1, 30, 20};
    const Rect clip{5, 4, 17, 12};
    const PixelImage drawn = DrawOnDC(PixelImage(32, 24, background), [&](HDC dc) {
      IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
      GradientFill(dc, area, 0x00102030, 0x00F0E0D0, direction);
    });
    PixelImage expected(32, 24, background);
    GradientFill(expected, area, 0x00102030, 0x00F0E0D0, direction, clip);
    EXPECT_EQ(drawn, expected);
  }
}

TEST(SolidsAndGlyphs, FillSolidResolvesSystemColoursAndDisabledGlyphMatches) {
  const PixelImage filled = DrawOnDC(Blank(3, 2), [&](HDC dc) {
    FillSolid(dc, {1, 0, 3, 1}, 0x80000000u | kSysColorButtonFace);
  });
  EXPECT_EQ(filled.At(1, 0), PixelFromColor(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(filled.At(0, 0), PixelOfLetter('.'));
  PixelImage glyph(4, 4, PixelFromRgb(255, 255, 255));
  glyph.Set(1, 1, 0);
  glyph.Set(2, 1, 0);
  EXPECT_EQ(MakeDisabledGlyph(DibSection::FromImage(glyph).Handle()).ToImage(), MakeDisabledGlyph(glyph));
}

}  // namespace
}  // namespace lanvero
