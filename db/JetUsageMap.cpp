#include "db/JetUsageMap.h"

#include <string>

namespace lanvero::db {
namespace {

void CollectBits(ByteView bitmap, std::uint64_t firstPage, std::uint32_t pageCount, std::vector<std::uint32_t>& out) {
  for (std::size_t byte = 0; byte < bitmap.size(); ++byte) {
    const std::uint8_t bits = bitmap.U8(byte);
    for (int bit = 0; bits != 0 && bit < 8; ++bit) {
      if (!(bits & (1u << bit))) continue;
      const std::uint64_t page = firstPage + byte * 8 + bit;
      if (page >= pageCount) {
        throw JetError("corrupt database: usage map marks page " + std::to_string(page) +
                       " beyond the end of the file");
      }
      out.push_back(static_cast<std::uint32_t>(page));
    }
  }
}

}  // namespace

std::vector<std::uint32_t> ReadUsageMap(const JetPages& pages, std::uint32_t mapRow) {
  const ByteView map = pages.ResolveRow(RowPointer::FromStored(mapRow));
  std::vector<std::uint32_t> used;
  switch (map.U8(0)) {
    case jet::kInlineMap: CollectBits(map.From(5), map.U32(1), pages.PageCount(), used); break;
    case jet::kReferenceMap:
      for (std::size_t slot = 0; 1 + 4 * slot + 4 <= map.size(); ++slot) {
        const std::uint32_t mapPageNumber = map.U32(1 + 4 * slot);
        if (mapPageNumber == 0) continue;
        const ByteView mapPage = pages.Page(mapPageNumber);
        if (mapPage.U8(0) != jet::kUsageMapPage)
          throw JetError("corrupt database: a usage map refers to a page that is not a map page");
        CollectBits(mapPage.From(jet::kUsageMapPageHeader), slot * jet::kPagesPerMapPage, pages.PageCount(), used);
      }
      break;
    default: throw JetError("corrupt database: unknown usage map type " + std::to_string(map.U8(0)));
  }
  return used;
}

}  // namespace lanvero::db
