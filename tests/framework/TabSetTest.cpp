// The tab set: its tab layout, selection through OnChange, painting and
// the scroller for tabs that do not fit.
#include <windows.h>

#include "framework/controls/TabSet.h"
#include "framework/controls/UpDown.h"
#include "framework/core/PropertyAccess.h"
#include "framework/graphics/Graphic.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  ClientWidth = 400
  ClientHeight = 100
  object Set1: TTabSet
    Width = 300
    Tabs.Strings = ('One' 'Two' 'Three')
    TabIndex = 1
    OnClick = ButtonClick
  end
end
)";

class TabSetTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    tabs = Find<TTabSet>(L"Set1");
    form->calls.clear();
  }
  void PressOn(int tab) {
    const RECT rect = tabs->TabRect(tab);
    SendMessageW(tabs->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    SendMessageW(tabs->WindowHandle(), WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 2, 2));
  }
  TTabSet* tabs = nullptr;
};

TEST_F(TabSetTest, TabsLineUpFromTheStartMargin) {
  wchar_t name[16]{};
  GetClassNameW(tabs->WindowHandle(), name, 16);
  EXPECT_STREQ(name, L"TTabSet");
  EXPECT_EQ(GetIntegerProperty(tabs, "TabIndex"), 1);
  EXPECT_EQ(GetObjectProperty(tabs, "Tabs"), tabs->Tabs());
  ASSERT_EQ(tabs->VisibleTabs(), 3);
  EXPECT_EQ(tabs->TabRect(0).left, tabs->StartMargin());
  EXPECT_EQ(tabs->TabRect(1).left, tabs->TabRect(0).right);
  EXPECT_GT(tabs->TabRect(2).right - tabs->TabRect(2).left, tabs->TabRect(1).right - tabs->TabRect(1).left);
  EXPECT_FALSE(tabs->Scroller()->Visible());
  EXPECT_EQ(tabs->Components().front(), tabs->Scroller());
  EXPECT_EQ(tabs->ItemAtPos(POINT{tabs->TabRect(2).left + 1, 5}), 2);
  EXPECT_EQ(tabs->ItemAtPos(POINT{299, 5}), -1);
}

TEST_F(TabSetTest, PressingATabAsksOnChangeAndSelectsIt) {
  std::vector<int> asked;
  bool allow = false;
  tabs->OnChange = [&](TObject*, int newTab, bool& allowChange) {
    asked.push_back(newTab);
    allowChange = allow;
  };
  PressOn(2);
  EXPECT_EQ(tabs->TabIndex(), 1);  // refused
  allow = true;
  PressOn(2);
  EXPECT_EQ(tabs->TabIndex(), 2);
  PressOn(2);  // already selected: nothing to ask
  EXPECT_EQ(asked, (std::vector<int>{2, 2}));
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click Set1"});

  SendMessageW(tabs->WindowHandle(), WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_THROW(tabs->SetTabIndex(3), FrameworkError);
  tabs->Tabs()->Delete(2);
  tabs->Tabs()->Delete(1);  // the selected tab went
  EXPECT_EQ(tabs->TabIndex(), -1);
  EXPECT_EQ(tabs->VisibleTabs(), 1);
}

TEST_F(TabSetTest, SelectedTabIsPaintedInItsColour) {
  tabs->SetSelectedColor(static_cast<TColor>(RGB(250, 240, 10)));
  tabs->SetUnselectedColor(static_cast<TColor>(RGB(20, 200, 200)));
  TBitmap image(tabs->Width(), tabs->Height());
  tabs->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas().Handle()), 0);
  auto faceOf = [&](int tab) { return image.Canvas().Pixel(tabs->TabRect(tab).left + 2, tabs->Height() - 4); };
  EXPECT_EQ(faceOf(1), RGB(250, 240, 10));
  EXPECT_EQ(faceOf(0), RGB(20, 200, 200));
  EXPECT_EQ(faceOf(2), RGB(20, 200, 200));
  EXPECT_EQ(image.Canvas().Pixel(tabs->TabRect(0).left + 3, 0), RGB(0, 0, 0));  // the line above unselected tabs
  EXPECT_EQ(image.Canvas().Pixel(tabs->TabRect(1).left + 3, 0), RGB(250, 240, 10));
}

TEST_F(TabSetTest, ScrollerShowsTheTabsThatDoNotFit) {
  for (int i = 0; i < 12; ++i) tabs->Tabs()->Add(L"Extra tab " + std::to_wstring(i));
  EXPECT_TRUE(tabs->Scroller()->Visible());
  EXPECT_TRUE(IsWindowVisible(tabs->Scroller()->WindowHandle()));
  const int shown = tabs->VisibleTabs();
  EXPECT_LT(shown, tabs->Tabs()->Count());
  EXPECT_LE(tabs->TabRect(shown - 1).right, tabs->Scroller()->Left());

  tabs->Scroller()->SetPosition(2);  // as the arrows move it
  EXPECT_EQ(tabs->FirstIndex(), 2);
  EXPECT_EQ(tabs->TabRect(2).left, tabs->StartMargin());
  EXPECT_EQ(tabs->TabRect(1).right, 0);  // scrolled away

  tabs->SetTabIndex(tabs->Tabs()->Count() - 1);  // the selected tab comes into view
  EXPECT_GT(tabs->TabRect(tabs->Tabs()->Count() - 1).right, 0);
  EXPECT_EQ(tabs->Scroller()->Position(), tabs->FirstIndex());
  tabs->SetTabIndex(0);
  EXPECT_EQ(tabs->FirstIndex(), 0);
}

}  // namespace
}  // namespace lanvero::framework::testing
