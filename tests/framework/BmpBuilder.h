#pragma once
// Writes Windows bitmap files field by field, so that tests can make valid
// files of every kind and then break them on purpose.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lanvero::test {

struct BmpFields {
  int32_t width = 1;
  int32_t height = 1;  // negative: top-down rows
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t header_size = 40;  // 12 writes the old core header
  uint16_t planes = 1;
  uint32_t colors_used = 0;
  std::vector<uint32_t> palette;                 // 0x00RRGGBB
  std::optional<std::array<uint32_t, 3>> masks;  // written after a 40-byte header, or inside a larger one
  std::optional<uint32_t> pixel_offset;          // default: right after the palette
  std::vector<uint8_t> pixels;                   // stored rows, already padded
};

inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

inline std::vector<uint8_t> BuildBmp(const BmpFields& f) {
  std::vector<uint8_t> header;
  Put32(header, f.header_size);
  if (f.header_size == 12) {
    Put16(header, static_cast<uint32_t>(f.width));
    Put16(header, static_cast<uint32_t>(f.height));
    Put16(header, f.planes);
    Put16(header, f.bits);
  } else {
    Put32(header, static_cast<uint32_t>(f.width));
    Put32(header, static_cast<uint32_t>(f.height));
    Put16(header, f.planes);
    Put16(header, f.bits);
    for (uint32_t v : {f.compression, static_cast<uint32_t>(f.pixels.size()), 2835u, 2835u, f.colors_used, 0u})
      Put32(header, v);
    if (f.masks && f.header_size > 40)
      for (uint32_t m : *f.masks) Put32(header, m);
    header.resize(f.header_size, 0);
    if (f.masks && f.header_size == 40)
      for (uint32_t m : *f.masks) Put32(header, m);
  }
  for (uint32_t c : f.palette) {
    header.push_back(static_cast<uint8_t>(c));
    header.push_back(static_cast<uint8_t>(c >> 8));
    header.push_back(static_cast<uint8_t>(c >> 16));
    if (f.header_size != 12) header.push_back(0);
  }
  const uint32_t offset = f.pixel_offset.value_or(static_cast<uint32_t>(14 + header.size()));
  std::vector<uint8_t> file{'B', 'M'};
  Put32(file, static_cast<uint32_t>(14 + header.size() + f.pixels.size()));
  Put32(file, 0);
  Put32(file, offset);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), f.pixels.begin(), f.pixels.end());
  return file;
}

// Rows of bytes, each padded to a multiple of four.
inline std::vector<uint8_t> PaddedRows(const std::vector<std::vector<uint8_t>>& rows) {
  std::vector<uint8_t> out;
  for (const auto& row : rows) {
    out.insert(out.end(), row.begin(), row.end());
    out.resize(out.size() + (4 - row.size() % 4) % 4, 0);
  }
  return out;
}

}  // namespace lanvero::test
