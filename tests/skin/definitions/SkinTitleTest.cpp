// Frame edges, caption settings, caption and MDI buttons, and the caption
// colour derived from the Top edge.

#include <gtest/gtest.h>

#include "skin/definitions/SkinTitle.h"
#include "tests/skin/definitions/SkinBuilder.h"

namespace lanvero {
namespace {

using testing::ParseOrFail;
using testing::SkinBuilder;

TEST(FrameEdges, SideAndTopEdgesPutTheirHeightsInDifferentMargins) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Personality]\nLeft=l.bmp\nLeftTopHeight=30\nLeftBotHeight=6\nLeftStretch=0\nLeftTrans=0\n"
                          "Top=t.bmp\nTopTopHeight=40\nTopBotHeight=70\nTopFrame=2\nTopStretch=5\n")
                  .Bitmap("l.bmp", 8, 40)
                  .Bitmap("t.bmp", 205, 50)
                  .SkinFile(),
              d);
  const TDataSkinBorder& left = *d.border[kEdgeLeft];
  EXPECT_EQ(left.IDName, "Left");
  EXPECT_EQ(left.r, (Rect{0, 30, 0, 6}));
  EXPECT_EQ(left.frame, 1);
  EXPECT_EQ(left.Tile, 0);
  EXPECT_EQ(left.trans, 0);
  const TDataSkinBorder& top = *d.border[kEdgeTop];
  EXPECT_EQ(top.r, (Rect{40, 0, 70, 0}));
  EXPECT_EQ(top.frame, 2);
  EXPECT_EQ(top.Tile, 1);  // capped
  EXPECT_EQ(top.trans, 1);
  EXPECT_TRUE(d.border[kEdgeBottom]->Map.Empty());
}

TEST(Caption, ReadsTextSettingsAndOnlyCompleteColours) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Personality]\nTextShift=14\nTextShiftVert=2\nTextRightClip=150\nTextAlignment=1\n"
                          "ActiveTextR=300\nActiveTextG=0\nActiveTextB=0\nInActiveTextR=128\n"
                          "[Fonts]\nFontHeight=17\n")
                  .SkinFile(),
              d);
  const TDataSkinTitle& title = *d.Title;
  EXPECT_EQ(title.r, (Rect{14, 2, 150, 0}));
  EXPECT_EQ(title.Aligment, 1);
  EXPECT_EQ(title.FontHeight, 17);
  EXPECT_EQ(title.activetext, 0x00002Cu);
  EXPECT_EQ(title.inactivetext, kNoColor);
  EXPECT_EQ(title.frame, 2);

  ParseOrFail(SkinBuilder("[Personality]\nmenuBar=m.bmp\nTileMenu=4\n").Bitmap("m.bmp", 12, 36).SkinFile(), d);
  EXPECT_EQ(d.Title->FontHeight, 14);
  EXPECT_EQ(d.Title->activetext, kNoColor);  // reset by every load
  ASSERT_NE(d.Menubar, nullptr);
  EXPECT_EQ(d.Menubar->Tile, 1);
  EXPECT_EQ(d.Menubar->r, (Rect{1, 0, 1, 0}));
  EXPECT_EQ(d.Menubar->frame, 2);
}

TEST(CaptionButtons, SectionsStayUnlessTheyHaveNoActionAndNoVisibility) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Buttons]\n[BUTTON.Radio]\n[Button]\n[ButtonX]\nAction=-1\n[ButtonY]\nAction=-1\n"
                          "Visibility=0\n[ButtonZ]\nAction=2\n[Other]\n")
                  .SkinFile(),
              d);
  ASSERT_EQ(d.SysBtn.size(), 5u);
  EXPECT_EQ(d.SysBtn[0]->IDName, "BUTTONY");
  EXPECT_EQ(d.SysBtn[0]->Visibility1, -1);
  EXPECT_EQ(d.SysBtn[0]->frame, 6);
  EXPECT_EQ(d.SysBtn[1]->IDName, "BUTTONZ");
  EXPECT_EQ(d.SysBtn[1]->Visibility1, 0);
  EXPECT_EQ(d.SysBtn[1]->CombineOp, -1);
  for (std::size_t i = 2; i < 5; ++i) {
    EXPECT_EQ(d.SysBtn[i]->Action, static_cast<int32_t>(i + 5));
    EXPECT_EQ(d.SysBtn[i]->Align, 100);
    EXPECT_EQ(d.SysBtn[i]->frame, 4);
    EXPECT_TRUE(d.SysBtn[i]->Map.Empty());
  }
}

