// The Windows parts of the skin component, run under Wine: the glyph list
// from "TESSALYMENU", the engine's track bitmaps from the resources, GDI
// copies of every image after a load, the background brush, the caption
// font and the application icon.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "framework/graphics/BmpDecoder.h"
#include "skin/definitions/SkinData.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"

namespace lanvero {
namespace {

std::filesystem::path EnvPath(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::filesystem::path(value) : std::filesystem::path();
}

// Draws on a white bitmap of the given size and returns the pixels.
PixelImage DrawOnWhite(int32_t width, int32_t height, const std::function<void(HDC)>& draw) {
  DibSection target = DibSection::FromImage(PixelImage(width, height, 0xFFFFFF));
  {
    const framework::UniqueDC dc(CreateCompatibleDC(nullptr));
    const framework::SelectGuard selected(dc.Get(), target.Handle());
    draw(dc.Get());
  }
  GdiFlush();
  return target.ToImage();
}

TEST(SkinDataWin, GlyphListHoldsTheFourWindowCommandGlyphs) {
  TSkinData skin(nullptr);
  ASSERT_NE(skin.Gdi(), nullptr);
  const HIMAGELIST glyphs = skin.Gdi()->bmpmenu.Get();
  ASSERT_NE(glyphs, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(glyphs), 4);
  int width = 0, height = 0;
  ImageList_GetIconSize(glyphs, &width, &height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
  const PixelImage source =
      DecodeBmp(ReadFileBytes(EnvPath("LANVERO_SOURCE_DIR") / "assets" / "engine" / "tessalymenu.bmp"));
  ASSERT_EQ(source.Width(), 64);
  for (int glyph = kGlyphRestore; glyph <= kGlyphClose; ++glyph) {
    const PixelImage drawn =
        DrawOnWhite(16, 16, [&](HDC dc) { ImageList_Draw(glyphs, glyph, dc, 0, 0, ILD_TRANSPARENT); });
    for (int32_t y = 0; y < 16; ++y) {
      for (int32_t x = 0; x < 16; ++x) {
        ASSERT_EQ(drawn.At(x, y), source.At(16 * glyph + x, y)) << "glyph " << glyph << " at " << x << "," << y;
      }
    }
  }
}

TEST(SkinDataWin, EngineTrackBitmapsComeFromTheResources) {
  const PixelImage track = EngineBitmap("TRACK");
  ASSERT_EQ(track.Width(), 16);
  ASSERT_EQ(track.Height(), 4);
  EXPECT_EQ(ColorFromPixel(track.At(0, 0)), 0xC0C0C0u);
  EXPECT_EQ(ColorFromPixel(track.At(8, 0)), 0x808080u);
  EXPECT_EQ(ColorFromPixel(track.At(8, 2)), 0xFFFFFFu);
  const PixelImage upright = EngineBitmap("TRACKVERT");
  EXPECT_EQ(upright.Width(), 4);
  EXPECT_EQ(upright.Height(), 16);
  EXPECT_TRUE(EngineBitmap("NOSUCH").IsEmpty());
  EXPECT_EQ(ScrollButtonWidth(), GetSystemMetrics(SM_CXHSCROLL));
}

TEST(SkinDataWin, LoadLeavesEveryImageReadyAsABitmapAndTheBrushInTheFaceColour) {
  TSkinData skin(nullptr);
  skin.SetSkinFile((EnvPath("LANVERO_BINARY_DIR") / "assets" / "skins" / "paleglass.skn").wstring());
  ASSERT_FALSE(skin.Empty);
  int images = 0;
  for (TDataSkinObject* definition : skin.AllDefinitions()) {
    if (definition->Map.Empty()) {
      EXPECT_EQ(MapHandle(definition->Map), nullptr);
      continue;
    }
    ++images;
    const HBITMAP handle = MapHandle(definition->Map);
    ASSERT_NE(handle, nullptr) << definition->IDName;
    EXPECT_EQ(ReadBitmapPixels(handle), definition->Map.Image()) << definition->IDName;
  }
  EXPECT_GT(images, 35);
  ASSERT_NE(skin.tab, nullptr);
  EXPECT_NE(MapHandle(skin.tab->MaskMap), nullptr);
  EXPECT_NE(MapHandle(skin.Button->CheckMap), nullptr);
  LOGBRUSH brush{};
  ASSERT_NE(skin.Gdi()->BGBrush.Get(), nullptr);
  ASSERT_EQ(GetObjectW(skin.Gdi()->BGBrush.Get(), sizeof brush, &brush), static_cast<int>(sizeof brush));
  EXPECT_EQ(brush.lbColor, ResolveColor(skin.Colors[3]));
  EXPECT_EQ(brush.lbColor, RGB(243, 245, 248));
}

TEST(SkinDataWin, CaptionFontIsTheSystemCaptionFont) {
  TSkinData skin(nullptr);
  skin.BeginLoading();
  skin.Loaded();
  ASSERT_NE(skin.Gdi()->CaptionFont.Get(), nullptr);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = 504;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 504, &metrics, 0));
  LOGFONTW font{};
  GetObjectW(skin.Gdi()->CaptionFont.Get(), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, metrics.lfCaptionFont.lfFaceName);
  EXPECT_EQ(font.lfHeight, metrics.lfCaptionFont.lfHeight);
}

TEST(SkinDataWin, AppIconIsDrawnOnMagenta) {
  TSkinBitmap icon;
  GetAppIcon(icon, nullptr);
  EXPECT_TRUE(icon.Empty());  // no window: unchanged
  const HWND window =
      CreateWindowExW(0, L"STATIC", L"icon", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  GetAppIcon(icon, window);
  EXPECT_TRUE(icon.Empty());  // a window without an icon: unchanged
  // A 16 x 16 icon: black square in the middle, the rest transparent.
  BYTE andMask[16 * 2], xorMask[16 * 2];
  for (int y = 0; y < 16; ++y) {
    const bool inside = y >= 4 && y < 12;
    andMask[2 * y] = inside ? 0xF0 : 0xFF;
    andMask[2 * y + 1] = inside ? 0x0F : 0xFF;
    xorMask[2 * y] = xorMask[2 * y + 1] = 0;
  }
  const HICON created = CreateIcon(nullptr, 16, 16, 1, 1, andMask, xorMask);
  ASSERT_NE(created, nullptr);
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(created));
  GetAppIcon(icon, window);
  ASSERT_EQ(icon.Width(), GetSystemMetrics(SM_CXSMICON));
  ASSERT_EQ(icon.Height(), GetSystemMetrics(SM_CYSMICON));
  EXPECT_TRUE(icon.Transparent);
  EXPECT_EQ(icon.Image().At(0, 0), PixelFromColor(kMagentaKey));
  EXPECT_EQ(icon.Image().At(icon.Width() / 2, icon.Height() / 2), 0u);
  EXPECT_NE(icon.Dib(), nullptr);
  DestroyWindow(window);
  DestroyIcon(created);
}

}  // namespace
}  // namespace lanvero
