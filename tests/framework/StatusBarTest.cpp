// Status bar panels: bevels, owner-drawn panels drawn through OnDrawPanel,
// and the size grip.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/StatusBar.h"
#include "framework/core/PropertyAccess.h"
#include "framework/graphics/Graphic.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  ClientWidth = 400
  ClientHeight = 120
  object Bar: TStatusBar
    Panels = <
      item
        Text = 'sunken'
        Width = 80
      end
      item
        Text = 'raised'
        Bevel = pbRaised
        Width = 80
      end
      item
        Text = 'flat'
        Bevel = pbNone
        Width = 80
      end
      item
        Style = psOwnerDraw
        Width = 80
      end>
  end
end
)";

class StatusBarTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    bar = Find<TStatusBar>(L"Bar");
  }
  // The drawing type the window keeps for a part (SBT_* bits).
  UINT PartType(int index) {
    return HIWORD(SendMessageW(bar->WindowHandle(), SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0));
  }
  TStatusBar* bar = nullptr;
};

TEST_F(StatusBarTest, PanelBevelsAndStylesReachTheWindow) {
  TStatusPanel* raised = (*bar->Panels())[1];
  EXPECT_EQ(GetEnumProperty(raised, "Bevel"), "pbRaised");
  EXPECT_EQ(GetEnumProperty((*bar->Panels())[0], "Bevel"), "pbLowered");
  EXPECT_EQ(GetEnumProperty((*bar->Panels())[3], "Style"), "psOwnerDraw");
  EXPECT_EQ(PartType(0), 0u);
  EXPECT_EQ(PartType(1), static_cast<UINT>(SBT_POPOUT));
  EXPECT_EQ(PartType(2), static_cast<UINT>(SBT_NOBORDERS));
  EXPECT_NE(PartType(3) & SBT_OWNERDRAW, 0u);

  EXPECT_TRUE(SetPropertyFromText(raised, "Bevel", L"pbNone"));
  EXPECT_EQ(PartType(1), static_cast<UINT>(SBT_NOBORDERS));
  raised->SetStyle(TStatusPanelStyle::psOwnerDraw);
  EXPECT_NE(PartType(1) & SBT_OWNERDRAW, 0u);
}

TEST_F(StatusBarTest, OwnerDrawnPanelIsDrawnByOnDrawPanel) {
  constexpr COLORREF kFill = RGB(30, 90, 220);
  std::vector<int> drawn;
  RECT drawnRect{};
  bar->OnDrawPanel = [&](TStatusBar* sender, TStatusPanel* panel, const RECT& rect) {
    drawn.push_back(panel->Index());
    drawnRect = rect;
    sender->Canvas().Brush().SetColor(static_cast<TColor>(kFill));
    sender->Canvas().FillRect(rect);
  };
  TBitmap image(bar->Width(), bar->Height());
  SendMessageW(bar->WindowHandle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.Canvas().Handle()), PRF_CLIENT);
  ASSERT_EQ(drawn, std::vector<int>{3});
  RECT part{};
  SendMessageW(bar->WindowHandle(), SB_GETRECT, 3, reinterpret_cast<LPARAM>(&part));
  EXPECT_GE(drawnRect.left, part.left);
  EXPECT_LE(drawnRect.right, part.right);
  EXPECT_EQ(image.Canvas().Pixel((drawnRect.left + drawnRect.right) / 2, (drawnRect.top + drawnRect.bottom) / 2),
            kFill);

  // A text panel is the window's own business; the simple panel has no
  // owner-drawn parts.
  drawn.clear();
  bar->SetSimplePanel(true);
  SendMessageW(bar->WindowHandle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.Canvas().Handle()), PRF_CLIENT);
  EXPECT_TRUE(drawn.empty());
}

TEST_F(StatusBarTest, SizeGripFollowsThePropertyOnASizeableForm) {
  auto grip = [&] { return GetWindowLongPtrW(bar->WindowHandle(), GWL_STYLE) & SBARS_SIZEGRIP; };
  EXPECT_EQ(GetEnumProperty(bar, "SizeGrip"), "True");
  EXPECT_NE(grip(), 0);
  EXPECT_TRUE(SetPropertyFromText(bar, "SizeGrip", L"False"));
  EXPECT_EQ(grip(), 0);
  // The new window keeps the panels.
  EXPECT_EQ(SendMessageW(bar->WindowHandle(), SB_GETPARTS, 0, 0), 4);
  EXPECT_EQ(PartType(1), static_cast<UINT>(SBT_POPOUT));
}

}  // namespace
}  // namespace lanvero::framework::testing
