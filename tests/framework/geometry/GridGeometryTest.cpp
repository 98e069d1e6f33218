// Where the data grid's cells, lines and scroll positions lie, at the edges
// where off-by-one faults hide: cell borders and lines, the line under the
// title row, the last partly shown row, an empty grid, a grid of one row,
// columns wider than the client area.
#include <gtest/gtest.h>

#include <ostream>

#include "framework/geometry/GridGeometry.h"

namespace lanvero {

void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

namespace framework {

void PrintTo(const GridCell& cell, std::ostream* out) { *out << "column " << cell.column << ", row " << cell.row; }

namespace {

// Rows 16 high (a 13-pixel font plus 3), a 17-pixel title row, an indicator
// 11 wide, lines of 1 pixel: the title line ends at 18, the indicator and
// its line at 12, and rows repeat every 17 pixels.
GridLayout ThreeColumns(int32_t records = 40) {
  GridLayout layout;
  layout.clientWidth = 200;
  layout.clientHeight = 120;
  layout.textHeight = 13;
  layout.titleTextHeight = 13;
  layout.columns = {{64, true}, {64, true}, {64, true}};
  layout.recordCount = records;
  return layout;
}

GridLayout With(GridLayout layout, void (*change)(GridLayout&)) {
  change(layout);
  return layout;
}

TEST(GridGeometry, CellsSitBesideTheIndicatorAndBelowTheTitleLine) {
  const GridGeometry grid(ThreeColumns());
  EXPECT_EQ(grid.RowHeight(), 16);
  EXPECT_EQ(grid.TitleHeight(), 17);
  EXPECT_EQ(grid.IndicatorWidth(), 12);
  EXPECT_EQ(grid.CellRect(-1, -1), (Rect{0, 0, 11, 17}));
  EXPECT_EQ(grid.CellRect(0, 0), (Rect{12, 18, 76, 34}));
  EXPECT_EQ(grid.CellRect(1, 1), (Rect{77, 35, 141, 51}));
  EXPECT_EQ(grid.ColumnsWidth(), 195);
  // Past the last column: an empty cell where the columns end.
  EXPECT_EQ(grid.CellRect(3, 0).left, 12 + 195);
  EXPECT_EQ(grid.CellRect(3, 0).Width(), 0);

  // A hidden column takes no room; rows scrolled off count upwards.
  const GridGeometry scrolled(With(ThreeColumns(), [](GridLayout& l) {
    l.columns[0].visible = false;
    l.topRow = 5;
    l.scrollX = 10;
  }));
  EXPECT_EQ(scrolled.CellRect(1, 5), (Rect{2, 18, 66, 34}));
  EXPECT_EQ(scrolled.CellRect(1, 4).top, 1);
  EXPECT_EQ(scrolled.ColumnsWidth(), 130);
}

TEST(GridGeometry, WithoutTitlesIndicatorAndLinesCellsStartAtTheCorner) {
  const GridGeometry grid(
      With(ThreeColumns(), [](GridLayout& l) { l.titles = l.indicator = l.columnLines = l.rowLines = false; }));
  EXPECT_EQ(grid.TitleHeight(), 0);
  EXPECT_EQ(grid.IndicatorWidth(), 0);
  EXPECT_EQ(grid.CellRect(0, 0), (Rect{0, 0, 64, 16}));
  EXPECT_EQ(grid.CellRect(1, 1), (Rect{64, 16, 128, 32}));
  EXPECT_EQ(grid.CellAt(0, 0), (GridCell{0, 0}));
  EXPECT_EQ(grid.VisibleRowCount(), 120 / 16);
}

TEST(GridGeometry, VisibleRowsCountWholeRowsAndPaintThePartlyShownOne) {
  // 102 pixels below the title line: exactly six rows.
  EXPECT_EQ(GridGeometry(ThreeColumns()).VisibleRowCount(), 6);
  // Ten pixels more show part of a seventh row, which is painted but not counted.
  const GridGeometry partial(With(ThreeColumns(), [](GridLayout& l) { l.clientHeight = 130; }));
  EXPECT_EQ(partial.VisibleRowCount(), 6);
  EXPECT_EQ(partial.PaintedRows().end, 7);
  EXPECT_LT(partial.CellRect(0, 6).top, 130);
  // Fewer records than room: only the records are painted.
  const GridGeometry one(ThreeColumns(1));
  EXPECT_EQ(one.PaintedRows().first, 0);
  EXPECT_EQ(one.PaintedRows().end, 1);
  const GridGeometry empty(ThreeColumns(0));
  EXPECT_EQ(empty.PaintedRows().end, empty.PaintedRows().first);
  // A grid lower than its title row has no rows, not a negative count.
  GridLayout low = ThreeColumns();
  for (int32_t height : {0, 10, 17, 34}) {
    low.clientHeight = height;
    EXPECT_EQ(GridGeometry(low).VisibleRowCount(), 0) << height;
  }
  low.clientHeight = 35;
  EXPECT_EQ(GridGeometry(low).VisibleRowCount(), 1);
}

TEST(GridGeometry, PointsOnCellBordersAndLinesHitTheCellBeforeThem) {
  GridLayout wide = ThreeColumns();
  wide.clientWidth = 260;  // room right of the last column
  const GridGeometry grid(wide);
  EXPECT_EQ(grid.CellAt(0, 0), (GridCell{-1, -1}));
  EXPECT_EQ(grid.CellAt(11, 16), (GridCell{-1, -1})) << "the indicator's own line";
  EXPECT_EQ(grid.CellAt(12, 0), (GridCell{0, -1}));
  EXPECT_EQ(grid.CellAt(20, 17), std::nullopt) << "the line under the title row";
  EXPECT_EQ(grid.CellAt(20, 18), (GridCell{0, 0}));
  EXPECT_EQ(grid.CellAt(75, 34), (GridCell{0, 0})) << "the cell's last pixel and its row line";
  EXPECT_EQ(grid.CellAt(76, 35), (GridCell{0, 1})) << "the column line";
  EXPECT_EQ(grid.CellAt(77, 35), (GridCell{1, 1}));
  EXPECT_EQ(grid.CellAt(206, 20), (GridCell{2, 0}));
  EXPECT_EQ(grid.CellAt(207, 20), std::nullopt) << "right of the last column's line";
  // Outside the client area.
  EXPECT_EQ(grid.CellAt(-1, 20), std::nullopt);
  EXPECT_EQ(grid.CellAt(20, -1), std::nullopt);
  EXPECT_EQ(grid.CellAt(260, 20), std::nullopt);
  EXPECT_EQ(grid.CellAt(20, 120), std::nullopt);
}

TEST(GridGeometry, OnlyRecordsAreHitBelowTheTitleRow) {
  const GridGeometry one(ThreeColumns(1));
  EXPECT_EQ(one.CellAt(20, 34), (GridCell{0, 0}));
  EXPECT_EQ(one.CellAt(20, 35), std::nullopt);
  const GridGeometry empty(ThreeColumns(0));
  EXPECT_EQ(empty.CellAt(20, 5), (GridCell{0, -1})) << "titles answer without records";
  EXPECT_EQ(empty.CellAt(20, 18), std::nullopt);
  EXPECT_EQ(empty.CellAt(5, 18), std::nullopt);
  // Scrolled rows and columns: a column pushed under the indicator is not hit there.
  const GridGeometry scrolled(With(ThreeColumns(), [](GridLayout& l) {
    l.topRow = 30;
    l.scrollX = 40;
  }));
  EXPECT_EQ(scrolled.CellAt(5, 18), (GridCell{-1, 30}));
  EXPECT_EQ(scrolled.CellAt(12, 18), (GridCell{0, 30}));
  EXPECT_EQ(scrolled.CellAt(36, 18 + 17 * 5), (GridCell{0, 35}));
  EXPECT_EQ(scrolled.CellAt(37, 18 + 17 * 5), (GridCell{1, 35}));
  const GridGeometry hidden(With(ThreeColumns(), [](GridLayout& l) { l.columns[1].visible = false; }));
  EXPECT_EQ(hidden.CellAt(77, 20), (GridCell{2, 0}));
}

TEST(GridGeometry, HorizontalBarShowsOnlyForColumnsWiderThanTheRoom) {
  const GridGeometry fits(With(ThreeColumns(), [](GridLayout& l) {
    l.clientWidth = 207;
    l.scrollX = 30;
  }));
  EXPECT_FALSE(fits.HorizontalBar().shown);
  EXPECT_EQ(fits.HorizontalBar().position, 0) << "nothing to scroll: back to the start";

  GridLayout layout = ThreeColumns();
  layout.scrollX = 500;
  const GridScrollBar far = GridGeometry(layout).HorizontalBar();
  EXPECT_TRUE(far.shown);
  EXPECT_EQ(far.max, 194);
  EXPECT_EQ(far.page, 188);
  EXPECT_EQ(far.position, 195 - 188) << "the last column's line reaches the right edge";
  layout.scrollX = -5;
  EXPECT_EQ(GridGeometry(layout).HorizontalBar().position, 0);
  // Narrower than the indicator: no room, yet no negative page.
  layout.clientWidth = 5;
  EXPECT_EQ(GridGeometry(layout).HorizontalBar().page, 0);
  EXPECT_EQ(GridGeometry(layout).HorizontalPage(), 1);
}

TEST(GridGeometry, VerticalBarFollowsTheCurrentRecordWhenRecordsOutnumberWholeRows) {
  const GridScrollBar bar = GridGeometry(ThreeColumns()).VerticalBar(30);
  EXPECT_TRUE(bar.shown);
  EXPECT_EQ(bar.max, 39);
  EXPECT_EQ(bar.page, 6);
  EXPECT_EQ(bar.position, 30);
  // Seven records in six whole rows and a partial one still need the bar.
  EXPECT_TRUE(GridGeometry(With(ThreeColumns(7), [](GridLayout& l) { l.clientHeight = 130; })).VerticalBar(0).shown);
  EXPECT_FALSE(GridGeometry(ThreeColumns(6)).VerticalBar(0).shown);
  const GridScrollBar empty = GridGeometry(ThreeColumns(0)).VerticalBar(-1);
  EXPECT_FALSE(empty.shown);
  EXPECT_EQ(empty.position, 0);
  const GridScrollBar low =
      GridGeometry(With(ThreeColumns(), [](GridLayout& l) { l.clientHeight = 10; })).VerticalBar(0);
  EXPECT_EQ(low.page, 1);
}

TEST(GridGeometry, TopRowMovesJustEnoughToShowTheCurrentRecordWhole) {
  GridLayout layout = ThreeColumns();
  layout.topRow = 5;
  EXPECT_EQ(GridGeometry(layout).TopRowShowing(8), 5) << "already in view";
  EXPECT_EQ(GridGeometry(layout).TopRowShowing(3), 3);
  EXPECT_EQ(GridGeometry(layout).TopRowShowing(11), 6) << "the current row becomes the last whole row";
  layout.clientHeight = 130;  // the partial seventh row does not count as showing
  EXPECT_EQ(GridGeometry(layout).TopRowShowing(11), 6);
  // A grid made taller near the end pulls the rows down instead of
  // leaving empty rows below the last record.
  layout.topRow = 34;
  layout.clientHeight = 18 + 17 * 10;
  EXPECT_EQ(GridGeometry(layout).TopRowShowing(39), 30);
  EXPECT_EQ(GridGeometry(ThreeColumns(3)).TopRowShowing(2), 0);
  EXPECT_EQ(GridGeometry(ThreeColumns(0)).TopRowShowing(-1), 0);
  // No room for a whole row: the current one is at the top.
  layout.clientHeight = 10;
  EXPECT_EQ(GridGeometry(layout).TopRowShowing(20), 20);
}

TEST(GridGeometry, SelectedColumnScrollsIntoViewAndWideColumnsShowTheirStart) {
  GridLayout layout = ThreeColumns();
  EXPECT_EQ(GridGeometry(layout).ScrollXShowing(0), 0);
  EXPECT_EQ(GridGeometry(layout).ScrollXShowing(2), 206 - 200) << "its right edge at the client's";
  layout.scrollX = 100;
  EXPECT_EQ(GridGeometry(layout).ScrollXShowing(0), 0) << "its left edge beside the indicator";
  // A column wider than the room, right of the view, shows from its left edge.
  layout.columns = {{64, true}, {300, true}};
  layout.scrollX = 0;
  EXPECT_EQ(GridGeometry(layout).ScrollXShowing(1), 65);
  layout.scrollX = 65;
  EXPECT_EQ(GridGeometry(layout).ScrollXShowing(1), 65);
}

TEST(GridGeometry, LinesRunBesideTheShownColumnsAndUnderThePaintedRows) {
  GridLayout layout = ThreeColumns(3);
  layout.scrollX = 70;  // the first column and its line are under the indicator
  const GridGeometry grid(layout);
  EXPECT_EQ(grid.ColumnLines(), (std::vector<int32_t>{141 - 70, 206 - 70}));
  EXPECT_EQ(grid.RowLines(), (std::vector<int32_t>{34, 51, 68}));
  EXPECT_EQ(grid.ColumnLinesBottom(), 69);
  EXPECT_EQ(grid.DataRight(), 12 - 70 + 195);
  EXPECT_TRUE(GridGeometry(ThreeColumns(0)).RowLines().empty());
  // The current-row arrow stays inside its indicator cell.
  const Rect cell = grid.CellRect(-1, 0);
  for (const GridPoint& corner : GridGeometry::IndicatorArrow(cell)) {
    EXPECT_GE(corner.x, cell.left);
    EXPECT_LT(corner.x, cell.right);
    EXPECT_GE(corner.y, cell.top);
    EXPECT_LT(corner.y, cell.bottom);
  }
}

}  // namespace
}  // namespace framework
}  // namespace lanvero
