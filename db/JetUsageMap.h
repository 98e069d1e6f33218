// Usage maps: bitmaps of the pages a table owns, stored either inline in a
// row (start page + bitmap) or as a list of map pages (type 0x05) that each
// cover a fixed range of pages.
#pragma once

#include <cstdint>
#include <vector>

#include "db/JetPages.h"

namespace lanvero::db {

// Page numbers marked in the map stored at `mapRow`, ascending.
std::vector<std::uint32_t> ReadUsageMap(const JetPages& pages, std::uint32_t mapRow);

}  // namespace lanvero::db
