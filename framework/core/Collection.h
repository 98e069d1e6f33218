// Collections: ordered, owned lists of persistent items of one class
// (status bar panels, grid columns), read from a layout as `< item ... end >`.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "framework/core/Object.h"

namespace lanvero::framework {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TCollection* Collection() const { return collection_; }
  int Index() const;

 protected:
  // Items call this when a property changes so that the owner can update.
  void Changed();

 private:
  TCollection* collection_;
};

class TCollection : public TPersistent {
 public:
  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;

  explicit TCollection(ItemFactory factory) : factory_(std::move(factory)) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Item(int index) const;
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  int IndexOf(const TCollectionItem* item) const;

  // Raised after any change of the list or of an item; `item` is nil when
  // the list itself changed.
  std::function<void(TCollectionItem* item)> OnUpdate;
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  void Update(TCollectionItem* item);

 private:
  ItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};

// A collection of items of class ItemType, which must be constructible from
// a TCollection*.
template <class ItemType>
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection()
      : TCollection([](TCollection* c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<ItemType>(c); }) {}
  ItemType* operator[](int index) const { return static_cast<ItemType*>(Item(index)); }
  ItemType* AddItem() { return static_cast<ItemType*>(Add()); }
};

}  // namespace lanvero::framework
