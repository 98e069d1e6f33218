#include "skin/package/SkinStore.h"

#include <algorithm>

namespace lanvero {

TSkinCollectionItem::TSkinCollectionItem(TSkinCollection& collection, int32_t id)
    : collection_(collection), id_(id), FName("SkinItem" + std::to_string(id)) {}

void TSkinCollectionItem::SetName(const std::string& name) {
  if (name == FName) return;
  if (collection_.NameUsedByOther(name, *this)) {
    throw DuplicateSkinNameError("The name " + name + " is already used.");
  }
  FName = name;
}

void TSkinCollectionItem::Assign(const TSkinCollectionItem& source) {
  if (&source == this) return;
  FName = source.FName;
  FData = ByteStream(source.FData.Bytes());
}

void TSkinCollectionItem::LoadFromFile(const std::filesystem::path& fileName) {
  FData.Clear();
  FData = ByteStream(ReadFileBytes(fileName));
}

void TSkinCollectionItem::CopyData(ByteStream& destination) {
  const std::size_t kept = FData.Position();
  destination.Write(FData.Bytes());
  FData.Seek(kept);
}

void TSkinCollectionItem::ReadDataStream(std::span<const uint8_t> propertyBytes) {
  FData = ByteStream(propertyBytes);
}

std::vector<uint8_t> TSkinCollectionItem::WriteDataStream() const {
  const auto bytes = FData.Bytes();
  return {bytes.begin(), bytes.end()};
}

TSkinCollection& TSkinCollection::operator=(const TSkinCollection& other) {
  Assign(other);
  return *this;
}

TSkinCollectionItem& TSkinCollection::Add() {
  items_.push_back(std::make_unique<TSkinCollectionItem>(*this, nextId_++));
  return *items_.back();
}

void TSkinCollection::Assign(const TSkinCollection& source) {
  if (&source == this) return;
  items_.clear();
  for (const auto& item : source.items_) Add().Assign(*item);
}

bool TSkinCollection::NameUsedByOther(const std::string& name, const TSkinCollectionItem& except) const {
  return std::any_of(items_.begin(), items_.end(),
                     [&](const auto& item) { return item.get() != &except && item->Name() == name; });
}

}  // namespace lanvero
