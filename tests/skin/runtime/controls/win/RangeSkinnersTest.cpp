// Progress bars, track bars and header controls under the skin: the filled
// part follows Position (lying or standing), the thumb and channel come
// from the skin while the bar still drags, header sections in their normal
// and hot frames.
#include <windows.h>
#include <commctrl.h>

#include <set>

#include "framework/controls/ListViews.h"
#include "framework/controls/RangeControls.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/TabFamilyPixels.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::testing::FindIn;

using RangeSkinnersTest = SkinnedFormTest;

const char* kRanges =
    "object Bar: TProgressBar\n Left = 10\n Top = 10\n Width = 200\n Height = 20\n Position = 40\n end\n"
    "object Upright: TProgressBar\n Left = 220\n Top = 10\n Width = 20\n Height = 100\n Position = 50\n"
    " Orientation = pbVertical\n end\n"
    "object Track: TTrackBar\n Left = 10\n Top = 130\n Width = 200\n Height = 40\n Max = 10\n Position = 2\n end\n"
    "object Header: THeaderControl\n Left = 10\n Top = 200\n Width = 300\n Height = 24\n Sections = <\n"
    " item\n Text = 'Name'\n Width = 120\n end\n item\n Text = 'Size'\n Width = 60\n end>\n end\n";

// Pixel (x, y) of frame `frame` of the progress image built at a length.
Color BarFrame(const TDataSkinBorder& bar, int frame, int length, int thickness, int x, int y) {
  DibSection built = BuiltFrame(MapHandle(bar.Map), bar.r, frame, 2, length, thickness);
  return PixelAt(built, x, y);
}

TEST_F(RangeSkinnersTest, ProgressFillsTheLengthItsPositionGivesLyingOrStanding) {
  MakeSkinnedForm(kRanges);
  auto* bar = FindIn<framework::TProgressBar>(*form_, L"Bar");
  auto* upright = FindIn<framework::TProgressBar>(*form_, L"Upright");
  ASSERT_TRUE(bar && upright);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(bar)), L"TSkinProgress");
  const TDataSkinBorder& image = *skin_->progress;
  ASSERT_EQ(image.style, 0);
  // At 40 of 100 the second frame is scaled to 80 pixels; beyond lies the empty bar.
  DibSection painted = PaintedBy(bar->WindowHandle());
  EXPECT_EQ(PixelAt(painted, 40, 10), BarFrame(image, 2, 80, 20, 40, 10));
  EXPECT_EQ(PixelAt(painted, 150, 10), BarFrame(image, 1, 200, 20, 150, 10));
  EXPECT_NE(BarFrame(image, 2, 80, 20, 40, 10), BarFrame(image, 1, 200, 20, 40, 10)) << "the frames differ";
  bar->SetPosition(80);
  painted = PaintedBy(bar->WindowHandle());
  EXPECT_EQ(PixelAt(painted, 150, 10), BarFrame(image, 2, 160, 20, 150, 10));

  // Standing at 50%: composed lying (100 long) and turned, so the lower
  // half is filled.
  painted = PaintedBy(upright->WindowHandle());
  EXPECT_EQ(PixelAt(painted, 10, 75), BarFrame(image, 2, 50, 20, 100 - 1 - 75, 10));
  EXPECT_EQ(PixelAt(painted, 10, 25), BarFrame(image, 1, 100, 20, 100 - 1 - 25, 10));

  SendMessageW(bar->WindowHandle(), WM_SKINENABLE, 0, 0);
  painted = PaintedBy(bar->WindowHandle());
  EXPECT_NE(PixelAt(painted, 150, 10), BarFrame(image, 2, 160, 20, 150, 10)) << "drawn by the system";
  SendMessageW(bar->WindowHandle(), WM_SKINENABLE, 1, 0);
}

TEST_F(RangeSkinnersTest, TrackBarDrawsThumbAndChannelFromTheSkinAndStillDrags) {
  MakeSkinnedForm(kRanges);
  auto* track = FindIn<framework::TTrackBar>(*form_, L"Track");
  ASSERT_TRUE(track);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(track)), L"TSkinTrackBar");
  const HWND window = track->WindowHandle();
  RECT thumb{}, channel{};
  SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  DibSection painted = PaintedBy(window);

  // The thumb: frame 2 of the 5 thumb frames stretched over its rectangle.
  const TDataSkinObject& thumbs = *skin_->TrackHorz;
  DibSection expected =
      BuiltFrame(MapHandle(thumbs.Map), Margins{}, 2, 5, thumb.right - thumb.left, thumb.bottom - thumb.top);
  int compared = 0;
  for (int y = 0; y < expected.Height(); y += 2) {
    for (int x = 0; x < expected.Width(); x += 2) {
      const Color want = PixelAt(expected, x, y);
      if (want == 0xFF00FF) continue;
      EXPECT_EQ(PixelAt(painted, thumb.left + x, thumb.top + y), want) << x << "," << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 0);

  // The channel's middle: a stretched column of the channel image.
  const TDataSkinObject& image = *skin_->TrackBar;
  const PixelImage source = ReadBitmapPixels(MapHandle(image.Map));
  const int middleX = (channel.right + thumb.right) / 2;
  const int y =
      source.Height() < channel.bottom - channel.top ? (channel.bottom - channel.top - source.Height()) / 2 : 0;
  std::set<Color> middle;
  for (int x = image.r.left; x < source.Width() - image.r.right; ++x)
    middle.insert(source.At(x, source.Height() / 2) & 0xFFFFFF);
  EXPECT_TRUE(middle.count(PixelAt(painted, middleX, channel.top + y + source.Height() / 2)));

  int changes = 0;
  track->OnChange = [&](framework::TObject*) { ++changes; };
  const int fromX = (thumb.left + thumb.right) / 2, atY = (thumb.top + thumb.bottom) / 2;
  const int toX = channel.left + (channel.right - channel.left) * 8 / 10;
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, atY));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, atY));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(toX, atY));
  PumpFor(20);
  EXPECT_GE(track->Position(), 7);
  EXPECT_GT(changes, 0);
}

