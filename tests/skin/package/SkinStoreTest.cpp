#include <gtest/gtest.h>

#include "skin/package/SkinStore.h"
#include "skin/package/SkinStreamProperty.h"
#include "tests/skin/TestData.h"

namespace lanvero {
namespace {

using testing::Bytes;

TEST(SkinStore, NewItemsAreNamedAfterTheirId) {
  TSkinStore store;
  EXPECT_EQ(store.Store().Add().Name(), "SkinItem0");
  EXPECT_EQ(store.Store().Add().Name(), "SkinItem1");
  EXPECT_EQ(store.Store().Items(1).SkinData(), "Load Skin");
  store.Store().Items(1).SetSkinData("ignored");
  EXPECT_EQ(store.Store().Items(1).SkinData(), "Load Skin");
}

TEST(SkinStore, RenamingChecksTheOtherItems) {
  TSkinCollection collection;
  TSkinCollectionItem& first = collection.Add();
  TSkinCollectionItem& second = collection.Add();
  second.SetName("Blue");
  try {
    first.SetName("Blue");
    FAIL() << "duplicate name accepted";
  } catch (const DuplicateSkinNameError& error) {
    EXPECT_STREQ(error.what(), "The name Blue is already used.");
  }
  EXPECT_EQ(first.Name(), "SkinItem0");
  second.SetName("Blue");  // its own name: no clash
  first.SetName("blue");   // names compare case-sensitively
  EXPECT_EQ(first.Name(), "blue");
}

TEST(SkinStore, AssignCopiesNamesAndData) {
  testing::ScratchFolder folder;
  WriteFileBytes(folder.Path() / "a.skn", Bytes("skin bytes"));
  TSkinCollection source;
  source.Add().LoadFromFile(folder.Path() / "a.skn");
  source.Add().SetName("Second");

  TSkinStore store;
  store.Store().Add();
  store.SetStore(source);
  ASSERT_EQ(store.Store().Count(), 2);
  EXPECT_EQ(store.Store().Items(0).Name(), "SkinItem0");
  EXPECT_EQ(store.Store().Items(0).DataSize(), 10);
  EXPECT_EQ(store.Store().Items(1).Name(), "Second");
  // Assigned items keep the source's names but belong to the new collection.
  EXPECT_THROW(store.Store().Items(0).SetName("Second"), DuplicateSkinNameError);
  EXPECT_THROW(source.Items(0).LoadFromFile(folder.Path() / "absent.skn"), std::runtime_error);
}

TEST(SkinStore, CopyDataAppendsAndDataStreamRoundTrips) {
  TSkinCollection collection;
  TSkinCollectionItem& item = collection.Add();
  item.ReadDataStream(Bytes("packed skin"));
  ByteStream destination(Bytes(">"));
  destination.Seek(1);
  item.CopyData(destination);
  item.CopyData(destination);
  EXPECT_EQ(std::string(destination.Bytes().begin(), destination.Bytes().end()), ">packed skinpacked skin");
  EXPECT_EQ(item.WriteDataStream(), Bytes("packed skin"));
  item.ReadDataStream({});
  EXPECT_EQ(item.DataSize(), 0);
}

TEST(SkinStreamProperty, LengthPrefixedSkinFile) {
  ByteStream property;
  WriteSkinStream(property, Bytes("skin"));
  WriteSkinStream(property, {});
  EXPECT_EQ(property.Size(), 4u + 4 + 4);
  property.Rewind();
  EXPECT_EQ(ReadSkinStream(property), Bytes("skin"));
  EXPECT_EQ(ReadSkinStream(property), std::nullopt);  // length 0: nothing to load

  ByteStream negative(Bytes("\xFF\xFF\xFF\xFF"));
  EXPECT_EQ(ReadSkinStream(negative), std::nullopt);
  ByteStream overlong(Bytes("\x09\x00\x00\x00skin"));
  EXPECT_THROW(ReadSkinStream(overlong), StreamReadError);
}

}  // namespace
}  // namespace lanvero
