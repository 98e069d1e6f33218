// Damaged and hostile files: the reader must answer with JetError (or read
// what is still sound), never crash or read outside the file. The
// sanitizer build turns any out-of-bounds access here into a failure.
#include <gtest/gtest.h>

#include "db/JetFormat.h"
#include "db/JetReader.h"
#include "db/JetWriter.h"
#include "tests/jet/SampleTables.h"

namespace lanvero::db {
namespace {

// Reads everything a caller would; true when the file read cleanly.
bool ReadsCleanly(std::vector<std::uint8_t> file) {
  try {
    const JetDatabase database = JetDatabase::FromBytes(std::move(file));
    for (const auto& name : database.TableNames()) database.ReadTable(name);
    return true;
  } catch (const JetError&) {
    return false;
  }
}

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

TEST(JetCorruption, EveryTruncationIsRefused) {
  const std::vector<std::uint8_t> file = WriteJetDatabase(testing::MakeRecordTable(40), {});
  ASSERT_TRUE(ReadsCleanly(file));
  for (std::size_t length = 0; length < file.size(); length += jet::kPageSize / 2 + 1) {
    EXPECT_FALSE(ReadsCleanly(std::vector<std::uint8_t>(file.begin(), file.begin() + length))) << length;
  }
}

// Every byte of the map, catalog, definition and first data pages, set to
// values that typically break offsets and counts.
TEST(JetCorruption, DamagedStructuresNeverCrash) {
  const std::vector<std::uint8_t> file = WriteJetDatabase(testing::MakeRecordTable(12), {});
  std::size_t refused = 0;
  for (std::size_t offset = jet::kPageSize; offset < 7 * jet::kPageSize; ++offset) {
    if (file[offset] == 0 && offset % 61 != 0) continue;  // most zero filler is inert
    for (const std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0xFF}, static_cast<std::uint8_t>(file[offset] ^ 0x41)}) {
      std::vector<std::uint8_t> damaged = file;
      damaged[offset] = value;
      refused += !ReadsCleanly(std::move(damaged));
    }
  }
  EXPECT_GT(refused, 0u);
}

TEST(JetCorruption, LoopingLongValueChainIsRefused) {
  Table table = testing::MakeRecordTable(1);
  table.rows[0][2] = std::u16string(5000, u'A');  // two chained links
  std::vector<std::uint8_t> file = WriteJetDatabase(table, {});
  // The second link's next pointer (row 0 of the last page) points back to
  // the first link.
  const std::size_t lastPage = file.size() / jet::kPageSize - 1;
  const std::size_t rowStart = lastPage * jet::kPageSize + (file[lastPage * jet::kPageSize + 14] | (file[lastPage * jet::kPageSize + 15] << 8));
  const std::uint32_t firstLink = static_cast<std::uint32_t>(lastPage - 1) << 8;
  for (int i = 0; i < 4; ++i) file[rowStart + i] = static_cast<std::uint8_t>(firstLink >> (8 * i));
  EXPECT_FALSE(ReadsCleanly(file));
}

}  // namespace
}  // namespace lanvero::db
