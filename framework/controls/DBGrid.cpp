#include "framework/controls/DBGrid.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/TextMeasure.h"

namespace lanvero::framework {

namespace {

constexpr int kIndicatorCellWidth = 11;
constexpr int kCellPadding = 2;
constexpr int kDefaultColumnWidth = 64;
constexpr TColor kGridLineColor = clSilver;

const EnumInfo& GridOptionElements() {
  static const EnumInfo info{"TDBGridOption",
                             {"dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator", "dgColumnResize",
                              "dgColLines", "dgRowLines", "dgTabs", "dgRowSelect", "dgAlwaysShowSelection",
                              "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect"}};
  return info;
}

int TextHeightOf(const TFont& font) { return TextMeasureDC(font.Handle()).LineHeight(); }

}  // namespace

// ----- columns --------------------------------------------------------------

const ClassInfo& TColumnTitle::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TColumnTitle>("TColumnTitle", &TPersistent::StaticClassInfo())
                                    .String("Caption", &TColumnTitle::Caption, &TColumnTitle::SetCaption)
                                    .Build();
  return info;
}

const ClassInfo& TColumn::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TColumn>("TColumn", &TCollectionItem::StaticClassInfo())
                                    .String("FieldName", &TColumn::FieldName, &TColumn::SetFieldName)
                                    .Object("Title", &TColumn::Title)
                                    .Integer("Width", &TColumn::Width, &TColumn::SetWidth)
                                    .Boolean("Visible", &TColumn::Visible, &TColumn::SetVisible)
                                    .Build();
  return info;
}

TColumn::TColumn(TCollection* collection) : TCollectionItem(collection), title_(std::make_unique<TColumnTitle>()) {}

void TColumn::SetFieldName(const std::wstring& name) {
  fieldName_ = name;
  Changed();
}

void TColumn::SetWidth(int width) {
  width_ = std::max(0, width);
  Changed();
}

void TColumn::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

std::wstring TColumn::TitleText() const { return title_->Caption().empty() ? fieldName_ : title_->Caption(); }

// ----- data link and editor -------------------------------------------------

class TDBGrid::TGridDataLink : public TDataLink {
 public:
  explicit TGridDataLink(TDBGrid& grid) : grid_(grid) {}
  void DataSetOpened() override { grid_.DataSetOpened(); }
  void DataSetClosed() override { grid_.DataSetClosed(); }
  void RowChanged() override { grid_.RowChanged(); }
  void DataChanged() override { grid_.DataChanged(); }
  void DataSourceChanged() override {
    if (Active()) {
      grid_.DataSetOpened();
    } else {
      grid_.DataSetClosed();
    }
  }

 private:
  TDBGrid& grid_;
};

// The edit shown over the current cell while it is being edited. It wants
// every key, so that Enter and Escape end the edit instead of pressing the
// form's buttons.
class TDBGrid::TInplaceEdit : public TCustomEdit {
 public:
  TInplaceEdit(TDBGrid& grid) : TCustomEdit(&grid), grid_(grid) {
    SetBorderStyle(TBorderStyle::bsNone);
    SetTabStop(false);
    SetVisible(false);
    SetParent(&grid);
  }
  static const ClassInfo& StaticClassInfo() {
    static const ClassInfo info = DescribeClass("TInplaceEdit", &TCustomEdit::StaticClassInfo());
    return info;
  }
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

 protected:
  void Dispatch(TMessage& message) override {
    switch (message.Msg) {
      case WM_GETDLGCODE:
        message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
        return;
      case WM_KEYDOWN:
        if (HandleKey(static_cast<WORD>(message.WParam))) return;
        break;
      case WM_CHAR:
        // Enter and Escape were handled as keys; keep them out of the text.
        if (message.WParam == L'\r' || message.WParam == 27) return;
        break;
      case WM_KILLFOCUS:
        TCustomEdit::Dispatch(message);
        if (Visible() && !closing_) grid_.HideEditor(true);
        return;
      default:
        break;
    }
    TCustomEdit::Dispatch(message);
  }

 private:
  bool HandleKey(WORD key) {
    closing_ = true;
    bool handled = true;
    switch (key) {
      case VK_RETURN: grid_.HideEditor(true); break;
      case VK_ESCAPE: grid_.HideEditor(false); break;
      case VK_UP: grid_.HideEditor(true); grid_.MoveBy(-1); break;
      case VK_DOWN: grid_.HideEditor(true); grid_.MoveBy(1); break;
      default: handled = false; break;
    }
    closing_ = false;
    return handled;
  }

