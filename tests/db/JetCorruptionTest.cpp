// Damaged and hostile files: the reader must answer with JetError (or read
// what is still sound), never crash or read outside the file. The
// sanitizer build turns any out-of-bounds access here into a failure.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "db/JetBytes.h"
#include "db/JetFormat.h"
#include "db/JetPages.h"
#include "db/JetReader.h"
#include "db/JetWriter.h"
#include "tests/db/SampleTables.h"

namespace lanvero::db {
namespace {

// Reads everything a caller would; nullopt when the reader refused the file.
std::optional<std::vector<Table>> ReadAll(std::vector<std::uint8_t> file) {
  try {
    const JetDatabase database = JetDatabase::FromBytes(std::move(file));
    std::vector<Table> tables;
    for (const auto& name : database.TableNames()) tables.push_back(database.ReadTable(name));
    return tables;
  } catch (const JetError&) {
    return std::nullopt;
  }
}

bool ReadsCleanly(std::vector<std::uint8_t> file) { return ReadAll(std::move(file)).has_value(); }

std::string ErrorOf(std::vector<std::uint8_t> file) {
  try {
    JetDatabase::FromBytes(std::move(file));
  } catch (const JetError& error) {
    return error.what();
  }
  return "";
}

TEST(JetCorruption, ForeignFilesAreRefusedWithAReason) {
  EXPECT_NE(ErrorOf({}).find("shorter than one page"), std::string::npos);
  std::vector<std::uint8_t> file = WriteJetDatabase(testing::MakeRecordTable(3), {});
  std::vector<std::uint8_t> renamed = file;
  renamed[4] = 'X';
  EXPECT_NE(ErrorOf(renamed).find("Standard Jet DB"), std::string::npos);
  std::vector<std::uint8_t> jet3 = file;
  jet3[jet::kVersionOffset] = 0;
  EXPECT_NE(ErrorOf(jet3).find("version 0"), std::string::npos);
  EXPECT_NE(ErrorOf(std::vector<std::uint8_t>(file.begin(), file.begin() + 2 * jet::kPageSize)).find("beyond the end"),
            std::string::npos);
}

// A truncated file is refused unless only pages the reader never needs
// (the index) were cut; it never yields missing or altered rows.
TEST(JetCorruption, TruncationNeverYieldsPartialData) {
  const std::vector<std::uint8_t> file = WriteJetDatabase(testing::MakeRecordTable(40), {});
  const auto complete = ReadAll(file);
  ASSERT_TRUE(complete.has_value());
  std::size_t refused = 0;
  for (std::size_t length = 0; length < file.size(); length += jet::kPageSize / 2 + 1) {
    const auto truncated =
        ReadAll(std::vector<std::uint8_t>(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length)));
    if (truncated) {
      EXPECT_EQ(truncated->front().rows, complete->front().rows) << length;
    } else {
      ++refused;
    }
  }
  EXPECT_GT(refused, file.size() / jet::kPageSize);
}

// Every byte of the map, catalog, definition and first data page, set to
// values that typically break offsets and counts.
TEST(JetCorruption, DamagedStructuresNeverCrash) {
  const std::vector<std::uint8_t> file = WriteJetDatabase(testing::MakeRecordTable(4), {});
  std::size_t refused = 0;
  for (std::size_t offset = jet::kPageSize; offset < 6 * jet::kPageSize; ++offset) {
    if (file[offset] == 0 && offset % 61 != 0) continue;  // most zero filler is inert
    for (const std::uint8_t value :
         {std::uint8_t{0x00}, std::uint8_t{0xFF}, static_cast<std::uint8_t>(file[offset] ^ 0x41)}) {
      std::vector<std::uint8_t> damaged = file;
      damaged[offset] = value;
      refused += !ReadsCleanly(std::move(damaged));
    }
  }
  EXPECT_GT(refused, 0u);
}

TEST(JetCorruption, LoopingLongValueChainIsRefused) {
  Table table = testing::MakeRecordTable(1);
  table.rows[0][2] = std::u16string(3000, u'A');  // 6,000 bytes: two chained links
  std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  // Point the first link (row 0 of the first long-value page) at itself.
  std::size_t firstLinkPage = 0;
  while (std::memcmp(file.data() + firstLinkPage * jet::kPageSize + 4, "LVAL", 4) != 0) ++firstLinkPage;
  const std::size_t page = firstLinkPage * jet::kPageSize;
  const std::size_t rowStart = page + (file[page + 14] | (file[page + 15] << 8));
  const std::uint32_t self = static_cast<std::uint32_t>(firstLinkPage) << 8;
  for (int i = 0; i < 4; ++i) file[rowStart + i] = static_cast<std::uint8_t>(self >> (8 * i));
  EXPECT_FALSE(ReadsCleanly(file));
  // The columns around the damaged body are still read when it is not.
  const std::u16string numberAndTitle[] = {u"编号", u"标题"};
  EXPECT_EQ(JetDatabase::FromBytes(file).ReadTable(u"data", numberAndTitle).rows[0][1], table.rows[0][1]);
}

// Start of the memo value (variable slot 1) of row `row` on the first data
// page of the user table (definition on page 4).
std::size_t MemoValueOffset(const std::vector<std::uint8_t>& file, std::uint32_t row) {
  const JetPages pages(ByteView(file.data(), file.size()));
  std::uint32_t page = 5;
  while (pages.Page(page).U8(0) != jet::kDataPage || pages.Page(page).U32(jet::kDataOwnerOffset) != 4) ++page;
  const ByteView bytes = pages.Row(pages.Page(page), row).bytes;
  const std::size_t varTableEnd = bytes.size() - 1 - 2;  // one null-mask byte, then the slot count
  return static_cast<std::size_t>(bytes.data() - file.data()) + bytes.U16(varTableEnd - 4);
}

// Many rows whose memo headers all name the same long chain would make a
// small file decode into gigabytes; the reader refuses instead.
TEST(JetCorruption, SharedLongValueChainsAreRefused) {
  Table table = testing::MakeRecordTable(60);
  for (auto& row : table.rows) row[2] = std::u16string(u"short");
  table.rows[0][2] = std::u16string(3000, u'A');
  std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  ASSERT_TRUE(ReadsCleanly(file));
  const std::size_t chainHeader = MemoValueOffset(file, 0);
  for (std::uint32_t row = 1; row < table.rows.size(); ++row) {
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(chainHeader), jet::kLongValueHeaderSize,
                file.begin() + static_cast<std::ptrdiff_t>(MemoValueOffset(file, row)));
  }
  try {
    JetDatabase::FromBytes(file).ReadTable(u"data");
    ADD_FAILURE() << "shared chains were read";
  } catch (const JetError& error) {
    EXPECT_NE(std::string(error.what()).find("more than the file holds"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace lanvero::db
