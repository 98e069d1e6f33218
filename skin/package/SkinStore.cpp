#include "skin/package/SkinStore.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero {

TSkinCollectionItem::TSkinCollectionItem(framework::TCollection* collection, int32_t id)
    : framework::TCollectionItem(collection), id_(id), FName("SkinItem" + std::to_string(id)) {}

const framework::ClassInfo& TSkinCollectionItem::StaticClassInfo() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TSkinCollectionItem>("TSkinCollectionItem",
                                                   &framework::TCollectionItem::StaticClassInfo())
          .String("Name", &TSkinCollectionItem::NameText, &TSkinCollectionItem::SetNameText)
          .Binary("DataStream", &TSkinCollectionItem::WriteDataStream, &TSkinCollectionItem::SetDataStream)
          .Build();
  return info;
}

const TSkinCollection& TSkinCollectionItem::Owner() const { return static_cast<const TSkinCollection&>(*Collection()); }

std::wstring TSkinCollectionItem::NameText() const {
  std::wstring text;
  for (const char c : FName) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return text;
}

// Names are 8-bit text; a character beyond one byte cannot be part of one.
void TSkinCollectionItem::SetNameText(const std::wstring& name) {
  std::string bytes;
  for (const wchar_t c : name) {
    if (c > 0xFF) throw framework::FrameworkError(L"A skin name holds 8-bit characters only");
    bytes.push_back(static_cast<char>(c));
  }
  SetName(bytes);
}

void TSkinCollectionItem::SetName(const std::string& name) {
  if (name == FName) return;
  if (Owner().NameUsedByOther(name, *this)) {
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

void TSkinCollectionItem::ReadDataStream(std::span<const uint8_t> propertyBytes) { FData = ByteStream(propertyBytes); }

std::vector<uint8_t> TSkinCollectionItem::WriteDataStream() const {
  const auto bytes = FData.Bytes();
  return {bytes.begin(), bytes.end()};
}

TSkinCollection::TSkinCollection()
    : framework::TCollection([this](framework::TCollection* collection) {
        return std::make_unique<TSkinCollectionItem>(collection, nextId_++);
      }) {}

const framework::ClassInfo& TSkinCollection::StaticClassInfo() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TSkinCollection>("TSkinCollection", &framework::TCollection::StaticClassInfo()).Build();
  return info;
}

TSkinCollection& TSkinCollection::operator=(const TSkinCollection& other) {
  Assign(other);
  return *this;
}

void TSkinCollection::Assign(const TSkinCollection& source) {
  if (&source == this) return;
  Clear();
  for (int32_t i = 0; i < source.Count(); ++i) Add().Assign(source.Items(i));
}

bool TSkinCollection::NameUsedByOther(const std::string& name, const TSkinCollectionItem& except) const {
  for (int32_t i = 0; i < Count(); ++i) {
    if (&Items(i) != &except && Items(i).Name() == name) return true;
  }
  return false;
}

TSkinStore::TSkinStore(framework::TComponent* owner)
    : framework::TComponent(owner), store_(std::make_unique<TSkinCollection>()) {}

const framework::ClassInfo& TSkinStore::StaticClassInfo() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TSkinStore>("TSkinStore", &framework::TComponent::StaticClassInfo())
          .Creatable()
          .Object("Store", &TSkinStore::StoreObject)
          .Build();
  return info;
}

void RegisterSkinStoreClass() { framework::ClassRegistry::Register(TSkinStore::StaticClassInfo()); }

}  // namespace lanvero
