// Software path of the image utilities, each figure reported next to a
// baseline of the same run: a nine-slice build of the main window's caption
// bar (665 x 30) against one plain stretch of the same frame over the same
// area, and bitmap decoding against copying the file's bytes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "framework/graphics/BmpDecoder.h"
#include "skin/image/SkinRaster.h"

namespace {

using namespace lanvero;

constexpr Rect kCaptionBar{0, 0, 665, 30};
constexpr Margins kCaptionMargins{8, 4, 8, 4};

// A caption strip like the skins': two 20 x 32 frames stacked.
PixelImage CaptionStrip() {
  PixelImage strip(20, 64);
  for (int32_t y = 0; y < strip.Height(); ++y)
    for (int32_t x = 0; x < strip.Width(); ++x) strip.Set(x, y, PixelFromRgb(x * 12, y * 4, (x ^ y) * 8));
  return strip;
}

void BM_StretchCaptionBaseline(benchmark::State& state) {
  const PixelImage strip = CaptionStrip();
  for (auto _ : state) {
    PixelImage bar(kCaptionBar.Width(), kCaptionBar.Height());
    StretchCopy(bar, kCaptionBar, strip.View(), StripFrame(20, 64, 1, 2, true));
    benchmark::DoNotOptimize(bar.Pixels().data());
  }
}

void BM_BuildSkinImageCaption(benchmark::State& state) {
  const PixelImage strip = CaptionStrip();
  const bool tile = state.range(0) != 0;
  for (auto _ : state) {
    PixelImage bar = BuildSkinImage(kCaptionBar, strip.View(), kCaptionMargins, 1, 2, tile, true);
    benchmark::DoNotOptimize(bar.Pixels().data());
  }
}

std::vector<uint8_t> ScrollbarFile() {
  PixelImage image(368, 16);
  for (int32_t y = 0; y < 16; ++y)
    for (int32_t x = 0; x < 368; ++x) image.Set(x, y, PixelFromRgb(x, y * 16, 255 - x));
  return EncodeBmp24(image);
}

void BM_CopyBmpBytesBaseline(benchmark::State& state) {
  const auto file = ScrollbarFile();
  for (auto _ : state) {
    std::vector<uint8_t> copy(file);
    benchmark::DoNotOptimize(copy.data());
  }
}

void BM_DecodeBmp24(benchmark::State& state) {
  const auto file = ScrollbarFile();
  for (auto _ : state) {
    PixelImage image = DecodeBmp(file);
    benchmark::DoNotOptimize(image.Pixels().data());
  }
}

BENCHMARK(BM_StretchCaptionBaseline);
BENCHMARK(BM_BuildSkinImageCaption)->ArgName("tile")->Arg(0)->Arg(1);
BENCHMARK(BM_CopyBmpBytesBaseline);
BENCHMARK(BM_DecodeBmp24);

// Prints each run's CPU time as a multiple of its baseline's (CPU time, so
// that other work on a shared machine disturbs the ratio less).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-34s %12s\n", "benchmark", "x baseline");
    for (const auto& [name, time] : times_) {
      const bool caption = name.rfind("BM_BuildSkinImage", 0) == 0;
      const bool decode = name.rfind("BM_DecodeBmp", 0) == 0;
      if (!caption && !decode) continue;
      const double baseline = times_[caption ? "BM_StretchCaptionBaseline" : "BM_CopyBmpBytesBaseline"];
      std::printf("%-34s %12.2f\n", name.c_str(), baseline > 0 ? time / baseline : 0.0);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
