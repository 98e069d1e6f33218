// Editing the current cell in place: the edit shown over the cell, and the
// text stored in the data set when the edit ends.
#include "framework/controls/grid/DBGrid.h"
#include "framework/controls/grid/GridInplaceEdit.h"

namespace lanvero::framework {

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

}  // namespace lanvero::framework
