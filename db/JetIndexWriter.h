// Writes a unique ascending index on one Long column: leaf pages holding
// every key with the pointer to its row, and levels of node pages above
// them until one page (the root) remains.
#pragma once

#include <cstdint>
#include <vector>

#include "db/JetPageBuilder.h"

namespace lanvero::db {

struct LongIndexEntry {
  std::int32_t key = 0;
  std::uint32_t rowPointer = 0;  // page << 8 | row of the row holding key
};

struct WrittenIndex {
  std::uint32_t rootPage = 0;
  std::vector<std::uint32_t> pages;  // every page of the index, ascending
};

// Appends the index pages to `pages`. Keys must be unique (JetError
// otherwise).
WrittenIndex WriteLongIndex(PageList& pages, std::uint32_t tablePage, std::vector<LongIndexEntry> entries);

// Sort key of a Long value as index entries store it: a flag byte for
// "not null, ascending", then the value big-endian with its sign bit
// flipped, so that byte order equals numeric order.
std::vector<std::uint8_t> LongIndexKey(std::int32_t value);

}  // namespace lanvero::db
