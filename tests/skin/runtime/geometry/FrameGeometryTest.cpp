// Frame areas, the client rectangle a skinned frame leaves, hit testing and
// the opaque runs that window regions are cut from.
#include <gtest/gtest.h>

#include "skin/runtime/geometry/FrameGeometry.h"
#include "skin/runtime/geometry/RegionRuns.h"

namespace lanvero {
namespace {

constexpr FrameWidths kPaleglass{4, 30, 4, 4};

TEST(FrameGeometry, AreasTileTheWindowWithSidesOverTheFullHeight) {
  const FrameLayout layout = LayoutFrame(665, 612, kPaleglass, 0);
  EXPECT_EQ(layout.left, (Rect{0, 0, 4, 612}));
  EXPECT_EQ(layout.right, (Rect{661, 0, 665, 612}));
  EXPECT_EQ(layout.caption, (Rect{4, 0, 661, 30}));
  EXPECT_EQ(layout.bottom, (Rect{4, 608, 661, 612}));
  EXPECT_EQ(layout.client, (Rect{4, 30, 661, 608}));
  EXPECT_TRUE(layout.menuBand.IsEmpty());

  const FrameLayout withMenu = LayoutFrame(665, 612, kPaleglass, 19);
  EXPECT_EQ(withMenu.menuBand, (Rect{4, 30, 661, 49}));
  EXPECT_EQ(withMenu.client.top, 49);
}

TEST(FrameGeometry, ClientRectangleIsTheWindowLessTheFrameAndNeverInverted) {
  EXPECT_EQ(ClientRectInside(Rect{100, 50, 765, 662}, kPaleglass, 0), (Rect{104, 80, 761, 658}));
  EXPECT_EQ(ClientRectInside(Rect{100, 50, 765, 662}, kPaleglass, 19), (Rect{104, 99, 761, 658}));
  // A window smaller than its frame (minimised, or sized down to nothing).
  for (const Rect window : {Rect{0, 0, 6, 20}, Rect{10, 10, 10, 10}, Rect{-32000, -32000, -31840, -31976}}) {
    const Rect client = ClientRectInside(window, kPaleglass, 19);
    EXPECT_LE(client.left, client.right);
    EXPECT_LE(client.top, client.bottom);
    EXPECT_GE(client.left, window.left);
    EXPECT_LE(client.right, std::max(window.left, window.right));
    EXPECT_LE(client.bottom, std::max(window.top, window.bottom));
  }
}

TEST(FrameGeometry, HitTestKeepsBordersAndClientAndMakesTheCaptionBarCaption) {
  // Borders, corners and the client area keep the system's answer.
  for (const int32_t answer : {1, 10, 11, 12, 13, 14, 15, 16, 17}) {
    EXPECT_EQ(MapHitTest(answer, FramePoint{50, 50}, kPaleglass, 0), answer);
  }
  // The top four rows keep "nowhere" and "caption"; the rest of the bar is caption.
  EXPECT_EQ(MapHitTest(kHitNowhere, FramePoint{50, 2}, kPaleglass, 0), kHitNowhere);
  EXPECT_EQ(MapHitTest(kHitNowhere, FramePoint{50, 4}, kPaleglass, 0), kHitCaption);
  EXPECT_EQ(MapHitTest(kHitCaption, FramePoint{50, 20}, kPaleglass, 0), kHitCaption);
  // Below the caption bar, what the system left open is the menu band.
  EXPECT_EQ(MapHitTest(kHitNowhere, FramePoint{50, 40}, kPaleglass, 19), kHitMenu);
  EXPECT_EQ(MapHitTest(kHitNowhere, FramePoint{50, 40}, kPaleglass, 0), kHitCaption);
}

TEST(FrameGeometry, SystemCaptionButtonsNeverAnswerWhereTheSkinDrawsItsOwn) {
  for (const int32_t answer : {kHitMinButton, kHitMaxButton, kHitClose, kHitHelp, kHitSysMenu}) {
    EXPECT_EQ(MapHitTest(answer, FramePoint{640, 12}, kPaleglass, 0), kHitCaption) << answer;
    EXPECT_EQ(MapHitTest(answer, FramePoint{640, 1}, kPaleglass, 0), kHitCaption) << answer;
  }
}

TEST(FrameGeometry, FrameExtentDividesByACountOfAtLeastOne) {
  EXPECT_EQ(FrameExtent(60, 2), 30);
  EXPECT_EQ(FrameExtent(61, 2), 30);
  EXPECT_EQ(FrameExtent(12, 0), 12);
  EXPECT_EQ(FrameExtent(12, -3), 12);
}

TEST(RegionRuns, MagentaWithGreenToleranceIsCutAndEverythingElseKept) {
  PixelImage image(5, 3, PixelFromRgb(10, 20, 30));
  image.Set(0, 0, PixelFromRgb(255, 0, 255));
  image.Set(1, 0, PixelFromRgb(255, 1, 255));
  image.Set(4, 0, PixelFromRgb(254, 0, 255));  // kept
  image.Set(2, 1, PixelFromRgb(255, 0, 255));
  for (int32_t x = 0; x < 5; ++x) image.Set(x, 2, PixelFromRgb(255, 0, 255));
  const std::vector<Rect> runs = OpaqueRuns(image.View(), 100, 200);
  const std::vector<Rect> expected{
      {102, 200, 105, 201},
      {100, 201, 102, 202},
      {103, 201, 105, 202},
  };
  EXPECT_EQ(runs, expected);
  EXPECT_FALSE(IsRegionKey(PixelFromRgb(255, 2, 255)));
  EXPECT_FALSE(IsRegionKey(PixelFromRgb(255, 0, 254)));
}

TEST(RegionRuns, EmptyAndFullyTransparentImagesGiveNoRuns) {
  EXPECT_TRUE(OpaqueRuns(PixelImage().View(), 0, 0).empty());
  EXPECT_TRUE(OpaqueRuns(PixelImage(4, 4, PixelFromRgb(255, 0, 255)).View(), 0, 0).empty());
}

}  // namespace
}  // namespace lanvero
