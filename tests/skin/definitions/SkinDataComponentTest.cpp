// The skin component: stored properties and their defaults, "SkinStream"
// in a stored layout, the three ways of loading, Empty across failed and
// repeated loads, and what it reports to the window tracker.

#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>

#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutReader.h"
#include "skin/codec/LzhCodec.h"
#include "skin/definitions/ControlClassList.h"
#include "skin/definitions/SkinData.h"
#include "skin/package/SkinNotifier.h"
#include "tests/skin/definitions/SkinBuilder.h"

namespace lanvero {
namespace {

using framework::TComponent;
using testing::SkinBuilder;

// Binary property text of a stored layout.
std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string hex;
  for (uint8_t byte : bytes) {
    hex += digits[byte >> 4];
    hex += digits[byte & 15];
  }
  return hex;
}

std::vector<uint8_t> NamedSkin(const std::string& name) {
  return SkinBuilder("[TitlebarSkin]\nSkinName=" + name + "\n[Scrollbar]\nImage=s.bmp\n")
      .Bitmap("s.bmp", 23, 4)
      .SkinFile();
}

// A package of version 10000, which the reader refuses.
std::vector<uint8_t> UnknownVersionSkin() {
  std::vector<uint8_t> package = BuildSkinPackage({{"a.ini", {'[', 'a', ']'}}});
  package[0] = 0x10;
  package[1] = 0x27;
  return PackWithSize(package);
}

class RecordingRuntime : public SkinDataRuntime {
 public:
  void Started(TSkinData&) override { events.push_back("started"); }
  void ActiveChanged(TSkinData& data) override { events.push_back(data.Active() ? "active" : "inactive"); }
  void SkinLoaded(TSkinData& data) override { events.push_back("loaded " + data.SkinName); }
  std::vector<std::string> events;
};

class SkinDataTest : public ::testing::Test {
 protected:
  SkinDataTest() {
    TSkinData::SetRuntime(&runtime);
    previousNotifier = SetSkinMessageNotifier([this](const std::string& m) { messages.push_back(m); });
  }
  ~SkinDataTest() override {
    TSkinData::SetRuntime(nullptr);
    SetSkinMessageNotifier(previousNotifier);
  }
  RecordingRuntime runtime;
  std::vector<std::string> messages;
  SkinMessageNotifier previousNotifier;
};

// The version the component reports, whatever a stored layout says.
static_assert(kSkinDataVersion == L"5.60.03.29");

TEST_F(SkinDataTest, StartsEmptyWithTheDocumentedDefaults) {
  TSkinData skin(nullptr);
  EXPECT_TRUE(skin.Empty);
  EXPECT_FALSE(skin.Active());
  EXPECT_EQ(skin.DisableTag(), 99);
  EXPECT_EQ(skin.SkinControls(), kAllSkinControls & ~SetOf(xcMenuItem) & ~SetOf(xcFastReport));
  EXPECT_EQ(skin.Options(), SetOf(xoPreview) | SetOf(xoToolbarBK) | SetOf(xoCaptionButtonHint));
  EXPECT_EQ(skin.Skin3rd(), BuiltinSkin3rd());
  EXPECT_EQ(skin.SkinFormtype(), sfMainform);
  EXPECT_EQ(skin.SkinStore(), L"(none)");
  EXPECT_TRUE(skin.MenuUpdate());
  EXPECT_FALSE(skin.MenuMerge());
  EXPECT_EQ(skin.Button->IDName, "Buttons");
  EXPECT_EQ(skin.border[kEdgeBottom]->IDName, "Bottom");
  EXPECT_EQ(skin.tab, nullptr);
  EXPECT_EQ(skin.WriteSkinStream(), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST_F(SkinDataTest, LayoutSetsPropertiesAndLoadsTheSkinStream) {
  RegisterSkinDataClass();
  const std::vector<uint8_t> skinFile = NamedSkin("Stored");
  TSkinData probe(nullptr);
  probe.data = ByteStream(skinFile);
  const std::string hex = Hex(probe.WriteSkinStream());
  TComponent root(nullptr);
  const std::string layout = "object Root: TComponent\n"
                             "  object SkinData1: TSkinData\n"
                             "    Active = True\n    DisableTag = 7\n"
                             "    SkinControls = [xcMainMenu, xcMenuItem, xcEdit]\n"
                             "    Options = [xoMenuBG]\n    Skin3rd.Strings = ('TMine=edit')\n"
                             "    SkinStore = '(Good)'\n    SkinFormtype = sfMainform\n"
                             "    Version = '1.0'\n    MenuUpdate = False\n    MenuMerge = True\n"
                             "    SkinStream = {" +
                             hex +
                             "}\n"
                             "  end\nend\n";
  try {
    framework::ReadLayoutText(root, layout);
  } catch (const framework::LayoutError& error) {
    FAIL() << error.what();
  }
  auto* skin = dynamic_cast<TSkinData*>(root.FindComponent(L"SkinData1"));
  ASSERT_NE(skin, nullptr);
  EXPECT_FALSE(skin->Empty);
  EXPECT_EQ(skin->SkinName, "Stored");
  EXPECT_TRUE(skin->Active());
  EXPECT_EQ(skin->DisableTag(), 7);
  // Loaded: with the main menu skinned, menu items are not skinned apart.
  EXPECT_EQ(skin->SkinControls(), SetOf(xcMainMenu) | SetOf(xcEdit));
  EXPECT_EQ(skin->Options(), SetOf(xoMenuBG));
  EXPECT_EQ(skin->Skin3rdKind(L"TMine"), L"edit");
  EXPECT_EQ(skin->Skin3rdKind(L"TCategoryButtons"), std::nullopt);
  EXPECT_EQ(skin->SkinStore(), L"(none)");
  EXPECT_EQ(skin->Version(), L"5.60.03.29");
  EXPECT_FALSE(skin->MenuUpdate());
  EXPECT_TRUE(skin->MenuMerge());
  EXPECT_EQ(skin->WriteSkinStream(), probe.WriteSkinStream());
  // Reading the form neither notifies nor reports Active: the start does.
  EXPECT_EQ(runtime.events, std::vector<std::string>{"started"});
}

TEST_F(SkinDataTest, SkinStreamOfLengthZeroKeepsTheData) {
  TSkinData skin(nullptr);
  EXPECT_THROW(skin.ReadSkinStream(std::vector<uint8_t>{}), framework::FrameworkError);
  EXPECT_THROW(skin.ReadSkinStream({9, 0, 0, 0, 1}), framework::FrameworkError);
  auto property = std::vector<uint8_t>{0, 0, 0, 0};
  const std::vector<uint8_t> file = NamedSkin("Kept");
  skin.data = ByteStream(file);
  skin.ReadSkinStream(property);
  EXPECT_EQ(skin.data.Size(), file.size());
  EXPECT_TRUE(skin.Empty);  // nothing was loaded
  EXPECT_TRUE(runtime.events.empty());
}

TEST_F(SkinDataTest, RefusedLoadKeepsTheCurrentSkin) {
  TSkinData skin(nullptr);
  ByteStream refusedFirst(UnknownVersionSkin());
  skin.LoadFromStream(refusedFirst);
  EXPECT_TRUE(skin.Empty) << "nothing to keep";
  messages.clear();
  runtime.events.clear();
  ByteStream good(NamedSkin("Good"));
  skin.LoadFromStream(good);
  ASSERT_FALSE(skin.Empty);
  const std::vector<uint8_t> goodBytes(skin.data.Bytes().begin(), skin.data.Bytes().end());
  const TDataSkinObject* scrollbar = skin.SArrow.get();
  ByteStream old(UnknownVersionSkin());
  skin.LoadFromStream(old);
  EXPECT_FALSE(skin.Empty) << "the windows keep wearing the skin they had";
  EXPECT_TRUE(std::ranges::equal(skin.data.Bytes(), goodBytes));
  EXPECT_EQ(skin.SkinName, "Good");
  EXPECT_EQ(skin.SArrow.get(), scrollbar);
  EXPECT_EQ(messages, std::vector<std::string>{kOlderSkinMessage});
  skin.LoadFromStream(good);
  EXPECT_FALSE(skin.Empty);
  EXPECT_EQ(runtime.events, (std::vector<std::string>{"loaded Good", "loaded Good", "loaded Good"}));
}

TEST_F(SkinDataTest, StreamLoadsNotifyOnlyForTheMainForm) {
  TSkinData skin(nullptr);
  skin.SetSkinFormtype(sfDialog);
  ByteStream good(NamedSkin("Dialog"));
  skin.LoadFromStream(good);
  EXPECT_FALSE(skin.Empty);
  EXPECT_TRUE(runtime.events.empty());
}

TEST_F(SkinDataTest, FileLoadsAndAMissingFileOnlyClearsEmpty) {
  TSkinData skin(nullptr);
  const auto path = std::filesystem::temp_directory_path() / "lanvero_skindata_test.skn";
  {
    const std::vector<uint8_t> file = NamedSkin("FromFile");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
  }
  skin.SetSkinFile(path.wstring());
  std::filesystem::remove(path);
  EXPECT_FALSE(skin.Empty);
  EXPECT_EQ(skin.SkinName, "FromFile");
  EXPECT_EQ(skin.SkinFile(), path.wstring());
  skin.LoadFromFile(path.wstring());
  EXPECT_TRUE(skin.Empty);
  EXPECT_EQ(skin.SkinName, "FromFile");
  EXPECT_EQ(runtime.events, std::vector<std::string>{"loaded FromFile"});
}

TEST_F(SkinDataTest, StoreCarriedByALayoutFeedsLoadFromCollection) {
  RegisterSkinDataClass();
  TComponent root(nullptr);
  const std::string layout = "object Root: TComponent\n"
                             "  object SkinStore1: TSkinStore\n"
                             "    Store = <\n"
                             "      item\n        Name = 'Light'\n        DataStream = {" +
                             Hex(NamedSkin("Light")) +
                             "}\n      end\n"
                             "      item\n        Name = 'Dark'\n        DataStream = {" +
                             Hex(NamedSkin("Dark")) +
                             "}\n      end>\n"
                             "  end\n"
                             "  object SkinData1: TSkinData\n  end\nend\n";
  try {
    framework::ReadLayoutText(root, layout);
  } catch (const framework::LayoutError& error) {
    FAIL() << error.what();
  }
  auto* store = dynamic_cast<TSkinStore*>(root.FindComponent(L"SkinStore1"));
  auto* skin = dynamic_cast<TSkinData*>(root.FindComponent(L"SkinData1"));
  ASSERT_NE(store, nullptr);
  ASSERT_NE(skin, nullptr);
  ASSERT_EQ(store->Store().Count(), 2);
  EXPECT_EQ(store->Store().Items(1).Name(), "Dark");
  skin->LoadFromCollection(*store, 1);
  EXPECT_FALSE(skin->Empty);
  EXPECT_EQ(skin->SkinName, "Dark");
  EXPECT_EQ(runtime.events, (std::vector<std::string>{"started", "loaded Dark"}));
}

TEST_F(SkinDataTest, CollectionLoadsOnlyExistingItems) {
  TSkinStore store;
  store.Store().Add().ReadDataStream(NamedSkin("First"));
  store.Store().Add().ReadDataStream(NamedSkin("Second"));
  TSkinData skin(nullptr);
  skin.LoadFromCollection(store, 2);
  skin.LoadFromCollection(store, -1);
  EXPECT_TRUE(skin.Empty);
  EXPECT_TRUE(runtime.events.empty());
  skin.LoadFromCollection(store, 1);
  EXPECT_EQ(skin.SkinName, "Second");
  skin.LoadFromCollection(store, 2);
  EXPECT_FALSE(skin.Empty);  // an index past the end changes nothing at all
}

TEST_F(SkinDataTest, ActiveAndMenuRulesAtStart) {
  TSkinData skin(nullptr);
  skin.SetActive(true);
  EXPECT_EQ(runtime.events, std::vector<std::string>{"active"});
  skin.SetActive(true);
  EXPECT_EQ(runtime.events.size(), 1u);
  skin.SetSkinControls(SetOf(xcMenuItem) | SetOf(xcSystemMenu));
  skin.BeginLoading();
  skin.Loaded();
  EXPECT_FALSE(skin.Active());                        // nothing to skin with
  EXPECT_EQ(skin.SkinControls(), SetOf(xcMenuItem));  // without the menu bar no system menu
}

TEST_F(SkinDataTest, DebugListAndSkinChangedEvent) {
  TSkinData skin(nullptr);
  framework::TStringList lines;
  skin.DoDebug(L"ignored");
  skin.DebugList = &lines;
  skin.DoDebug(L"one");
  EXPECT_EQ(lines.ToVector(), std::vector<std::wstring>{L"one"});
  int changed = 0;
  skin.OnSkinChanged = [&](framework::TObject* sender) { changed += sender == &skin; };
  skin.DoSkinChanged();
  EXPECT_EQ(changed, 1);
}

}  // namespace
}  // namespace lanvero
