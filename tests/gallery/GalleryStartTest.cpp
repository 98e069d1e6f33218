// Starting the gallery and using it as a person would: every page shows,
// the skin picker switches skins at run time, and the plain dialog opens
// as a dialog of system controls that the engine skins as a raw window.
#include <gtest/gtest.h>

#include <set>

#include "tests/e2e/driver/Desktop.h"
#include "tests/gallery/GallerySession.h"

namespace lanvero::gallery::testing {
namespace {

using e2e::Eventually;

class GalleryStartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { gallery_ = GallerySession::Start(); }
  static void TearDownTestSuite() { gallery_.reset(); }
  void SetUp() override { ASSERT_TRUE(gallery_ && gallery_->Program().IsRunning()); }

  static bool FormSkinned() { return AnswersSkinQuery(gallery_->Form()); }
  void Pick(const wchar_t* skin) { gallery_->ClickOn(gallery_->ButtonControl(L"TRadioButton", skin)); }

  static std::unique_ptr<GallerySession> gallery_;
};
std::unique_ptr<GallerySession> GalleryStartTest::gallery_;

TEST_F(GalleryStartTest, OpensSkinnedAndShowsEveryPage) {
  EXPECT_TRUE(Eventually(FormSkinned, true)) << "the default skin is not on the main window";
  const std::vector<std::wstring> pages{L"Buttons", L"Edits", L"Scrolling", L"Tabs", L"Bars"};
  for (int i = static_cast<int>(pages.size()) - 1; i >= 0; --i) {
    gallery_->ShowPage(i);
    EXPECT_EQ(gallery_->VisibleSheet(), pages[static_cast<size_t>(i)]);
  }
  EXPECT_TRUE(gallery_->Program().IsRunning());
}

TEST_F(GalleryStartTest, SkinPickerSwitchesSkinsAndSkinningOff) {
  ASSERT_TRUE(Eventually(FormSkinned, true));
  const int paleglass = CaptionBrightness(gallery_->Form());

  Pick(L"Coalrim");
  EXPECT_TRUE(Eventually(FormSkinned, true));
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(gallery_->Form()) < paleglass - 40; }, true))
      << "the dark skin did not replace the light one";

  Pick(L"No skin");
  EXPECT_FALSE(Eventually(FormSkinned, false)) << "the engine kept the window after the skin was switched off";

  Pick(L"Paleglass");
  EXPECT_TRUE(Eventually(FormSkinned, true)) << "the window was not skinned again";
  EXPECT_TRUE(Eventually([&] { return std::abs(CaptionBrightness(gallery_->Form()) - paleglass) < 10; }, true));
}

TEST_F(GalleryStartTest, PlainDialogIsMadeOfSystemControlsAndSkinnedAsARawWindow) {
  gallery_->ClickOn(gallery_->ButtonControl(L"TButton", L"Plain dialog..."));
  HWND dialog = e2e::WaitForWindow(gallery_->Id(), L"#32770");
  ASSERT_NE(dialog, nullptr) << "the plain dialog did not open";
  EXPECT_EQ(e2e::WindowText(dialog), L"Plain dialog");

  std::multiset<std::wstring> classes;
  for (HWND child : ChildWindows(dialog)) classes.insert(e2e::WindowClass(child));
  EXPECT_EQ(classes, (std::multiset<std::wstring>{L"Button", L"Button", L"Button", L"Button", L"Button", L"Button",
                                                  L"Static", L"Edit", L"ComboBox", L"ListBox", L"ScrollBar"}));
  EXPECT_TRUE(Eventually([dialog] { return AnswersSkinQuery(dialog); }, true)) << "the engine left the dialog alone";

  ASSERT_TRUE(e2e::PressDialogButton(dialog, IDCANCEL));
  EXPECT_TRUE(e2e::WaitForNoMessageBox(gallery_->Id())) << "Cancel did not close the dialog";
  EXPECT_TRUE(gallery_->Program().IsRunning());
}

}  // namespace
}  // namespace lanvero::gallery::testing
