// lanvero-cli and mkdb end to end: a small source file goes through the
// real mkdb into a database, the real lanvero-cli reads it back. The
// shipped database is checked against mdbtools' view of the same file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "db/JetReader.h"
#include "db/UnicodeText.h"

namespace {

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ShellQuote(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs `program` with `arguments` (and an optional environment prefix),
// capturing both output streams.
Outcome RunProgram(const std::string& program, const std::vector<std::string>& arguments, const std::string& env = "") {
  const std::string errPath = ::testing::TempDir() + "cli_stderr.txt";
  std::string command = env + " " + ShellQuote(program);
  for (const auto& argument : arguments) command += " " + ShellQuote(argument);
  command += " 2>" + ShellQuote(errPath);
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.out.append(buffer, n);
  const int status = pclose(pipe);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.err = ReadText(errPath);
  return outcome;
}

std::string Tool(const char* variable) {
  const char* path = std::getenv(variable);
  return path ? path : "";
}

constexpr const char* kSource = "编号\t标题\t内容\n"
                                "2\t张姓 zhang\t姓氏：张<br>\\r\\n拼音：zhāng<br>\\r\\n\n"
                                "7\t王姓 wang\t姓氏：王<br>\\r\\n释义：say \"wang\", king<br>\\r\\n\n"
                                "8\t欧阳姓 ouyang\t姓氏：欧阳<br>\\r\\n\n";

class Cli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string source = ::testing::TempDir() + "cli_source.tsv";
    std::ofstream(source, std::ios::binary) << kSource;
    database = ::testing::TempDir() + "cli_test.mdb";
    mkdbResult = RunProgram(Tool("LANVERO_MKDB"), {source, "-o", database});
  }
  Outcome RunCli(const std::vector<std::string>& arguments) {
    std::vector<std::string> all = {"--db", database};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunProgram(Tool("LANVERO_CLI"), all);
  }

  static inline std::string database;
  static inline Outcome mkdbResult;
};

TEST_F(Cli, MkdbBuildsTheSameBytesEveryTime) {
  ASSERT_EQ(mkdbResult.exitCode, 0) << mkdbResult.err;
  const std::string again = ::testing::TempDir() + "cli_again.mdb";
  const std::string source = ::testing::TempDir() + "cli_source.tsv";
  ASSERT_EQ(RunProgram(Tool("LANVERO_MKDB"), {source, "-o", again}).exitCode, 0);
  EXPECT_EQ(ReadText(again), ReadText(database));
  std::remove(again.c_str());
}

TEST_F(Cli, MkdbRefusesBrokenSourceFiles) {
  const std::string source = ::testing::TempDir() + "cli_broken.tsv";
  std::ofstream(source, std::ios::binary) << "编号\t标题\t内容\n5\ta\tb\n4\tc\td\n";
  const Outcome descending = RunProgram(Tool("LANVERO_MKDB"), {source, "-o", source + ".mdb"});
  EXPECT_NE(descending.exitCode, 0);
  EXPECT_NE(descending.err.find("line 3"), std::string::npos) << descending.err;
  std::ofstream(source, std::ios::binary) << "编号\t标题\t内容\n1\ta\t\U0001F600\n";
  EXPECT_NE(RunProgram(Tool("LANVERO_MKDB"), {source, "-o", source + ".mdb"}).exitCode, 0);
}

TEST_F(Cli, ListAndSearchPrintNumberTabTitle) {
  EXPECT_EQ(RunCli({"list"}).out, "2\t张姓 zhang\n7\t王姓 wang\n8\t欧阳姓 ouyang\n");
  EXPECT_EQ(RunCli({"search", "张"}).out, "2\t张姓 zhang\n");
  EXPECT_EQ(RunCli({"search", "Ou Yang"}).out, "8\t欧阳姓 ouyang\n");  // blanks are cleaned away
  EXPECT_EQ(RunCli({"search", "姓"}).exitCode, 0);                     // cleaned to nothing: all
  const Outcome none = RunCli({"search", "赵"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.out, "");
}

TEST_F(Cli, KeywordWithQuoteIsRefusedClearly) {
  const Outcome refused = RunCli({"search", "张'"});
  EXPECT_EQ(refused.exitCode, 4);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("statement refused"), std::string::npos) << refused.err;
}

TEST_F(Cli, ShowPrintsTheBodyWithoutBreakMarks) {
  EXPECT_EQ(RunCli({"show", "2"}).out, "姓氏：张\r\n拼音：zhāng\r\n");
  const Outcome missing = RunCli({"show", "3"});
  EXPECT_EQ(missing.exitCode, 5);
  EXPECT_NE(missing.err.find("no record number 3"), std::string::npos);
  EXPECT_EQ(RunCli({"show", "x"}).exitCode, 2);
}

TEST_F(Cli, ExportQuotesFieldsAsCsv) {
  const std::string csv = RunCli({"export", "--csv"}).out;
  EXPECT_EQ(csv.rfind("编号,标题,内容\r\n", 0), 0u);
  EXPECT_NE(csv.find("7,王姓 wang,\"姓氏：王\r\n释义：say \"\"wang\"\", king\r\n\"\r\n"), std::string::npos) << csv;
}

TEST_F(Cli, BadDatabaseAndUsageErrors) {
  const Outcome bad = RunProgram(Tool("LANVERO_CLI"), {"--db", "/nonexistent.mdb", "list"});
  EXPECT_EQ(bad.exitCode, 3);
  EXPECT_NE(bad.err.find("/nonexistent.mdb"), std::string::npos);
  EXPECT_EQ(RunProgram(Tool("LANVERO_CLI"), {"list"}, "env -u LANVERO_DB").exitCode, 2);
  EXPECT_EQ(RunProgram(Tool("LANVERO_CLI"), {"list"}, "LANVERO_DB=" + ShellQuote(database)).exitCode, 0);
  EXPECT_EQ(RunCli({"frobnicate"}).exitCode, 2);
}

// The database the build ships, as mdbtools and our reader see it.
TEST(ShippedDatabase, ReadsTheSameThroughMdbtoolsAndOurReader) {
  const std::string path = std::string(std::getenv("LANVERO_BINARY_DIR")) + "/assets/data/lanvero.mdb";
  if (RunProgram("sh", {"-c", "command -v mdb-export"}).exitCode != 0) GTEST_SKIP() << "mdbtools not installed";
  const Outcome exported = RunProgram("mdb-export", {"-Q", "-H", "-d", "\t", path, "data"});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;

  const lanvero::db::Table table = lanvero::db::JetDatabase::FromFile(path).ReadTable(u"data");
  std::ostringstream ours;
  for (const auto& row : table.rows) {
    ours << std::get<std::int32_t>(row[0]) << '\t' << lanvero::db::Utf16ToUtf8(std::get<std::u16string>(row[1])) << '\t'
         << lanvero::db::Utf16ToUtf8(std::get<std::u16string>(row[2])) << '\n';
  }
  EXPECT_GT(table.rows.size(), 800u);
  EXPECT_EQ(ours.str(), exported.out);

  const Outcome found = RunProgram(Tool("LANVERO_CLI"), {"--db", path, "search", "张"});
  EXPECT_NE(found.out.find("\t张姓 zhang\n"), std::string::npos);
  const std::string id = found.out.substr(0, found.out.find('\t'));
  EXPECT_EQ(RunProgram(Tool("LANVERO_CLI"), {"--db", path, "show", id}).out.rfind("姓氏：张\r\n", 0), 0u);
}

}  // namespace
