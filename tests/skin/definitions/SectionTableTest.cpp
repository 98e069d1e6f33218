// The generic sections: which slot each fills, image lookup, frame
// normalisation, and what repeated loads leave behind.

#include <gtest/gtest.h>

#include "framework/graphics/BmpDecoder.h"
#include "skin/codec/LzhCodec.h"
#include "skin/definitions/SectionTable.h"
#include "skin/image/ImgUtil.h"
#include "skin/package/SkinNotifier.h"
#include "tests/skin/definitions/SkinBuilder.h"

namespace lanvero {
namespace {

using testing::ParseOrFail;
using testing::SkinBuilder;

PixelImage Gradient(int32_t width, int32_t height) {
  PixelImage image(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) image.Set(x, y, PixelFromRgb(x * 7, y * 11, 40));
  return image;
}

TEST(SkinSections, TableListsThirtyRowsInReadingOrder) {
  const auto& table = SectionTable();
  EXPECT_STREQ(table.front().section, "Progress");
  EXPECT_STREQ(table[15].field, "SArrow");
  EXPECT_STREQ(table.back().section, "TRACKVERT");
}

TEST(SkinSections, AbsentSectionsLeaveOptionalSlotsNil) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Tabs]\nStyle=1\n").Bitmap("a.bmp", 4, 4).SkinFile(), d);
  EXPECT_EQ(d.tab, nullptr);  // a section without "Image" is no definition
  EXPECT_EQ(d.SArrow, nullptr);
  EXPECT_EQ(d.Menubar, nullptr);
  EXPECT_EQ(d.progress, nullptr);
  EXPECT_NE(d.Button, nullptr);
  EXPECT_NE(d.Title, nullptr);
  EXPECT_EQ(d.SysBtn.size(), 3u);  // only the MDI buttons
}

TEST(SkinSections, GenericReaderTakesEveryKey) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Scrollbar]\nImage=sb.bmp\nLeftWidth=2\nTopHeight=3\nRightWidth=4\nBottomHeight=0x5\n"
                          "Trans=1\nTile=1\nStyle=7\nFrame=9\nNormalColour=255\nMouseOverColour=x\n"
                          "NormalColour2=1 2 3\n[Colours]\nButtonText=9 9 9\n")
                  .Image("sb.bmp", Gradient(46, 16))
                  .SkinFile(),
              d);
  ASSERT_NE(d.SArrow, nullptr);
  const TDataSkinObject& s = *d.SArrow;
  EXPECT_EQ(s.IDName, "Scrollbar");
  EXPECT_EQ(s.Map.Image(), Gradient(46, 16));
  EXPECT_EQ(s.r, (Rect{2, 3, 4, 5}));
  EXPECT_EQ(s.trans, 1);
  EXPECT_EQ(s.Tile, 1);
  EXPECT_EQ(s.style, 7);
  EXPECT_EQ(s.frame, 23);  // normalised, whatever "Frame" says
  EXPECT_EQ(s.Normalcolor, 255);
  EXPECT_EQ(s.Overcolor, -1);  // not a number: the default
  EXPECT_EQ(s.Downcolor, -1);
  EXPECT_EQ(s.Normalcolor2, 0x030201u);
  EXPECT_EQ(s.Overcolor2, 0x090909u);  // absent: the scheme's button text
}

TEST(SkinSections, ImageNamesNeedTheExactExtensionAndLoseTheirFolders) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Scrollbar]\nImage=art\\deep\\sb.bmp\n[HorzScroll]\nImage=SB.BMP\n"
                          "[VertScroll]\nImage=missing.bmp\n[MenuItem]\nImage=bad.bmp\n")
                  .Bitmap("sb.bmp", 8, 8)
                  .Bitmap("SB.BMP", 8, 8)
                  .Raw("bad.bmp", {'B', 'M', 1, 2, 3})
                  .SkinFile(),
              d);
  ASSERT_NE(d.SArrow, nullptr);
  EXPECT_EQ(d.SArrow->Map.Width(), 8);
  ASSERT_NE(d.HBar, nullptr);  // the definition exists, its image does not
  EXPECT_TRUE(d.HBar->Map.Empty());
  EXPECT_TRUE(d.VBar->Map.Empty());
  EXPECT_TRUE(d.MenuItem->Map.Empty());
}

