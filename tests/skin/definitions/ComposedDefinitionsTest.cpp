// The definitions the loader composes after the sections are read: the
// combo box images and arrow, and the toolbar background gradient.

#include <gtest/gtest.h>

#include "skin/definitions/ComposedDefinitions.h"
#include "skin/definitions/SkinDataPlatform.h"
#include "skin/image/GradientTable.h"
#include "skin/image/ImgUtil.h"
#include "tests/skin/definitions/SkinBuilder.h"

namespace lanvero {
namespace {

using testing::ParseOrFail;
using testing::SkinBuilder;

constexpr Pixel kMagenta = PixelFromColor(kMagentaKey);

PixelImage Framed(int32_t width, int32_t height, Pixel border, Pixel inside) {
  PixelImage image(width, height, border);
  for (int32_t y = 2; y < height - 2; ++y)
    for (int32_t x = 2; x < width - 2; ++x) image.Set(x, y, inside);
  return image;
}

TEST(ComposedCombo, BorderButtonAndArrowBecomeOneStripEachWay) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[SunkEdge]\nImage=e.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
                          "[ComboButton]\nImage=b.bmp\nLeftWidth=1\nRightWidth=1\nTopHeight=1\nBottomHeight=1\n"
                          "[ExtraImages]\nImage=x.bmp\n")
                  .Image("e.bmp", Framed(48, 21, 0x101010, 0xF0F0F0))
                  .Bitmap("b.bmp", 72, 21, 0x2060A0)
                  .Bitmap("x.bmp", 60, 12, kMagenta)
                  .SkinFile(),
              d);
  const int32_t b = ScrollButtonWidth() + 2;
  ASSERT_NE(d.combox, nullptr);
  EXPECT_EQ(d.combox->style, kComposedComboStyle);
  EXPECT_EQ(d.combox->r, (Rect{2, 2, b + 2, 2}));
  EXPECT_EQ(d.Comboxborder->r, (Rect{b + 2, 2, 2, 2}));
  const PixelImage& strip = d.combox->Map.Image();
  ASSERT_EQ(strip.Width(), 200);
  ASSERT_EQ(strip.Height(), 21);
  for (int32_t k = 0; k < 4; ++k) {
    const int32_t x0 = 50 * k;
    EXPECT_EQ(strip.At(x0, 0), 0x101010u);                // the edge
    EXPECT_EQ(strip.At(x0 + 10, 10), kMagenta);           // the text area is keyed out
    EXPECT_EQ(strip.At(x0 + 49 - b / 2, 10), 0x2060A0u);  // the drop button
  }
  PixelImage mirrored = strip;
  MirrorHorizontal(mirrored);
  EXPECT_EQ(d.Comboxborder->Map.Image(), mirrored);
  ASSERT_NE(d.comboxarrow, nullptr);
  EXPECT_EQ(d.comboxarrow->frame, 4);
  EXPECT_EQ(d.comboxarrow->Map.Width(), 68);
  EXPECT_EQ(d.comboxarrow->Map.Height(), 17);
  EXPECT_EQ(d.comboxarrow->Map.Image().At(16, 16), strip.At(47, 18));  // from (50 - 19, 2)
}

TEST(ComposedCombo, AbsurdMarginsDrawLikeMarginsWiderThanTheCell) {
  auto compose = [](const std::string& margin) {
    SkinDefinitions d;
    const std::string keys = "LeftWidth=" + margin + "\nRightWidth=" + margin + "\nTopHeight=-2147483648\n";
    ParseOrFail(SkinBuilder("[SunkEdge]\nImage=e.bmp\n" + keys + "[ComboButton]\nImage=b.bmp\n" + keys)
                    .Image("e.bmp", Framed(48, 21, 0x101010, 0xF0F0F0))
                    .Bitmap("b.bmp", 72, 21, 0x2060A0)
                    .SkinFile(),
                d);
    return d.combox->Map.Image();
  };
  EXPECT_EQ(compose("2147483647"), compose("60"));
}

TEST(ComposedCombo, ButtonAloneGivesAnArrowOnTheButtonFace) {
  PixelImage button(8, 4, 0x123456);
  button.Set(1, 1, kMagenta);
  SkinDefinitions d;
  ParseOrFail(
      SkinBuilder("[ComboButton]\nImage=b.bmp\n[Colours]\nButtonFace=1 2 3\n").Image("b.bmp", button).SkinFile(), d);
  EXPECT_EQ(d.combox->style, 0);
  ASSERT_NE(d.comboxarrow, nullptr);
  EXPECT_EQ(d.comboxarrow->frame, 4);
  EXPECT_EQ(ColorFromPixel(d.comboxarrow->Map.Image().At(1, 1)), 0x030201u);
  EXPECT_EQ(d.comboxarrow->Map.Image().At(0, 0), 0x123456u);
}

TEST(ToolbarBack, SaturatedCaptionMixesWithWhite) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Personality]\nTop=t.bmp\nTopFrame=1\n[Colours]\nButtonFace=200 200 200\n")
                  .Bitmap("t.bmp", 9, 9, PixelFromRgb(255, 0, 0))
                  .SkinFile(),
              d);
  ASSERT_NE(d.Toolbar, nullptr);
  const PixelImage& back = d.Toolbar->Map.Image();
  ASSERT_EQ(back.Width(), 10);
  ASSERT_EQ(back.Height(), 40);
  EXPECT_EQ(d.Toolbar->frame, 1);
  // Saturation 255 gives p = 45: from 15 % button face and 85 % white at
  // the top to 45 % caption and 55 % white at the bottom.
  const auto table = MakeGradientTable(40, BlendColors(0xC8C8C8, 0xFFFFFF, 150), BlendColors(0x0000FF, 0xFFFFFF, 45));
  EXPECT_EQ(ColorFromPixel(back.At(9, 0)), table.front());
  EXPECT_EQ(ColorFromPixel(back.At(0, 39)), table.back());
}

TEST(ToolbarBack, DullCaptionMixesWithGrey) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Personality]\nTop=t.bmp\n").Bitmap("t.bmp", 9, 9, PixelFromRgb(200, 200, 200)).SkinFile(),
              d);
  const auto table =
      MakeGradientTable(40, BlendColors(SystemColor(15), 0xFFFFFF, 150), BlendColors(0x808080, 0xC8C8C8, 150));
  EXPECT_EQ(ColorFromPixel(d.Toolbar->Map.Image().At(0, 39)), table.back());
}

}  // namespace
}  // namespace lanvero
