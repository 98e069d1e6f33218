#include "tests/skin/runtime/controls/win/EditFamilyTestSupport.h"

#include <cstdlib>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/DibSection.h"
#include "skin/image/win/SkinDraw.h"
#include "tests/e2e/driver/Desktop.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

constexpr uint32_t kMagentaOnScreen = 0xFF00FF;

e2e::Image ToImage(DibSection& bitmap) {
  GdiFlush();
  e2e::Image image;
  image.width = bitmap.Width();
  image.height = bitmap.Height();
  const auto pixels = bitmap.Pixels();
  image.pixels.assign(pixels.begin(), pixels.end());
  for (uint32_t& p : image.pixels) p &= 0xFFFFFF;
  return image;
}

bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 8) return false;
  }
  return true;
}

}  // namespace

uint32_t OnScreen(Color schemeColor) {
  const Color c = ResolveColor(schemeColor);
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

e2e::Image Shot(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpFor(60);
  return e2e::CaptureWindow(hwnd);
}

e2e::Image ExpectedFrame(const TDataSkinObject& object, int frame, int width, int height) {
  return ExpectedStripFrame(MapHandle(object.Map), object.r, frame, object.frame, width, height);
}

e2e::Image ExpectedStripFrame(HBITMAP strip, const Margins& margins, int frame, int count, int width, int height) {
  DibSection bitmap = DibSection::Create(width, height);
  BitmapDC dc(bitmap.Handle());
  FillSolid(dc.Get(), Rect{0, 0, width, height}, 0xFF00FF);
  DrawSkinFrame(dc.Get(), Rect{0, 0, width, height}, strip, margins, frame, count, true, false, false);
  return ToImage(bitmap);
}

e2e::Image ExpectedStretched(HBITMAP strip, int frame, int count, int width, int height) {
  DibSection bitmap = DibSection::Create(width, height);
  BitmapDC dc(bitmap.Handle());
  FillSolid(dc.Get(), Rect{0, 0, width, height}, 0xFF00FF);
  DrawSkinFrameStretched(dc.Get(), Rect{0, 0, width, height}, strip, frame, count, true);
  return ToImage(bitmap);
}

long Mismatches(const e2e::Image& shot, const e2e::Image& expected, const RECT& area, int dx, int dy) {
  long count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const uint32_t want = expected.At(x, y);
      if (want == kMagentaOnScreen) continue;
      if (!Near(shot.At(x + dx, y + dy), want)) ++count;
    }
  }
  return count;
}

void LeftButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  PumpFor(80);
}

void MoveTo(HWND hwnd, POINT clientPoint) {
  e2e::MoveMouse(hwnd, clientPoint);
  PumpFor(80);
}

}  // namespace lanvero::testing
