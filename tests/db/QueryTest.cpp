// Connection and query over a real Jet 4 file written by the writer:
// navigation, notifications, in-memory edits and errors.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/JetReader.h"
#include "db/JetWriter.h"
#include "db/Query.h"
#include "db/SearchStatement.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

Table SampleTable() {
  Table table;
  table.name = u"data";
  table.columns = {{u"编号", ColumnType::Long, true, 0},
                   {u"标题", ColumnType::Text, false, 50},
                   {u"内容", ColumnType::Memo, false, 0}};
  table.rows = {{Value{3}, Value{u"张姓 zhang"}, Value{u"ABCDEF"}},
                {Value{5}, Value{u"王姓 wang"}, Value{u"012345"}},
                {Value{9}, Value{u"章姓 zhang"}, Value{u"ABAB00"}}};
  return table;
}

class DatabaseFile {
 public:
  explicit DatabaseFile(const Table& table) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = ::testing::TempDir() + "query_" + info->name() + ".mdb";
    const std::vector<std::uint8_t> bytes = WriteJetDatabase(table, JetWriteOptions{10});
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  ~DatabaseFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }
  std::u16string ConnectionString() const {
    return u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Utf8ToUtf16(path_) + u";Persist Security Info=False";
  }

 private:
  std::string path_;
};

// Records notifications as text so whole sequences can be compared.
class Recorder : public QueryListener {
 public:
  void QueryOpened(Query& q) override { events.push_back("opened " + std::to_string(q.RecordCount())); }
  void QueryClosed(Query&) override { events.push_back("closed"); }
  void CurrentRowChanged(Query&, std::size_t row) override { events.push_back("row " + std::to_string(row)); }
  void FieldEdited(Query&, std::size_t row, std::size_t field) override {
    events.push_back("edited " + std::to_string(row) + "," + std::to_string(field));
  }
  std::vector<std::string> events;
};

class QueryOverFile : public ::testing::Test {
 protected:
  QueryOverFile() : file(SampleTable()), connection(file.ConnectionString()), query(connection) {
    query.AddListener(recorder);
  }
  void Run(std::u16string_view statement) {
    query.Close();
    query.Clear();
    query.Add(statement);
    query.Open();
  }

  DatabaseFile file;
  Connection connection;
  Query query;
  Recorder recorder;
};

TEST_F(QueryOverFile, OpensConnectionOnFirstUseAndReadsRowsInOrder) {
  EXPECT_FALSE(connection.Connected());
  Run(kRefreshStatement);
  EXPECT_TRUE(connection.Connected());
  EXPECT_EQ(query.RecordCount(), 3u);
  EXPECT_FALSE(query.Eof());
  EXPECT_EQ(query.FieldCount(), 3u);
  EXPECT_EQ(query.FieldName(1), u"标题");
  EXPECT_EQ(query.FieldText(0), u"3");
  EXPECT_EQ(query.FieldText(2), u"ABCDEF");
}

TEST_F(QueryOverFile, MoveByStaysPutAtEitherEnd) {
  Run(kListAllStatement);
  EXPECT_EQ(query.MoveBy(-1), 0);
  EXPECT_TRUE(query.Bof());
  EXPECT_EQ(query.MoveBy(1), 1);
  EXPECT_EQ(query.MoveBy(1), 1);
  EXPECT_EQ(query.FieldText(1), u"章姓 zhang");
  EXPECT_EQ(query.MoveBy(1), 0);
  EXPECT_TRUE(query.Eof());
  EXPECT_EQ(query.CurrentRow(), 2u);
  EXPECT_EQ(query.MoveBy(-1), -1);
  EXPECT_FALSE(query.Eof());
  EXPECT_THAT(recorder.events, ::testing::ElementsAre("opened 3", "row 1", "row 2", "row 1"));
}

TEST_F(QueryOverFile, SearchMatchesTitlesAndHexBodies) {
  Run(SearchStatement(CleanSearchKeyword(u"zhang")));
  EXPECT_EQ(query.RecordCount(), 2u);
  Run(SearchStatement(u"ab"));  // hex digits reach the bodies, without regard to case
  EXPECT_EQ(query.RecordCount(), 2u);
  Run(SearchStatement(u"nothing"));
  EXPECT_EQ(query.RecordCount(), 0u);
  EXPECT_TRUE(query.Eof());
  EXPECT_THROW(query.FieldText(0), DbError);
  EXPECT_EQ(query.MoveBy(1), 0);
}

TEST_F(QueryOverFile, RefusedStatementLeavesQueryClosed) {
  Run(kListAllStatement);
  query.Clear();
  query.Add(SearchStatement(u"a'b"));
  EXPECT_THROW(query.Open(), SqlError);
  EXPECT_FALSE(query.Active());
  EXPECT_THROW(query.RecordCount(), DbError);
  query.Clear();
  query.Add(u"Select * from MSysObjects");  // system tables are not for queries
  EXPECT_THROW(query.Open(), SqlError);
}

