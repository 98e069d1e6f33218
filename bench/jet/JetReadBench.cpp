// Opening a database and reading every row of its table, against
// mdb-export (mdbtools) exporting the same table from the same file in the
// same run; prints the ratio. Reads the file given as first argument, or
// writes a table shaped like the shipped data set (1,509 records) first.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "db/JetReader.h"
#include "db/JetWriter.h"

namespace {

std::string g_path;
std::string g_table = "data";

lanvero::db::Table RecordTable(std::size_t rows) {
  using namespace lanvero::db;
  Table table;
  table.name = u"data";
  table.columns = {{u"编号", ColumnType::Long, true, 0},
                   {u"标题", ColumnType::Text, false, 50},
                   {u"内容", ColumnType::Memo, false, 0}};
  std::uint32_t seed = 1;
  for (std::size_t i = 0; i < rows; ++i) {
    std::u16string body;
    const std::size_t length = 600 + (i * 7919) % 3600;
    for (std::size_t k = 0; k < length; ++k) {
      seed = seed * 1103515245u + 12345u;
      body.push_back(u"0123456789ABCDEF"[(seed >> 16) & 0xF]);
    }
    table.rows.push_back(
        {static_cast<std::int32_t>(i + 1), Value{u"张姓 zhang" + std::u16string(1, u'0' + i % 10)}, Value{body}});
  }
  return table;
}

void BM_LanveroReadAllRows(benchmark::State& state) {
  std::u16string table(g_table.begin(), g_table.end());
  for (auto _ : state) {
    const auto database = lanvero::db::JetDatabase::FromFile(g_path);
    benchmark::DoNotOptimize(database.ReadTable(table).rows.size());
  }
}

// Wall time of the child process, reported as manual time.
void BM_MdbExportAllRows(benchmark::State& state) {
  const std::string command = "mdb-export '" + g_path + "' " + g_table + " > /dev/null";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("mdb-export failed");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

BENCHMARK(BM_LanveroReadAllRows)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MdbExportAllRows)->UseManualTime()->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::string written;
  if (argc > 1) {
    g_path = argv[1];
    if (argc > 2) g_table = argv[2];
  } else {
    const auto bytes = lanvero::db::WriteJetDatabase(RecordTable(1509), {25270, 2052});
    written = "/tmp/lanvero-jet-bench-" + std::to_string(getpid()) + ".mdb";
    std::ofstream(written, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    g_path = written;
    std::printf("benchmark file: %zu bytes, 1509 rows\n", bytes.size());
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double ours = reporter.seconds["BM_LanveroReadAllRows/real_time"];
  const double mdb = reporter.seconds["BM_MdbExportAllRows/manual_time"];
  if (ours > 0 && mdb > 0)
    std::printf("read every row: Lanvero takes %.3f of mdb-export's time (%.1fx faster)\n", ours / mdb, mdb / ours);
  if (!written.empty()) std::remove(written.c_str());
  benchmark::Shutdown();
  return 0;
}
