// What the grid does when its data set opens, closes, moves or changes:
// columns made from the fields or bound to them by name.
#include "framework/controls/grid/DBGrid.h"

#include <algorithm>

namespace lanvero::framework {

namespace {

constexpr int kDefaultColumnWidth = 64;

}  // namespace

void TDBGrid::BuildDefaultColumns() {
  TDataSet* dataSet = ActiveDataSet();
  columns_->BeginUpdate();
  columns_->Clear();
  if (dataSet) {
    for (int field = 0; field < dataSet->FieldCount(); ++field) {
      TColumn* column = columns_->AddItem();
      column->SetFieldName(dataSet->FieldName(field));
      column->SetWidth(kDefaultColumnWidth);
    }
  }
  columns_->EndUpdate();
}

void TDBGrid::BindColumns() {
  TDataSet* dataSet = ActiveDataSet();
  for (int i = 0; i < columns_->Count(); ++i) {
    TColumn* column = (*columns_)[i];
    column->SetFieldIndex(-1);
    if (!dataSet) continue;
    for (int field = 0; field < dataSet->FieldCount(); ++field) {
      if (dataSet->FieldName(field) == column->FieldName()) column->SetFieldIndex(field);
    }
  }
}

void TDBGrid::DataSetOpened() {
  HideEditor(false);
  if (IsLoading()) return;
  topRow_ = 0;
  scrollX_ = 0;
  if (defaultColumns_) {
    BuildDefaultColumns();
  } else {
    BindColumns();
  }
  selectedColumn_ = std::max(0, NextVisibleColumn(-1, 1));
  UpdateScrollBars();
  Invalidate();
}

void TDBGrid::DataSetClosed() {
  HideEditor(false);
  if (defaultColumns_) {
    columns_->Clear();
  } else {
    BindColumns();
  }
  topRow_ = 0;
  UpdateScrollBars();
  Invalidate();
}

void TDBGrid::RowChanged() {
  ScrollToCurrentRow();
  UpdateScrollBars();
  Invalidate();
}

void TDBGrid::DataChanged() { Invalidate(); }

void TDBGrid::MoveBy(int distance) {
  if (TDataSet* dataSet = ActiveDataSet()) dataSet->MoveBy(distance);
}

}  // namespace lanvero::framework
