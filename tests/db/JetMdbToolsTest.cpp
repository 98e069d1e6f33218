// Files from the Jet writer read by an independent reader: Debian's
// mdbtools (mdb-tables, mdb-schema, mdb-export) must list the table, its
// columns and index, and export exactly the rows written.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "db/JetReader.h"
#include "db/JetText.h"
#include "db/UnicodeText.h"
#include "db/JetWriter.h"
#include "tests/db/SampleTables.h"

namespace lanvero::db {
namespace {

bool HaveMdbTools() { return std::system("command -v mdb-export >/dev/null 2>&1") == 0; }

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  EXPECT_EQ(pclose(pipe), 0) << command;
  return output;
}

class MdbToolsReadBack : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveMdbTools()) GTEST_SKIP() << "mdbtools is not installed (apt-get install mdbtools); cross-check skipped";
  }
  std::string WriteFile(const Table& table, const std::string& name) {
    const std::vector<std::uint8_t> bytes = WriteJetDatabase(table, {25270, 2052});
    path_ = ::testing::TempDir() + name + "-" + std::to_string(getpid()) + ".mdb";
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path_;
  }
  void TearDown() override {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  std::string path_;
};

std::string ExpectedExport(const Table& table) {
  std::ostringstream out;
  for (std::size_t c = 0; c < table.columns.size(); ++c) out << (c ? "\t" : "") << Utf16ToUtf8(table.columns[c].name);
  out << "\n";
  for (const auto& row : table.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c) out << "\t";
      if (const auto* number = std::get_if<std::int32_t>(&row[c])) out << *number;
      if (const auto* text = std::get_if<std::u16string>(&row[c])) out << Utf16ToUtf8(*text);
    }
    out << "\n";
  }
  return out.str();
}

TEST_F(MdbToolsReadBack, RecordTableExportsTheSameRows) {
  const Table table = testing::MakeRecordTable(1500);
  const std::string file = WriteFile(table, "records");
  EXPECT_EQ(RunCommand("mdb-ver '" + file + "'"), "JET4\n");
  EXPECT_EQ(RunCommand("mdb-tables -1 '" + file + "'"), "data\n");
  const std::string schema = RunCommand("mdb-schema '" + file + "' mysql");
  EXPECT_NE(schema.find("`编号`\t\t\tint not null auto_increment"), std::string::npos) << schema;
  EXPECT_NE(schema.find("`标题`\t\t\tvarchar (50)"), std::string::npos) << schema;
  EXPECT_NE(schema.find("`内容`\t\t\ttext"), std::string::npos) << schema;
  EXPECT_NE(schema.find("ADD PRIMARY KEY (`编号`)"), std::string::npos) << schema;
  const std::string exported = RunCommand("mdb-export -Q -d '\t' '" + file + "' data");
  const std::string expected = ExpectedExport(table);
  ASSERT_EQ(exported.size(), expected.size());
  EXPECT_TRUE(exported == expected);
}

TEST_F(MdbToolsReadBack, MultiPageDefinitionExportsTheSameRows) {
  const Table table = testing::MakeWideTable(200, 30);
  const std::string file = WriteFile(table, "wide");
  EXPECT_EQ(RunCommand("mdb-tables -1 '" + file + "'"), "wide\n");
  EXPECT_EQ(RunCommand("mdb-export -Q -d '\t' '" + file + "' wide"), ExpectedExport(table));
}

// The database the build ships, read by both readers.
TEST_F(MdbToolsReadBack, ShippedDatabaseReadsTheSameInBothReaders) {
  const char* binaryDir = std::getenv("LANVERO_BINARY_DIR");
  const std::string file = std::string(binaryDir ? binaryDir : ".") + "/assets/data/lanvero.mdb";
  if (!std::ifstream(file).good())
    GTEST_SKIP() << "no built database at " << file << " (build target lanvero_database)";
  const Table table = JetDatabase::FromFile(file).ReadTable(u"data");
  EXPECT_GT(table.rows.size(), 100u);
  EXPECT_EQ(RunCommand("mdb-export -Q -d '\t' '" + file + "' data"), ExpectedExport(table));
}

}  // namespace
}  // namespace lanvero::db
