// Tab sets under the skin: each tab the tab set lays out shows the skin's
// tab frames upside down (the selected one in the focused frame), a click
// still selects a tab through OnChange, and the scroller gets its skinner.
#include <windows.h>

#include <vector>

#include "framework/controls/TabSet.h"
#include "framework/controls/UpDown.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/e2e/driver/Desktop.h"
#include "tests/skin/runtime/controls/win/EditFamilyTestSupport.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

const char* kTabSet = "object Set1: TTabSet\n Left = 10\n Top = 10\n Width = 300\n Height = 24\n"
                      " Tabs.Strings = ('One' 'Two' 'Three')\n TabIndex = 1\n end\n"
                      "object Narrow: TTabSet\n Left = 10\n Top = 60\n Width = 90\n Height = 24\n"
                      " Tabs.Strings = ('Alpha' 'Beta' 'Gamma' 'Delta')\n end\n";

class TabSetSkinnerTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(kTabSet);
    tabs_ = framework::testing::FindIn<framework::TTabSet>(*form_, L"Set1");
    ASSERT_TRUE(tabs_);
    ASSERT_TRUE(skin_->tab && MapHandle(skin_->tab->Map));
    PixelImage flipped = CopyBitmap(MapHandle(skin_->tab->Map)).ToImage();
    FlipVertical(flipped);
    strip_ = DibSection::FromImage(flipped);
  }
  // Pixels of tab `index` that differ from frame `frame`, in the columns
  // at both ends of the tab where its caption never lies.
  long TabMismatches(const e2e::Image& shot, int index, int frame) const {
    const RECT r = tabs_->TabRect(index);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const e2e::Image want = ExpectedStripFrame(strip_.Handle(), skin_->tab->r, frame, skin_->tab->frame, width, height);
    return Mismatches(shot, want, RECT{0, 0, 3, height}, r.left) +
           Mismatches(shot, want, RECT{width - 3, 0, width, height}, r.left);
  }

  framework::TTabSet* tabs_ = nullptr;
  DibSection strip_;
};

TEST_F(TabSetSkinnerTest, TabsShowTheTurnedTabFramesAndAClickSelectsThroughOnChange) {
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(tabs_)), L"TSkinTab31");
  const HWND hwnd = tabs_->Handle();
  ASSERT_EQ(tabs_->VisibleTabs(), 3);
  e2e::Image shot = Shot(hwnd);
  EXPECT_EQ(TabMismatches(shot, 0, 1), 0) << "first tab";
  EXPECT_EQ(TabMismatches(shot, 1, 2), 0) << "selected tab";
  EXPECT_EQ(TabMismatches(shot, 2, 1), 0) << "third tab";
  ASSERT_GT(TabMismatches(shot, 0, 2), 0) << "the frames differ where the test looks";

  std::vector<int> asked;
  tabs_->OnChange = [&](framework::TObject*, int newTab, bool& allow) {
    asked.push_back(newTab);
    allow = true;
  };
  const RECT third = tabs_->TabRect(2);
  e2e::Click(hwnd, {(third.left + third.right) / 2, 10});
  PumpFor(60);
  EXPECT_EQ(tabs_->TabIndex(), 2);
  EXPECT_EQ(asked, std::vector<int>{2});
  shot = Shot(hwnd);
  EXPECT_EQ(TabMismatches(shot, 1, 1), 0) << "no longer selected";
  EXPECT_EQ(TabMismatches(shot, 2, 2), 0) << "newly selected";

  EXPECT_EQ(SendMessageW(hwnd, WM_SKINQUERY, 0, 0), 1);
  SendMessageW(hwnd, WM_SKINENABLE, 0, 0);
  InvalidateRect(hwnd, nullptr, TRUE);
  shot = Shot(hwnd);
  EXPECT_GT(TabMismatches(shot, 2, 2), 0) << "native again";
}

TEST_F(TabSetSkinnerTest, TheScrollerOfATabSetThatOverflowsGetsLeftAndRightArrows) {
  auto* narrow = framework::testing::FindIn<framework::TTabSet>(*form_, L"Narrow");
  ASSERT_TRUE(narrow && narrow->Scroller());
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(narrow)), L"TSkinTab31");
  EXPECT_TRUE(narrow->Scroller()->Visible());
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(narrow->Scroller())), L"TSkinUpDown");
  const HWND scroller = narrow->Scroller()->Handle();
  e2e::Click(scroller, {20, 5});
  PumpFor(60);
  EXPECT_EQ(narrow->FirstIndex(), 1) << "the right arrow still scrolls";

  delete narrow;
  PumpFor(40);
  EXPECT_FALSE(IsWindow(scroller));
}

}  // namespace
}  // namespace lanvero::testing
