// The stored layout of the main window, read as the program reads it: every
// component of the window is there with its kind, and the skin component
// takes its settings and its packed skin from the layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "framework/core/Strings.h"
#include "framework/layout/LayoutParser.h"
#include "framework/layout/LayoutReader.h"
#include "skin/definitions/ControlClassList.h"
#include "skin/definitions/SkinData.h"

namespace lanvero {
namespace {

using framework::LayoutObject;

std::string ReadBuiltLayout() {
  const char* binary = std::getenv("LANVERO_BINARY_DIR");
  if (!binary) return {};
  std::ifstream in(std::string(binary) + "/app/Unit1.layout", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void CollectKinds(const LayoutObject& object, std::map<std::string, std::string>& kinds) {
  kinds[object.name] = object.className;
  for (const auto& child : object.children) CollectKinds(child, kinds);
}

const LayoutObject* FindObject(const LayoutObject& object, const std::string& name) {
  if (object.name == name) return &object;
  for (const auto& child : object.children) {
    if (const auto* found = FindObject(child, name)) return found;
  }
  return nullptr;
}

class MainLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string text = ReadBuiltLayout();
    ASSERT_FALSE(text.empty()) << "the built layout app/Unit1.layout is missing";
    root = framework::ParseLayout(text);
  }
  LayoutObject root;
};

TEST_F(MainLayoutTest, EveryComponentOfTheMainWindowIsStoredWithItsKind) {
  std::map<std::string, std::string> kinds;
  CollectKinds(root, kinds);
  const std::map<std::string, std::string> expected{{"Form1", "TForm1"},
                                                    {"Image1", "TImage"},
                                                    {"Label15", "TLabel"},
                                                    {"Label5", "TLabel"},
                                                    {"PageControl1", "TPageControl"},
                                                    {"TabSheet1", "TTabSheet"},
                                                    {"GroupBox1", "TGroupBox"},
                                                    {"DBGrid1", "TDBGrid"},
                                                    {"Button_Copy", "TButton"},
                                                    {"Button_Refresh", "TButton"},
                                                    {"Button_Search", "TButton"},
                                                    {"searchkeyword", "TEdit"},
                                                    {"Memo_Info", "TMemo"},
                                                    {"TabSheet2", "TTabSheet"},
                                                    {"GroupBox2", "TGroupBox"},
                                                    {"Label1", "TLabel"},
                                                    {"Label2", "TLabel"},
                                                    {"Label3", "TLabel"},
                                                    {"Label4", "TLabel"},
                                                    {"Edit_SoftVer", "TEdit"},
                                                    {"Memo1", "TMemo"},
                                                    {"StatusBar1", "TStatusBar"},
                                                    {"Button_Close", "TButton"},
                                                    {"Button_Updata", "TButton"},
                                                    {"Button_Web", "TButton"},
                                                    {"ADOConnection1", "TADOConnection"},
                                                    {"ADOTable1", "TADOTable"},
                                                    {"ADOQuery1", "TADOQuery"},
                                                    {"DataSource1", "TDataSource"},
                                                    {"SkinData1", "TSkinData"}};
  EXPECT_EQ(kinds, expected);
}

TEST_F(MainLayoutTest, SkinComponentReadsItsSettingsAndThePackedSkin) {
  const LayoutObject* stored = FindObject(root, "SkinData1");
  ASSERT_NE(stored, nullptr);
  RegisterSkinDataClass();
  TSkinData skin(nullptr);
  for (const auto& property : stored->properties) framework::ApplyLayoutProperty(skin, skin, property);
  skin.Loaded();

  EXPECT_FALSE(skin.Empty) << "the packed skin did not load";
  EXPECT_EQ(skin.SkinName, "Paleglass");
  EXPECT_TRUE(skin.Active());
  EXPECT_EQ(skin.DisableTag(), 99);
  const TSkinControlTypes groups = skin.SkinControls();
  for (int member : {xcMainMenu, xcPopupMenu, xcToolbar,   xcControlbar, xcCombo,    xcCheckBox,    xcRadioButton,
                     xcProgress, xcScrollbar, xcEdit,      xcButton,     xcBitBtn,   xcSpeedButton, xcSpin,
                     xcPanel,    xcGroupBox,  xcStatusBar, xcTab,        xcTrackBar, xcSystemMenu}) {
    EXPECT_TRUE(groups & SetOf(member)) << "control group " << member << " is not skinned";
  }
  EXPECT_FALSE(groups & SetOf(xcMenuItem));
  EXPECT_FALSE(groups & SetOf(xcFastReport));
  EXPECT_EQ(skin.Options(), SetOf(xoPreview) | SetOf(xoToolbarBK) | SetOf(xoCaptionButtonHint));
  EXPECT_EQ(skin.SkinFormtype(), sfMainform);
  EXPECT_TRUE(skin.MenuUpdate());
  EXPECT_FALSE(skin.MenuMerge());
  EXPECT_EQ(skin.SkinStore(), L"(none)") << "a stored store name has no effect";
  EXPECT_EQ(skin.Version(), L"5.60.03.29");
  EXPECT_EQ(skin.Skin3rd(), BuiltinSkin3rd());
}

}  // namespace
}  // namespace lanvero