  TDBGrid& grid_;
  bool closing_ = false;
};

// ----- grid -----------------------------------------------------------------

const ClassInfo& TCustomGrid::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TCustomGrid", &TCustomControl::StaticClassInfo());
  return info;
}

const ClassInfo& TDBGrid::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TDBGrid>("TDBGrid", &TCustomGrid::StaticClassInfo())
                                    .Creatable()
                                    .Reference("DataSource", &TDBGrid::DataSource, &TDBGrid::SetDataSource)
                                    .Object("Columns", &TDBGrid::Columns)
                                    .Set("Options", GridOptionElements(), &TDBGrid::Options, &TDBGrid::SetOptions)
                                    .Object("TitleFont", &TDBGrid::TitleFont)
                                    .Boolean("ReadOnly", &TDBGrid::ReadOnly, &TDBGrid::SetReadOnly)
                                    .Integer("FixedColor", &TDBGrid::FixedColor, &TDBGrid::SetFixedColor,
                                             &ColorIdentifiers())
                                    .Event("OnCellClick", &TDBGrid::OnCellClick, &TDBGrid::onCellClickName)
                                    .Event("OnTitleClick", &TDBGrid::OnTitleClick)
                                    .Build();
  return info;
}

TDBGrid::TDBGrid(TComponent* owner)
    : TCustomGrid(owner),
      link_(std::make_unique<TGridDataLink>(*this)),
      columns_(std::make_unique<TOwnedCollection<TColumn>>()),
      titleFont_(std::make_unique<TFont>()),
      options_(dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
               dgConfirmDelete | dgCancelOnExit) {
  SetTabStop(true);
  SetColor(clWindow);
  SetControlStyle(Style() & ~static_cast<uint32_t>(csClickEvents));
  SetBounds(0, 0, 320, 120);
  columns_->OnUpdate = [this](TCollectionItem*) {
    BindColumns();
    UpdateScrollBars();
    Invalidate();
  };
  titleFont_->OnChange = [this] { Invalidate(); };
}

TDBGrid::~TDBGrid() {
  MarkDestroying();
  link_->SetDataSource(nullptr);
  DestroyComponents();
}

TDataSource* TDBGrid::DataSource() const { return link_->DataSource(); }

void TDBGrid::SetDataSource(TDataSource* source) {
  if (link_->DataSource()) RemoveFreeNotification(link_->DataSource());
  link_->SetDataSource(source);
  if (source) FreeNotification(source);
}

void TDBGrid::Notification(TComponent* component, TOperation operation) {
  TCustomGrid::Notification(component, operation);
  if (operation == TOperation::opRemove && component == link_->DataSource()) link_->SetDataSource(nullptr);
}

void TDBGrid::Loaded() {
  TCustomGrid::Loaded();
  // Columns stored in the layout stay; otherwise they follow the data set.
  defaultColumns_ = columns_->Count() == 0;
  if (link_->Active()) DataSetOpened();
}

void TDBGrid::SetOptions(uint32_t options) {
  options_ = options;
  UpdateScrollBars();
  Invalidate();
}

void TDBGrid::SetFixedColor(TColor color) {
  fixedColor_ = color;
  Invalidate();
}

