// Group boxes, panels and status bars under the skin: the group frame and
// its caption, the panel colour given and given back, the status panels'
// faces and the size grip from the skin's images.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/Containers.h"
#include "framework/controls/StatusBar.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/TabFamilyPixels.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::testing::FindIn;

using PanelSkinnersTest = SkinnedFormTest;

const char* kGroupAndPanel =
    "object Group1: TGroupBox\n Left = 10\n Top = 10\n Width = 200\n Height = 120\n Caption = 'Group'\n end\n"
    "object Panel1: TPanel\n Left = 220\n Top = 10\n Width = 150\n Height = 60\n Color = clRed\n end\n";

// Columns of the group's top line (at `y`) that are in the line colour.
int LineColumnsIn(DibSection& painted, int y, int from, int to, Color line) {
  int count = 0;
  for (int x = from; x < to; ++x) count += PixelAt(painted, x, y) == line;
  return count;
}

TEST_F(PanelSkinnersTest, GroupBoxIsARoundedFrameInTheLineColourInterruptedByItsCaption) {
  MakeSkinnedForm(kGroupAndPanel);
  auto* group = FindIn<framework::TGroupBox>(*form_, L"Group1");
  ASSERT_TRUE(group);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(group)), L"TSkinGroupBox");
  const HWND window = group->WindowHandle();
  const Color line = AsPixel(skin_->Colors[kSchemeButtonShadow]);
  SIZE text{};
  {
    framework::WindowDC dc(window);
    framework::SelectGuard font(dc.Get(), group->Font()->Handle());
    GetTextExtentPoint32W(dc.Get(), L"Group", 5, &text);
  }
  SIZE zero{};
  {
    framework::WindowDC dc(window);
    framework::SelectGuard font(dc.Get(), group->Font()->Handle());
    GetTextExtentPoint32W(dc.Get(), L"0", 1, &zero);
  }
  const int lineTop = zero.cy / 2 - 1;
  DibSection painted = PaintedBy(window);
  EXPECT_EQ(PixelAt(painted, 100, 80), AsPixel(skin_->Colors[kSchemeButtonFace])) << "the inside";
  EXPECT_EQ(PixelAt(painted, 1, 60), line) << "the left side";
  EXPECT_EQ(PixelAt(painted, 198, 60), line) << "the right side";
  EXPECT_EQ(LineColumnsIn(painted, lineTop, 8, 8 + text.cx, line), 0) << "the caption covers the line";
  EXPECT_GT(LineColumnsIn(painted, lineTop, 8 + text.cx + 2, 190, line), 150 - text.cx);

  // Right to left: the caption ends 8 pixels from the right edge.
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_RIGHT);
  painted = PaintedBy(window);
  EXPECT_EQ(LineColumnsIn(painted, lineTop, 200 - 8 - text.cx, 200 - 8, line), 0);
  EXPECT_GT(LineColumnsIn(painted, lineTop, 10, 200 - 10 - text.cx, line), 150 - text.cx);
}

TEST_F(PanelSkinnersTest, PanelTakesTheFaceColourAndGetsItsOwnBackWhenTheSkinLetsGo) {
  MakeSkinnedForm(kGroupAndPanel);
  auto* panel = FindIn<framework::TPanel>(*form_, L"Panel1");
  ASSERT_TRUE(panel);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(panel)), L"TSkinBox");
  EXPECT_EQ(panel->Color(), static_cast<framework::TColor>(skin_->Colors[kSchemeButtonFace]));
  UninstallNow();
  EXPECT_EQ(panel->Color(), framework::clRed);
  EXPECT_EQ(SkinnerOfControl(panel), nullptr);
}

const char* kStatusBar = "object Status: TStatusBar\n Panels = <\n item\n Text = 'Left'\n Width = 120\n end\n"
                         " item\n Text = 'Right'\n Width = 100\n end>\n end\n";

// What the face of one status panel shows at (x, y) of the panel.
Color PanelFace(const TDataSkinObject& faces, int width, int height, int x, int y) {
  DibSection face = BuiltFrame(MapHandle(faces.Map), faces.r, 1, 3, width, height);
  return PixelAt(face, x, y);
}

TEST_F(PanelSkinnersTest, StatusPanelsStandOnTheSkinFacesAndTheSizeGripComesFromTheExtraImages) {
  MakeSkinnedForm(std::string("BorderStyle = bsSizeable\n") + kStatusBar);
  auto* status = FindIn<framework::TStatusBar>(*form_, L"Status");
  ASSERT_TRUE(status);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(status)), L"TSkinStatusBar");
  const HWND window = status->WindowHandle();
  ASSERT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & SBARS_SIZEGRIP);
  const TDataSkinObject& faces = *skin_->StatusBar;
  DibSection painted = PaintedBy(window);
  const int width = painted.Width(), height = painted.Height();
  RECT first{}, last{};
  SendMessageW(window, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageW(window, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&last));
  const int firstWidth = first.right - first.left + 2;
  EXPECT_EQ(PixelAt(painted, first.left + 1, first.top + 1),
            PanelFace(faces, firstWidth, first.bottom - first.top, 1, 1));
  EXPECT_EQ(PixelAt(painted, first.left + firstWidth - 1, first.top + 1),
            PanelFace(faces, firstWidth, first.bottom - first.top, firstWidth - 1, 1));
  const int lastWidth = width - last.left;
  EXPECT_EQ(PixelAt(painted, width - 1, last.top + 1),
            PanelFace(faces, lastWidth, last.bottom - last.top, lastWidth - 1, 1))
      << "the last face reaches the right edge";

  // The grip: frame 5 of the extra images, one pixel in from the corner.
  const TDataSkinObject& extra = *skin_->ExtraImages;
  const SIZE strip = BitmapSize(MapHandle(extra.Map));
  const int cell = strip.cx / extra.frame;
  const PixelImage source = ReadBitmapPixels(MapHandle(extra.Map));
  int compared = 0;
  for (int y = 0; y < strip.cy; ++y) {
    for (int x = 0; x < cell; ++x) {
      const Color want = source.At(4 * cell + x, y) & 0xFFFFFF;
      if (want == 0xFF00FF) continue;
      EXPECT_EQ(PixelAt(painted, width - 1 - cell + x, height - 1 - strip.cy + y), want) << x << "," << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 0);

  // Simple text: one face over the whole bar.
  status->SetSimplePanel(true);
  status->SetSimpleText(L"Ready");
  painted = PaintedBy(window);
  EXPECT_EQ(PixelAt(painted, width / 2, 1), PanelFace(faces, width, height, width / 2, 1));
  EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 1);
  SendMessageW(window, WM_SKINENABLE, 0, 0);
  painted = PaintedBy(window);
  EXPECT_NE(PixelAt(painted, width / 2, 1), PanelFace(faces, width, height, width / 2, 1)) << "drawn by the system";
  SendMessageW(window, WM_SKINENABLE, 1, 0);
}

}  // namespace
}  // namespace lanvero::testing
