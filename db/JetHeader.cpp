#include "db/JetHeader.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace lanvero::db {

void ApplyRc4(const std::uint8_t* key, std::size_t keyLength, std::uint8_t* data, std::size_t length) {
  std::array<std::uint8_t, 256> state;
  for (int i = 0; i < 256; ++i) state[i] = static_cast<std::uint8_t>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + state[i] + key[i % keyLength]) & 0xFF;
    std::swap(state[i], state[j]);
  }
  for (std::size_t n = 0, i = 0, j = 0; n < length; ++n) {
    i = (i + 1) & 0xFF;
    j = (j + state[i]) & 0xFF;
    std::swap(state[i], state[j]);
    data[n] ^= state[(state[i] + state[j]) & 0xFF];
  }
}

JetHeaderInfo ReadJetHeader(ByteView file) {
  if (file.size() < jet::kPageSize) throw JetError("not a Jet database: the file is shorter than one page");
  const ByteView name = file.Sub(jet::kEngineNameOffset, sizeof(jet::kEngineName));
  if (file.U8(0) != jet::kHeaderPage || std::memcmp(name.data(), jet::kEngineName, sizeof(jet::kEngineName)) != 0) {
    throw JetError("not a Jet database: the header lacks \"Standard Jet DB\"");
  }
  const std::uint8_t version = file.U8(jet::kVersionOffset);
  if (version != jet::kJet4Version) {
    throw JetError("unsupported database version " + std::to_string(version) + " (only Jet 4 is read)");
  }
  std::array<std::uint8_t, jet::kMaskedHeaderLength> masked;
  const ByteView area = file.Sub(jet::kMaskedHeaderOffset, masked.size());
  std::copy(area.data(), area.data() + area.size(), masked.begin());
  ApplyRc4(jet::kHeaderMaskKey, sizeof(jet::kHeaderMaskKey), masked.data(), masked.size());
  const ByteView clear(masked.data(), masked.size());
  JetHeaderInfo info;
  info.codePage = clear.U16(jet::kCodePageOffset - jet::kMaskedHeaderOffset);
  info.sortOrder = clear.U16(jet::kSortOrderOffset - jet::kMaskedHeaderOffset);
  return info;
}

}  // namespace lanvero::db
