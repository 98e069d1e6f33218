// The grid's messages: mouse clicks on cells and titles, keys, typing that
// starts an edit, the scroll bars and the mouse wheel.
#include "framework/controls/grid/DBGrid.h"

#include <algorithm>

#include "framework/controls/grid/GridInplaceEdit.h"

namespace lanvero::framework {

void TDBGrid::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | ((options_ & dgTabs) ? DLGC_WANTTAB : 0);
      return;
    case WM_LBUTTONDOWN: WMLButtonDownGrid(message); break;
    case WM_LBUTTONUP: TCustomGrid::Dispatch(message); return WMLButtonUpGrid(message);
    case WM_LBUTTONDBLCLK: TCustomGrid::Dispatch(message); return ShowEditor();
    case WM_KEYDOWN: return WMKeyDown(message);
    case WM_CHAR: return WMChar(message);
    case WM_HSCROLL: return WMScroll(message, SB_HORZ);
    case WM_VSCROLL: return WMScroll(message, SB_VERT);
    case WM_MOUSEWHEEL: return WMMouseWheel(message);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: TCustomGrid::Dispatch(message); return Invalidate();
    case CM_FONTCHANGED:
      textHeight_.reset();
      titleFont_->Assign(*Font());
      break;
    default: break;
  }
  TCustomGrid::Dispatch(message);
}

void TDBGrid::WMLButtonDownGrid(TMessage& message) {
  if (CanFocus() && HandleAllocated() && GetFocus() != handle_) ::SetFocus(handle_);
  HideEditor(true);
  int column = 0, row = 0;
  pressedColumn_ = pressedRow_ = -2;
  if (!CellAt(POINT{message.X(), message.Y()}, column, row)) return;
  pressedColumn_ = column;
  pressedRow_ = row;
  if (row >= 0) {
    if (TDataSet* dataSet = ActiveDataSet()) dataSet->MoveTo(row);
    if (column >= 0) SetSelectedIndex(column);
  }
  Invalidate();
}

void TDBGrid::WMLButtonUpGrid(TMessage& message) {
  int column = 0, row = 0;
  const bool inCell = CellAt(POINT{message.X(), message.Y()}, column, row);
  const bool sameCell = inCell && column == pressedColumn_ && row == pressedRow_;
  pressedColumn_ = pressedRow_ = -2;
  if (!sameCell || column < 0) return;
  TColumn* clicked = (*columns_)[column];
  if (row >= 0) {
    if (OnCellClick) OnCellClick(clicked);
  } else if (OnTitleClick) {
    OnTitleClick(clicked);
  }
}

void TDBGrid::WMKeyDown(TMessage& message) {
  TDataSet* dataSet = ActiveDataSet();
  const bool control = GetKeyState(VK_CONTROL) < 0;
  switch (message.WParam) {
    case VK_UP: MoveBy(-1); break;
    case VK_DOWN: MoveBy(1); break;
    case VK_PRIOR: MoveBy(-std::max(1, VisibleRowCount())); break;
    case VK_NEXT: MoveBy(std::max(1, VisibleRowCount())); break;
    case VK_HOME:
      if (control && dataSet) dataSet->MoveTo(0);
      else SetSelectedIndex(NextVisibleColumn(-1, 1));
      break;
    case VK_END:
      if (control && dataSet) dataSet->MoveTo(dataSet->RecordCount() - 1);
      else SetSelectedIndex(NextVisibleColumn(columns_->Count(), -1));
      break;
    case VK_LEFT: SetSelectedIndex(NextVisibleColumn(selectedColumn_, -1)); break;
    case VK_RIGHT: SetSelectedIndex(NextVisibleColumn(selectedColumn_, 1)); break;
    case VK_F2: ShowEditor(); break;
    default: return TCustomGrid::Dispatch(message);
  }
}

void TDBGrid::WMChar(TMessage& message) {
  const auto character = static_cast<wchar_t>(message.WParam);
  if (character < L' ' || EditorVisible()) return TCustomGrid::Dispatch(message);
  ShowEditor();
  if (!EditorVisible()) return;
  // Typing starts a new value with the character typed.
  editor_->SetText(std::wstring(1, character));
  editor_->SetSelection(1, 0);
}

void TDBGrid::WMScroll(TMessage& message, int bar) {
  const int code = LOWORD(message.WParam);
  if (bar == SB_VERT) return ScrollRows(code);
  ScrollColumns(code);
}

// The vertical bar moves the current record; the rows follow it.
void TDBGrid::ScrollRows(int code) {
  TDataSet* dataSet = ActiveDataSet();
  switch (code) {
    case SB_LINEUP: MoveBy(-1); break;
    case SB_LINEDOWN: MoveBy(1); break;
    case SB_PAGEUP: MoveBy(-std::max(1, VisibleRowCount())); break;
    case SB_PAGEDOWN: MoveBy(std::max(1, VisibleRowCount())); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      if (dataSet) dataSet->MoveTo(TrackPosition(SB_VERT));
      break;
    case SB_TOP:
      if (dataSet) dataSet->MoveTo(0);
      break;
    case SB_BOTTOM:
      if (dataSet) dataSet->MoveTo(dataSet->RecordCount() - 1);
      break;
    default: break;
  }
}

void TDBGrid::ScrollColumns(int code) {
  const int page = Geometry().HorizontalPage();
  switch (code) {
    case SB_LINELEFT: scrollX_ -= kGridScrollLine; break;
    case SB_LINERIGHT: scrollX_ += kGridScrollLine; break;
    case SB_PAGELEFT: scrollX_ -= page; break;
    case SB_PAGERIGHT: scrollX_ += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scrollX_ = TrackPosition(SB_HORZ); break;
    default: break;
  }
  UpdateScrollBars();
  Invalidate();
}

int TDBGrid::TrackPosition(int bar) const {
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(handle_, bar, &info);
  return info.nTrackPos;
}

void TDBGrid::WMMouseWheel(TMessage& message) {
  const auto distance = static_cast<short>(HIWORD(message.WParam));
  MoveBy(distance > 0 ? -1 : 1);
  message.Result = 0;
}

}  // namespace lanvero::framework