void TDBGrid::CreateParams(TCreateParams& params) {
  TCustomGrid::CreateParams(params);
  params.style |= WS_HSCROLL | WS_VSCROLL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TDBGrid::CreateHandleState() {
  TCustomGrid::CreateHandleState();
  UpdateScrollBars();
}

TDataSet* TDBGrid::ActiveDataSet() const { return link_->Active() ? link_->DataSet() : nullptr; }

// ----- geometry -------------------------------------------------------------

int TDBGrid::RowHeight() const { return TextHeightOf(*Font()) + 3; }

int TDBGrid::TitleHeight() const { return (options_ & dgTitles) ? TextHeightOf(*titleFont_) + 4 : 0; }

int TDBGrid::IndicatorWidth() const {
  return (options_ & dgIndicator) ? kIndicatorCellWidth + ((options_ & dgColLines) ? 1 : 0) : 0;
}

int TDBGrid::VisibleRowCount() const {
  const int lineHeight = (options_ & dgRowLines) ? 1 : 0;
  const int titleBottom = TitleHeight() + ((options_ & dgTitles) ? lineHeight : 0);
  return std::max(0, (ClientHeight() - titleBottom) / (RowHeight() + lineHeight));
}

int TDBGrid::ColumnsWidth() const {
  const int line = (options_ & dgColLines) ? 1 : 0;
  int width = 0;
  for (int i = 0; i < columns_->Count(); ++i) {
    if ((*columns_)[i]->Visible()) width += (*columns_)[i]->Width() + line;
  }
  return width;
}

int TDBGrid::VisibleColumnCount() const {
  int count = 0;
  for (int i = 0; i < columns_->Count(); ++i) count += (*columns_)[i]->Visible() ? 1 : 0;
  return count;
}

RECT TDBGrid::CellRect(int column, int row) const {
  const int colLine = (options_ & dgColLines) ? 1 : 0;
  const int rowLine = (options_ & dgRowLines) ? 1 : 0;
  RECT rect{};
  if (row < 0) {
    rect.top = 0;
    rect.bottom = TitleHeight();
  } else {
    const int titleBottom = TitleHeight() + ((options_ & dgTitles) ? rowLine : 0);
    rect.top = titleBottom + (row - topRow_) * (RowHeight() + rowLine);
    rect.bottom = rect.top + RowHeight();
  }
  if (column < 0) {
    rect.left = 0;
    rect.right = kIndicatorCellWidth;
    return rect;
  }
  int x = IndicatorWidth() - scrollX_;
  for (int i = 0; i < column && i < columns_->Count(); ++i) {
    if ((*columns_)[i]->Visible()) x += (*columns_)[i]->Width() + colLine;
  }
  rect.left = x;
  rect.right = x + (column < columns_->Count() ? (*columns_)[column]->Width() : 0);
  return rect;
}

bool TDBGrid::CellAt(POINT point, int& column, int& row) const {
  const RECT client = ClientRect();
  if (!PtInRect(&client, point)) return false;
  const int rowLine = (options_ & dgRowLines) ? 1 : 0;
  if (point.y < TitleHeight()) {
    row = -1;
  } else {
    const int titleBottom = TitleHeight() + ((options_ & dgTitles) ? rowLine : 0);
    row = topRow_ + (point.y - titleBottom) / (RowHeight() + rowLine);
    TDataSet* dataSet = ActiveDataSet();
    if (!dataSet || row >= dataSet->RecordCount() || point.y < titleBottom) return false;
  }
  if ((options_ & dgIndicator) && point.x < IndicatorWidth()) {
    column = -1;
    return true;
  }
  for (int i = 0; i < columns_->Count(); ++i) {
    if (!(*columns_)[i]->Visible()) continue;
    const RECT cell = CellRect(i, std::max(row, 0));
    if (point.x >= cell.left && point.x < cell.right + ((options_ & dgColLines) ? 1 : 0)) {
      column = i;
      return true;
    }
  }
  return false;
}

// ----- data -----------------------------------------------------------------

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

void TDBGrid::ScrollToCurrentRow() {
  TDataSet* dataSet = ActiveDataSet();
  if (!dataSet) return;
  const int row = dataSet->RecNo();
  const int visible = std::max(1, VisibleRowCount());
  if (row < topRow_) topRow_ = row;
  if (row >= topRow_ + visible) topRow_ = row - visible + 1;
  topRow_ = std::clamp(topRow_, 0, std::max(0, dataSet->RecordCount() - 1));
}

void TDBGrid::MoveBy(int distance) {
  if (TDataSet* dataSet = ActiveDataSet()) dataSet->MoveBy(distance);
}

void TDBGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  // Showing one bar shrinks the room for the other: settle in two passes.
  for (int pass = 0; pass < 2; ++pass) {
    const int available = std::max(0, ClientWidth() - IndicatorWidth());
    const int total = ColumnsWidth();
    const bool horizontal = total > available;
    scrollX_ = horizontal ? std::clamp(scrollX_, 0, total - available) : 0;
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
    if (horizontal) {
      info.nMax = total - 1;
      info.nPage = static_cast<UINT>(available);
      info.nPos = scrollX_;
    }
    ShowScrollBar(handle_, SB_HORZ, horizontal ? TRUE : FALSE);
    if (horizontal) SetScrollInfo(handle_, SB_HORZ, &info, TRUE);

    TDataSet* dataSet = ActiveDataSet();
    const int rows = dataSet ? dataSet->RecordCount() : 0;
    const int visible = VisibleRowCount();
    const bool vertical = rows > visible;
    SCROLLINFO vinfo{sizeof vinfo, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, rows - 1),
                     static_cast<UINT>(std::max(1, visible)), dataSet ? std::max(0, dataSet->RecNo()) : 0, 0};
    ShowScrollBar(handle_, SB_VERT, vertical ? TRUE : FALSE);
    if (vertical) SetScrollInfo(handle_, SB_VERT, &vinfo, TRUE);
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
  // Scroll the column into view.
  const RECT cell = CellRect(column, topRow_);
  const int left = IndicatorWidth();
  const int right = ClientWidth();
  if (cell.left < left) scrollX_ -= left - cell.left;
  if (cell.right > right && cell.right - cell.left <= right - left) scrollX_ += cell.right - right;
  UpdateScrollBars();
  Invalidate();
}

