#include "db/JetIndexWriter.h"

#include <algorithm>
#include <string>

namespace lanvero::db {
namespace {

constexpr std::uint8_t kAscendingValueFlag = 0x7F;
constexpr std::size_t kEntryStartMaskOffset = 0x1B;
constexpr std::size_t kFirstEntryOffset = 0x1E0;
constexpr std::size_t kPreviousPageOffset = 8;
constexpr std::size_t kNextPageOffset = 12;
constexpr std::size_t kEntryCapacityBytes = jet::kPageSize - kFirstEntryOffset;

using Entry = std::vector<std::uint8_t>;

void PutBigEndian(Entry& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

Entry LeafEntry(const LongIndexEntry& entry) {
  Entry bytes = LongIndexKey(entry.key);
  PutBigEndian(bytes, entry.rowPointer >> 8, 3);
  bytes.push_back(static_cast<std::uint8_t>(entry.rowPointer));
  return bytes;
}

// Entries are laid out back to back from a fixed offset; a bitmask marks
// where each entry ends (the first start is implicit).
void FillIndexPage(PageBytes& page, std::uint8_t type, std::uint32_t tablePage, const std::vector<Entry>& entries) {
  page[0] = type;
  page[1] = 0x01;
  SetU32(page, jet::kDataOwnerOffset, tablePage);
  std::size_t used = 0;
  for (const Entry& entry : entries) {
    std::copy(entry.begin(), entry.end(), page.begin() + static_cast<std::ptrdiff_t>(kFirstEntryOffset + used));
    used += entry.size();
    page[kEntryStartMaskOffset + used / 8] |= static_cast<std::uint8_t>(1u << (used % 8));
  }
  SetU16(page, 2, static_cast<unsigned>(kEntryCapacityBytes - used));
}

struct Level {
  std::vector<std::uint32_t> pages;
  std::vector<Entry> lastEntries;  // the last entry of each page
};

// One level of the tree: the entries split over as many linked pages as
// they need.
Level WriteLevel(PageList& pages, std::uint8_t type, std::uint32_t tablePage, const std::vector<Entry>& entries) {
  Level level;
  const std::size_t perPage = kEntryCapacityBytes / (entries.empty() ? 1 : entries.front().size());
  for (std::size_t first = 0; first < entries.size() || level.pages.empty(); first += perPage) {
    const std::size_t last = std::min(entries.size(), first + perPage);
    const std::vector<Entry> slice(entries.begin() + static_cast<std::ptrdiff_t>(first),
                                   entries.begin() + static_cast<std::ptrdiff_t>(last));
    const std::uint32_t number = pages.Add();
    FillIndexPage(pages[number], type, tablePage, slice);
    if (!level.pages.empty()) {
      SetU32(pages[level.pages.back()], kNextPageOffset, number);
      SetU32(pages[number], kPreviousPageOffset, level.pages.back());
    }
    level.pages.push_back(number);
    level.lastEntries.push_back(slice.empty() ? Entry{} : slice.back());
    if (entries.empty()) break;
  }
  return level;
}

}  // namespace

std::vector<std::uint8_t> LongIndexKey(std::int32_t value) {
  Entry key{kAscendingValueFlag};
  PutBigEndian(key, static_cast<std::uint32_t>(value) ^ 0x80000000u, 4);
  return key;
}

WrittenIndex WriteLongIndex(PageList& pages, std::uint32_t tablePage, std::vector<LongIndexEntry> entries) {
  std::sort(entries.begin(), entries.end(),
            [](const LongIndexEntry& a, const LongIndexEntry& b) { return a.key < b.key; });
  const auto duplicate =
      std::adjacent_find(entries.begin(), entries.end(),
                         [](const LongIndexEntry& a, const LongIndexEntry& b) { return a.key == b.key; });
  if (duplicate != entries.end())
    throw JetError("duplicate value " + std::to_string(duplicate->key) + " in a unique index");

  std::vector<Entry> leafEntries;
  for (const LongIndexEntry& entry : entries) leafEntries.push_back(LeafEntry(entry));
  WrittenIndex index;
  Level level = WriteLevel(pages, jet::kIndexLeafPage, tablePage, leafEntries);
  index.pages = level.pages;
  // Each node entry repeats the last entry of a child page and adds the
  // child's page number.
  while (level.pages.size() > 1) {
    std::vector<Entry> nodeEntries;
    for (std::size_t i = 0; i < level.pages.size(); ++i) {
      Entry entry = level.lastEntries[i];
      PutBigEndian(entry, level.pages[i], 4);
      nodeEntries.push_back(std::move(entry));
    }
    level = WriteLevel(pages, jet::kIndexNodePage, tablePage, nodeEntries);
    index.pages.insert(index.pages.end(), level.pages.begin(), level.pages.end());
  }
  index.rootPage = level.pages.front();
  return index;
}

}  // namespace lanvero::db
