// DES-ECB decryption throughput of the record cipher against OpenSSL's
// libcrypto on the same buffer in the same run; prints the ratio.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <benchmark/benchmark.h>
#include <openssl/des.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "cipher/Unit_DESCrypt.h"

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;
constexpr char kKeyString[] = "58205820";

std::vector<std::uint8_t> Buffer() {
  std::vector<std::uint8_t> data(kBufferBytes);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 131 + 7);
  return data;
}

void BM_LanveroDesDecrypt(benchmark::State& state) {
  using namespace lanvero::cipher;
  const KeySchedule schedule = BuildKeySchedule(FoldKey(kKeyString), false);
  std::vector<std::uint8_t> data = Buffer();
  for (auto _ : state) {
    for (std::size_t offset = 0; offset < data.size(); offset += 8) {
      DesBlock block;
      std::memcpy(block.data(), data.data() + offset, 8);
      block = CipherBlock(schedule, block);
      std::memcpy(data.data() + offset, block.data(), 8);
    }
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBufferBytes);
}

void BM_OpenSslDesDecrypt(benchmark::State& state) {
  const lanvero::cipher::DesKey folded = lanvero::cipher::FoldKey(kKeyString);
  DES_cblock key;
  std::memcpy(key, folded.data(), 8);
  DES_key_schedule schedule;
  DES_set_key_unchecked(&key, &schedule);
  std::vector<std::uint8_t> data = Buffer();
  for (auto _ : state) {
    for (std::size_t offset = 0; offset < data.size(); offset += 8) {
      auto* block = reinterpret_cast<DES_cblock*>(data.data() + offset);
      DES_ecb_encrypt(block, block, &schedule, DES_DECRYPT);
    }
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBufferBytes);
}

// A whole record body as the program decrypts it: hex parsing, key
// schedule and decryption of about 2 KB of ciphertext.
void BM_LanveroDecryptHexRecord(benchmark::State& state) {
  const std::string hex = lanvero::cipher::EncryptToHexText(std::string(2048, 'x'), kKeyString);
  for (auto _ : state) benchmark::DoNotOptimize(lanvero::cipher::DecryptHexText(hex, kKeyString));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 2048);
}

BENCHMARK(BM_LanveroDesDecrypt);
BENCHMARK(BM_OpenSslDesDecrypt);
BENCHMARK(BM_LanveroDecryptHexRecord);

// Console output plus the bytes-per-second figures, for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto it = run.counters.find("bytes_per_second");
      if (it != run.counters.end()) rates[run.benchmark_name()] = it->second.value;
    }
  }
  std::map<std::string, double> rates;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double ours = reporter.rates["BM_LanveroDesDecrypt"];
  const double openssl = reporter.rates["BM_OpenSslDesDecrypt"];
  if (ours > 0 && openssl > 0) {
    std::printf("DES-ECB decryption: Lanvero %.1f MB/s, OpenSSL %.1f MB/s, ratio Lanvero/OpenSSL = %.2f\n", ours / 1e6,
                openssl / 1e6, ours / openssl);
  }
  benchmark::Shutdown();
  return 0;
}
