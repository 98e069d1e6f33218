// Timing harness for the Windows build, run under Wine: full loads of the
// default skin (including the DIB sections made for every image) against
// the LZH unpack of the same skin file alone, measured in the same run.
// Prints the ratio; best of several rounds to damp noise.
//
//   wine skindata_timing.exe [SKIN_FILE]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "skin/definitions/SkinData.h"
#include "skin/package/SkinPackageReader.h"

namespace {

using namespace lanvero;

constexpr int kIterations = 50;
constexpr int kRounds = 7;

double BestSeconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  double best = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kIterations; ++i) work();
    QueryPerformanceCounter(&stop);
    best =
        std::min(best, static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  return best / kIterations;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : LANVERO_DEFAULT_SKIN_FILE;
  const std::vector<uint8_t> skinFile = ReadFileBytes(path);
  TSkinData skin(nullptr);
  ByteStream file(skinFile);
  TSkinReader reader;
  const double unpack = BestSeconds([&] {
    ByteStream package;
    reader.Decompress(file, package);
    volatile std::size_t size = package.Size();
    (void)size;
  });
  const double load = BestSeconds([&] { skin.LoadFromStream(file); });
  if (skin.Empty) {
    std::fprintf(stderr, "the skin %s did not load\n", path.c_str());
    return 1;
  }
  std::printf("default skin: %s, %zu bytes\n", path.c_str(), skinFile.size());
  std::printf("LZH unpack only: %10.1f us\n", unpack * 1e6);
  std::printf("full load:       %10.1f us\n", load * 1e6);
  std::printf("full load / unpack ratio: %.2f\n", load / unpack);
  return 0;
}
