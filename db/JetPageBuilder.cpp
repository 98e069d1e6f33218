#include "db/JetPageBuilder.h"

#include <algorithm>

namespace lanvero::db {
namespace {

constexpr std::uint32_t kMaxRowsPerPage = 255;  // row numbers are one byte in pointers

std::size_t RowCountOf(const PageBytes& page) {
  return ByteView(page.data(), page.size()).U16(jet::kDataRowCountOffset);
}

std::size_t LowestRowStart(const PageBytes& page) {
  const std::size_t count = RowCountOf(page);
  if (count == 0) return jet::kPageSize;
  return ByteView(page.data(), page.size()).U16(jet::kDataRowTableOffset + 2 * (count - 1)) & jet::kRowOffsetMask;
}

std::size_t FreeBytes(const PageBytes& page) {
  return LowestRowStart(page) - (jet::kDataRowTableOffset + 2 * RowCountOf(page));
}

void InitRowPage(PageBytes& page) {
  std::fill(page.begin(), page.end(), 0);
  page[0] = jet::kDataPage;
  page[1] = 0x01;
  SetU16(page, 2, static_cast<unsigned>(FreeBytes(page)));
}

}  // namespace

std::vector<std::uint8_t> PageList::Join() const {
  std::vector<std::uint8_t> file;
  file.reserve(pages_.size() * jet::kPageSize);
  for (const PageBytes& page : pages_) file.insert(file.end(), page.begin(), page.end());
  return file;
}

void InitDataPage(PageBytes& page, std::uint32_t ownerPage) {
  InitRowPage(page);
  SetU32(page, jet::kDataOwnerOffset, ownerPage);
}

void InitLongValuePage(PageBytes& page) {
  InitRowPage(page);
  std::copy(std::begin(jet::kLongValueMarker), std::end(jet::kLongValueMarker), page.begin() + jet::kDataOwnerOffset);
}

bool RowFits(const PageBytes& page, std::size_t length) {
  return RowCountOf(page) < kMaxRowsPerPage && length + 2 <= FreeBytes(page);
}

std::uint32_t AddRow(PageBytes& page, std::uint32_t number, const std::vector<std::uint8_t>& row) {
  if (!RowFits(page, row.size())) throw JetError("internal error: row does not fit its page");
  const std::size_t count = RowCountOf(page);
  const std::size_t start = LowestRowStart(page) - row.size();
  std::copy(row.begin(), row.end(), page.begin() + start);
  SetU16(page, jet::kDataRowTableOffset + 2 * count, static_cast<unsigned>(start));
  SetU16(page, jet::kDataRowCountOffset, static_cast<unsigned>(count + 1));
  SetU16(page, 2, static_cast<unsigned>(FreeBytes(page)));
  return StoredPointer(number, static_cast<std::uint32_t>(count));
}

}  // namespace lanvero::db
