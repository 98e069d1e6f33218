// Stores long values (Memo) for the writer: small values inline in the row,
// values that fit one page in a single long-value row, larger ones as a
// chain of rows on successive long-value pages.
#pragma once

#include <cstdint>
#include <vector>

#include "db/JetPageBuilder.h"

namespace lanvero::db {

class JetLongValueWriter {
 public:
  explicit JetLongValueWriter(PageList& pages) : pages_(pages) {}

  // The bytes the row stores for the value: the 12-byte header, followed by
  // the value itself when it is kept inline.
  std::vector<std::uint8_t> Store(const std::vector<std::uint8_t>& value);

  static constexpr std::size_t kInlineLimit = 64;

 private:
  std::uint32_t StoreSingleRow(const std::vector<std::uint8_t>& value);
  std::uint32_t StoreChain(const std::vector<std::uint8_t>& value);
  std::uint32_t FreshPage();

  PageList& pages_;
  std::uint32_t currentPage_ = 0;  // 0: none yet
};

}  // namespace lanvero::db
