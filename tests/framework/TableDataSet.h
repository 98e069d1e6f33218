// A data set over a fixed in-memory table, standing in for the application's
// query adapter in the tests.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/DataSet.h"

namespace lanvero::framework::testing {

class TTableDataSet : public TDataSet {
 public:
  TTableDataSet(TComponent* owner, std::vector<std::wstring> fields, std::vector<std::vector<std::wstring>> rows)
      : TDataSet(owner), fields_(std::move(fields)), rows_(std::move(rows)) {}

  bool Active() const override { return active_; }
  int FieldCount() const override { return static_cast<int>(fields_.size()); }
  std::wstring FieldName(int field) const override { return fields_.at(static_cast<size_t>(field)); }
  int RecordCount() const override { return active_ ? static_cast<int>(rows_.size()) : 0; }
  int RecNo() const override { return active_ && !rows_.empty() ? row_ : -1; }
  int MoveBy(int distance) override {
    const int target = std::clamp(row_ + distance, 0, std::max(0, RecordCount() - 1));
    const int moved = target - row_;
    row_ = target;
    if (moved) NotifyRowChanged();
    return moved;
  }
  std::wstring FieldText(int row, int field) const override {
    return rows_.at(static_cast<size_t>(row)).at(static_cast<size_t>(field));
  }
  bool SetFieldText(int row, int field, const std::wstring& text) override {
    rows_.at(static_cast<size_t>(row)).at(static_cast<size_t>(field)) = text;
    NotifyDataChanged();
    return true;
  }
  void Open() {
    active_ = true;
    row_ = 0;
    NotifyOpened();
  }
  void Close() {
    active_ = false;
    NotifyClosed();
  }

 private:
  std::vector<std::wstring> fields_;
  std::vector<std::vector<std::wstring>> rows_;
  bool active_ = false;
  int row_ = 0;
};

}  // namespace lanvero::framework::testing
