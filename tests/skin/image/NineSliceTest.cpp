// Nine-slice and three-part frame drawing, checked pixel by pixel.

#include <gtest/gtest.h>

#include "skin/image/NineSlice.h"
#include "skin/image/SkinRaster.h"
#include "tests/skin/image/PixelRows.h"

namespace lanvero {
namespace {

using test::ImageFromRows;
using test::RowsOf;
using Rows = std::vector<std::string>;

// Two 5 x 4 frames side by side: frame 1 in capitals, frame 2 in small letters.
PixelImage TwoFrameStrip() { return ImageFromRows({"ABCDEabcde", "FGHIJfghij", "KLMNOklmno", "PQRSTpqrst"}); }

TEST(StripFrame, HorizontalAndVerticalFramesTruncateAndCountFromOne) {
  EXPECT_EQ(StripFrame(10, 4, 1, 3, false), (Rect{0, 0, 3, 4}));
  EXPECT_EQ(StripFrame(10, 4, 3, 3, false), (Rect{6, 0, 9, 4}));
  EXPECT_EQ(StripFrame(20, 64, 2, 2, true), (Rect{0, 32, 20, 64}));
  EXPECT_EQ(StripFrame(20, 65, 2, 2, true), (Rect{0, 32, 20, 64}));
  // Nothing to cut: no frames, a frame number outside the strip, an empty strip.
  EXPECT_TRUE(StripFrame(10, 4, 1, 0, false).IsEmpty());
  EXPECT_TRUE(StripFrame(10, 4, 0, 2, false).IsEmpty());
  EXPECT_TRUE(StripFrame(10, 4, 3, 2, false).IsEmpty());
  EXPECT_TRUE(StripFrame(0, 4, 1, 1, false).IsEmpty());
}

TEST(NineSlicePieces, DrawingOrderAndRectangles) {
  const auto pieces = NineSlicePieces(8, 6, {5, 0, 10, 4}, {1, 1, 1, 1}, true, 10, 4);
  std::vector<SlicePart> order;
  for (const auto& p : pieces) order.push_back(p.part);
  EXPECT_EQ(order, (std::vector<SlicePart>{SlicePart::TopLeft, SlicePart::BottomLeft, SlicePart::TopRight,
                                           SlicePart::LeftEdge, SlicePart::TopEdge, SlicePart::Centre,
                                           SlicePart::BottomRight, SlicePart::RightEdge, SlicePart::BottomEdge}));
  EXPECT_EQ(pieces[1].target, (Rect{0, 5, 1, 6}));
  EXPECT_EQ(pieces[1].source, (Rect{5, 3, 6, 4}));
  EXPECT_EQ(pieces[5].fill, PieceFill::Tile);
  EXPECT_EQ(pieces[5].source, (Rect{6, 1, 9, 3}));
  // Corners need both of their margins; with no margins only the centre is left.
  const auto sides_only = NineSlicePieces(8, 6, {0, 0, 5, 4}, {1, 0, 1, 0}, false, 10, 4);
  ASSERT_EQ(sides_only.size(), 3u);
  EXPECT_EQ(sides_only[0].part, SlicePart::LeftEdge);
  EXPECT_EQ(NineSlicePieces(8, 6, {0, 0, 5, 4}, {}, false, 10, 4).size(), 1u);
}

TEST(NineSlicePieces, MarginsLargerThanTheFrameNeverReadOutsideTheStrip) {
  // Frame 2 is the last one: its right margin pieces would start inside it
  // but reach past the strip; they are left out rather than read outside.
  for (const auto& piece : NineSlicePieces(40, 40, {5, 0, 10, 4}, {2, 2, 9, 2}, false, 10, 4)) {
    EXPECT_GE(piece.source.left, 0);
    EXPECT_LE(piece.source.right, 10);
    EXPECT_FALSE(piece.source.IsEmpty());
  }
  // Negative margins count as zero.
  EXPECT_EQ(NineSlicePieces(8, 6, {0, 0, 5, 4}, {-3, -1, -2, -4}, false, 10, 4).size(), 1u);
}

TEST(BuildSkinImage, CornersUnscaledEdgesAndCentreStretched) {
  const PixelImage strip = TwoFrameStrip();
  EXPECT_EQ(RowsOf(BuildSkinImage({0, 0, 8, 6}, strip.View(), {1, 1, 1, 1}, 2, 2, false, false)),
            (Rows{"abbccdde", "fgghhiij", "fgghhiij", "kllmmnno", "kllmmnno", "pqqrrsst"}));
  // The destination's position does not matter, only its size.
  EXPECT_EQ(BuildSkinImage({30, 40, 38, 46}, strip.View(), {1, 1, 1, 1}, 2, 2, false, false),
            BuildSkinImage({0, 0, 8, 6}, strip.View(), {1, 1, 1, 1}, 2, 2, false, false));
}

TEST(BuildSkinImage, TiledCentreOverflowIsCoveredByTheLaterEdges) {
  // Centre tiles (3 x 2) start at x = 1, 4, 7 and y = 1, 3: the last ones run
  // into the right edge column and the bottom row, which are drawn later.
  EXPECT_EQ(RowsOf(BuildSkinImage({0, 0, 9, 5}, TwoFrameStrip().View(), {1, 1, 1, 1}, 1, 2, true, false)),
            (Rows{"ABBCCCDDE", "FGHIGHIGJ", "KLMNLMNLO", "KGHIGHIGO", "PQQRRRSST"}));
}

TEST(BuildSkinImage, MarginsWiderThanTheDestinationAreIgnoredOnThatAxis) {
  const PixelImage strip = TwoFrameStrip();
  // Width 3 < 2 + 2: the whole frame is squeezed across, rows keep margins.
  EXPECT_EQ(RowsOf(BuildSkinImage({0, 0, 3, 4}, strip.View(), {2, 1, 2, 1}, 1, 2, false, false)),
            (Rows{"ACE", "FHJ", "KMO", "PRT"}));
  // Height 1 < 1 + 1 as well: the whole frame scaled to 3 x 1.
  EXPECT_EQ(RowsOf(BuildSkinImage({0, 0, 3, 1}, strip.View(), {2, 1, 2, 1}, 1, 2, false, false)), (Rows{"KMO"}));
  // Exactly as wide as the margins: no centre, the ends meet.
  EXPECT_EQ(RowsOf(BuildSkinImage({0, 0, 4, 4}, strip.View(), {2, 0, 2, 0}, 1, 2, false, false)),
            (Rows{"ABDE", "FGIJ", "KLNO", "PQST"}));
}

TEST(BuildSkinImage, VerticalStripAndEmptyCases) {
  const PixelImage stacked = ImageFromRows({"AB", "CD", "ab", "cd"});
  EXPECT_EQ(RowsOf(BuildSkinImage({0, 0, 2, 2}, stacked.View(), {}, 2, 2, false, true)), (Rows{"ab", "cd"}));
  EXPECT_TRUE(BuildSkinImage({5, 5, 5, 9}, stacked.View(), {}, 1, 2, false, true).IsEmpty());
  // Frame numbers outside the strip give a blank image of the right size.
  const PixelImage blank = BuildSkinImage({0, 0, 3, 3}, stacked.View(), {}, 3, 2, false, true);
  EXPECT_EQ(blank, PixelImage(3, 3));
}

TEST(TileDraw, RepeatsFromTheTopLeftAndMayRunPastTheArea) {
  PixelImage canvas = ImageFromRows({"......", "......", "......", "......"});
  const PixelImage tile = ImageFromRows({"ab", "cd"});
  TileDraw(canvas, {0, 0, 5, 3}, tile.View(), tile.Bounds());
  EXPECT_EQ(RowsOf(canvas), (Rows{"ababab", "cdcdcd", "ababab", "cdcdcd"}));
  PixelImage untouched = ImageFromRows({"..", ".."});
  TileDraw(untouched, {0, 0, 2, 2}, tile.View(), {1, 0, 1, 2});
  TileDraw(untouched, {0, 0, 2, 2}, tile.View(), {2, 0, 1, 2});
  EXPECT_EQ(RowsOf(untouched), (Rows{"..", ".."}));
}

TEST(DrawSkinFrame, TransparentDrawingKeepsTheCanvasUnderMagenta) {
  const PixelImage strip = ImageFromRows({"#A#", "BCD"});
  PixelImage canvas = ImageFromRows({".....", ".....", "....."});
  DrawSkinFrame(canvas, {1, 0, 4, 2}, strip.View(), {}, 1, 1, true, false, false);
  EXPECT_EQ(RowsOf(canvas), (Rows{"..A..", ".BCD.", "....."}));
  DrawSkinFrame(canvas, {1, 1, 4, 3}, strip.View(), {}, 1, 1, false, false, false);
  EXPECT_EQ(RowsOf(canvas), (Rows{"..A..", ".#A#.", ".BCD."}));
  DrawSkinFrame(canvas, {4, 1, 1, 3}, strip.View(), {}, 1, 1, false, false, false);  // empty: nothing
  EXPECT_EQ(RowsOf(canvas), (Rows{"..A..", ".#A#.", ".BCD."}));
}

TEST(DrawSkinFrameTiled, MiddleRepeatedBetweenFixedEnds) {
  const PixelImage strip = ImageFromRows({"LxyR", "lXYr"});
  PixelImage canvas(9, 2);
  DrawSkinFrameTiled(canvas, {0, 0, 9, 2}, strip.View(), {1, 0, 1, 0}, 1, 1, false, false);
  EXPECT_EQ(RowsOf(canvas), (Rows{"LxyxyxyxR", "lXYXYXYXr"}));
  // Heights are stretched; a frame no wider than its ends draws only the
  // ends, and the fresh scratch bitmap (black, shown as '?') shows between.
  const PixelImage ends = ImageFromRows({"LR"});
  PixelImage wide = ImageFromRows({"......", "......"});
  DrawSkinFrameTiled(wide, {0, 0, 6, 2}, ends.View(), {1, 0, 1, 0}, 1, 1, false, false);
  EXPECT_EQ(RowsOf(wide), (Rows{"L????R", "L????R"}));
}

TEST(DrawSkinFrameStretchedAndCentered, WholeFrameScaledOrPlacedUnscaled) {
  const PixelImage strip = ImageFromRows({"AB#d", "CDef"});
  PixelImage canvas = ImageFromRows({"....", "....", "....", "...."});
  DrawSkinFrameStretched(canvas, {0, 0, 4, 4}, strip.View(), 1, 2, false);
  EXPECT_EQ(RowsOf(canvas), (Rows{"AABB", "AABB", "CCDD", "CCDD"}));
  PixelImage centred = ImageFromRows({".....", ".....", "....."});
  DrawSkinFrameCentered(centred, {0, 0, 5, 3}, strip.View(), 2, 2, true);
  EXPECT_EQ(RowsOf(centred), (Rows{"..d..", ".ef..", "....."}));
  // A frame larger than the destination is centred with a negative offset
  // (-3 / 2 truncates to -1).
  PixelImage small = ImageFromRows({"."});
  DrawSkinFrameCentered(small, {0, 0, 1, 1}, strip.View(), 1, 1, false);
  EXPECT_EQ(RowsOf(small), (Rows{"B"}));
}

TEST(DrawSkinFrame3, FixedEndsStretchedMiddleOrWholeFrameWhenNarrow) {
  const PixelImage strip = ImageFromRows({"LmR"});
  PixelImage canvas = ImageFromRows({"........", "........"});
  DrawSkinFrame3(canvas, {1, 0, 7, 2}, strip.View(), {1, 0, 1, 0}, 1, 1, false);
  EXPECT_EQ(RowsOf(canvas), (Rows{".LmmmmR.", ".LmmmmR."}));
  PixelImage narrow = ImageFromRows({"..", ".."});
  DrawSkinFrame3(narrow, {0, 0, 2, 1}, strip.View(), {1, 0, 1, 0}, 1, 1, false);
  EXPECT_EQ(RowsOf(narrow), (Rows{"LR", ".."}));
}

}  // namespace
}  // namespace lanvero
