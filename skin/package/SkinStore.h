#pragma once
// A store of named skins: a collection of items, each holding one skin file
// (size prefix + LZH package). Plain classes for now; the component
// framework wraps them later, persisting each item's data as the raw
// property "DataStream".

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/codec/ByteStream.h"

namespace lanvero {

class DuplicateSkinNameError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TSkinCollection;

class TSkinCollectionItem {
public:
  TSkinCollectionItem(TSkinCollection& collection, int32_t id);
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
  void Assign(const TSkinCollectionItem& source);
  void LoadFromFile(const std::filesystem::path& fileName);
  // Appends all of the data to destination; the item's position is kept.
  void CopyData(ByteStream& destination);
  const ByteStream& Data() const { return FData; }

  // "DataStream" persistence: the bytes of the data, nothing else.
  void ReadDataStream(std::span<const uint8_t> propertyBytes);
  std::vector<uint8_t> WriteDataStream() const;

private:
  TSkinCollection& collection_;
  int32_t id_;
  std::string FName;
  ByteStream FData;
};

class TSkinCollection {
public:
  TSkinCollection() = default;
  TSkinCollection(const TSkinCollection& other) { Assign(other); }
  TSkinCollection& operator=(const TSkinCollection& other);

  TSkinCollectionItem& Add();
  // Replaces all items by copies of the other collection's items.
  void Assign(const TSkinCollection& source);
  void Clear() { items_.clear(); }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  TSkinCollectionItem& Items(int32_t index) { return *items_.at(static_cast<std::size_t>(index)); }
  const TSkinCollectionItem& Items(int32_t index) const { return *items_.at(static_cast<std::size_t>(index)); }
  bool NameUsedByOther(const std::string& name, const TSkinCollectionItem& except) const;

private:
  std::vector<std::unique_ptr<TSkinCollectionItem>> items_;
  int32_t nextId_ = 0;
};

class TSkinStore {
public:
  TSkinCollection& Store() { return store_; }
  const TSkinCollection& Store() const { return store_; }
  void SetStore(const TSkinCollection& value) { store_.Assign(value); }

private:
  TSkinCollection store_;
};

}  // namespace lanvero
