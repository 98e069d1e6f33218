#include "framework/graphics/BmpDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace lanvero {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

// Little-endian reads at absolute offsets, checked against the end.
class Bytes {
 public:
  explicit Bytes(std::span<const uint8_t> data) : data_(data) {}
  std::size_t Size() const { return data_.size(); }
  bool Has(std::size_t offset, std::size_t length) const {
    return offset <= data_.size() && length <= data_.size() - offset;
  }
  uint8_t U8(std::size_t offset) const { return data_[offset]; }
  uint16_t U16(std::size_t offset) const { return static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8)); }
  uint32_t U32(std::size_t offset) const { return U16(offset) | (static_cast<uint32_t>(U16(offset + 2)) << 16); }
  std::span<const uint8_t> Slice(std::size_t offset) const { return data_.subspan(offset); }

 private:
  std::span<const uint8_t> data_;
};

struct BmpLayout {
  int32_t width = 0;
  int32_t height = 0;  // always positive; `top_down` keeps the row order
  bool top_down = false;
  uint16_t bits = 0;
  uint32_t compression = kRgb;
  uint32_t colors_used = 0;
  std::array<uint32_t, 3> masks{};  // red, green, blue
  std::size_t palette_offset = 0;
  std::size_t palette_entry_size = 4;
};

bool DepthAllowed(uint16_t bits, uint32_t compression) {
  switch (compression) {
    case kRgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8: return bits == 8;
    case kRle4: return bits == 4;
    case kBitFields: return bits == 16 || bits == 32;
    default: return false;
  }
}

