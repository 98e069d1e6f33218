#include "db/JetTableDefinition.h"

#include <algorithm>
#include <unordered_set>

#include "db/JetText.h"

namespace lanvero::db {
namespace {

// A definition longer than a page continues on further pages, each with an
// 8-byte header; the blocks are joined before parsing.
std::vector<std::uint8_t> JoinDefinitionPages(const JetPages& pages, std::uint32_t first) {
  std::vector<std::uint8_t> joined;
  std::unordered_set<std::uint32_t> seen;
  for (std::uint32_t number = first; number != 0;) {
    if (!seen.insert(number).second) throw JetError("corrupt database: table definition pages form a loop");
    const ByteView page = pages.Page(number);
    if (page.U8(0) != jet::kTableDefinitionPage) {
      throw JetError("corrupt database: page " + std::to_string(number) + " is not a table definition page");
    }
    const std::size_t skip = joined.empty() ? 0 : jet::kTdefContinuationHeader;
    joined.insert(joined.end(), page.data() + skip, page.data() + page.size());
    number = page.U32(jet::kTdefNextPageOffset);
  }
  return joined;
}

JetColumn ParseColumnEntry(ByteView entry) {
  JetColumn column;
  column.type = entry.U8(jet::kColumnTypeOffset);
  column.number = entry.U16(jet::kColumnNumberOffset);
  column.varIndex = entry.U16(jet::kColumnVarIndexOffset);
  column.sortOrder = entry.U16(jet::kColumnSortOrderOffset);
  column.flags = entry.U8(jet::kColumnFlagsOffset);
  column.miscFlags = entry.U8(jet::kColumnMiscFlagsOffset);
  column.fixedOffset = entry.U16(jet::kColumnFixedOffsetOffset);
  column.length = entry.U16(jet::kColumnLengthOffset);
  return column;
}

constexpr std::size_t kIndexColumnSlots = 10;

// Per index: 4 unknown bytes, ten (column number, order) slots with 0xFFFF
// for unused ones, the index's usage map, its root page and its flags.
JetIndexDefinition ParseRealIndex(ByteView entry) {
  JetIndexDefinition index;
  for (std::size_t slot = 0; slot < kIndexColumnSlots; ++slot) {
    const std::uint16_t column = entry.U16(4 + 3 * slot);
    if (column != 0xFFFF) index.columnNumbers.push_back(column);
  }
  index.rootPage = entry.U32(4 + 3 * kIndexColumnSlots + 4);
  index.flags = entry.U8(4 + 3 * kIndexColumnSlots + 8);
  return index;
}

}  // namespace

JetTableDefinition ReadTableDefinition(const JetPages& pages, std::uint32_t page) {
  const std::vector<std::uint8_t> joined = JoinDefinitionPages(pages, page);
  const ByteView block(joined.data(), joined.size());
  JetTableDefinition definition;
  definition.page = page;
  definition.rowCount = block.U32(jet::kTdefRowCountOffset);
  definition.nextAutoNumber = block.U32(jet::kTdefAutoNumberOffset);
  definition.tableType = block.U8(jet::kTdefTableTypeOffset);
  definition.varColumnCount = block.U16(jet::kTdefVarColumnsOffset);
  definition.usedPagesPointer = block.U32(jet::kTdefUsedPagesOffset);
  const std::size_t columnCount = block.U16(jet::kTdefColumnCountOffset);
  const std::size_t realIndexCount = block.U32(jet::kTdefRealIndexCountOffset);
  if (realIndexCount > jet::kPageSize)
    throw JetError("corrupt database: implausible index count in a table definition");

  std::size_t position = jet::kTdefEntriesOffset + realIndexCount * jet::kRealIndexEntrySize;
  for (std::size_t i = 0; i < columnCount; ++i, position += jet::kColumnEntrySize) {
    definition.columns.push_back(ParseColumnEntry(block.Sub(position, jet::kColumnEntrySize)));
  }
  for (JetColumn& column : definition.columns) {
    const std::size_t nameLength = block.U16(position);
    column.name = DecodeJetText(block.Sub(position + 2, nameLength));
    position += 2 + nameLength;
  }
  for (std::size_t i = 0; i < realIndexCount; ++i, position += jet::kRealIndexDefinitionSize) {
    definition.indexes.push_back(ParseRealIndex(block.Sub(position, jet::kRealIndexDefinitionSize)));
  }
  std::stable_sort(definition.columns.begin(), definition.columns.end(),
                   [](const JetColumn& a, const JetColumn& b) { return a.number < b.number; });
  return definition;
}

}  // namespace lanvero::db
