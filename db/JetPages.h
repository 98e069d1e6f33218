// Page-level access to a Jet 4 file held in memory: pages by number and the
// rows of data pages, found through their row offset tables.
#pragma once

#include <cstdint>
#include <vector>

#include "db/JetBytes.h"
#include "db/JetFormat.h"

namespace lanvero::db {

// A row pointer as Jet stores it: page number << 8 | row number.
struct RowPointer {
  std::uint32_t page = 0;
  std::uint32_t row = 0;
  static RowPointer FromStored(std::uint32_t stored) { return {stored >> 8, stored & 0xFF}; }
};

struct RowSlot {
  ByteView bytes;
  bool deleted = false;
  bool overflow = false;  // the row holds a pointer to the real row
};

class JetPages {
 public:
  explicit JetPages(ByteView file) : file_(file) {}

  std::uint32_t PageCount() const { return static_cast<std::uint32_t>(file_.size() / jet::kPageSize); }
  ByteView Page(std::uint32_t number) const;

  // Rows of a data or long-value page (type 0x01), in slot order.
  std::uint32_t RowCount(ByteView dataPage) const;
  RowSlot Row(ByteView dataPage, std::uint32_t row) const;

  // The bytes of a live row, following overflow pointers.
  ByteView ResolveRow(RowPointer pointer) const;

 private:
  ByteView file_;
};

}  // namespace lanvero::db
