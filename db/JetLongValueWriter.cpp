#include "db/JetLongValueWriter.h"

#include <algorithm>

namespace lanvero::db {
namespace {

constexpr std::size_t kChainLinkHeader = 4;
constexpr std::size_t kChunkLength = kMaxRowLength - kChainLinkHeader;

std::vector<std::uint8_t> Header(std::size_t length, std::uint8_t kind, std::uint32_t pointer) {
  std::vector<std::uint8_t> header;
  PutU32(header, static_cast<std::uint32_t>(length) | (std::uint32_t{kind} << 24));
  PutU32(header, pointer);
  PutU32(header, 0);
  return header;
}

}  // namespace

std::vector<std::uint8_t> JetLongValueWriter::Store(const std::vector<std::uint8_t>& value) {
  if (value.size() > jet::kLongValueLengthMask) throw JetError("a memo value is too long for the file format");
  if (value.size() <= kInlineLimit) {
    std::vector<std::uint8_t> stored = Header(value.size(), jet::kLongValueInline, 0);
    stored.insert(stored.end(), value.begin(), value.end());
    return stored;
  }
  if (value.size() <= kMaxRowLength) return Header(value.size(), jet::kLongValueSinglePage, StoreSingleRow(value));
  return Header(value.size(), 0, StoreChain(value));
}

std::uint32_t JetLongValueWriter::FreshPage() {
  currentPage_ = pages_.Add();
  InitLongValuePage(pages_[currentPage_]);
  return currentPage_;
}

std::uint32_t JetLongValueWriter::StoreSingleRow(const std::vector<std::uint8_t>& value) {
  if (currentPage_ == 0 || !RowFits(pages_[currentPage_], value.size())) FreshPage();
  return AddRow(pages_[currentPage_], currentPage_, value);
}

// Each link fills a fresh page; the pages are taken in order, so the pointer
// to the next link is known before the link is written.
std::uint32_t JetLongValueWriter::StoreChain(const std::vector<std::uint8_t>& value) {
  const std::size_t links = (value.size() + kChunkLength - 1) / kChunkLength;
  std::vector<std::uint32_t> linkPages;
  for (std::size_t i = 0; i < links; ++i) linkPages.push_back(FreshPage());
  for (std::size_t i = 0; i < links; ++i) {
    const std::size_t offset = i * kChunkLength;
    const std::size_t length = std::min(kChunkLength, value.size() - offset);
    std::vector<std::uint8_t> link(kChainLinkHeader + length);
    SetU32(link, 0, i + 1 < links ? StoredPointer(linkPages[i + 1], 0) : 0);
    std::copy_n(value.begin() + static_cast<std::ptrdiff_t>(offset), length, link.begin() + kChainLinkHeader);
    AddRow(pages_[linkPages[i]], linkPages[i], link);
  }
  return StoredPointer(linkPages.front(), 0);
}

}  // namespace lanvero::db