TEST(SkinSections, ImagesDecodeWithinThePixelBudgetOfTheLoad) {
  const std::vector<uint8_t> skinFile =
      SkinBuilder("[Scrollbar]\nImage=a.bmp\n[HorzScroll]\nImage=a.bmp\n[VertScroll]\nImage=a.bmp\n")
          .Bitmap("a.bmp", 10, 10)
          .SkinFile();
  auto loaded = [&skinFile](const SkinLoadLimits& limits) {
    SkinDefinitions d;
    EXPECT_TRUE(ParseSkinPackage(skinFile, d, nullptr, limits));
    int count = 0;
    for (const TDataSkinObject* object : {d.SArrow.get(), d.HBar.get(), d.VBar.get()}) {
      count += object && !object->Map.Empty();
    }
    return count;
  };
  EXPECT_EQ(loaded({}), 3);
  EXPECT_EQ(loaded({.pixels = 250}), 2) << "the third image does not fit in what is left";
  EXPECT_EQ(loaded({.pixels = 99}), 0) << "an image larger than the whole budget";
}

TEST(SkinSections, TabsTakeTheirBorderImageAsMask) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Tabs]\nImage=t.bmp\nBorder=p.bmp\n[UpDown.Horz]\nImage=t.bmp\n")
                  .Bitmap("t.bmp", 50, 10)
                  .Bitmap("p.bmp", 48, 48)
                  .SkinFile(),
              d);
  ASSERT_NE(d.tab, nullptr);
  EXPECT_EQ(d.tab->MaskMap.Width(), 48);
  EXPECT_EQ(d.tab->frame, 5);
  ASSERT_NE(d.HSpin, nullptr);
  EXPECT_TRUE(d.HSpin->MaskMap.Empty());  // no "GlyphImage"
  EXPECT_EQ(d.HSpin->frame, 8);
}

TEST(SkinSections, FrameCountsFollowTheTable) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Progress]\nBitmap=i.bmp\nStyle=1\nTile=2\n[Progress.Chunk]\nImage=i.bmp\n"
                          "[Headerbar]\nImage=i.bmp\nFrame=3\n[MenuItem]\nImage=i.bmp\nTile=2\n"
                          "[Tab.Pane]\nImage=i.bmp\nLeftWidth=9\nTopHeight=4\nRightWidth=2\nBottomHeight=9\n"
                          "[HorzScrollThumb]\nImage=i.bmp\n[VertScrollThumb]\nImage=i.bmp\nFrameCount=2\n"
                          "[Track]\nImage=i.bmp\n[TRACKVERT]\nImage=i.bmp\nFrame=6\n")
                  .Bitmap("i.bmp", 20, 10)
                  .SkinFile(),
              d);
  EXPECT_EQ(d.progress->frame, 1);
  EXPECT_EQ(d.progress->Tile, 1);  // capped at 1 in "Progress" only
  EXPECT_EQ(d.MenuItem->Tile, 0);
  EXPECT_EQ(d.progresschunk->frame, 0);  // kept as read: consumers must cope
  EXPECT_EQ(d.Header->frame, 3);
  EXPECT_EQ(d.TabSheet->r, (Rect{4, 4, 2, 4}));
  EXPECT_EQ(d.HSlider->frame, 3);
  EXPECT_EQ(d.VSlider->frame, 2);
  EXPECT_EQ(d.TrackBar->frame, 0);
  EXPECT_EQ(d.TrackBar->IDName, "Track");
  EXPECT_EQ(d.TrackBarVert->frame, 6);

  ParseOrFail(SkinBuilder("[Progress]\nBitmap=i.bmp\n[Headerbar]\nImage=i.bmp\n").Bitmap("i.bmp", 20, 10).SkinFile(),
              d);
  EXPECT_EQ(d.progress->frame, 2);
  EXPECT_EQ(d.Header->frame, 5);
}

TEST(SkinSections, AbsentTrackSectionsUseTheEngineBitmaps) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[X]\n").SkinFile(), d);
  ASSERT_NE(d.TrackBar, nullptr);
  EXPECT_EQ(d.TrackBar->IDName, "TRACK");
  EXPECT_EQ(d.TrackBar->Map.Width(), 16);
  EXPECT_EQ(d.TrackBar->Map.Height(), 4);
  EXPECT_EQ(d.TrackBar->r, (Rect{3, 3, 3, 3}));
  EXPECT_EQ(d.TrackBar->frame, 1);
  // The groove: light grey left end and mid grey on the top row, white below.
  const PixelImage& track = d.TrackBar->Map.Image();
  EXPECT_EQ(ColorFromPixel(track.At(0, 0)), 0xC0C0C0u);
  EXPECT_EQ(ColorFromPixel(track.At(8, 0)), 0x808080u);
  EXPECT_EQ(ColorFromPixel(track.At(8, 2)), 0xFFFFFFu);
  ASSERT_NE(d.TrackBarVert, nullptr);
  EXPECT_EQ(d.TrackBarVert->Map.Width(), 4);
  EXPECT_EQ(d.TrackBarVert->Map.Height(), 16);
}

