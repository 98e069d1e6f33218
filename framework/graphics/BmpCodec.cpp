#include "framework/graphics/BmpCodec.h"

namespace lanvero::framework {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitFields = 3;

uint32_t Read32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

void Write32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Write16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

struct Header {
  int width;
  int height;
  bool topDown;
  int bitsPerPixel;
  uint32_t compression;
  uint32_t paletteOffset;
  uint32_t paletteSize;
  uint32_t pixelOffset;
};

std::optional<Header> ReadHeader(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M') return std::nullopt;
  const uint8_t* info = data + kFileHeaderSize;
  const uint32_t infoSize = Read32(info);
  if (infoSize < kInfoHeaderSize || infoSize > size - kFileHeaderSize) return std::nullopt;
  const auto width = static_cast<int32_t>(Read32(info + 4));
  const auto height = static_cast<int32_t>(Read32(info + 8));
  Header h{};
  h.width = width;
  h.topDown = height < 0;
  if (height == INT32_MIN) return std::nullopt;
  h.height = height < 0 ? -height : height;
  if (Read16(info + 12) != 1) return std::nullopt;
  h.bitsPerPixel = Read16(info + 14);
  h.compression = Read32(info + 16);
  const uint32_t colorsUsed = Read32(info + 32);
  if (h.width <= 0 || h.height <= 0 || h.width > kMaxImageSide || h.height > kMaxImageSide ||
      static_cast<int64_t>(h.width) * h.height > kMaxImagePixels) {
    return std::nullopt;
  }
  h.paletteOffset = static_cast<uint32_t>(kFileHeaderSize) + infoSize;
  if (h.compression == kCompressionBitFields && infoSize == kInfoHeaderSize) h.paletteOffset += 12;
  if (h.bitsPerPixel <= 8) {
    const uint32_t maxColors = 1u << h.bitsPerPixel;
    h.paletteSize = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
  }
  h.pixelOffset = Read32(data + 10);
  return h;
}

bool DecodeRows(const uint8_t* data, size_t size, const Header& h, PixelImage& image) {
  const size_t stride = ((static_cast<size_t>(h.width) * static_cast<size_t>(h.bitsPerPixel) + 31) / 32) * 4;
  if (h.pixelOffset > size || stride * static_cast<size_t>(h.height) > size - h.pixelOffset) return false;
  if (h.bitsPerPixel <= 8 && (h.paletteOffset > size || static_cast<size_t>(h.paletteSize) * 4 > size - h.paletteOffset)) {
    return false;
  }
  const uint8_t* palette = data + h.paletteOffset;
  for (int row = 0; row < h.height; ++row) {
    const uint8_t* src = data + h.pixelOffset + stride * static_cast<size_t>(row);
    uint8_t* dst = image.Row(h.topDown ? row : h.height - 1 - row);
    for (int x = 0; x < h.width; ++x, dst += 3) {
      switch (h.bitsPerPixel) {
        case 24:
        case 32: {
          const uint8_t* p = src + static_cast<size_t>(x) * static_cast<size_t>(h.bitsPerPixel / 8);
          dst[0] = p[0];
          dst[1] = p[1];
          dst[2] = p[2];
          break;
        }
        default: {
          const int bit = x * h.bitsPerPixel;
          const int shift = 8 - h.bitsPerPixel - bit % 8;
          const uint32_t index = (src[bit / 8] >> shift) & ((1u << h.bitsPerPixel) - 1);
          if (index >= h.paletteSize) return false;
          const uint8_t* color = palette + index * 4;
          dst[0] = color[0];
          dst[1] = color[1];
          dst[2] = color[2];
        }
      }
    }
  }
  return true;
}

}  // namespace

std::optional<PixelImage> DecodeBmp(const uint8_t* data, size_t size) {
  if (!data) return std::nullopt;
  auto header = ReadHeader(data, size);
  if (!header) return std::nullopt;
  const int bpp = header->bitsPerPixel;
  const bool paletted = bpp == 1 || bpp == 4 || bpp == 8;
  const bool direct = bpp == 24 || bpp == 32;
  // Bit fields are accepted only for 32-bit pixels in the usual BGR order,
  // which is what every writer we meet produces.
  if (!(header->compression == kCompressionRgb && (paletted || direct)) &&
      !(header->compression == kCompressionBitFields && bpp == 32)) {
    return std::nullopt;
  }
  PixelImage image;
  image.width = header->width;
  image.height = header->height;
  image.bgr.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3);
  if (!DecodeRows(data, size, *header, image)) return std::nullopt;
  return image;
}

std::vector<uint8_t> EncodeBmp(const PixelImage& image) {
  const size_t stride = ((static_cast<size_t>(image.width) * 3 + 3) / 4) * 4;
  const size_t pixelBytes = stride * static_cast<size_t>(image.height);
  std::vector<uint8_t> out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Write32(out, static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize + pixelBytes));
  Write32(out, 0);
  Write32(out, static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize));
  Write32(out, kInfoHeaderSize);
  Write32(out, static_cast<uint32_t>(image.width));
  Write32(out, static_cast<uint32_t>(image.height));
  Write16(out, 1);
  Write16(out, 24);
  Write32(out, kCompressionRgb);
  Write32(out, static_cast<uint32_t>(pixelBytes));
  for (int i = 0; i < 4; ++i) Write32(out, 0);
  for (int row = image.height - 1; row >= 0; --row) {
    const uint8_t* src = image.Row(row);
    out.insert(out.end(), src, src + static_cast<size_t>(image.width) * 3);
    out.resize(out.size() + stride - static_cast<size_t>(image.width) * 3, 0);
  }
  return out;
}

}  // namespace lanvero::framework
