// Layout of skinned menu items: glyph cell and text in both reading
// directions, the separator pieces cut from the item strip, and how much
// wider the skin makes an item than the framework measured it.
#include <gtest/gtest.h>

#include "skin/runtime/geometry/MenuItemGeometry.h"

namespace lanvero {
namespace {

constexpr Rect kItem{0, 0, 120, 22};
constexpr int32_t kColumn = 10;  // the left margin of a MenuItem definition

TEST(MenuItemGeometry, GlyphWidthFollowsTheImageListButACheckMarkNeedsSixteen) {
  EXPECT_EQ(MenuGlyphWidth(false, 0, false), 16);
  EXPECT_EQ(MenuGlyphWidth(true, 24, false), 24);
  EXPECT_EQ(MenuGlyphWidth(true, 12, false), 12);
  EXPECT_EQ(MenuGlyphWidth(true, 12, true), 16);
  EXPECT_EQ(MenuGlyphWidth(true, 24, true), 24);
}

TEST(MenuItemGeometry, GlyphSitsPastTheSkinColumnAndTheTextThreePixelsAfterIt) {
  const Rect glyph = MenuGlyphCell(kItem, 16, kColumn, false, false);
  EXPECT_EQ(glyph, (Rect{11, 1, 27, 17}));
  EXPECT_EQ(MenuGlyphCell(kItem, 16, 0, false, false), (Rect{1, 1, 17, 17})) << "without the definition";
  const Rect text = MenuTextRect(kItem, glyph, false);
  EXPECT_EQ(text, (Rect{30, 0, 119, 22}));
  // A separator has no glyph: its text (the etched line) spans from 3 pixels in.
  const Rect separator = MenuGlyphCell(kItem, 16, kColumn, true, false);
  EXPECT_EQ(separator.Width(), 0);
  EXPECT_EQ(MenuTextRect(kItem, separator, false).left, 3);
}

TEST(MenuItemGeometry, MirroredItemsPutTheGlyphAtTheRightEdge) {
  const Rect glyph = MenuGlyphCell(kItem, 16, kColumn, false, true);
  EXPECT_EQ(glyph, (Rect{93, 1, 109, 17}));
  EXPECT_EQ(MenuTextRect(kItem, glyph, true), (Rect{1, 0, 90, 22}));
  const Rect separator = MenuGlyphCell(kItem, 16, kColumn, true, true);
  EXPECT_EQ(separator.left, kItem.right);
  EXPECT_EQ(separator.right, kItem.right);
}

TEST(MenuItemGeometry, MeasuredTextIsCentredAndTheShortcutEndsElevenPixelsIn) {
  const Rect text{30, 0, 119, 22};
  const Rect measured{30, 0, 75, 13};
  const Rect placed = PlaceMeasuredText(text, measured, false);
  EXPECT_EQ(placed, (Rect{30, 4, 75, 17})) << "(22 - 13) / 2 truncates to 4";
  EXPECT_EQ(MenuShortcutRect(kItem, placed, false), (Rect{75, 4, 109, 17}));
  // Mirrored: the text keeps the whole width (it is drawn right-aligned).
  const Rect mirrored = PlaceMeasuredText(Rect{1, 0, 90, 22}, Rect{1, 0, 40, 13}, true);
  EXPECT_EQ(mirrored, (Rect{1, 4, 90, 17}));
  EXPECT_EQ(MenuShortcutRect(kItem, mirrored, true).left, 11);
  EXPECT_EQ(CentredTop(Rect{0, 10, 50, 31}, 16), 12);
}

TEST(MenuItemGeometry, SeparatorStretchesFrameTwoAndShowsTheBottomRowsOfATallStrip) {
  // A 5-frame strip of 20-pixel frames, 20 high; margins 4 left and right.
  const Margins margins{4, 3, 4, 3};
  const auto short_item = MenuSeparatorPieces(100, 20, 5, margins, 120, 8);
  EXPECT_EQ(short_item[0].destination, (Rect{0, 0, 4, 8}));
  EXPECT_EQ(short_item[0].source, (Rect{20, 12, 24, 20})) << "frame 2 starts at x 20; the bottom 8 rows";
  EXPECT_EQ(short_item[1].destination, (Rect{4, 0, 116, 8}));
  EXPECT_EQ(short_item[1].source, (Rect{24, 12, 36, 20}));
  EXPECT_EQ(short_item[2].destination, (Rect{116, 0, 120, 8}));
  EXPECT_EQ(short_item[2].source, (Rect{36, 12, 40, 20}));
  // An item taller than the strip stretches the whole frame.
  const auto tall_item = MenuSeparatorPieces(100, 20, 5, margins, 120, 30);
  EXPECT_EQ(tall_item[1].source, (Rect{24, 0, 36, 20}));
  EXPECT_EQ(tall_item[1].destination.Height(), 30);
}

TEST(MenuItemGeometry, SkinWidensItemsByItsColumnAndTheGlyphRoom) {
  // The embedded skin's column is 10 pixels wide.
  EXPECT_EQ(MenuItemExtraWidth(MenuMeasure::kMainMenu, 10, true), 20);
  EXPECT_EQ(MenuItemExtraWidth(MenuMeasure::kMainMenu, 10, false), 45);
  EXPECT_EQ(MenuItemExtraWidth(MenuMeasure::kPopupMenu, 10, true), 22);
  EXPECT_EQ(MenuItemExtraWidth(MenuMeasure::kPopupMenu, 10, false), 45);
  EXPECT_EQ(MenuItemExtraWidth(MenuMeasure::kPopupMenu, 0, false), 35) << "a skin without MenuItem";
}

TEST(MenuItemGeometry, NativeItemsAreMeasuredFromTheirTextAndSeparatorsAreEightHigh) {
  const NativeItemSize item = NativeMenuItemSize(60, true, 15, kColumn);
  EXPECT_EQ(item.width, 96);
  EXPECT_EQ(item.height, 19);
  EXPECT_EQ(NativeMenuItemSize(0, false, 15, 0).height, 8);
}

}  // namespace
}  // namespace lanvero