TEST(SkinSections, ButtonSetAndMarkStripFrames) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Buttons]\nBitmap=b.bmp\nCheckButton=c.bmp\nRadioButton=r.bmp\nTile=3\n"
                          "MouseOverColour2=1 1 1\nNormalColour2=\nFrame=2\nStyle=4\n")
                  .Bitmap("b.bmp", 90, 23)
                  .Bitmap("c.bmp", 65, 13)
                  .Bitmap("r.bmp", 64, 16)
                  .SkinFile(),
              d);
  const TDataSkinButton& b = *d.Button;
  EXPECT_EQ(b.frame, 5);
  EXPECT_EQ(b.style, 0);
  EXPECT_EQ(b.Tile, 0);
  EXPECT_EQ(b.checkframe, 5);  // 65 div 13
  EXPECT_EQ(b.radioframe, 4);  // 64 div 16
  EXPECT_FALSE(b.newnormal);
  EXPECT_TRUE(b.newover);
  EXPECT_FALSE(b.newdown);

  ParseOrFail(SkinBuilder("[Buttons]\nRadioButton=r.bmp\nCheckButtonFrame=7\n").Bitmap("r.bmp", 26, 13).SkinFile(), d);
  EXPECT_EQ(d.Button->radioframe, 4);  // 26 div 13 = 2, raised to 4
  EXPECT_EQ(d.Button->checkframe, 7);
  EXPECT_TRUE(d.Button->Map.Empty());  // refilled in place: the old image is gone
}

TEST(SkinSections, ComboButtonKeepsAMirroredCopy) {
  PixelImage button = Gradient(24, 21);
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[ComboButton]\nImage=cb.bmp\n").Image("cb.bmp", button).SkinFile(), d);
  ASSERT_NE(d.combox, nullptr);
  MirrorHorizontal(button);
  EXPECT_EQ(d.combox->MaskMap.Image(), button);
  EXPECT_EQ(d.combox->frame, 4);
}

TEST(SkinSections, LoadsReplaceOptionalSlotsAndRepeatIdentically) {
  const auto withCombo =
      SkinBuilder("[ComboButton]\nImage=cb.bmp\n[Scrollbar]\nImage=cb.bmp\n").Bitmap("cb.bmp", 40, 21).SkinFile();
  SkinDefinitions d;
  ParseOrFail(withCombo, d);
  const PixelImage firstImage = d.SArrow->Map.Image();
  const Rect firstMargins = d.combox->r;
  ParseOrFail(withCombo, d);
  EXPECT_EQ(d.SArrow->Map.Image(), firstImage);
  EXPECT_EQ(d.combox->r, firstMargins);
  ParseOrFail(SkinBuilder("[Scrollbar]\nImage=cb.bmp\n").Bitmap("cb.bmp", 40, 21).SkinFile(), d);
  EXPECT_EQ(d.combox, nullptr);
  ASSERT_NE(d.comboxarrow, nullptr);  // the arrow keeps the previous skin's image
  EXPECT_FALSE(d.comboxarrow->Map.Empty());
}

TEST(SkinSections, RefusedPackageChangesNothing) {
  SkinDefinitions d;
  ParseOrFail(
      SkinBuilder("[TitlebarSkin]\nSkinName=First\n[Scrollbar]\nImage=a.bmp\n").Bitmap("a.bmp", 8, 8).SkinFile(), d);
  const TDataSkinObject* scrollbar = d.SArrow.get();
  // A package of an unknown format version, reported in the reader's words.
  std::vector<uint8_t> package = BuildSkinPackage({{"skin.ini", {'[', 'X', ']'}}});
  package[0] = 0x80;
  package[1] = 0x38;
  package[2] = 0x01;  // 80000
  std::vector<std::string> messages;
  const auto previous = SetSkinMessageNotifier([&](const std::string& m) { messages.push_back(m); });
  EXPECT_FALSE(ParseSkinPackage(PackWithSize(package), d));
  SetSkinMessageNotifier(previous);
  EXPECT_EQ(messages, std::vector<std::string>{kOlderSkinMessage});
  EXPECT_FALSE(ParseSkinPackage(std::vector<uint8_t>{}, d));
  EXPECT_FALSE(ParseSkinPackage(std::vector<uint8_t>{1, 0, 0, 0, 7}, d));
  EXPECT_EQ(d.SkinName, "First");
  EXPECT_EQ(d.SArrow.get(), scrollbar);
}

TEST(SkinSections, GetFileNameIsThePartBeforeTheFirstDot) {
  EXPECT_EQ(GetFileName("button.left.bmp"), "button");
  EXPECT_EQ(GetFileName("plain"), "");
}

}  // namespace
}  // namespace lanvero
