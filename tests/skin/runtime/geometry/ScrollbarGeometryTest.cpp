// Where the parts of a skinned scroll bar lie: hit parts, the thumb of a
// scroll bar control from its range, the thumb under the cursor while the
// native bar tracks it, and the position a dragged drop-down thumb stands for.
#include <gtest/gtest.h>

#include "skin/runtime/geometry/ScrollbarGeometry.h"

namespace lanvero {
namespace {

constexpr int32_t kArrow = 16;

TEST(ScrollbarGeometry, EveryPointHitsExactlyOnePartInBarOrder) {
  const ThumbExtent thumb{40, 60};
  EXPECT_EQ(HitScrollPart(0, kArrow, thumb, 200), kPartFirstArrow);
  EXPECT_EQ(HitScrollPart(15, kArrow, thumb, 200), kPartFirstArrow);
  EXPECT_EQ(HitScrollPart(16, kArrow, thumb, 200), kPartPageBefore);
  EXPECT_EQ(HitScrollPart(40, kArrow, thumb, 200), kPartThumb);
  EXPECT_EQ(HitScrollPart(59, kArrow, thumb, 200), kPartThumb);
  EXPECT_EQ(HitScrollPart(60, kArrow, thumb, 200), kPartPageAfter);
  EXPECT_EQ(HitScrollPart(183, kArrow, thumb, 200), kPartPageAfter);
  EXPECT_EQ(HitScrollPart(184, kArrow, thumb, 200), kPartSecondArrow);
  // The unsigned coordinates of a press far outside still land on an arrow.
  EXPECT_EQ(HitScrollPart(65535, kArrow, thumb, 200), kPartSecondArrow);
}

TEST(ScrollbarGeometry, ControlThumbFollowsRangePageAndPosition) {
  // 200 long: a 168-pixel track; a page of 11 over a range of 100 gives 17.
  const ThumbExtent first = ControlThumb(200, kArrow, ScrollRange{0, 100, 11, 0});
  EXPECT_EQ(first.start, kArrow);
  EXPECT_EQ(first.Length(), 17);
  const ThumbExtent middle = ControlThumb(200, kArrow, ScrollRange{0, 100, 11, 50});
  EXPECT_EQ(middle.start, 16 + 84);
  // A tiny page is drawn 8 pixels long, placed in the track less those 8.
  const ThumbExtent tiny = ControlThumb(200, kArrow, ScrollRange{0, 1000, 2, 500});
  EXPECT_EQ(tiny.Length(), 8);
  EXPECT_EQ(tiny.start, 16 + 80);
  // Without a page the thumb is an arrow long.
  const ThumbExtent noPage = ControlThumb(200, kArrow, ScrollRange{0, 100, 0, 100});
  EXPECT_EQ(noPage.Length(), kArrow);
  EXPECT_EQ(noPage.start, 16 + 152);
  // An empty range neither divides by zero nor moves the thumb.
  const ThumbExtent empty = ControlThumb(200, kArrow, ScrollRange{5, 5, 1, 5});
  EXPECT_EQ(empty.start, kArrow);
}

TEST(ScrollbarGeometry, TrackedThumbFollowsTheCursorBetweenTheArrows) {
  const ThumbExtent thumb{30, 50};
  EXPECT_EQ(TrackedThumb(thumb, 30, 25, kArrow, 200).start, 55);
  EXPECT_EQ(TrackedThumb(thumb, 30, 25, kArrow, 200).Length(), 20);
  EXPECT_EQ(TrackedThumb(thumb, 30, -100, kArrow, 200).start, kArrow);
  EXPECT_EQ(TrackedThumb(thumb, 30, 1000, kArrow, 200).end, 200 - kArrow);
}

TEST(ScrollbarGeometry, DraggedThumbReachesTheLastPageAndNoFurther) {
  // A drop-down list: 100 lines, 10 visible, a 168-pixel track, a 17-pixel thumb.
  const ScrollRange range{0, 99, 10, 0};
  EXPECT_EQ(DraggedPosition(-20, 168, 17, range), 0);
  EXPECT_EQ(DraggedPosition(0, 168, 17, range), 0);
  const int32_t middle = DraggedPosition(75, 168, 17, range);
  EXPECT_GT(middle, 40);
  EXPECT_LT(middle, 50);
  EXPECT_EQ(DraggedPosition(151, 168, 17, range), 90) << "max - page + 1";
  EXPECT_EQ(DraggedPosition(5000, 168, 17, range), 90);
  // Without a page the thumb stops a thumb length before the track's end.
  EXPECT_EQ(DraggedPosition(5000, 168, 16, ScrollRange{0, 50, 0, 0}), 45);
  // A thumb filling the whole track divides by nothing.
  EXPECT_EQ(DraggedPosition(10, 20, 20, range), 0);
}

TEST(ScrollbarGeometry, ShortBarsGetTwoHalfArrows) {
  EXPECT_EQ(ArrowLength(200, kArrow), kArrow);
  EXPECT_EQ(ArrowLength(32, kArrow), kArrow);
  EXPECT_EQ(ArrowLength(20, kArrow), 10);
  EXPECT_EQ(ArrowLength(0, kArrow), 0);
}

}  // namespace
}  // namespace lanvero
