// Timing harness for the device-context path under Wine: BuildSkinBitmap
// of the main window's caption bar (665 x 30, nine-slice, centre tiled and
// stretched) and DrawSkinFrame onto a window-sized bitmap, each against one
// plain StretchBlt of the same frame over the same area, measured in the
// same run. Prints the ratios; best of several rounds to damp noise.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "skin/image/NineSlice.h"
#include "skin/image/win/SkinDraw.h"

#include "bench/support/WinTiming.h"

namespace {

using namespace lanvero;

constexpr Rect kCaptionBar{0, 0, 665, 30};
constexpr Margins kCaptionMargins{8, 4, 8, 4};
constexpr int kIterations = 2000;
constexpr int kRounds = 7;

double Seconds(const std::function<void()>& work) { return bench::SecondsFor(kIterations, work); }

PixelImage CaptionStrip() {
  PixelImage strip(20, 64);
  for (int32_t y = 0; y < strip.Height(); ++y)
    for (int32_t x = 0; x < strip.Width(); ++x) strip.Set(x, y, PixelFromRgb(x * 12, y * 4, (x ^ y) * 8));
  return strip;
}

}  // namespace

int main() {
  const DibSection strip = DibSection::FromImage(CaptionStrip());
  const DibSection window = DibSection::Create(700, 500);
  const framework::UniqueDC strip_dc(CreateCompatibleDC(nullptr));
  const framework::UniqueDC window_dc(CreateCompatibleDC(nullptr));
  const Rect frame = StripFrame(20, 64, 1, 2, true);

  auto baseline = [&] {
    // What a plain stretched caption costs: a scratch bitmap of the bar's
    // size and one StretchBlt of the frame into it.
    DibSection bar = DibSection::Create(kCaptionBar.Width(), kCaptionBar.Height());
    const framework::UniqueDC bar_dc(CreateCompatibleDC(nullptr));
    const framework::SelectGuard bar_selected(bar_dc.Get(), bar.Handle());
    const framework::SelectGuard strip_selected(strip_dc.Get(), strip.Handle());
    SetStretchBltMode(bar_dc.Get(), COLORONCOLOR);
    StretchBlt(bar_dc.Get(), 0, 0, kCaptionBar.Width(), kCaptionBar.Height(), strip_dc.Get(), frame.left, frame.top,
               frame.Width(), frame.Height(), SRCCOPY);
  };
  auto build_tiled = [&] { BuildSkinBitmap(kCaptionBar, strip.Handle(), kCaptionMargins, 1, 2, true, true); };
  auto build_stretched = [&] { BuildSkinBitmap(kCaptionBar, strip.Handle(), kCaptionMargins, 1, 2, false, true); };
  const framework::SelectGuard window_selected(window_dc.Get(), window.Handle());
  auto draw_keyed = [&] {
    DrawSkinFrame(window_dc.Get(), kCaptionBar, strip.Handle(), kCaptionMargins, 1, 2, true, true, true);
  };

  double best[4] = {1e9, 1e9, 1e9, 1e9};
  const std::function<void()> runs[4] = {baseline, build_tiled, build_stretched, draw_keyed};
  for (int round = 0; round < kRounds; ++round) {
    for (int i = 0; i < 4; ++i) best[i] = std::min(best[i], Seconds(runs[i]));
  }
  const double per_call_us = 1e6 / kIterations;
  std::printf("caption bar 665 x 30, best of %d rounds of %d calls\n", kRounds, kIterations);
  std::printf("%-44s %10s %12s\n", "routine", "us/call", "x baseline");
  const char* names[4] = {"StretchBlt of the frame (baseline)", "BuildSkinBitmap, centre tiled",
                          "BuildSkinBitmap, centre stretched", "DrawSkinFrame, tiled, magenta keyed"};
  for (int i = 0; i < 4; ++i) {
    std::printf("%-44s %10.2f %12.2f\n", names[i], best[i] * per_call_us, best[i] / best[0]);
  }
  return 0;
}
