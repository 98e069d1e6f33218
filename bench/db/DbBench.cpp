// Reading the shipped database, and a like search over titles and bodies,
// against mdb-export (mdbtools) on the same file in the same run. Printed
// at the end as ratios: baseline time / our time (above 1: we are faster).
//
// The database is LANVERO_DATABASE if set, else the one this build made.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "db/Connection.h"
#include "db/Query.h"
#include "db/SearchStatement.h"
#include "db/UnicodeText.h"

namespace {

constexpr const char* kKeyword = "zhang";

std::string DatabasePath() {
  const char* path = std::getenv("LANVERO_DATABASE");
  return path ? path : LANVERO_SHIPPED_DATABASE;
}

std::u16string ConnectionString() {
  return u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + lanvero::db::Utf8ToUtf16(DatabasePath()) +
         u";Persist Security Info=False";
}

// Runs the statement and reads every field of every row as text.
std::size_t ReadAll(lanvero::db::Connection& connection, std::u16string_view statement) {
  lanvero::db::Query query(connection);
  query.Add(statement);
  query.Open();
  std::size_t characters = 0;
  for (std::size_t row = 0; row < query.RecordCount(); ++row) {
    if (row > 0) query.MoveBy(1);
    for (std::size_t field = 0; field < query.FieldCount(); ++field) characters += query.FieldText(field).size();
  }
  return characters;
}

// mdb-export's whole output of table data; `keyword` non-empty: the
// number of lines holding it (ASCII case ignored), as a search over its
// export would find them.
std::size_t MdbExport(const char* keyword) {
  const std::string command = "mdb-export '" + DatabasePath() + "' data";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return 0;
  std::string output;
  char buffer[65536];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  if (!*keyword) return output.size();
  std::size_t matches = 0;
  std::size_t lineStart = 0;
  for (std::size_t end; (end = output.find('\n', lineStart)) != std::string::npos; lineStart = end + 1) {
    std::string line = output.substr(lineStart, end - lineStart);
    for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (line.find(keyword) != std::string::npos) ++matches;
  }
  return matches;
}

void OursReadEveryRow(benchmark::State& state) {
  for (auto _ : state) {
    lanvero::db::Connection connection(ConnectionString());
    benchmark::DoNotOptimize(ReadAll(connection, lanvero::db::kListAllStatement));
  }
}

void MdbExportReadEveryRow(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MdbExport(""));
}

void OursLikeSearchFromFile(benchmark::State& state) {
  const std::u16string statement = lanvero::db::SearchStatement(lanvero::db::Utf8ToUtf16(kKeyword));
  for (auto _ : state) {
    lanvero::db::Connection connection(ConnectionString());
    benchmark::DoNotOptimize(ReadAll(connection, statement));
  }
}

void OursLikeSearchOpenConnection(benchmark::State& state) {
  const std::u16string statement = lanvero::db::SearchStatement(lanvero::db::Utf8ToUtf16(kKeyword));
  lanvero::db::Connection connection(ConnectionString());
  connection.Open();
  for (auto _ : state) benchmark::DoNotOptimize(ReadAll(connection, statement));
}

void MdbExportLikeSearch(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MdbExport(kKeyword));
}

BENCHMARK(OursReadEveryRow)->Unit(benchmark::kMillisecond);
BENCHMARK(MdbExportReadEveryRow)->Unit(benchmark::kMillisecond);
BENCHMARK(OursLikeSearchFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(OursLikeSearchOpenConnection)->Unit(benchmark::kMillisecond);
BENCHMARK(MdbExportLikeSearch)->Unit(benchmark::kMillisecond);

// Console output as usual, keeping each benchmark's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  std::map<std::string, double> times;
};

void PrintRatio(const RatioReporter& reporter, const char* what, const std::string& ours, const std::string& base) {
  const auto o = reporter.times.find(ours);
  const auto b = reporter.times.find(base);
  if (o == reporter.times.end() || b == reporter.times.end() || o->second <= 0) return;
  std::printf("ratio %-46s mdb-export / ours = %.2f\n", what, b->second / o->second);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatio(reporter, "open and read every row:", "OursReadEveryRow", "MdbExportReadEveryRow");
  PrintRatio(reporter, "like search, opening the file:", "OursLikeSearchFromFile", "MdbExportLikeSearch");
  PrintRatio(reporter, "like search, connection already open:", "OursLikeSearchOpenConnection", "MdbExportLikeSearch");
  benchmark::Shutdown();
  return 0;
}
