// The writer's pages: a growing list of 4,096-byte pages, and helpers that
// fill data and long-value pages with rows stored from the end of the page
// towards its row offset table.
#pragma once

#include <cstdint>
#include <vector>

#include "db/JetFormat.h"
#include "db/JetPages.h"

namespace lanvero::db {

using PageBytes = std::vector<std::uint8_t>;

class PageList {
 public:
  std::uint32_t Add() {
    pages_.emplace_back(jet::kPageSize, std::uint8_t{0});
    return static_cast<std::uint32_t>(pages_.size() - 1);
  }
  PageBytes& operator[](std::uint32_t number) { return pages_.at(number); }
  std::uint32_t Count() const { return static_cast<std::uint32_t>(pages_.size()); }
  std::vector<std::uint8_t> Join() const;

 private:
  std::vector<PageBytes> pages_;
};

// A data page owned by the table whose definition is at `ownerPage`.
void InitDataPage(PageBytes& page, std::uint32_t ownerPage);
// A long-value page ("LVAL" in place of the owner).
void InitLongValuePage(PageBytes& page);
// Room for one more row of `length` bytes (with its offset slot)?
bool RowFits(const PageBytes& page, std::size_t length);
// Stores a row and returns its pointer on page `number`.
std::uint32_t AddRow(PageBytes& page, std::uint32_t number, const std::vector<std::uint8_t>& row);

inline std::uint32_t StoredPointer(std::uint32_t page, std::uint32_t row) { return (page << 8) | row; }

// Largest row a fresh data page holds.
inline constexpr std::size_t kMaxRowLength = jet::kPageSize - jet::kDataRowTableOffset - 2;

}  // namespace lanvero::db