// ----- editing --------------------------------------------------------------

TCustomEdit* TDBGrid::Editor() const { return editor_; }

bool TDBGrid::EditorVisible() const { return editor_ && editor_->Visible(); }

void TDBGrid::ShowEditor() {
  TDataSet* dataSet = ActiveDataSet();
  if (!(options_ & dgEditing) || readOnly_ || !dataSet || dataSet->RecNo() < 0) return;
  if (selectedColumn_ < 0 || selectedColumn_ >= columns_->Count()) return;
  TColumn* column = (*columns_)[selectedColumn_];
  if (!column->Visible() || column->FieldIndex() < 0) return;
  SetSelectedIndex(selectedColumn_);
  if (!editor_) editor_ = new TInplaceEdit(*this);
  editingRow_ = dataSet->RecNo();
  editingColumn_ = selectedColumn_;
  const RECT cell = CellRect(selectedColumn_, editingRow_);
  editor_->Font()->Assign(*Font());
  editor_->SetBounds(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
  editor_->SetText(dataSet->FieldText(editingRow_, column->FieldIndex()));
  editor_->SetVisible(true);
  editor_->SetFocus();
  if (editor_->HandleAllocated()) ::SetFocus(editor_->WindowHandle());
  editor_->SelectAll();
}

void TDBGrid::HideEditor(bool commit) {
  if (!EditorVisible()) return;
  const int row = editingRow_;
  const int columnIndex = editingColumn_;
  editingRow_ = editingColumn_ = -1;
  const std::wstring text = editor_->Text();
  const bool hadFocus = editor_->Focused();
  editor_->SetVisible(false);
  if (hadFocus && HandleAllocated()) ::SetFocus(handle_);
  TDataSet* dataSet = ActiveDataSet();
  if (commit && dataSet && row >= 0 && columnIndex >= 0 && columnIndex < columns_->Count()) {
    const int field = (*columns_)[columnIndex]->FieldIndex();
    if (field >= 0 && dataSet->FieldText(row, field) != text) dataSet->SetFieldText(row, field, text);
  }
  Invalidate();
}

// ----- messages -------------------------------------------------------------

void TDBGrid::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | ((options_ & dgTabs) ? DLGC_WANTTAB : 0);
      return;
    case WM_LBUTTONDOWN:
      WMLButtonDownGrid(message);
      break;
    case WM_LBUTTONUP:
      TCustomGrid::Dispatch(message);
      return WMLButtonUpGrid(message);
    case WM_LBUTTONDBLCLK:
      TCustomGrid::Dispatch(message);
      return ShowEditor();
    case WM_KEYDOWN: return WMKeyDown(message);
    case WM_CHAR: return WMChar(message);
    case WM_HSCROLL: return WMScroll(message, SB_HORZ);
    case WM_VSCROLL: return WMScroll(message, SB_VERT);
    case WM_MOUSEWHEEL: return WMMouseWheel(message);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomGrid::Dispatch(message);
      return Invalidate();
    case CM_FONTCHANGED:
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
  if (bar == SB_VERT) {
    TDataSet* dataSet = ActiveDataSet();
    switch (code) {
      case SB_LINEUP: MoveBy(-1); break;
      case SB_LINEDOWN: MoveBy(1); break;
      case SB_PAGEUP: MoveBy(-std::max(1, VisibleRowCount())); break;
      case SB_PAGEDOWN: MoveBy(std::max(1, VisibleRowCount())); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(handle_, SB_VERT, &info);
        if (dataSet) dataSet->MoveTo(info.nTrackPos);
        break;
      }
      case SB_TOP: if (dataSet) dataSet->MoveTo(0); break;
      case SB_BOTTOM: if (dataSet) dataSet->MoveTo(dataSet->RecordCount() - 1); break;
      default: break;
    }
    return;
  }
  const int page = std::max(1, ClientWidth() - IndicatorWidth());
  switch (code) {
    case SB_LINELEFT: scrollX_ -= 16; break;
    case SB_LINERIGHT: scrollX_ += 16; break;
    case SB_PAGELEFT: scrollX_ -= page; break;
    case SB_PAGERIGHT: scrollX_ += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(handle_, SB_HORZ, &info);
      scrollX_ = info.nTrackPos;
      break;
    }
    default: break;
  }
  UpdateScrollBars();
  Invalidate();
}

