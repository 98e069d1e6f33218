// Where the grid's cells lie: its portable geometry, filled from the
// grid's fonts, options, columns, records and scroll state.
#include "framework/controls/grid/DBGrid.h"

#include <utility>

#include "framework/graphics/TextMeasure.h"

namespace lanvero::framework {

namespace {

int LineHeightOf(const TFont& font, std::optional<int>& measured) {
  if (!measured) measured = TextMeasureDC(font.Handle()).LineHeight();
  return *measured;
}

}  // namespace

GridGeometry TDBGrid::Geometry() const {
  GridLayout layout;
  layout.clientWidth = ClientWidth();
  layout.clientHeight = ClientHeight();
  layout.titles = (options_ & dgTitles) != 0;
  layout.indicator = (options_ & dgIndicator) != 0;
  layout.columnLines = (options_ & dgColLines) != 0;
  layout.rowLines = (options_ & dgRowLines) != 0;
  layout.textHeight = LineHeightOf(*Font(), textHeight_);
  layout.titleTextHeight = layout.titles ? LineHeightOf(*titleFont_, titleTextHeight_) : 0;
  layout.columns.reserve(static_cast<size_t>(columns_->Count()));
  for (int i = 0; i < columns_->Count(); ++i) {
    layout.columns.push_back(GridColumnExtent{(*columns_)[i]->Width(), (*columns_)[i]->Visible()});
  }
  const TDataSet* dataSet = ActiveDataSet();
  layout.recordCount = dataSet ? dataSet->RecordCount() : 0;
  layout.topRow = topRow_;
  layout.scrollX = scrollX_;
  return GridGeometry(std::move(layout));
}

int TDBGrid::RowHeight() const { return Geometry().RowHeight(); }

int TDBGrid::TitleHeight() const { return Geometry().TitleHeight(); }

int TDBGrid::IndicatorWidth() const { return Geometry().IndicatorWidth(); }

int TDBGrid::VisibleRowCount() const { return Geometry().VisibleRowCount(); }

int TDBGrid::ColumnsWidth() const { return Geometry().ColumnsWidth(); }

RECT TDBGrid::CellRect(int column, int row) const { return ToWindowsRect(Geometry().CellRect(column, row)); }

bool TDBGrid::CellAt(POINT point, int& column, int& row) const {
  const std::optional<GridCell> cell = Geometry().CellAt(point.x, point.y);
  if (!cell) return false;
  column = cell->column;
  row = cell->row;
  return true;
}

}  // namespace lanvero::framework
