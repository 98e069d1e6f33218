#include "skin/codec/LzhDecoder.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "skin/codec/LzhAdaptiveCode.h"
#include "skin/codec/LzhPositionCode.h"

namespace lanvero::lzh {
namespace {

// A match copy moves 8 bytes at a time and may write this far past its end.
constexpr std::size_t kCopySlack = 8;
// At most 6 bytes of text per input bit: a 60-byte match costs at least 10
// bits (a 1-bit length code, 3 + 6 bits of distance), a literal at least 1.
constexpr std::size_t kMostBytesPerBit = 6;
constexpr std::size_t kBlockInputCapacity = 1 << 16;

std::size_t LongestTextFrom(std::size_t inputBytes) {
  return kMostBytesPerBit * 8 * (inputBytes + kMaxReadsPastEnd + 8);
}

// The text is written straight into its buffer, which also serves as the
// ring: the byte `distance` back is text[produced - distance]. Before the
// text starts, the ring holds its initial fill (positions 0..4035 spaces,
// 4036..4095 zeros), so index -1 is a space and -4096 a zero.
uint8_t ByteBeforeText(std::ptrdiff_t index) { return index >= -kFirstWritePosition ? kInitialFill : 0; }

// A distance code: the upper 6 bits by the fixed prefix code, read from the
// leading byte, then 6 plain bits.
unsigned ReadDistanceCode(BitReader& bits) {
  const unsigned leading = bits.Peek(8);
  const int codeLength = kPositionCode.decodeLength[leading];
  const unsigned lower = bits.Peek(codeLength + 6) & 0x3F;
  bits.Skip(codeLength + 6);
  return (unsigned{kPositionCode.decodeValue[leading]} << 6) | lower;
}

class TextDecoder {
 public:
  TextDecoder(BitReader& bits, std::size_t textSize, std::size_t startCapacity) : bits_(bits), textSize_(textSize) {
    Reserve(std::min(textSize, startCapacity));
  }

  std::vector<uint8_t> Run() {
    std::size_t produced = 0;
    for (;;) {
      bits_.Refill();
      if (bits_.RanPastEnd()) break;
      if (produced + kLongestMatch > roomyUntil_ && !MakeRoom(produced)) break;
      uint8_t* const out = text_.data() + produced;
      const int symbol = code_.Decode(bits_);
      if (symbol < 256) {
        *out = static_cast<uint8_t>(symbol);
        ++produced;
        continue;
      }
      const std::size_t distance = ReadDistanceCode(bits_) + 1;
      const std::size_t length = std::min<std::size_t>(symbol - 255 + kThreshold, textSize_ - produced);
      if (distance <= produced) {
        CopyWithinText(out, distance, length);
      } else {
        CopyFromBeforeText(produced, distance, length);
      }
      produced += length;
    }
    text_.resize(produced);
    return std::move(text_);
  }

 private:
  // Overlapping copies repeat the bytes just written, as the ring does.
  static void CopyWithinText(uint8_t* out, std::size_t distance, std::size_t length) {
    const uint8_t* from = out - distance;
    if (distance >= 8) {
      for (std::size_t k = 0; k < length; k += 8) std::memcpy(out + k, from + k, 8);
    } else {
      for (std::size_t k = 0; k < length; ++k) out[k] = from[k];
    }
  }

  void CopyFromBeforeText(std::size_t produced, std::size_t distance, std::size_t length) {
    for (std::size_t k = 0; k < length; ++k) {
      const std::ptrdiff_t from = static_cast<std::ptrdiff_t>(produced + k) - static_cast<std::ptrdiff_t>(distance);
      text_[produced + k] = from < 0 ? ByteBeforeText(from) : text_[static_cast<std::size_t>(from)];
    }
  }

  // False when the text is complete; otherwise makes room for one more
  // match (the buffer grows only when the input outgrows the first guess).
  bool MakeRoom(std::size_t produced) {
    if (produced >= textSize_) return false;
    const std::size_t needed = std::min(textSize_, produced + kLongestMatch);
    if (needed > roomyUntil_) Reserve(std::min(textSize_, std::max(needed, 2 * text_.size())));
    return true;
  }

  void Reserve(std::size_t textBytes) {
    text_.resize(textBytes + kCopySlack);
    roomyUntil_ = textBytes;
  }

  BitReader& bits_;
  const std::size_t textSize_;
  AdaptiveCode code_;
  std::vector<uint8_t> text_;
  std::size_t roomyUntil_ = 0;  // text bytes that fit with the copy slack
};

}  // namespace

std::vector<uint8_t> DecodeText(std::span<const uint8_t> input, int32_t textSize) {
  if (textSize <= 0) return {};
  BitReader bits(input);
  return TextDecoder(bits, static_cast<std::size_t>(textSize), LongestTextFrom(input.size())).Run();
}

std::vector<uint8_t> DecodeText(BlockSource& input, int32_t textSize) {
  if (textSize <= 0) return {};
  BitReader bits({}, &input);
  return TextDecoder(bits, static_cast<std::size_t>(textSize), kBlockInputCapacity).Run();
}

}  // namespace lanvero::lzh
