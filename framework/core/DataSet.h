// The data-set interface that data-aware controls (the grid) work with. The
// application adapts its database query to TDataSet; TDataSource connects a
// data set to controls; a TDataLink hears what happens to the data set.
#pragma once

#include <string>
#include <vector>

#include "framework/core/Component.h"

namespace lanvero::framework {

class TDataSet;
class TDataSource;

// Listener of a data source's data set. Links register with a data source;
// the data source passes on the events of whichever data set it points at.
class TDataLink {
 public:
  virtual ~TDataLink();
  TDataLink() = default;
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;

  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* source);
  TDataSet* DataSet() const;
  bool Active() const;

  virtual void DataSetOpened() {}
  virtual void DataSetClosed() {}
  virtual void RowChanged() {}   // the current row moved
  virtual void DataChanged() {}  // field values changed
  virtual void DataSourceChanged() {}

 private:
  friend class TDataSource;
  TDataSource* dataSource_ = nullptr;
};

class TDataSet : public TComponent {
 public:
  explicit TDataSet(TComponent* owner) : TComponent(owner) {}
  ~TDataSet() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  virtual bool Active() const = 0;
  virtual int FieldCount() const = 0;
  virtual std::wstring FieldName(int field) const = 0;
  virtual int RecordCount() const = 0;
  // Current row, 0-based; -1 when closed or empty.
  virtual int RecNo() const = 0;
  // Moves the current row by `distance`, stopping at either end; returns the
  // distance actually moved.
  virtual int MoveBy(int distance) = 0;
  virtual std::wstring FieldText(int row, int field) const = 0;
  // Stores an edited value; returns false when the data set refuses it.
  virtual bool SetFieldText(int row, int field, const std::wstring& text) = 0;

  std::wstring CurrentFieldText(int field) const;
  bool Eof() const;  // true when empty or closed, as after opening an empty result
  bool IsEmpty() const { return RecordCount() == 0; }

  // Moves to an absolute row (clamped).
  void MoveTo(int row);

 protected:
  // Implementations call these so that the controls follow the data.
  void NotifyOpened();
  void NotifyClosed();
  void NotifyRowChanged();
  void NotifyDataChanged();

 private:
  friend class TDataSource;
  std::vector<TDataSource*> sources_;
};

class TDataSource : public TComponent {
 public:
  explicit TDataSource(TComponent* owner) : TComponent(owner) {}
  ~TDataSource() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TDataSet;
  friend class TDataLink;
  template <class F>
  void ForEachLink(F&& f);

  TDataSet* dataSet_ = nullptr;
  std::vector<TDataLink*> links_;
};

}  // namespace lanvero::framework
