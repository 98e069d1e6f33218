// The check list box: item states in the window, toggling by click and
// Space, and its owner-drawn items.
#include <windows.h>

#include "framework/controls/CheckListBox.h"
#include "framework/core/PropertyAccess.h"
#include "framework/graphics/Graphic.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  ClientWidth = 300
  ClientHeight = 200
  object Checks: TCheckListBox
    Width = 200
    Height = 120
    Items.Strings = ('alpha' 'beta' 'gamma')
    OnClickCheck = ButtonClick
  end
end
)";

class CheckListBoxTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    list = Find<TCheckListBox>(L"Checks");
    form->calls.clear();
  }
  // A press and release of the left button at a client point of the list.
  void ClickAt(int x, int y) {
    SendMessageW(list->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(list->WindowHandle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  int ItemMiddle(int index) {
    RECT item{};
    SendMessageW(list->WindowHandle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return (item.top + item.bottom) / 2;
  }
  TCheckListBox* list = nullptr;
};

TEST_F(CheckListBoxTest, OwnerDrawnListKeepsTheStatesOfItsItems) {
  const auto style = GetWindowLongPtrW(list->WindowHandle(), GWL_STYLE);
  EXPECT_NE(style & LBS_OWNERDRAWFIXED, 0);
  EXPECT_NE(style & LBS_HASSTRINGS, 0);
  EXPECT_EQ(list->ClassType().name, "TCheckListBox");
  EXPECT_EQ(GetObjectProperty(list, "Items"), list->Items());
  EXPECT_FALSE(list->Checked(0));

  list->SetChecked(1, true);
  list->SetState(2, TCheckBoxState::cbGrayed);
  EXPECT_TRUE(list->Checked(1));
  EXPECT_EQ(list->State(2), TCheckBoxState::cbGrayed);
  EXPECT_FALSE(list->Checked(2));
  EXPECT_THROW(list->State(3), FrameworkError);

  // Items inserted before keep the states with their items; a new window
  // keeps them too.
  list->Items()->Insert(0, L"first");
  EXPECT_TRUE(list->Checked(2));
  EXPECT_FALSE(list->Checked(0));
  list->SetItemEnabled(0, false);
  list->RecreateWnd();
  EXPECT_TRUE(list->Checked(2));
  EXPECT_EQ(list->State(3), TCheckBoxState::cbGrayed);
  EXPECT_FALSE(list->ItemEnabled(0));
  EXPECT_TRUE(list->ItemEnabled(1));
}

TEST_F(CheckListBoxTest, ClickOnTheBoxAndSpaceToggle) {
  const int box = TCheckListBox::CheckColumnWidth() / 2;
  ClickAt(box, ItemMiddle(1));
  EXPECT_TRUE(list->Checked(1));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click Checks"});
  ClickAt(100, ItemMiddle(2));  // on the text: selects only
  EXPECT_FALSE(list->Checked(2));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(form->calls.size(), 1u);

  SendMessageW(list->WindowHandle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(list->WindowHandle(), WM_CHAR, L' ', 0);
  EXPECT_TRUE(list->Checked(2));
  EXPECT_EQ(list->ItemIndex(), 2);  // Space did not search the items
  SendMessageW(list->WindowHandle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(list->Checked(2));

  // With AllowGrayed a toggle passes through the grayed state.
  EXPECT_TRUE(SetPropertyFromText(list, "AllowGrayed", L"True"));
  ClickAt(box, ItemMiddle(0));
  ClickAt(box, ItemMiddle(0));
  EXPECT_EQ(list->State(0), TCheckBoxState::cbGrayed);
  ClickAt(box, ItemMiddle(0));
  EXPECT_EQ(list->State(0), TCheckBoxState::cbUnchecked);

  // A disabled item does not toggle.
  list->SetItemEnabled(0, false);
  ClickAt(box, ItemMiddle(0));
  EXPECT_EQ(list->State(0), TCheckBoxState::cbUnchecked);
  EXPECT_EQ(form->calls.size(), 6u);
}

TEST_F(CheckListBoxTest, ItemsAreDrawnWithTheirCheckMarks) {
  list->SetChecked(0, true);
  auto drawItem = [&](int index) {
    auto image = std::make_unique<TBitmap>(200, 20);
    DRAWITEMSTRUCT draw{ODT_LISTBOX,
                        0,
                        static_cast<UINT>(index),
                        ODA_DRAWENTIRE,
                        0,
                        list->WindowHandle(),
                        image->Canvas().Handle(),
                        RECT{0, 0, 200, 20},
                        0};
    EXPECT_EQ(list->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    return image;
  };
  // Dark pixels inside the box: the check mark.
  auto darkInBox = [](TBitmap& image) {
    int dark = 0;
    for (int y = 6; y < 14; ++y) {
      for (int x = 4; x < 13; ++x) dark += GetRValue(image.Canvas().Pixel(x, y)) < 80 ? 1 : 0;
    }
    return dark;
  };
  auto checked = drawItem(0);
  auto unchecked = drawItem(1);
  EXPECT_GT(darkInBox(*checked), darkInBox(*unchecked) + 4);
  // The text is drawn after the box.
  bool text = false;
  for (int x = TCheckListBox::CheckColumnWidth(); x < 100 && !text; ++x) {
    for (int y = 2; y < 18 && !text; ++y) text = unchecked->Canvas().Pixel(x, y) == RGB(0, 0, 0);
  }
  EXPECT_TRUE(text);
}

}  // namespace
}  // namespace lanvero::framework::testing
