// Files written by the Jet writer read back through the reader: values,
// column definitions, header fields, and the structures (usage map kinds,
// long-value kinds, multi-page definitions) that the data forces.
#include <gtest/gtest.h>

#include <cstring>

#include "db/JetBytes.h"
#include "db/JetFormat.h"
#include "db/JetPageBuilder.h"
#include "db/JetPages.h"
#include "db/JetReader.h"
#include "db/JetTableDefinition.h"
#include "db/JetWriter.h"
#include "tests/db/SampleTables.h"

namespace lanvero::db {
namespace {

using testing::MakeRecordTable;
using testing::MakeWideTable;

std::uint32_t UsageMapKind(const std::vector<std::uint8_t>& file, std::uint32_t tdefPage) {
  const JetPages pages(ByteView(file.data(), file.size()));
  const JetTableDefinition definition = ReadTableDefinition(pages, tdefPage);
  return pages.ResolveRow(RowPointer::FromStored(definition.usedPagesPointer)).U8(0);
}

TEST(JetRoundTrip, RecordTableReadsBackUnchanged) {
  const Table table = MakeRecordTable(1500);
  const std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  const JetDatabase database = JetDatabase::FromBytes(file);
  EXPECT_EQ(database.TableNames(), std::vector<std::u16string>{u"data"});
  const Table back = database.ReadTable(u"DATA");
  EXPECT_EQ(back.name, u"data");
  EXPECT_EQ(back.columns.size(), 3u);
  EXPECT_TRUE(back.columns[0].autoNumber);
  EXPECT_EQ(back.columns[1].type, ColumnType::Text);
  EXPECT_EQ(back.columns[1].maxChars, 50);
  EXPECT_EQ(back.columns[2].type, ColumnType::Memo);
  for (std::size_t c = 0; c < 3; ++c) EXPECT_EQ(back.columns[c].name, table.columns[c].name);
  ASSERT_EQ(back.rows.size(), table.rows.size());
  for (std::size_t r = 0; r < table.rows.size(); ++r) ASSERT_EQ(back.rows[r], table.rows[r]) << "row " << r;
  // Data pages interleave with long-value pages beyond an inline map's reach.
  EXPECT_EQ(UsageMapKind(file, 4), jet::kReferenceMap);
}

TEST(JetRoundTrip, NamedColumnsAloneAreRead) {
  const Table table = MakeRecordTable(300);
  const JetDatabase database = JetDatabase::FromBytes(WriteJetDatabase(table, {}));
  const std::u16string named[] = {u"内容", u"编号", u"no such column"};
  const Table back = database.ReadTable(u"data", named);
  ASSERT_EQ(back.columns.size(), 3u) << "every column is listed";
  ASSERT_EQ(back.rows.size(), table.rows.size());
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    ASSERT_EQ(back.rows[r][0], table.rows[r][0]) << "row " << r;
    ASSERT_EQ(back.rows[r][1], Value{}) << "row " << r;
    ASSERT_EQ(back.rows[r][2], table.rows[r][2]) << "row " << r;
  }
}

TEST(JetRoundTrip, SmallTableUsesInlineMapAndEveryLongValueKind) {
  Table table = MakeRecordTable(12);
  const std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  EXPECT_EQ(UsageMapKind(file, 4), jet::kInlineMap);
  EXPECT_EQ(JetDatabase::FromBytes(file).ReadTable(u"data").rows, table.rows);
  // Memo values: 40 chars inline, 300 on one page, 6000 (12,000 bytes) chained.
  const JetPages pages(ByteView(file.data(), file.size()));
  std::size_t longValuePages = 0;
  for (std::uint32_t p = 0; p < pages.PageCount(); ++p) {
    longValuePages += std::memcmp(pages.Page(p).data() + 4, "LVAL", 4) == 0;
  }
  EXPECT_GE(longValuePages, 4u);
}

TEST(JetRoundTrip, HeaderCarriesIdentificationAndSortOrder) {
  const std::vector<std::uint8_t> file = WriteJetDatabase(MakeRecordTable(3), {0, 1033});
  ASSERT_EQ(file.size() % jet::kPageSize, 0u);
  EXPECT_EQ(std::memcmp(file.data() + 4, "Standard Jet DB", 15), 0);
  EXPECT_EQ(file[0x14], 1);
  EXPECT_EQ(JetDatabase::FromBytes(file).SortOrder(), 1033);
  EXPECT_EQ(JetDatabase::FromBytes(WriteJetDatabase(MakeRecordTable(3), {})).SortOrder(), 2052);
}

TEST(JetRoundTrip, OutputIsDeterministic) {
  const Table table = MakeRecordTable(200);
  EXPECT_EQ(WriteJetDatabase(table, {}), WriteJetDatabase(table, {}));
}

TEST(JetRoundTrip, AutoNumberCounterFollowsOptionOrLargestValue) {
  const Table table = MakeRecordTable(10);  // ids 1, 4, ..., 28
  const auto counter = [](const std::vector<std::uint8_t>& file) {
    const JetPages pages(ByteView(file.data(), file.size()));
    return ReadTableDefinition(pages, 4).nextAutoNumber;
  };
  EXPECT_EQ(counter(WriteJetDatabase(table, {})), 29u);
  EXPECT_EQ(counter(WriteJetDatabase(table, {25270, 2052})), 25270u);
}

TEST(JetRoundTrip, WideTableDefinitionSpansPages) {
  const Table table = MakeWideTable(200, 40);
  const std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  EXPECT_NE(ByteView(file.data(), file.size()).U32(4 * jet::kPageSize + 4), 0u) << "definition should continue";
  const Table back = JetDatabase::FromBytes(file).ReadTable(u"wide");
  ASSERT_EQ(back.columns.size(), 200u);
  EXPECT_EQ(back.columns[199].name, table.columns[199].name);
  EXPECT_EQ(back.rows, table.rows);
}

TEST(JetRoundTrip, EmptyTableHasNoRows) {
  const Table table = MakeRecordTable(0);
  EXPECT_TRUE(JetDatabase::FromBytes(WriteJetDatabase(table, {})).ReadTable(u"data").rows.empty());
}

TEST(JetRoundTrip, DeletedRowsAreSkipped) {
  std::vector<std::uint8_t> file = WriteJetDatabase(MakeRecordTable(6), {});
  // The first data page of the table follows the fixed pages 0..4.
  const std::size_t rowTable = 5 * jet::kPageSize + jet::kDataRowTableOffset;
  ASSERT_EQ(file[5 * jet::kPageSize], jet::kDataPage);
  file[rowTable + 2 * 1 + 1] |= 0x80;  // row 1
  const Table back = JetDatabase::FromBytes(file).ReadTable(u"data");
  ASSERT_EQ(back.rows.size(), 5u);
  EXPECT_EQ(back.rows[1][0], Value{std::int32_t{7}});
}

// A row that outgrew its page is left behind as a pointer to its new place
// (a page outside the table's map); it still reads at its old position.
TEST(JetRoundTrip, OverflowRowsAreFollowed) {
  const Table table = MakeRecordTable(6);
  std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  constexpr std::uint32_t kDataPage = 5;
  PageBytes moved(jet::kPageSize);
  InitDataPage(moved, 0);
  const std::uint32_t newPage = static_cast<std::uint32_t>(file.size() / jet::kPageSize);
  {
    const JetPages pages(ByteView(file.data(), file.size()));
    const ByteView row = pages.Row(pages.Page(kDataPage), 2).bytes;
    AddRow(moved, newPage, std::vector<std::uint8_t>(row.data(), row.data() + row.size()));
  }
  const std::size_t slot = kDataPage * jet::kPageSize + jet::kDataRowTableOffset + 2 * 2;
  const std::size_t rowStart = file[slot] | ((file[slot + 1] & 0x1F) << 8);
  file[slot + 1] |= 0x40;
  SetU32(file, kDataPage * jet::kPageSize + rowStart, StoredPointer(newPage, 0));
  std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(kDataPage * jet::kPageSize + rowStart + 4), 8, 0xEE);
  file.insert(file.end(), moved.begin(), moved.end());
  EXPECT_EQ(JetDatabase::FromBytes(file).ReadTable(u"data").rows, table.rows);
}

