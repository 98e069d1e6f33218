// Throughput of the LZH codec on a skin-sized package and on 1 MB of text,
// reported next to a baseline measured in the same run: moving the same
// bytes one at a time through the codec's callback interface.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

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
    members.push_back({name, SkinLikeBitmap(40 + static_cast<int>(random() % 200), 12 + static_cast<int>(random() % 24), i)});
    ini += "[Section" + std::to_string(i) + "]\r\nImage=" + name + "\r\nLeftWidth=2\r\nTrans=1\r\n";
  }
  members.push_back({"skin.ini", {ini.begin(), ini.end()}});
  return BuildSkinPackage(members);
}

std::vector<uint8_t> MegabyteOfText() {
  static const char* const words[] = {"the ", "skin ", "engine ", "draws ", "every ", "window ", "frame ",
                                      "with ", "bitmaps ", "and ", "colours, ", "reading ", "its ", "INI.\r\n"};
  std::mt19937 random(9);
  std::vector<uint8_t> text;
  while (text.size() < (1 << 20)) {
    const std::string word = words[random() % std::size(words)];
    text.insert(text.end(), word.begin(), word.end());
  }
  text.resize(1 << 20);
  return text;
}

const std::vector<uint8_t>& Input(int which) {
  static const std::vector<uint8_t> package = SkinSizedPackage();
  static const std::vector<uint8_t> text = MegabyteOfText();
  return which == 0 ? package : text;
}

void BM_CallbackCopyBaseline(benchmark::State& state) {
  const auto& input = Input(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ByteStream in(input), out;
    TLZH codec;
    codec.StreamIn = &in;
    codec.StreamOut = &out;
    const TReadProc read = codec.StreamReader();
    const TWriteProc write = codec.StreamWriter();
    uint8_t byte = 0;
    uint16_t moved = 1;
    while (true) {
      read(&byte, 1, moved);
      if (moved == 0) break;
      write(&byte, 1, moved);
    }
    benchmark::DoNotOptimize(out.Size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void BM_Pack(benchmark::State& state) {
  const auto& input = Input(static_cast<int>(state.range(0)));
  std::size_t packedSize = 0;
  for (auto _ : state) packedSize = PackWithSize(input).size();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
  state.counters["ratio_pct"] = 100.0 * static_cast<double>(packedSize) / static_cast<double>(input.size());
}

void BM_Unpack(benchmark::State& state) {
  const auto& input = Input(static_cast<int>(state.range(0)));
  const std::vector<uint8_t> packed = PackWithSize(input);
  for (auto _ : state) benchmark::DoNotOptimize(UnpackWithSize(packed).size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

// range(0): 0 = skin-sized package, 1 = 1 MB of text
BENCHMARK(BM_CallbackCopyBaseline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unpack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Prints each run's MB/s and its ratio to the baseline on the same input.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto rate = run.counters.find("bytes_per_second");
      if (rate != run.counters.end()) rates_[run.benchmark_name()] = rate->second.value;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-28s %10s %12s\n", "benchmark", "MB/s", "x baseline");
    for (const auto& [name, rate] : rates_) {
      const std::string input = name.substr(name.find('/'));
      const double baseline = rates_["BM_CallbackCopyBaseline" + input];
      std::printf("%-28s %10.1f %12.3f\n", name.c_str(), rate / 1e6, baseline > 0 ? rate / baseline : 0.0);
    }
  }

private:
  std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("skin-sized package: %zu bytes; text: %zu bytes\n", Input(0).size(), Input(1).size());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
