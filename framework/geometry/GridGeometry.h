#pragma once
// Where the parts of a data grid lie in its client area: the title row, the
// indicator column, the cells, the lines between them, the rows that show,
// the cell under a point, and how far the grid scrolls to keep the current
// row and the selected column in view. Pure arithmetic: the Windows grid
// describes itself in a GridLayout (font heights, options, column widths,
// client size, scroll state) and applies the answers.

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero::framework {

// The indicator cell's width, without the column line after it.
inline constexpr int32_t kGridIndicatorCellWidth = 11;
// Pixels a click on a horizontal scroll arrow moves the columns.
inline constexpr int32_t kGridScrollLine = 16;

struct GridColumnExtent {
  int32_t width = 0;
  bool visible = true;
};

struct GridLayout {
  int32_t clientWidth = 0;
  int32_t clientHeight = 0;
  int32_t textHeight = 0;       // line height of the grid's font
  int32_t titleTextHeight = 0;  // line height of the title font
  bool titles = true;           // a title row above the data rows
  bool indicator = true;        // an indicator column left of the data columns
  bool columnLines = true;      // a line after every column
  bool rowLines = true;         // a line below every row
  std::vector<GridColumnExtent> columns;
  int32_t recordCount = 0;
  int32_t topRow = 0;   // the data row shown first
  int32_t scrollX = 0;  // pixels the data columns are scrolled to the left
};

// A cell: column -1 is the indicator, row -1 the title row.
struct GridCell {
  int32_t column = 0;
  int32_t row = 0;
  bool operator==(const GridCell&) const = default;
};

struct GridPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const GridPoint&) const = default;
};

// The data rows [first, end) that are painted, the partly shown last one included.
struct GridRowRange {
  int32_t first = 0;
  int32_t end = 0;
};

// What a scroll bar of the grid shows.
struct GridScrollBar {
  bool shown = false;
  int32_t max = 0;  // positions run from 0 to max
  int32_t page = 0;
  int32_t position = 0;
};

class GridGeometry {
 public:
  explicit GridGeometry(GridLayout layout) : layout_(std::move(layout)) {}
  const GridLayout& Layout() const { return layout_; }

  int32_t RowHeight() const;
  // 0 without a title row.
  int32_t TitleHeight() const;
  // The indicator column with its line; 0 without an indicator.
  int32_t IndicatorWidth() const;
  // Where the first data row starts: below the title row and its line.
  int32_t DataTop() const;
  // Data rows that fit whole below the title row.
  int32_t VisibleRowCount() const;
  GridRowRange PaintedRows() const;
  // Sum of the visible columns' widths and their lines.
  int32_t ColumnsWidth() const;
  // Where the visible columns end, their last line included (client x).
  int32_t DataRight() const;

  // A cell's rectangle in client coordinates, without its lines. A column
  // index past the last gives an empty rectangle where the columns end.
  Rect CellRect(int32_t column, int32_t row) const;
  // The cell under a client point: the lines after a cell belong to it.
  // None outside the client area, below the last record, on the line under
  // the title row and right of the last column.
  std::optional<GridCell> CellAt(int32_t x, int32_t y) const;

  // The x of the line after each visible column right of the indicator,
  // and the y of the line below each painted row.
  std::vector<int32_t> ColumnLines() const;
  std::vector<int32_t> RowLines() const;
  // The bottom of the column lines: the top of the row after the painted ones.
  int32_t ColumnLinesBottom() const;
  // The arrow marking the current row, inside its indicator cell.
  static std::array<GridPoint, 3> IndicatorArrow(const Rect& cell);

  // Bars: the horizontal one when the columns are wider than the room
  // beside the indicator, the vertical one when the records outnumber the
  // whole rows (its position is the current record).
  GridScrollBar HorizontalBar() const;
  GridScrollBar VerticalBar(int32_t currentRow) const;
  // Pixels a page of the horizontal bar moves.
  int32_t HorizontalPage() const;
  // The top row that shows `currentRow` whole, moving as little as
  // possible and never leaving empty rows below the last record while
  // records above are hidden.
  int32_t TopRowShowing(int32_t currentRow) const;
  // The horizontal scroll that shows `column`: its left edge when it does
  // not fit, else as much as needed to show it whole.
  int32_t ScrollXShowing(int32_t column) const;

 private:
  int32_t ColumnLineWidth() const { return layout_.columnLines ? 1 : 0; }
  int32_t RowLineHeight() const { return layout_.rowLines ? 1 : 0; }

  GridLayout layout_;
};

}  // namespace lanvero::framework
