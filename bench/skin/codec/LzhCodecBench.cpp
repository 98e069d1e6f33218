// Throughput of the LZH codec on a skin-sized package and on a megabyte of
// real text (RepositoryText.h says which files), reported next to a
// baseline measured in the same run: a minimal decoder of the same bit
// stream (MinimalLzhDecoder.h), flat arrays and no checks.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <span>
#include <string>

#include "bench/skin/codec/MinimalLzhDecoder.h"
#include "bench/skin/codec/RepositoryText.h"
#include "skin/codec/LzhCodec.h"
#include "skin/package/SkinPackageWriter.h"

namespace {

using namespace lanvero;

// A 24-bit bitmap with a vertical gradient and magenta corners, like the
// frame and button strips of a skin.
std::vector<uint8_t> SkinLikeBitmap(int width, int height, int seed) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> file(54 + rowBytes * static_cast<uint32_t>(height), 0);
  file[0] = 'B';
  file[1] = 'M';
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* pixel = &file[54 + static_cast<uint32_t>(y) * rowBytes + static_cast<uint32_t>(x) * 3];
      const bool corner = (x < 2 || x >= width - 2) && (y < 2 || y >= height - 2);
      pixel[0] = corner ? 0xFF : static_cast<uint8_t>(120 + y * 3 + seed);
      pixel[1] = corner ? 0x00 : static_cast<uint8_t>(80 + y * 2 + (x % 17 == 0 ? 30 : 0));
      pixel[2] = corner ? 0xFF : static_cast<uint8_t>(60 + seed * 5);
    }
  }
  return file;
}

std::vector<uint8_t> SkinSizedPackage() {
  std::vector<PackageMember> members;
  std::mt19937 random(5);
  std::string ini;
  for (int i = 0; i < 33; ++i) {
    const std::string name = "image" + std::to_string(i) + ".bmp";
    members.push_back(
        {name, SkinLikeBitmap(40 + static_cast<int>(random() % 200), 12 + static_cast<int>(random() % 24), i)});
    ini += "[Section" + std::to_string(i) + "]\r\nImage=" + name + "\r\nLeftWidth=2\r\nTrans=1\r\n";
  }
  members.push_back({"skin.ini", {ini.begin(), ini.end()}});
  return BuildSkinPackage(members);
}

const std::vector<uint8_t>& Input(int which) {
  static const std::vector<uint8_t> package = SkinSizedPackage();
  static const std::vector<uint8_t> text = bench::RepositoryText(LANVERO_SOURCE_DIR, 1 << 20);
  return which == 0 ? package : text;
}

const std::vector<uint8_t>& Packed(int which) {
  static const std::vector<uint8_t> packages[] = {PackWithSize(Input(0)), PackWithSize(Input(1))};
  return packages[which];
}

// The baseline: the minimal decoder on the same bit stream.
void BM_MinimalUnpack(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  const std::span<const uint8_t> bitStream = std::span(Packed(which)).subspan(4);
  for (auto _ : state) benchmark::DoNotOptimize(bench::MinimalLzhDecode(bitStream, Input(which).size()).size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input(which).size()));
}

void BM_Unpack(benchmark::State& state) {
  const int which = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(UnpackWithSize(Packed(which)).size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Input(which).size()));
}

void BM_Pack(benchmark::State& state) {
  const auto& input = Input(static_cast<int>(state.range(0)));
  std::size_t packedSize = 0;
  for (auto _ : state) packedSize = PackWithSize(input).size();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
  state.counters["ratio_pct"] = 100.0 * static_cast<double>(packedSize) / static_cast<double>(input.size());
}

// range(0): 0 = skin-sized package, 1 = a megabyte of the repository's text
BENCHMARK(BM_MinimalUnpack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unpack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Both decoders must give back the input before their speeds mean anything.
bool DecodersAgree() {
  for (int which : {0, 1}) {
    const std::span<const uint8_t> bitStream = std::span(Packed(which)).subspan(4);
    if (UnpackWithSize(Packed(which)) != Input(which)) return false;
    if (bench::MinimalLzhDecode(bitStream, Input(which).size()) != Input(which)) return false;
  }
  return true;
}

// Prints each run's MB/s and its ratio to the minimal decoder on the same
// input (above 1: faster than it).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With --benchmark_repetitions, only the mean and median are rates.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean" && run.aggregate_name != "median") continue;
      const auto rate = run.counters.find("bytes_per_second");
      if (rate != run.counters.end()) rates_[run.benchmark_name()] = rate->second.value;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-28s %10s %18s\n", "benchmark", "MB/s", "x minimal decoder");
    for (const auto& [name, rate] : rates_) {
      const std::string input = name.substr(name.find('/'));
      const double baseline = rates_["BM_MinimalUnpack" + input];
      std::printf("%-28s %10.1f %18.3f\n", name.c_str(), rate / 1e6, baseline > 0 ? rate / baseline : 0.0);
    }
  }

 private:
  std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("skin-sized package: %zu bytes (packed %zu); text: %zu bytes (packed %zu)\n", Input(0).size(),
              Packed(0).size(), Input(1).size(), Packed(1).size());
  if (!DecodersAgree()) {
    std::fprintf(stderr, "a decoder does not return its input\n");
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
