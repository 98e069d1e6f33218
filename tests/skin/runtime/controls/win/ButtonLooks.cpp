#include "tests/skin/runtime/controls/win/ButtonLooks.h"

#include <cstdlib>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/DibSection.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/SkinControl.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

constexpr int kTolerance = 8;

bool Near(uint32_t a, uint32_t b, int tolerance = kTolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
      return false;
    }
  }
  return true;
}

}  // namespace

e2e::Image ScreenOf(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpFor(40);
  return e2e::CaptureWindow(window);
}

e2e::Image ScreenOfClientRect(HWND window, const RECT& client) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpFor(40);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  RECT onScreen = client;
  OffsetRect(&onScreen, origin.x, origin.y);
  return e2e::CaptureScreenRect(onScreen);
}

PixelImage ExpectedButtonFrame(const TSkinData& skin, SIZE size, int frame) {
  DibSection face = DibSection::Create(size.cx, size.cy);
  {
    BitmapDC dc(face.Handle());
    FillSolid(dc.Get(), Rect{0, 0, size.cx, size.cy}, skin.Colors[kSchemeButtonFace]);
    TSkinControl::DrawSkinMap(dc.Get(), RECT{0, 0, size.cx, size.cy}, skin.Button.get(), frame, skin.Button->frame);
  }
  GdiFlush();
  return face.ToImage();
}

PixelImage StripCell(HBITMAP strip, int frame, int frames) {
  const PixelImage whole = ReadBitmapPixels(strip);
  const int width = whole.Width() / frames;
  const PixelView view{width, whole.Height(), whole.Pixels().data() + (frame - 1) * width, whole.Width()};
  return PixelImage::FromView(view);
}

::testing::AssertionResult EdgesMatch(const e2e::Image& actual, const PixelImage& expected, int inset) {
  if (actual.width != expected.Width() || actual.height != expected.Height()) {
    return ::testing::AssertionFailure() << "size " << actual.width << "x" << actual.height << " instead of "
                                         << expected.Width() << "x" << expected.Height();
  }
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      const bool edge = x < inset || y < inset || x >= actual.width - inset || y >= actual.height - inset;
      if (!edge || Near(actual.At(x, y), expected.At(x, y) & 0xFFFFFF)) continue;
      return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is 0x" << std::hex << actual.At(x, y)
                                           << ", the skin's frame has 0x" << (expected.At(x, y) & 0xFFFFFF);
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult AreaMatches(const e2e::Image& actual, POINT at, const PixelImage& expected) {
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const uint32_t want = expected.At(x, y) & 0xFFFFFF;
      if (want == 0xFF00FF) continue;
      const int ax = at.x + x, ay = at.y + y;
      if (ax < 0 || ay < 0 || ax >= actual.width || ay >= actual.height) {
        return ::testing::AssertionFailure() << "the area reaches outside the capture";
      }
      if (Near(actual.At(ax, ay), want)) continue;
      return ::testing::AssertionFailure() << "pixel (" << ax << "," << ay << ") is 0x" << std::hex << actual.At(ax, ay)
                                           << ", the skin's cell has 0x" << want;
    }
  }
  return ::testing::AssertionSuccess();
}

e2e::Image AsImage(const PixelImage& image) {
  e2e::Image out{image.Width(), image.Height(), {}};
  for (Pixel p : image.Pixels()) out.pixels.push_back(p & 0xFFFFFF);
  return out;
}

uint32_t ScreenRgb(COLORREF color) { return PixelFromColor(color); }

int CountNear(const e2e::Image& actual, uint32_t rgb) {
  int count = 0;
  for (uint32_t pixel : actual.pixels) count += Near(pixel, rgb, 24) ? 1 : 0;
  return count;
}

int CountDark(const e2e::Image& actual) {
  int count = 0;
  for (uint32_t pixel : actual.pixels) count += Near(pixel, 0x404040, 0x40) ? 1 : 0;
  return count;
}

bool MostlyLight(const e2e::Image& actual) {
  return !actual.pixels.empty() && static_cast<size_t>(CountDark(actual)) * 2 < actual.pixels.size();
}

}  // namespace lanvero::testing
