#include "framework/core/DataSet.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

TDataLink::~TDataLink() { SetDataSource(nullptr); }

void TDataLink::SetDataSource(TDataSource* source) {
  if (source == dataSource_) return;
  if (dataSource_) {
    auto& links = dataSource_->links_;
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
  }
  dataSource_ = source;
  if (dataSource_) dataSource_->links_.push_back(this);
  DataSourceChanged();
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

bool TDataLink::Active() const {
  TDataSet* dataSet = DataSet();
  return dataSet && dataSet->Active();
}

const ClassInfo& TDataSet::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TDataSet", &TComponent::StaticClassInfo());
  return info;
}

TDataSet::~TDataSet() {
  MarkDestroying();
  const auto sources = sources_;
  for (TDataSource* source : sources) source->SetDataSet(nullptr);
}

std::wstring TDataSet::CurrentFieldText(int field) const {
  const int row = RecNo();
  if (!Active() || row < 0) throw FrameworkError(L"Data set is closed or has no current record");
  return FieldText(row, field);
}

bool TDataSet::Eof() const { return !Active() || RecordCount() == 0 || RecNo() >= RecordCount(); }

void TDataSet::MoveTo(int row) {
  if (!Active()) return;
  MoveBy(row - RecNo());
}

template <class F>
void TDataSource::ForEachLink(F&& f) {
  // A link may detach itself while it is told about an event.
  const auto links = links_;
  for (TDataLink* link : links) {
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) f(*link);
  }
}

void TDataSet::NotifyOpened() {
  for (TDataSource* source : sources_) source->ForEachLink([](TDataLink& l) { l.DataSetOpened(); });
}

void TDataSet::NotifyClosed() {
  for (TDataSource* source : sources_) source->ForEachLink([](TDataLink& l) { l.DataSetClosed(); });
}

void TDataSet::NotifyRowChanged() {
  for (TDataSource* source : sources_) source->ForEachLink([](TDataLink& l) { l.RowChanged(); });
}

void TDataSet::NotifyDataChanged() {
  for (TDataSource* source : sources_) source->ForEachLink([](TDataLink& l) { l.DataChanged(); });
}

const ClassInfo& TDataSource::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TDataSource>("TDataSource", &TComponent::StaticClassInfo())
                                    .Creatable()
                                    .Reference("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet)
                                    .Build();
  return info;
}

TDataSource::~TDataSource() {
  MarkDestroying();
  SetDataSet(nullptr);
  const auto links = links_;
  for (TDataLink* link : links) link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
  if (dataSet == dataSet_) return;
  if (dataSet_) {
    auto& sources = dataSet_->sources_;
    sources.erase(std::remove(sources.begin(), sources.end(), this), sources.end());
    RemoveFreeNotification(dataSet_);
  }
  dataSet_ = dataSet;
  if (dataSet_) {
    dataSet_->sources_.push_back(this);
    FreeNotification(dataSet_);
  }
  ForEachLink([](TDataLink& l) { l.DataSourceChanged(); });
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == dataSet_) SetDataSet(nullptr);
}

}  // namespace lanvero::framework