TEST_F(QueryOverFile, EditsChangeMemoryOfThisConnectionOnly) {
  Run(kListAllStatement);
  query.MoveBy(1);
  query.SetFieldText(1, u"新标题");
  EXPECT_EQ(query.FieldText(1), u"新标题");
  Run(kRefreshStatement);  // same connection: the edit is still there
  query.MoveBy(1);
  EXPECT_EQ(query.FieldText(1), u"新标题");
  connection.Close();  // drops the in-memory rows; the file never changed
  Run(kRefreshStatement);
  query.MoveBy(1);
  EXPECT_EQ(query.FieldText(1), u"王姓 wang");
  EXPECT_THAT(recorder.events, ::testing::Contains("edited 1,1"));
}

// The connection keeps the columns statements select, read when one first
// needs them; a column only a condition compares is read for the test and
// not kept.
TEST_F(QueryOverFile, ColumnsAreReadWhenAStatementFirstNeedsThem) {
  Run(u"Select 编号,标题 from data");
  const Table& table = connection.TableNamed(u"data", {});
  EXPECT_EQ(table.rows[0][2], Value{}) << "the body was read for a statement that does not name it";
  query.MoveBy(1);
  query.SetFieldText(1, u"新标题");

  Run(u"Select 编号 from data where 内容 like '%ab%' or 标题 like '新%'");
  EXPECT_EQ(query.RecordCount(), 3u);
  EXPECT_EQ(query.FieldText(0), u"3");
  EXPECT_EQ(query.FieldCount(), 1u);
  EXPECT_EQ(table.rows[2][2], Value{}) << "a body read only for a condition was kept";
  EXPECT_EQ(connection.UnreadColumns(u"data", std::vector<std::u16string>{u"内容", u"标题"}),
            std::vector<std::u16string>{u"内容"});

  Run(kListAllStatement);
  query.MoveBy(1);
  EXPECT_EQ(query.FieldText(1), u"新标题") << "reading more columns keeps the edits";
  EXPECT_EQ(query.FieldText(2), u"012345");
  Run(u"Select 编号 from data where 内容 like '%ab%'");  // now from memory
  EXPECT_EQ(query.RecordCount(), 2u);
}

TEST_F(QueryOverFile, EditsThatTheColumnCannotHoldAreRefused) {
  Run(kListAllStatement);
  EXPECT_THROW(query.SetFieldText(0, u"42"), DbError);  // AutoNumber
  EXPECT_THROW(query.SetFieldText(1, std::u16string(51, u'x')), DbError);
  EXPECT_NO_THROW(query.SetFieldText(2, std::u16string(5000, u'x')));
  EXPECT_THROW(query.SetFieldText(3, u"x"), DbError);
}

TEST_F(QueryOverFile, ClosingTheConnectionClosesItsQueries) {
  Run(kListAllStatement);
  connection.Close();
  EXPECT_FALSE(query.Active());
  EXPECT_FALSE(connection.Connected());
  EXPECT_THAT(recorder.events, ::testing::ElementsAre("opened 3", "closed"));
  query.Close();  // closing again does nothing
  EXPECT_EQ(recorder.events.size(), 2u);
}

#ifdef __linux__
// How many of this process's open descriptors refer to `path`.
int OpenHandlesTo(const std::string& path) {
  const auto target = std::filesystem::canonical(path);
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (std::filesystem::read_symlink(entry.path(), error) == target) ++count;
  }
  return count;
}

TEST(Connection, HoldsTheFileWhileOpenAndReleasesItOnClose) {
  DatabaseFile file(SampleTable());
  Connection connection(file.ConnectionString());
  EXPECT_EQ(OpenHandlesTo(file.Path()), 0);
  connection.Open();
  EXPECT_EQ(OpenHandlesTo(file.Path()), 1);
  connection.Close();
  EXPECT_EQ(OpenHandlesTo(file.Path()), 0);
}
#endif

TEST(Connection, RefusesBadSettingsAndFiles) {
  Connection noString;
  EXPECT_THROW(noString.Open(), DbError);

  Connection missing(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/nonexistent/_.dll");
  EXPECT_ANY_THROW(missing.Open());
  EXPECT_FALSE(missing.Connected());

  const std::string notJet = ::testing::TempDir() + "not_jet.mdb";
  std::ofstream(notJet) << "Standard Jet DB? no.";
  Connection garbage(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Utf8ToUtf16(notJet));
  EXPECT_THROW(garbage.Open(), JetError);
  EXPECT_FALSE(garbage.Connected());
  std::remove(notJet.c_str());
}

TEST(Connection, StringCannotChangeWhileOpen) {
  DatabaseFile file(SampleTable());
  Connection connection(file.ConnectionString());
  connection.Open();
  EXPECT_THROW(connection.SetConnectionString(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x"), DbError);
  connection.Close();
  EXPECT_NO_THROW(connection.SetConnectionString(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x"));
}

TEST(Connection, QueryOutlivingItsConnectionIsSafe) {
  DatabaseFile file(SampleTable());
  auto connection = std::make_unique<Connection>(file.ConnectionString());
  Query query(*connection);
  query.Add(kListAllStatement);
  query.Open();
  connection.reset();
  EXPECT_FALSE(query.Active());
  EXPECT_THROW(query.Open(), DbError);
}

}  // namespace
}  // namespace lanvero::db