TEST(CaptionButtons, FrameCountsFromTheImageShape) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[BUTTON0]\nButtonImage=a.bmp\n[BUTTON1]\nButtonImage=b.bmp\n[BUTTON2]\nButtonImage=b.bmp\n"
                          "Action=-1\nVisibility=0\n[BUTTON3]\nButtonImage=b.bmp\nframe=2\n[BUTTON4]\nAction=3\n"
                          "ButtonImage=a.bmp\n[BUTTON5]\nAction=11\nButtonImage=a.bmp\nframe=1\n")
                  .Bitmap("a.bmp", 38, 10)
                  .Bitmap("b.bmp", 39, 10)
                  .SkinFile(),
              d);
  EXPECT_EQ(d.SysBtn[0]->frame, 3);  // ratio 3.8
  EXPECT_EQ(d.SysBtn[1]->frame, 6);
  EXPECT_EQ(d.SysBtn[2]->frame, 6);  // no action
  EXPECT_EQ(d.SysBtn[3]->frame, 2);
  EXPECT_EQ(d.SysBtn[4]->frame, 3);
  EXPECT_TRUE(d.SysBtn[4]->Map.Empty());   // the frame skinner paints the icon
  EXPECT_FALSE(d.SysBtn[5]->Map.Empty());  // an explicit frame count keeps the image
}

TEST(CaptionButtons, HelpTakesThePlaceOfAPrecedingMaximiseButton) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[BUTTON0]\nAction=4\nXcoord=5\nYcoord=6\n[BUTTON1]\nAction=1\nVisibility=2\nXcoord=93\n"
                          "Ycoord=1\n[BUTTON2]\nAction=4\nXcoord=7\nYcoord=8\n")
                  .SkinFile(),
              d);
  EXPECT_EQ(d.SysBtn[0]->XCoord, 5);  // nothing remembered yet: its own place
  EXPECT_EQ(d.SysBtn[0]->YCoord, 6);
  EXPECT_EQ(d.SysBtn[2]->XCoord, 93);
  EXPECT_EQ(d.SysBtn[2]->YCoord, 1);
}

TEST(CaptionButtons, MdiImageIsCutIntoThreeFourFrameStrips) {
  PixelImage mdi(100, 14);
  for (int32_t y = 0; y < 14; ++y)
    for (int32_t x = 0; x < 100; ++x) mdi.Set(x, y, PixelFromRgb(x, y, 1));
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[MDICONTROLS]\nImage=m.bmp\n").Image("m.bmp", mdi).SkinFile(), d);
  ASSERT_EQ(d.SysBtn.size(), 3u);
  for (int32_t k = 0; k < 3; ++k) {
    const TDataSkinSysButton& b = *d.SysBtn[static_cast<std::size_t>(k)];
    EXPECT_EQ(b.Map.Width(), 32);  // w = 100 div 12 = 8: the last 4 columns are unused
    EXPECT_EQ(b.Map.Height(), 14);
    EXPECT_EQ(PixelRed(b.Map.Image().At(0, 3)), 32 * k);
    EXPECT_EQ(PixelRed(b.Map.Image().At(31, 3)), 32 * k + 31);
    EXPECT_EQ(b.XCoord, 12 * (3 - k));
  }
}

TEST(CaptionColour, PixelOfTheFirstStackedFrame) {
  PixelImage top(30, 60, 0x000000);
  top.Set(10, 10, PixelFromRgb(255, 0, 0));  // width/3 = 10, (60/2)/3 = 10
  top.Set(10, 20, PixelFromRgb(0, 255, 0));  // a frame count of 0 counts as 1: 60/3 = 20
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Personality]\nTop=t.bmp\nTopFrame=2\n").Image("t.bmp", top).SkinFile(), d);
  EXPECT_EQ(d.Colors[kSchemeCaption], 0x0000FFu);
  EXPECT_FALSE(d.hasColors[kSchemeCaption]);
  ParseOrFail(SkinBuilder("[Personality]\nTop=t.bmp\nTopFrame=0\n").Image("t.bmp", top).SkinFile(), d);
  EXPECT_EQ(GetCaptionColor(d), 0x00FF00u);
  ParseOrFail(SkinBuilder("[Personality]\nTop=t.bmp\nTopFrame=-3\n").Image("t.bmp", top).SkinFile(), d);
  EXPECT_EQ(GetCaptionColor(d), 0x00FF00u);
  ParseOrFail(SkinBuilder("[Colours]\nButtonFace=4 5 6\n").SkinFile(), d);
  EXPECT_EQ(d.Colors[kSchemeCaption], 0x060504u);
}

}  // namespace
}  // namespace lanvero
