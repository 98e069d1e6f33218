// Keeping the current row and the selected column in view, and the grid's
// scroll bars.
#include "framework/controls/grid/DBGrid.h"

namespace lanvero::framework {

namespace {

void ApplyScrollBar(HWND window, int bar, const GridScrollBar& state, UINT extraMask) {
  ShowScrollBar(window, bar, state.shown ? TRUE : FALSE);
  if (!state.shown) return;
  SCROLLINFO info{sizeof info,
                  SIF_RANGE | SIF_PAGE | SIF_POS | extraMask,
                  0,
                  state.max,
                  static_cast<UINT>(state.page),
                  state.position,
                  0};
  SetScrollInfo(window, bar, &info, TRUE);
}

}  // namespace

void TDBGrid::ScrollToCurrentRow() {
  if (TDataSet* dataSet = ActiveDataSet()) topRow_ = Geometry().TopRowShowing(dataSet->RecNo());
}

void TDBGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  // Showing one bar shrinks the room for the other: settle in two passes,
  // measuring again after each bar.
  for (int pass = 0; pass < 2; ++pass) {
    const GridScrollBar horizontal = Geometry().HorizontalBar();
    scrollX_ = horizontal.position;
    ApplyScrollBar(handle_, SB_HORZ, horizontal, SIF_DISABLENOSCROLL);
    const TDataSet* dataSet = ActiveDataSet();
    ApplyScrollBar(handle_, SB_VERT, Geometry().VerticalBar(dataSet ? dataSet->RecNo() : 0), 0);
  }
}

void TDBGrid::BoundsChanged() {
  TCustomGrid::BoundsChanged();
  ScrollToCurrentRow();
  UpdateScrollBars();
}

int TDBGrid::NextVisibleColumn(int from, int step) const {
  for (int i = from + step; i >= 0 && i < columns_->Count(); i += step) {
    if ((*columns_)[i]->Visible()) return i;
  }
  return -1;
}

void TDBGrid::SetSelectedIndex(int column) {
  if (column < 0 || column >= columns_->Count()) return;
  selectedColumn_ = column;
  scrollX_ = Geometry().ScrollXShowing(column);
  UpdateScrollBars();
  Invalidate();
}

}  // namespace lanvero::framework
