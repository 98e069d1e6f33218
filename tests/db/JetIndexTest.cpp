// The primary-key index the writer builds, walked from the root given in
// the table definition: every row appears once, keys ascend, and each
// entry points at the row holding its key.
#include <gtest/gtest.h>

#include "db/JetFormat.h"
#include "db/JetIndexWriter.h"
#include "db/JetPages.h"
#include "db/JetRowDecoder.h"
#include "db/JetTableDefinition.h"
#include "db/JetWriter.h"
#include "tests/db/SampleTables.h"

namespace lanvero::db {
namespace {

struct LeafEntry {
  std::int32_t key;
  RowPointer row;
};

std::uint32_t BigEndian(ByteView bytes, std::size_t offset, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | bytes.U8(offset + i);
  return value;
}

// Entries of an index page, split where the page's bitmask marks their ends.
std::vector<ByteView> PageEntries(ByteView page) {
  std::vector<ByteView> entries;
  std::size_t start = 0;
  for (std::size_t bit = 1; bit < (0x1E0 - 0x1B) * 8; ++bit) {
    if (page.U8(0x1B + bit / 8) & (1u << (bit % 8))) {
      entries.push_back(page.Sub(0x1E0 + start, bit - start));
      start = bit;
    }
  }
  return entries;
}

void Walk(const JetPages& pages, std::uint32_t number, std::vector<LeafEntry>& out) {
  const ByteView page = pages.Page(number);
  for (const ByteView entry : PageEntries(page)) {
    if (page.U8(0) == jet::kIndexNodePage) {
      Walk(pages, BigEndian(entry, entry.size() - 4, 4), out);
      continue;
    }
    ASSERT_EQ(page.U8(0), jet::kIndexLeafPage);
    ASSERT_EQ(entry.size(), 9u);
    EXPECT_EQ(entry.U8(0), 0x7F);
    out.push_back(
        {static_cast<std::int32_t>(BigEndian(entry, 1, 4) ^ 0x80000000u), {BigEndian(entry, 5, 3), entry.U8(8)}});
  }
}

TEST(JetIndex, TreeCoversEveryRowInKeyOrder) {
  Table table = testing::MakeRecordTable(1500);
  std::swap(table.rows[3], table.rows[900]);  // keys out of physical order
  table.rows[10][0] = std::int32_t{-5};
  const std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  const JetPages pages(ByteView(file.data(), file.size()));
  const JetTableDefinition definition = ReadTableDefinition(pages, 4);
  ASSERT_EQ(definition.indexes.size(), 1u);
  EXPECT_EQ(definition.indexes[0].columnNumbers, std::vector<std::uint16_t>{0});
  EXPECT_EQ(pages.Page(definition.indexes[0].rootPage).U8(0), jet::kIndexNodePage)
      << "1,500 keys need more than one leaf";

  std::vector<LeafEntry> entries;
  Walk(pages, definition.indexes[0].rootPage, entries);
  ASSERT_EQ(entries.size(), table.rows.size());
  const JetRowDecoder decoder(pages, definition);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(entries[i - 1].key, entries[i].key);
    }
    EXPECT_EQ(decoder.Decode(pages.ResolveRow(entries[i].row))[0], Value{entries[i].key});
  }
  EXPECT_EQ(entries.front().key, -5);
}

TEST(JetIndex, KeysSortAsSignedNumbers) {
  EXPECT_LT(LongIndexKey(-1), LongIndexKey(0));
  EXPECT_LT(LongIndexKey(INT32_MIN), LongIndexKey(-1));
  EXPECT_LT(LongIndexKey(255), LongIndexKey(256));
}

TEST(JetIndex, DuplicateKeysAreRefused) {
  Table table = testing::MakeRecordTable(3);
  table.rows[2][0] = table.rows[0][0];
  EXPECT_THROW(WriteJetDatabase(table, {}), JetError);
}

}  // namespace
}  // namespace lanvero::db
