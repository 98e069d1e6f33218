// TDBGrid: a grid that shows the rows of a data set (through a TDataSource)
// and draws itself: a title row with the field names, a row indicator at
// the left, lines between cells, columns with their own width and
// visibility, scroll bars when the rows or columns do not fit, the current
// row following the data set, keyboard movement and in-place editing.
#pragma once

#include <memory>
#include <optional>

#include "framework/controls/Edits.h"
#include "framework/controls/GraphicControl.h"
#include "framework/controls/grid/GridColumns.h"
#include "framework/core/DataSet.h"
#include "framework/geometry/GridGeometry.h"

namespace lanvero::framework {

using TDBGridClickEvent = std::function<void(TColumn* column)>;

enum TDBGridOption : uint32_t {
  dgEditing = 1,
  dgAlwaysShowEditor = 2,
  dgTitles = 4,
  dgIndicator = 8,
  dgColumnResize = 16,
  dgColLines = 32,
  dgRowLines = 64,
  dgTabs = 128,
  dgRowSelect = 256,
  dgAlwaysShowSelection = 512,
  dgConfirmDelete = 1024,
  dgCancelOnExit = 2048,
  dgMultiSelect = 4096
};

// The family of grids (drawn by the framework, scrolling with window scroll bars).
class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* owner) : TCustomControl(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

class TDBGrid : public TCustomGrid {
 public:
  explicit TDBGrid(TComponent* owner);
  ~TDBGrid() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TDataSource* DataSource() const;
  void SetDataSource(TDataSource* source);
  TOwnedCollection<TColumn>* Columns() const { return columns_.get(); }
  uint32_t Options() const { return options_; }
  void SetOptions(uint32_t options);
  TFont* TitleFont() const { return titleFont_.get(); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor color);

  int SelectedIndex() const { return selectedColumn_; }
  void SetSelectedIndex(int column);
  int TopRow() const { return topRow_; }
  int RowHeight() const;
  int TitleHeight() const;
  int IndicatorWidth() const;
  // Rows that fit below the title row.
  int VisibleRowCount() const;
  // Sum of the visible columns' widths and their lines.
  int ColumnsWidth() const;
  int HorizontalOffset() const { return scrollX_; }

  // Cell under a client point: column index (-1 for the indicator) and
  // data row (-1 for the title row); false outside every cell.
  bool CellAt(POINT point, int& column, int& row) const;
  RECT CellRect(int column, int row) const;

  bool EditorVisible() const;
  void ShowEditor();
  void HideEditor(bool commit);
  TCustomEdit* Editor() const;

  TDBGridClickEvent OnCellClick;
  TDBGridClickEvent OnTitleClick;
  std::string onCellClickName;

  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void BoundsChanged() override;
  void WMLButtonDownGrid(TMessage& message);
  void WMLButtonUpGrid(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMChar(TMessage& message);
  void WMScroll(TMessage& message, int bar);
  void ScrollRows(int code);
  void ScrollColumns(int code);
  // Where the thumb of a scroll bar is being dragged.
  int TrackPosition(int bar) const;
  void WMMouseWheel(TMessage& message);

 private:
  friend class TGridDataLink;
  class TGridDataLink;
  class TInplaceEdit;

  void DataSetOpened();
  void DataSetClosed();
  void RowChanged();
  void DataChanged();
  void BuildDefaultColumns();
  void BindColumns();
  void ScrollToCurrentRow();
  void UpdateScrollBars();
  void MoveBy(int distance);
  TDataSet* ActiveDataSet() const;
  // The grid's geometry as it stands: fonts, options, columns, client size,
  // records and scroll state.
  GridGeometry Geometry() const;
  static RECT ToWindowsRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
  int NextVisibleColumn(int from, int step) const;
  void PaintTitles(TCanvas& canvas, const GridGeometry& geometry);
  void PaintIndicator(TCanvas& canvas, const GridGeometry& geometry, int row, bool current);
  void PaintRowCells(TCanvas& canvas, const GridGeometry& geometry, int row, bool current);
  void PaintLines(TCanvas& canvas, const GridGeometry& geometry);
  void DrawCellText(TCanvas& canvas, const RECT& rect, const std::wstring& text);

  std::unique_ptr<TGridDataLink> link_;
  std::unique_ptr<TOwnedCollection<TColumn>> columns_;
  std::unique_ptr<TFont> titleFont_;
  // Line heights of the two fonts, measured on first use and forgotten when
  // a font changes: the geometry is asked for many times per scroll step,
  // and each measurement is a round trip to the display.
  mutable std::optional<int> textHeight_;
  mutable std::optional<int> titleTextHeight_;
  TInplaceEdit* editor_ = nullptr;
  uint32_t options_;
  bool readOnly_ = false;
  bool defaultColumns_ = true;
  TColor fixedColor_ = clBtnFace;
  int topRow_ = 0;
  int scrollX_ = 0;
  int selectedColumn_ = 0;
  int editingRow_ = -1;
  int editingColumn_ = -1;
  int pressedColumn_ = -2;
  int pressedRow_ = -2;
};

}  // namespace lanvero::framework
