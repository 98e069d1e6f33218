#include "db/JetTableDefinitionWriter.h"

#include <algorithm>

#include "db/JetText.h"

namespace lanvero::db {
namespace {

constexpr std::size_t kIndexColumnSlots = 10;
constexpr std::uint8_t kAscending = 0x01;
constexpr std::uint8_t kUniqueRequiredIndex = 0x01 | 0x08;
constexpr std::uint8_t kPrimaryKeyIndex = 0x01;

void PutColumnEntry(std::vector<std::uint8_t>& out, const JetColumn& column) {
  PutU8(out, column.type);
  PutU32(out, 0);
  PutU16(out, column.number);
  PutU16(out, column.varIndex);
  PutU16(out, column.number);
  PutU16(out, column.sortOrder);
  PutU16(out, 0);
  PutU8(out, column.flags);
  PutU8(out, column.miscFlags);
  PutU32(out, 0);
  PutU16(out, column.fixedOffset);
  PutU16(out, column.length);
}

void PutName(std::vector<std::uint8_t>& out, const std::u16string& name) {
  const std::vector<std::uint8_t> bytes = EncodeJetText(name, false);
  PutU16(out, static_cast<unsigned>(bytes.size()));
  out.insert(out.end(), bytes.begin(), bytes.end());
}

void PutRealIndex(std::vector<std::uint8_t>& out, const JetPrimaryKey& key) {
  PutU32(out, 0);
  PutU16(out, key.columnNumber);
  PutU8(out, kAscending);
  for (std::size_t slot = 1; slot < kIndexColumnSlots; ++slot) {
    PutU16(out, 0xFFFF);
    PutU8(out, 0);
  }
  PutU32(out, key.usedPagesPointer);
  PutU32(out, key.rootPage);
  PutU8(out, kUniqueRequiredIndex);
  out.insert(out.end(), 9, 0);
}

void PutLogicalIndex(std::vector<std::uint8_t>& out) {
  PutU32(out, 0);
  PutU32(out, 0);           // index number
  PutU32(out, 0);           // real index it uses
  PutU8(out, 0);            // related table type
  PutU32(out, 0xFFFFFFFF);  // no foreign key
  PutU32(out, 0);
  PutU8(out, 0);
  PutU8(out, 0);
  PutU8(out, kPrimaryKeyIndex);
  PutU32(out, 0);
}

std::vector<std::uint8_t> BuildBlock(const JetTableDefinitionPlan& plan) {
  const JetTableDefinition& definition = plan.definition;
  const std::uint32_t indexCount = plan.primaryKey ? 1 : 0;
  std::vector<std::uint8_t> block(jet::kTdefEntriesOffset, 0);
  block[0] = jet::kTableDefinitionPage;
  block[1] = 0x01;
  SetU32(block, jet::kTdefRowCountOffset, definition.rowCount);
  SetU32(block, jet::kTdefAutoNumberOffset, definition.nextAutoNumber);
  block[jet::kTdefAutoNumberFlagOffset] = plan.hasAutoNumber ? 1 : 0;
  block[jet::kTdefTableTypeOffset] = definition.tableType;
  SetU16(block, jet::kTdefMaxColumnsOffset, static_cast<unsigned>(definition.columns.size()));
  SetU16(block, jet::kTdefVarColumnsOffset, definition.varColumnCount);
  SetU16(block, jet::kTdefColumnCountOffset, static_cast<unsigned>(definition.columns.size()));
  SetU32(block, jet::kTdefIndexCountOffset, indexCount);
  SetU32(block, jet::kTdefRealIndexCountOffset, indexCount);
  SetU32(block, jet::kTdefUsedPagesOffset, definition.usedPagesPointer);
  SetU32(block, jet::kTdefFreePagesOffset, plan.freePagesPointer);
  if (plan.primaryKey) {
    PutU32(block, 0);
    PutU32(block, definition.rowCount);
    PutU32(block, 0);
  }
  for (const JetColumn& column : definition.columns) PutColumnEntry(block, column);
  for (const JetColumn& column : definition.columns) PutName(block, column.name);
  if (plan.primaryKey) {
    PutRealIndex(block, *plan.primaryKey);
    PutLogicalIndex(block);
    PutName(block, plan.primaryKey->name);
  }
  PutU16(block, 0xFFFF);  // no per-column usage maps follow
  SetU32(block, jet::kTdefLengthOffset, static_cast<std::uint32_t>(block.size()));
  return block;
}

void SetFreeSpace(PageBytes& page, std::size_t used) { SetU16(page, 2, static_cast<unsigned>(jet::kPageSize - used)); }

}  // namespace

void WriteTableDefinition(PageList& pages, std::uint32_t firstPage, const JetTableDefinitionPlan& plan) {
  const std::vector<std::uint8_t> block = BuildBlock(plan);
  std::size_t taken = std::min(block.size(), jet::kPageSize);
  std::copy_n(block.begin(), taken, pages[firstPage].begin());
  SetFreeSpace(pages[firstPage], taken);
  std::uint32_t previous = firstPage;
  while (taken < block.size()) {
    const std::uint32_t next = pages.Add();
    SetU32(pages[previous], jet::kTdefNextPageOffset, next);
    PageBytes& page = pages[next];
    page[0] = jet::kTableDefinitionPage;
    page[1] = 0x01;
    const std::size_t chunk = std::min(block.size() - taken, jet::kPageSize - jet::kTdefContinuationHeader);
    std::copy_n(block.begin() + taken, chunk, page.begin() + jet::kTdefContinuationHeader);
    SetFreeSpace(page, jet::kTdefContinuationHeader + chunk);
    taken += chunk;
    previous = next;
  }
}

}  // namespace lanvero::db
