#pragma once
// A store of named skins: a component holding a collection of items, each
// holding one skin file (size prefix + LZH package). A stored layout carries
// it: its items with their names and, as the raw property "DataStream",
// their data, so that TSkinData::LoadFromCollection works from a layout.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/core/Collection.h"
#include "framework/core/Component.h"
#include "skin/codec/ByteStream.h"

namespace lanvero {

class DuplicateSkinNameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TSkinCollection;

class TSkinCollectionItem : public framework::TCollectionItem {
 public:
  TSkinCollectionItem(framework::TCollection* collection, int32_t id);
  static const framework::ClassInfo& StaticClassInfo();
  const framework::ClassInfo& ClassType() const override { return StaticClassInfo(); }
  // Items live in their collection; copy one with Assign.
  TSkinCollectionItem(const TSkinCollectionItem&) = delete;
  TSkinCollectionItem& operator=(const TSkinCollectionItem&) = delete;

  int32_t ID() const { return id_; }
  const std::string& Name() const { return FName; }
  // Raises DuplicateSkinNameError when another item of the collection has
  // the name already (exact comparison); the name stays unchanged then.
  void SetName(const std::string& name);
  // A design tool's "load a file" entry: always reads "Load Skin".
  std::string SkinData() const { return "Load Skin"; }
  void SetSkinData(const std::string&) {}
  int64_t DataSize() const { return static_cast<int64_t>(FData.Size()); }

  // Copies name (without the uniqueness check) and data of another item.
  using framework::TCollectionItem::Assign;
  void Assign(const TSkinCollectionItem& source);
  void LoadFromFile(const std::filesystem::path& fileName);
  // Appends all of the data to destination; the item's position is kept.
  void CopyData(ByteStream& destination);
  const ByteStream& Data() const { return FData; }

  // "DataStream" persistence: the bytes of the data, nothing else.
  void ReadDataStream(std::span<const uint8_t> propertyBytes);
  void SetDataStream(const std::vector<uint8_t>& propertyBytes) { ReadDataStream(propertyBytes); }
  std::vector<uint8_t> WriteDataStream() const;
  // "Name" as layouts write it: 8-bit text, one character per byte.
  std::wstring NameText() const;
  void SetNameText(const std::wstring& name);

 private:
  const TSkinCollection& Owner() const;
  int32_t id_;
  std::string FName;
  ByteStream FData;
};

class TSkinCollection : public framework::TCollection {
 public:
  TSkinCollection();
  TSkinCollection(const TSkinCollection& other) : TSkinCollection() { Assign(other); }
  TSkinCollection& operator=(const TSkinCollection& other);
  static const framework::ClassInfo& StaticClassInfo();
  const framework::ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TSkinCollectionItem& Add() { return static_cast<TSkinCollectionItem&>(*framework::TCollection::Add()); }
  // Replaces all items by copies of the other collection's items.
  using framework::TCollection::Assign;
  void Assign(const TSkinCollection& source);
  int32_t Count() const { return framework::TCollection::Count(); }
  TSkinCollectionItem& Items(int32_t index) { return static_cast<TSkinCollectionItem&>(*Item(index)); }
  const TSkinCollectionItem& Items(int32_t index) const {
    return static_cast<const TSkinCollectionItem&>(*Item(index));
  }
  bool NameUsedByOther(const std::string& name, const TSkinCollectionItem& except) const;

 private:
  int32_t nextId_ = 0;
};

class TSkinStore : public framework::TComponent {
 public:
  explicit TSkinStore(framework::TComponent* owner = nullptr);
  static const framework::ClassInfo& StaticClassInfo();
  const framework::ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TSkinCollection& Store() { return *store_; }
  const TSkinCollection& Store() const { return *store_; }
  void SetStore(const TSkinCollection& value) { store_->Assign(value); }
  // The published "Store" sub-object.
  TSkinCollection* StoreObject() const { return store_.get(); }

 private:
  std::unique_ptr<TSkinCollection> store_;
};

// Makes TSkinStore known to stored layouts; safe to call more than once.
void RegisterSkinStoreClass();

}  // namespace lanvero
