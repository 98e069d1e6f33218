#include "framework/core/Collection.h"

#include "framework/core/FrameworkError.h"

namespace lanvero::framework {

const ClassInfo& TCollectionItem::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TCollectionItem", &TPersistent::StaticClassInfo());
  return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (collection_) collection_->Update(this);
}

const ClassInfo& TCollection::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TCollection", &TPersistent::StaticClassInfo());
  return info;
}

TCollectionItem* TCollection::Item(int index) const {
  if (index < 0 || index >= Count()) {
    throw FrameworkError(L"Collection index out of bounds (" + std::to_wstring(index) + L")");
  }
  return items_[static_cast<size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_(this));
  Update(nullptr);
  return items_.back().get();
}

void TCollection::Delete(int index) {
  Item(index);  // range check
  items_.erase(items_.begin() + index);
  Update(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Update(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem* item) {
  if (updateCount_ == 0 && OnUpdate) OnUpdate(item);
}

}  // namespace lanvero::framework
