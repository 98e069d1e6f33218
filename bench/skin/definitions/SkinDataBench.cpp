// Full load of the default skin (unpack, INI, every bitmap, compositions)
// against baselines measured in the same run: the LZH unpack of the same
// skin file alone, and a plain copy of its bytes. Prints each load's time
// as a ratio to the baselines.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "skin/codec/ByteStream.h"
#include "skin/definitions/SkinData.h"
#include "skin/package/SkinPackageReader.h"

namespace {

using namespace lanvero;

const std::vector<uint8_t>& SkinFile() {
  static const std::vector<uint8_t> bytes = ReadFileBytes(LANVERO_DEFAULT_SKIN_FILE);
  return bytes;
}

void BM_CopyBaseline(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<uint8_t> copy(SkinFile());
    benchmark::DoNotOptimize(copy.data());
  }
}

// What every load does first: the package reader's LZH unpack.
void BM_UnpackBaseline(benchmark::State& state) {
  TSkinReader reader;
  ByteStream file(SkinFile());
  for (auto _ : state) {
    ByteStream package;
    reader.Decompress(file, package);
    benchmark::DoNotOptimize(package.Size());
  }
}

void BM_FullLoad(benchmark::State& state) {
  TSkinData skin(nullptr);
  ByteStream file(SkinFile());
  for (auto _ : state) {
    skin.LoadFromStream(file);
    benchmark::DoNotOptimize(skin.Empty);
  }
  if (skin.Empty) state.SkipWithError("the default skin did not load");
}

BENCHMARK(BM_CopyBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnpackBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullLoad)->Unit(benchmark::kMicrosecond);

// Prints every run's time per iteration and its ratio to both baselines.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const double unpack = times_["BM_UnpackBaseline"];
    const double copy = times_["BM_CopyBaseline"];
    std::printf("\n%-20s %12s %12s %12s\n", "benchmark", "us", "x unpack", "x copy");
    for (const auto& [name, time] : times_) {
      std::printf("%-20s %12.2f %12.2f %12.1f\n", name.c_str(), time, unpack > 0 ? time / unpack : 0.0,
                  copy > 0 ? time / copy : 0.0);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("default skin: %s, %zu bytes\n", LANVERO_DEFAULT_SKIN_FILE, SkinFile().size());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