TEST(JetWriter, RejectsValuesTheSchemaCannotHold) {
  Table table = MakeRecordTable(2);
  table.rows[1][1] = std::u16string(51, u'x');
  EXPECT_THROW(WriteJetDatabase(table, {}), JetError);
  table = MakeRecordTable(2);
  table.rows[0][0] = Value{};
  EXPECT_THROW(WriteJetDatabase(table, {}), JetError);
  table = MakeRecordTable(2);
  table.rows[0][2] = std::int32_t{5};
  EXPECT_THROW(WriteJetDatabase(table, {}), JetError);
  table = MakeRecordTable(2);
  table.rows[0].pop_back();
  EXPECT_THROW(WriteJetDatabase(table, {}), JetError);
  table = MakeRecordTable(2);
  table.columns[2].name = u"标题";  // the name of column 1
  EXPECT_THROW(WriteJetDatabase(table, {}), JetError);
  table = MakeRecordTable(2);
  table.name.clear();
  EXPECT_THROW(WriteJetDatabase(table, {}), JetError);
}

TEST(JetReader, UnknownTableIsAnError) {
  const JetDatabase database = JetDatabase::FromBytes(WriteJetDatabase(MakeRecordTable(2), {}));
  EXPECT_THROW(database.ReadTable(u"missing"), JetError);
  // The catalog is found by name but holds column types outside the table
  // model, which are refused rather than dropped.
  EXPECT_THROW(database.ReadTable(u"MSysObjects"), JetError);
}

}  // namespace
}  // namespace lanvero::db
