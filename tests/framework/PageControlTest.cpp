// Page control tab positions and tabs hidden by their sheets.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/PageControl.h"
#include "framework/core/PropertyAccess.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  ClientWidth = 400
  ClientHeight = 300
  object Pages: TPageControl
    Width = 300
    Height = 200
    TabPosition = tpBottom
    object One: TTabSheet
      Caption = 'One'
    end
    object Two: TTabSheet
      Caption = 'Two'
      TabVisible = False
    end
    object Three: TTabSheet
      Caption = 'Three'
    end
  end
end
)";

class PageControlTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    pages = Find<TPageControl>(L"Pages");
  }
  DWORD WindowStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(pages->WindowHandle(), GWL_STYLE)); }
  LRESULT TabCount() const { return SendMessageW(pages->WindowHandle(), TCM_GETITEMCOUNT, 0, 0); }
  TPageControl* pages = nullptr;
};

TEST_F(PageControlTest, TabPositionSetsTheWindowStylesAndMovesThePages) {
  EXPECT_EQ(GetEnumProperty(pages, "TabPosition"), "tpBottom");
  EXPECT_EQ(WindowStyle() & (TCS_BOTTOM | TCS_VERTICAL), static_cast<DWORD>(TCS_BOTTOM));
  const TTabSheet* active = pages->ActivePage();
  ASSERT_NE(active, nullptr);
  // Tabs below: the page starts near the top and leaves the tab row free below.
  EXPECT_LT(active->Top(), 10);
  EXPECT_GT(pages->Height() - (active->Top() + active->Height()), 15);

  const HWND before = pages->WindowHandle();
  EXPECT_TRUE(SetPropertyFromText(pages, "TabPosition", L"tpLeft"));
  EXPECT_NE(pages->WindowHandle(), before);  // the styles need a new window
  EXPECT_EQ(WindowStyle() & (TCS_VERTICAL | TCS_RIGHT), static_cast<DWORD>(TCS_VERTICAL));
  EXPECT_GT(active->Left(), 15);

  pages->SetTabPosition(TTabPosition::tpRight);
  EXPECT_EQ(WindowStyle() & (TCS_VERTICAL | TCS_RIGHT), static_cast<DWORD>(TCS_VERTICAL | TCS_RIGHT));
  EXPECT_LT(active->Left(), 10);
  EXPECT_GT(pages->Width() - (active->Left() + active->Width()), 15);

  pages->SetTabPosition(TTabPosition::tpTop);
  EXPECT_EQ(WindowStyle() & (TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT), 0u);
  EXPECT_GT(active->Top(), 15);
  // The new windows keep the tabs and the selection.
  EXPECT_EQ(TabCount(), 2);
  EXPECT_EQ(pages->ActivePage(), active);
  EXPECT_EQ(SendMessageW(pages->WindowHandle(), TCM_GETCURSEL, 0, 0), active->TabIndex());
}

TEST_F(PageControlTest, HiddenTabsTakeNoPlaceInTheRow) {
  auto* two = FindIn<TTabSheet>(*form, L"Two");
  auto* three = FindIn<TTabSheet>(*form, L"Three");
  EXPECT_EQ(GetEnumProperty(two, "TabVisible"), "False");
  EXPECT_EQ(TabCount(), 2);
  EXPECT_EQ(two->TabIndex(), -1);
  EXPECT_EQ(three->TabIndex(), 1);
  EXPECT_TRUE(SetPropertyFromText(two, "TabVisible", L"True"));
  EXPECT_EQ(TabCount(), 3);
  EXPECT_EQ(three->TabIndex(), 2);
}

}  // namespace
}  // namespace lanvero::framework::testing