void TDBGrid::WMMouseWheel(TMessage& message) {
  const auto distance = static_cast<short>(HIWORD(message.WParam));
  MoveBy(distance > 0 ? -1 : 1);
  message.Result = 0;
}

// ----- painting -------------------------------------------------------------

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
  PaintTitles(canvas);
  PaintRows(canvas);
}

void TDBGrid::PaintTitles(TCanvas& canvas) {
  if (!(options_ & dgTitles)) return;
  HDC dc = canvas.Handle();
  canvas.Font().Assign(*titleFont_);
  auto drawFixed = [&](RECT cell) {
    canvas.Brush().SetColor(fixedColor_);
    canvas.FillRect(cell);
    DrawEdge(dc, &cell, BDR_RAISEDINNER, BF_RECT);
  };
  if (options_ & dgIndicator) drawFixed(CellRect(-1, -1));
  SavedDC saved(dc);
  IntersectClipRect(dc, IndicatorWidth(), 0, ClientWidth(), ClientHeight());
  for (int i = 0; i < columns_->Count(); ++i) {
    TColumn* column = (*columns_)[i];
    if (!column->Visible()) continue;
    const RECT cell = CellRect(i, -1);
    drawFixed(cell);
    DrawCellText(canvas, cell, column->TitleText());
  }
}

void TDBGrid::PaintRows(TCanvas& canvas) {
  TDataSet* dataSet = ActiveDataSet();
  HDC dc = canvas.Handle();
  const int rows = dataSet ? dataSet->RecordCount() : 0;
  const int current = dataSet ? dataSet->RecNo() : -1;
  const int last = std::min(rows, topRow_ + VisibleRowCount() + 1);
  const bool focused = Focused() || (options_ & dgAlwaysShowSelection);
  const int dataRight = IndicatorWidth() - scrollX_ + ColumnsWidth();
  for (int row = topRow_; row < last; ++row) {
    if (options_ & dgIndicator) {
      RECT cell = CellRect(-1, row);
      canvas.Brush().SetColor(fixedColor_);
      canvas.FillRect(cell);
      DrawEdge(dc, &cell, BDR_RAISEDINNER, BF_RECT);
      if (row == current) {
        // The current-row arrow.
        const int cx = (cell.left + cell.right) / 2 - 1;
        const int cy = (cell.top + cell.bottom) / 2;
        canvas.Brush().SetColor(clBlack);
        canvas.Pen().SetColor(clBlack);
        POINT arrow[3] = {{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}};
        canvas.Polygon(arrow, 3);
      }
    }
    SavedDC saved(dc);
    IntersectClipRect(dc, IndicatorWidth(), 0, ClientWidth(), ClientHeight());
    canvas.Font().Assign(*Font());
    for (int i = 0; i < columns_->Count(); ++i) {
      TColumn* column = (*columns_)[i];
      if (!column->Visible()) continue;
      const RECT cell = CellRect(i, row);
      const bool selected = row == current && (i == selectedColumn_ || (options_ & dgRowSelect)) && focused;
      canvas.Brush().SetColor(selected ? clHighlight : Color());
      canvas.FillRect(cell);
      canvas.Font().SetColor(selected ? clHighlightText : Font()->Color());
      if (column->FieldIndex() >= 0) DrawCellText(canvas, cell, dataSet->FieldText(row, column->FieldIndex()));
    }
  }
  // Lines between the cells.
  canvas.Pen().SetColor(kGridLineColor);
  const int bottom = CellRect(0, last).top;
  if (options_ & dgColLines) {
    for (int i = 0; i < columns_->Count(); ++i) {
      if (!(*columns_)[i]->Visible()) continue;
      const RECT cell = CellRect(i, topRow_);
      if (cell.right < IndicatorWidth()) continue;
      canvas.MoveTo(cell.right, TitleHeight());
      canvas.LineTo(cell.right, bottom);
    }
  }
  if (options_ & dgRowLines) {
    for (int row = topRow_; row < last; ++row) {
      const RECT cell = CellRect(0, row);
      canvas.MoveTo(IndicatorWidth(), cell.bottom);
      canvas.LineTo(std::max(dataRight, IndicatorWidth()), cell.bottom);
    }
  }
}

}  // namespace lanvero::framework
