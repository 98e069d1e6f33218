// Painting the grid: the title row, the indicator column with the arrow of
// the current row, the cells with the selection, and the lines between
// the cells.
#include "framework/controls/grid/DBGrid.h"

namespace lanvero::framework {

namespace {

constexpr int kCellPadding = 2;
constexpr TColor kGridLineColor = clSilver;

// Only the data columns draw right of the indicator.
void ClipToDataColumns(HDC dc, const GridGeometry& geometry) {
  IntersectClipRect(dc, geometry.IndicatorWidth(), 0, geometry.Layout().clientWidth, geometry.Layout().clientHeight);
}

}  // namespace

void TDBGrid::DrawCellText(TCanvas& canvas, const RECT& rect, const std::wstring& text) {
  RECT textRect = rect;
  textRect.left += kCellPadding;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.DrawText(text, textRect, DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
}

void TDBGrid::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(ClientRect());
  const GridGeometry geometry = Geometry();
  PaintTitles(canvas, geometry);
  const TDataSet* dataSet = ActiveDataSet();
  const int current = dataSet ? dataSet->RecNo() : -1;
  const GridRowRange rows = geometry.PaintedRows();
  for (int row = rows.first; row < rows.end; ++row) {
    if (options_ & dgIndicator) PaintIndicator(canvas, geometry, row, row == current);
    PaintRowCells(canvas, geometry, row, row == current);
  }
  PaintLines(canvas, geometry);
}

void TDBGrid::PaintTitles(TCanvas& canvas, const GridGeometry& geometry) {
  if (!(options_ & dgTitles)) return;
  HDC dc = canvas.Handle();
  canvas.Font().Assign(*titleFont_);
  auto drawFixed = [&](RECT cell) {
    canvas.Brush().SetColor(fixedColor_);
    canvas.FillRect(cell);
    DrawEdge(dc, &cell, BDR_RAISEDINNER, BF_RECT);
  };
  if (options_ & dgIndicator) drawFixed(ToWindowsRect(geometry.CellRect(-1, -1)));
  SavedDC saved(dc);
  ClipToDataColumns(dc, geometry);
  for (int i = 0; i < columns_->Count(); ++i) {
    TColumn* column = (*columns_)[i];
    if (!column->Visible()) continue;
    const RECT cell = ToWindowsRect(geometry.CellRect(i, -1));
    drawFixed(cell);
    DrawCellText(canvas, cell, column->TitleText());
  }
}

void TDBGrid::PaintIndicator(TCanvas& canvas, const GridGeometry& geometry, int row, bool current) {
  const Rect cell = geometry.CellRect(-1, row);
  RECT bounds = ToWindowsRect(cell);
  canvas.Brush().SetColor(fixedColor_);
  canvas.FillRect(bounds);
  DrawEdge(canvas.Handle(), &bounds, BDR_RAISEDINNER, BF_RECT);
  if (!current) return;
  canvas.Brush().SetColor(clBlack);
  canvas.Pen().SetColor(clBlack);
  POINT arrow[3];
  const auto corners = GridGeometry::IndicatorArrow(cell);
  for (size_t i = 0; i < corners.size(); ++i) arrow[i] = POINT{corners[i].x, corners[i].y};
  canvas.Polygon(arrow, 3);
}

void TDBGrid::PaintRowCells(TCanvas& canvas, const GridGeometry& geometry, int row, bool current) {
  const TDataSet* dataSet = ActiveDataSet();
  const bool focused = Focused() || (options_ & dgAlwaysShowSelection);
  SavedDC saved(canvas.Handle());
  ClipToDataColumns(canvas.Handle(), geometry);
  canvas.Font().Assign(*Font());
  for (int i = 0; i < columns_->Count(); ++i) {
    TColumn* column = (*columns_)[i];
    if (!column->Visible()) continue;
    const RECT cell = ToWindowsRect(geometry.CellRect(i, row));
    const bool selected = current && (i == selectedColumn_ || (options_ & dgRowSelect)) && focused;
    canvas.Brush().SetColor(selected ? clHighlight : Color());
    canvas.FillRect(cell);
    canvas.Font().SetColor(selected ? clHighlightText : Font()->Color());
    if (column->FieldIndex() >= 0) DrawCellText(canvas, cell, dataSet->FieldText(row, column->FieldIndex()));
  }
}

void TDBGrid::PaintLines(TCanvas& canvas, const GridGeometry& geometry) {
  canvas.Pen().SetColor(kGridLineColor);
  if (options_ & dgColLines) {
    const int bottom = geometry.ColumnLinesBottom();
    for (const int x : geometry.ColumnLines()) {
      canvas.MoveTo(x, geometry.TitleHeight());
      canvas.LineTo(x, bottom);
    }
  }
  if (options_ & dgRowLines) {
    const int right = std::max(geometry.DataRight(), geometry.IndicatorWidth());
    for (const int y : geometry.RowLines()) {
      canvas.MoveTo(geometry.IndicatorWidth(), y);
      canvas.LineTo(right, y);
    }
  }
}

}  // namespace lanvero::framework