Color HeaderFrame(const TDataSkinObject& header, int frame, int width, int height, int x, int y) {
  DibSection built = BuiltFrame(MapHandle(header.Map), header.r, frame, header.frame, width, height);
  return PixelAt(built, x, y);
}

TEST_F(RangeSkinnersTest, HeaderSectionsUseFrameOneAndTheHotSectionFrameTwo) {
  MakeSkinnedForm(kRanges);
  auto* header = FindIn<framework::THeaderControl>(*form_, L"Header");
  ASSERT_TRUE(header);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(header)), L"TSkinHeader");
  const HWND window = header->WindowHandle();
  const TDataSkinObject& image = *skin_->Header;
  RECT second{};
  SendMessageW(window, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  const int w = second.right - second.left, h = second.bottom - second.top;
  ASSERT_NE(HeaderFrame(image, 1, w, h, w / 2, 1), HeaderFrame(image, 2, w, h, w / 2, 1));
  DibSection painted = PaintedBy(window);
  EXPECT_EQ(PixelAt(painted, second.left + w / 2, 1), HeaderFrame(image, 1, w, h, w / 2, 1));
  const int rest = painted.Width() - second.right;
  EXPECT_EQ(PixelAt(painted, second.right + rest / 2, 1), HeaderFrame(image, 1, rest, h, rest / 2, 1))
      << "the room after the last section";

  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(second.left + w / 2, h / 2));
  painted = PaintedBy(window);
  EXPECT_EQ(PixelAt(painted, second.left + w / 2, 1), HeaderFrame(image, 2, w, h, w / 2, 1)) << "hot";
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  painted = PaintedBy(window);
  EXPECT_EQ(PixelAt(painted, second.left + w / 2, 1), HeaderFrame(image, 1, w, h, w / 2, 1));
}

// Coalrim lays whole chunks over its bar image (style 1).
TEST_F(RangeSkinnersTest, AfterASkinChangeTheBarLaysWholeChunksAndPaintingKeepsNoHandles) {
  MakeSkinnedForm(kRanges);
  skin_->LoadFromFile(BuiltSkinFile("coalrim"));
  RunPendingRequest();
  auto* bar = FindIn<framework::TProgressBar>(*form_, L"Bar");
  ASSERT_TRUE(bar);
  ASSERT_EQ(skin_->progress->style, 1);
  const TDataSkinObject& chunk = *skin_->progresschunk;
  ASSERT_EQ(chunk.Tile, 1);
  const PixelImage chunkImage = ReadBitmapPixels(MapHandle(chunk.Map));
  const int cw = chunkImage.Width(), ch = chunkImage.Height(), y = (20 - ch) / 2;
  DibSection painted = PaintedBy(bar->WindowHandle());
  // 40 of 100 fills 80 pixels with chunks from the chunk's left margin + 2.
  const int x0 = chunk.r.left + 2;
  for (int x = x0; x + cw <= x0 + 80; x += cw) {
    EXPECT_EQ(PixelAt(painted, x + cw / 2, y + ch / 2), chunkImage.At(cw / 2, ch / 2) & 0xFFFFFF) << "chunk at " << x;
  }
  DibSection empty = BuiltFrame(MapHandle(skin_->progress->Map), skin_->progress->r, 1, 1, 200, 20);
  const Color back = PixelAt(empty, 150, 10);
  EXPECT_EQ(PixelAt(painted, 150, 10), back == 0xFF00FF ? AsPixel(skin_->Colors[kSchemeButtonFace]) : back);

  std::vector<HWND> windows;
  for (const wchar_t* name : {L"Bar", L"Upright", L"Track", L"Header"}) {
    windows.push_back(FindIn<framework::TWinControl>(*form_, name)->WindowHandle());
  }
  for (HWND window : windows) PaintedBy(window);
  const int before = framework::LiveGdiHandles();
  for (int round = 0; round < 3; ++round) {
    for (HWND window : windows) PaintedBy(window);
  }
  EXPECT_EQ(framework::LiveGdiHandles(), before);
}

}  // namespace
}  // namespace lanvero::testing
