#include "framework/geometry/GridGeometry.h"

#include <algorithm>

namespace lanvero::framework {

int32_t GridGeometry::RowHeight() const { return layout_.textHeight + 3; }

int32_t GridGeometry::TitleHeight() const { return layout_.titles ? layout_.titleTextHeight + 4 : 0; }

int32_t GridGeometry::IndicatorWidth() const {
  return layout_.indicator ? kGridIndicatorCellWidth + ColumnLineWidth() : 0;
}

int32_t GridGeometry::DataTop() const { return TitleHeight() + (layout_.titles ? RowLineHeight() : 0); }

int32_t GridGeometry::VisibleRowCount() const {
  const int32_t pitch = std::max(1, RowHeight() + RowLineHeight());
  return std::max(0, (layout_.clientHeight - DataTop()) / pitch);
}

GridRowRange GridGeometry::PaintedRows() const {
  const int32_t end = std::min(layout_.recordCount, layout_.topRow + VisibleRowCount() + 1);
  return {layout_.topRow, std::max(layout_.topRow, end)};
}

int32_t GridGeometry::ColumnsWidth() const {
  int32_t width = 0;
  for (const GridColumnExtent& column : layout_.columns) {
    if (column.visible) width += column.width + ColumnLineWidth();
  }
  return width;
}

int32_t GridGeometry::DataRight() const { return IndicatorWidth() - layout_.scrollX + ColumnsWidth(); }

Rect GridGeometry::CellRect(int32_t column, int32_t row) const {
  Rect rect;
  if (row < 0) {
    rect.bottom = TitleHeight();
  } else {
    rect.top = DataTop() + (row - layout_.topRow) * (RowHeight() + RowLineHeight());
    rect.bottom = rect.top + RowHeight();
  }
  if (column < 0) {
    rect.right = kGridIndicatorCellWidth;
    return rect;
  }
  const auto count = static_cast<int32_t>(layout_.columns.size());
  int32_t x = IndicatorWidth() - layout_.scrollX;
  for (int32_t i = 0; i < column && i < count; ++i) {
    const GridColumnExtent& before = layout_.columns[static_cast<size_t>(i)];
    if (before.visible) x += before.width + ColumnLineWidth();
  }
  rect.left = x;
  rect.right = x + (column < count ? layout_.columns[static_cast<size_t>(column)].width : 0);
  return rect;
}

std::optional<GridCell> GridGeometry::CellAt(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= layout_.clientWidth || y >= layout_.clientHeight) return std::nullopt;
  int32_t row = -1;
  if (y >= TitleHeight()) {
    if (y < DataTop()) return std::nullopt;
    row = layout_.topRow + (y - DataTop()) / (RowHeight() + RowLineHeight());
    if (row >= layout_.recordCount) return std::nullopt;
  }
  if (layout_.indicator && x < IndicatorWidth()) return GridCell{-1, row};
  for (int32_t i = 0; i < static_cast<int32_t>(layout_.columns.size()); ++i) {
    if (!layout_.columns[static_cast<size_t>(i)].visible) continue;
    const Rect cell = CellRect(i, std::max(row, 0));
    if (x >= cell.left && x < cell.right + ColumnLineWidth()) return GridCell{i, row};
  }
  return std::nullopt;
}

std::vector<int32_t> GridGeometry::ColumnLines() const {
  std::vector<int32_t> lines;
  for (int32_t i = 0; i < static_cast<int32_t>(layout_.columns.size()); ++i) {
    if (!layout_.columns[static_cast<size_t>(i)].visible) continue;
    const int32_t right = CellRect(i, layout_.topRow).right;
    if (right >= IndicatorWidth()) lines.push_back(right);
  }
  return lines;
}

std::vector<int32_t> GridGeometry::RowLines() const {
  std::vector<int32_t> lines;
  const GridRowRange rows = PaintedRows();
  for (int32_t row = rows.first; row < rows.end; ++row) lines.push_back(CellRect(0, row).bottom);
  return lines;
}

int32_t GridGeometry::ColumnLinesBottom() const { return CellRect(0, PaintedRows().end).top; }

std::array<GridPoint, 3> GridGeometry::IndicatorArrow(const Rect& cell) {
  const int32_t x = (cell.left + cell.right) / 2 - 1;
  const int32_t y = (cell.top + cell.bottom) / 2;
  return {GridPoint{x - 2, y - 4}, GridPoint{x + 2, y}, GridPoint{x - 2, y + 4}};
}

GridScrollBar GridGeometry::HorizontalBar() const {
  const int32_t room = std::max(0, layout_.clientWidth - IndicatorWidth());
  const int32_t total = ColumnsWidth();
  if (total <= room) return GridScrollBar{false, 0, room, 0};
  return GridScrollBar{true, total - 1, room, std::clamp(layout_.scrollX, 0, total - room)};
}

GridScrollBar GridGeometry::VerticalBar(int32_t currentRow) const {
  const int32_t visible = VisibleRowCount();
  return GridScrollBar{layout_.recordCount > visible, std::max(0, layout_.recordCount - 1), std::max(1, visible),
                       std::max(0, currentRow)};
}

int32_t GridGeometry::HorizontalPage() const { return std::max(1, layout_.clientWidth - IndicatorWidth()); }

int32_t GridGeometry::TopRowShowing(int32_t currentRow) const {
  const int32_t visible = std::max(1, VisibleRowCount());
  int32_t top = std::min(layout_.topRow, currentRow);
  if (currentRow >= top + visible) top = currentRow - visible + 1;
  return std::max(0, std::min(top, layout_.recordCount - visible));
}

int32_t GridGeometry::ScrollXShowing(int32_t column) const {
  const Rect cell = CellRect(column, layout_.topRow);
  const int32_t left = IndicatorWidth();
  const int32_t right = layout_.clientWidth;
  if (cell.left < left) return layout_.scrollX - (left - cell.left);
  // A column wider than the room shows from its left edge.
  if (cell.right > right) return layout_.scrollX + std::min(cell.right - right, cell.left - left);
  return layout_.scrollX;
}

}  // namespace lanvero::framework
