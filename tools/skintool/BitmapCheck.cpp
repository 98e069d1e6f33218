#include "tools/skintool/BitmapCheck.h"

#include <cstdlib>

namespace lanvero::skintool {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr uint64_t kMaxDimension = 1 << 16;

uint32_t Read16(std::span<const uint8_t> bytes, std::size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8;
}

uint32_t Read32(std::span<const uint8_t> bytes, std::size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

struct InfoHeader {
  uint32_t size = 0;
  int64_t width = 0;
  int64_t height = 0;
  uint32_t planes = 0;
  uint32_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
};

bool KnownHeaderSize(uint32_t size) {
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

InfoHeader ReadInfoHeader(std::span<const uint8_t> file, uint32_t size) {
  InfoHeader info;
  info.size = size;
  const std::size_t at = kFileHeaderSize;
  if (size == 12) {  // the old core header: 16-bit dimensions
    info.width = Read16(file, at + 4);
    info.height = Read16(file, at + 6);
    info.planes = Read16(file, at + 8);
    info.bitCount = Read16(file, at + 10);
    return info;
  }
  info.width = static_cast<int32_t>(Read32(file, at + 4));
  info.height = static_cast<int32_t>(Read32(file, at + 8));
  info.planes = Read16(file, at + 12);
  info.bitCount = Read16(file, at + 14);
  info.compression = Read32(file, at + 16);
  info.colorsUsed = Read32(file, at + 32);
  return info;
}

std::optional<std::string> FormatProblem(const InfoHeader& info) {
  if (info.width <= 0 || info.height == 0) return "empty or negative image size";
  if (static_cast<uint64_t>(info.width) > kMaxDimension ||
      static_cast<uint64_t>(std::llabs(info.height)) > kMaxDimension) {
    return "image size out of range";
  }
  if (info.planes != 1) return "plane count is not 1";
  switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return "unsupported bit depth " + std::to_string(info.bitCount);
  }
  const bool fits = info.compression == 0 || (info.compression == 1 && info.bitCount == 8) ||
                    (info.compression == 2 && info.bitCount == 4) ||
                    (info.compression == 3 && (info.bitCount == 16 || info.bitCount == 32));
  if (!fits) return "unsupported compression " + std::to_string(info.compression);
  return std::nullopt;
}

uint64_t PaletteBytes(const InfoHeader& info) {
  if (info.bitCount > 8) return info.compression == 3 && info.size == 40 ? 12 : 0;
  const uint64_t entries = info.colorsUsed != 0 ? info.colorsUsed : (1u << info.bitCount);
  return entries * (info.size == 12 ? 3 : 4);
}

}  // namespace

std::optional<std::string> BitmapProblem(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderSize + 12 || file[0] != 'B' || file[1] != 'M') return "not a Windows bitmap file";
  const uint32_t headerSize = Read32(file, kFileHeaderSize);
  if (!KnownHeaderSize(headerSize)) return "unknown bitmap header size " + std::to_string(headerSize);
  if (file.size() < kFileHeaderSize + headerSize) return "bitmap header is cut short";
  const InfoHeader info = ReadInfoHeader(file, headerSize);
  if (auto problem = FormatProblem(info)) return problem;

  const uint64_t pixelOffset = Read32(file, 10);
  if (info.colorsUsed > 256 && info.bitCount <= 8) return "palette too large";
  if (pixelOffset < kFileHeaderSize + headerSize + PaletteBytes(info)) return "pixel data overlaps the header";
  if (pixelOffset >= file.size()) return "pixel data offset beyond the end of the file";
  if (info.compression == 1 || info.compression == 2) return std::nullopt;  // run-length data: any length
  const uint64_t rowBytes = (static_cast<uint64_t>(info.width) * info.bitCount + 31) / 32 * 4;
  const uint64_t needed = rowBytes * static_cast<uint64_t>(std::llabs(info.height));
  if (pixelOffset + needed > file.size()) return "pixel data is cut short";
  return std::nullopt;
}

}  // namespace lanvero::skintool