std::array<uint32_t, 3> DefaultMasks(uint16_t bits) {
  if (bits == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

std::optional<BmpLayout> ReadCoreHeader(const Bytes& file) {
  if (!file.Has(kFileHeaderSize, kCoreHeaderSize)) return std::nullopt;
  BmpLayout layout;
  layout.width = file.U16(18);
  layout.height = file.U16(20);
  if (file.U16(22) != 1) return std::nullopt;
  layout.bits = file.U16(24);
  layout.palette_offset = kFileHeaderSize + kCoreHeaderSize;
  layout.palette_entry_size = 3;
  return layout;
}

std::optional<BmpLayout> ReadInfoHeader(const Bytes& file, uint32_t header_size) {
  if (header_size < kInfoHeaderSize || !file.Has(kFileHeaderSize, header_size)) return std::nullopt;
  BmpLayout layout;
  layout.width = static_cast<int32_t>(file.U32(18));
  const auto raw_height = static_cast<int32_t>(file.U32(22));
  if (raw_height == INT32_MIN) return std::nullopt;
  layout.top_down = raw_height < 0;
  layout.height = layout.top_down ? -raw_height : raw_height;
  if (file.U16(26) != 1) return std::nullopt;
  layout.bits = file.U16(28);
  layout.compression = file.U32(30);
  layout.colors_used = file.U32(46);
  layout.masks = DefaultMasks(layout.bits);
  layout.palette_offset = kFileHeaderSize + header_size;
  if (layout.compression == kBitFields) {
    // Version 2 headers and later carry the masks; a plain info header is
    // followed by them.
    const std::size_t at = header_size >= 52 ? kFileHeaderSize + kInfoHeaderSize : layout.palette_offset;
    if (!file.Has(at, 12)) return std::nullopt;
    layout.masks = {file.U32(at), file.U32(at + 4), file.U32(at + 8)};
    if (header_size < 52) layout.palette_offset += 12;
  }
  return layout;
}

std::optional<BmpLayout> ReadLayout(const Bytes& file, int64_t max_pixels) {
  if (!file.Has(0, kFileHeaderSize + 4) || file.U8(0) != 'B' || file.U8(1) != 'M') return std::nullopt;
  const uint32_t header_size = file.U32(kFileHeaderSize);
  auto layout = header_size == kCoreHeaderSize ? ReadCoreHeader(file) : ReadInfoHeader(file, header_size);
  if (!layout || layout->width <= 0 || layout->height <= 0) return std::nullopt;
  if (int64_t{layout->width} * layout->height > std::min(max_pixels, kMaxBmpPixels)) return std::nullopt;
  if (!DepthAllowed(layout->bits, layout->compression)) return std::nullopt;
  if (layout->top_down && (layout->compression == kRle8 || layout->compression == kRle4)) return std::nullopt;
  return layout;
}

// The colour table of an indexed bitmap; it must lie wholly in the file.
std::optional<std::vector<Pixel>> ReadPalette(const Bytes& file, const BmpLayout& layout) {
  if (layout.bits > 8) return std::vector<Pixel>{};
  const uint32_t full = 1u << layout.bits;
  const uint32_t count = layout.colors_used == 0 || layout.colors_used > full ? full : layout.colors_used;
  if (!file.Has(layout.palette_offset, std::size_t{count} * layout.palette_entry_size)) return std::nullopt;
  std::vector<Pixel> palette(count);
  for (uint32_t i = 0; i < count; ++i) {
    const std::size_t at = layout.palette_offset + std::size_t{i} * layout.palette_entry_size;
    palette[i] = PixelFromRgb(file.U8(at + 2), file.U8(at + 1), file.U8(at));
  }
  return palette;
}

// Where the pixel data start: the file header's offset, or straight after
// the colour table when the offset is 0. An offset inside the headers or
// past the end is refused.
std::optional<std::size_t> PixelDataOffset(const Bytes& file, const BmpLayout& layout, std::size_t palette_size) {
  const std::size_t after_palette = layout.palette_offset + palette_size * layout.palette_entry_size;
  const uint32_t declared = file.U32(10);
  const std::size_t offset = declared == 0 ? after_palette : declared;
  if (offset < layout.palette_offset || offset > file.Size()) return std::nullopt;
  return offset;
}

Pixel PaletteColor(const std::vector<Pixel>& palette, uint32_t index) {
  return index < palette.size() ? palette[index] : 0;
}

uint8_t MaskedChannel(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t field = mask >> shift;
  return static_cast<uint8_t>((uint64_t{(value & mask) >> shift} * 255 + field / 2) / field);
}

class RowDecoder {
 public:
  RowDecoder(const BmpLayout& layout, const std::vector<Pixel>& palette) : layout_(layout), palette_(palette) {}

  void Decode(const uint8_t* row, std::span<Pixel> out) const {
    for (std::size_t x = 0; x < out.size(); ++x) out[x] = PixelAt(row, x);
  }

 private:
  Pixel PixelAt(const uint8_t* row, std::size_t x) const {
    switch (layout_.bits) {
      case 1: return PaletteColor(palette_, (row[x / 8] >> (7 - x % 8)) & 1);
      case 4: return PaletteColor(palette_, (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F);
      case 8: return PaletteColor(palette_, row[x]);
      case 16: return FromMasks(static_cast<uint32_t>(row[2 * x] | (row[2 * x + 1] << 8)));
      case 24: return PixelFromRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
      default: {
        const uint8_t* p = row + 4 * x;
        return FromMasks(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
      }
    }
  }
  Pixel FromMasks(uint32_t value) const {
    return PixelFromRgb(MaskedChannel(value, layout_.masks[0]), MaskedChannel(value, layout_.masks[1]),
                        MaskedChannel(value, layout_.masks[2]));
  }

  const BmpLayout& layout_;
  const std::vector<Pixel>& palette_;
};

PixelImage DecodeUncompressed(const Bytes& file, std::size_t offset, const BmpLayout& layout,
                              const std::vector<Pixel>& palette) {
  const std::size_t row_bytes = (std::size_t{static_cast<uint32_t>(layout.width)} * layout.bits + 7) / 8;
  const std::size_t stride = (row_bytes + 3) / 4 * 4;
  // The last row may lack its padding.
  if (!file.Has(offset, stride * (static_cast<std::size_t>(layout.height) - 1) + row_bytes)) return {};
  PixelImage image(layout.width, layout.height);
  const RowDecoder rows(layout, palette);
  const uint8_t* data = file.Slice(offset).data();
  for (int32_t y = 0; y < layout.height; ++y) {
    const int32_t stored = layout.top_down ? y : layout.height - 1 - y;
    rows.Decode(data + static_cast<std::size_t>(stored) * stride, image.Row(y));
  }
  return image;
}

// Run-length data (RLE8 or RLE4) into palette indices, bottom-up. Pixels
// that the data skip keep index 0. Returns false for data that end before
// the end-of-bitmap mark while rows remain.
class RleDecoder {
 public:
  RleDecoder(std::span<const uint8_t> data, const BmpLayout& layout)
      : data_(data),
        width_(layout.width),
        height_(layout.height),
        nibbles_(layout.compression == kRle4),
        indices_(static_cast<std::size_t>(layout.width) * layout.height, 0) {}

  bool Run() {
    while (y_ < height_) {
      if (!Has(2)) return false;
      const uint8_t count = data_[at_], value = data_[at_ + 1];
      at_ += 2;
      if (count > 0) {
        Repeat(count, value);
      } else if (value == 0) {
        x_ = 0;
        ++y_;
      } else if (value == 1) {
        return true;
      } else if (value == 2) {
        if (!Has(2)) return false;
        x_ = std::min(x_ + data_[at_], width_);
        y_ += data_[at_ + 1];
        at_ += 2;
      } else if (!Literal(value)) {
        return false;
      }
    }
    return true;
  }
  const std::vector<uint8_t>& Indices() const { return indices_; }

 private:
  bool Has(std::size_t n) const { return at_ <= data_.size() && n <= data_.size() - at_; }
  void Put(uint8_t index) {
    if (x_ >= width_) return;  // the rest of the row is clipped
    indices_[static_cast<std::size_t>(y_) * width_ + x_] = index;
    ++x_;
  }
  uint8_t Nibble(uint8_t byte, int i) const { return i % 2 == 0 ? byte >> 4 : byte & 0x0F; }
  void Repeat(uint8_t count, uint8_t value) {
    for (int i = 0; i < count; ++i) Put(nibbles_ ? Nibble(value, i) : value);
  }
  bool Literal(uint8_t count) {
    const std::size_t bytes = nibbles_ ? (count + 1u) / 2 : count;
    const std::size_t padded = (bytes + 1) / 2 * 2;
    if (!Has(padded)) return false;
    for (int i = 0; i < count; ++i) Put(nibbles_ ? Nibble(data_[at_ + i / 2], i) : data_[at_ + i]);
    at_ += padded;
    return true;
  }

  std::span<const uint8_t> data_;
  std::size_t at_ = 0;
  int32_t width_, height_;
  bool nibbles_;
  int32_t x_ = 0, y_ = 0;  // y counts up from the bottom row
  std::vector<uint8_t> indices_;
};

PixelImage DecodeRunLength(const Bytes& file, std::size_t offset, const BmpLayout& layout,
                           const std::vector<Pixel>& palette) {
  RleDecoder rle(file.Slice(offset), layout);
  if (!rle.Run()) return {};
  PixelImage image(layout.width, layout.height);
  for (int32_t y = 0; y < layout.height; ++y) {
    const uint8_t* stored = rle.Indices().data() + static_cast<std::size_t>(layout.height - 1 - y) * layout.width;
    auto row = image.Row(y);
    for (std::size_t x = 0; x < row.size(); ++x) row[x] = PaletteColor(palette, stored[x]);
  }
  return image;
}

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

}  // namespace

PixelImage DecodeBmp(std::span<const uint8_t> data, int64_t max_pixels) {
  const Bytes file(data);
  const auto layout = ReadLayout(file, max_pixels);
  if (!layout) return {};
  const auto palette = ReadPalette(file, *layout);
  if (!palette) return {};
  const auto offset = PixelDataOffset(file, *layout, palette->size());
  if (!offset) return {};
  if (layout->compression == kRle8 || layout->compression == kRle4) {
    return DecodeRunLength(file, *offset, *layout, *palette);
  }
  return DecodeUncompressed(file, *offset, *layout, *palette);
}

std::vector<uint8_t> EncodeBmp24(const PixelImage& image) {
  if (image.IsEmpty()) return {};
  const std::size_t width = static_cast<std::size_t>(image.Width());
  const std::size_t stride = (width * 3 + 3) / 4 * 4;
  const auto pixel_bytes = static_cast<uint32_t>(stride * static_cast<std::size_t>(image.Height()));
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<uint8_t> out;
  out.reserve(offset);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offset + pixel_bytes);
  PutU32(out, 0);
  PutU32(out, offset);
  for (uint32_t v : {kInfoHeaderSize, static_cast<uint32_t>(image.Width()), static_cast<uint32_t>(image.Height())}) {
    PutU32(out, v);
  }
  PutU16(out, 1);
  PutU16(out, 24);
  for (uint32_t v : {uint32_t{kRgb}, pixel_bytes, 2835u, 2835u, 0u, 0u}) PutU32(out, v);
  out.resize(offset + std::size_t{pixel_bytes}, 0);
  uint8_t* rows = out.data() + offset;
  for (int32_t y = 0; y < image.Height(); ++y) {
    uint8_t* stored = rows + static_cast<std::size_t>(image.Height() - 1 - y) * stride;
    for (Pixel p : image.Row(y)) {
      *stored++ = PixelBlue(p);
      *stored++ = PixelGreen(p);
      *stored++ = PixelRed(p);
    }
  }
  return out;
}

}  // namespace lanvero
