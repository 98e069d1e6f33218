#include "db/JetPages.h"

#include <string>

namespace lanvero::db {

ByteView JetPages::Page(std::uint32_t number) const {
  if (number >= PageCount()) {
    throw JetError("corrupt database: reference to page " + std::to_string(number) + " beyond the end of the file (" +
                   std::to_string(PageCount()) + " pages)");
  }
  return file_.Sub(static_cast<std::size_t>(number) * jet::kPageSize, jet::kPageSize);
}

std::uint32_t JetPages::RowCount(ByteView dataPage) const {
  if (dataPage.U8(0) != jet::kDataPage) throw JetError("corrupt database: a row reference points outside a data page");
  const std::uint32_t count = dataPage.U16(jet::kDataRowCountOffset);
  if (jet::kDataRowTableOffset + 2 * static_cast<std::size_t>(count) > jet::kPageSize) {
    throw JetError("corrupt database: data page row count " + std::to_string(count) + " does not fit the page");
  }
  return count;
}

RowSlot JetPages::Row(ByteView dataPage, std::uint32_t row) const {
  const std::uint32_t count = RowCount(dataPage);
  if (row >= count)
    throw JetError("corrupt database: reference to row " + std::to_string(row) + " of a page holding " +
                   std::to_string(count));
  const std::uint16_t entry = dataPage.U16(jet::kDataRowTableOffset + 2 * row);
  const std::size_t start = entry & jet::kRowOffsetMask;
  const std::size_t end =
      row == 0 ? jet::kPageSize : dataPage.U16(jet::kDataRowTableOffset + 2 * (row - 1)) & jet::kRowOffsetMask;
  RowSlot slot;
  slot.deleted = (entry & jet::kRowDeletedFlag) != 0;
  slot.overflow = (entry & jet::kRowOverflowFlag) != 0;
  if (slot.deleted) return slot;  // deleted rows may have stale offsets
  if (start < jet::kDataRowTableOffset + 2 * count || end < start) {
    throw JetError("corrupt database: row offsets of a data page are out of order");
  }
  slot.bytes = dataPage.Sub(start, end - start);
  return slot;
}

ByteView JetPages::ResolveRow(RowPointer pointer) const {
  // An overflow row points to another row; Jet never chains them, so a
  // second hop means a corrupt (possibly cyclic) file.
  for (int hop = 0; hop < 2; ++hop) {
    const RowSlot slot = Row(Page(pointer.page), pointer.row);
    if (slot.deleted) throw JetError("corrupt database: reference to a deleted row");
    if (!slot.overflow) return slot.bytes;
    pointer = RowPointer::FromStored(slot.bytes.U32(0));
  }
  throw JetError("corrupt database: overflow row points to another overflow row");
}

}  // namespace lanvero::db
