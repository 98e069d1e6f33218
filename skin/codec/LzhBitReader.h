#pragma once
// Bit input of the LZH decoder: most significant bit first, up to 64 bits
// held in a register and refilled eight bytes at a time while the input
// lasts, so the decoder checks for more input once per symbol, not per bit.
// Past the end of the input it reads zeros and counts them.

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "skin/codec/LzhFormat.h"

namespace lanvero::lzh {

// Supplies the input block by block; an empty block means the end.
class BlockSource {
 public:
  virtual std::span<const uint8_t> NextBlock() = 0;

 protected:
  ~BlockSource() = default;
};

class BitReader {
 public:
  // Reads `input`, then the blocks of `more` (if any).
  explicit BitReader(std::span<const uint8_t> input, BlockSource* more = nullptr)
      : next_(input.data()), end_(input.data() + input.size()), more_(more) {}

  // Makes at least 56 bits available: a whole symbol (at most about 22
  // bits, see LzhAdaptiveCode.h) and a distance (at most 14 bits).
  void Refill() {
    if (end_ - next_ >= 8) {
      bits_ |= LoadBigEndian64(next_) >> count_;
      next_ += (63 - count_) >> 3;  // whole bytes that fit
      count_ |= 56;                 // count_ + 8 * that many bytes
    } else {
      RefillByBytes();
    }
  }

  int TakeBit() {
    const int bit = static_cast<int>(bits_ >> 63);
    bits_ <<= 1;
    --count_;
    return bit;
  }
  // The next `count` bits (1 to 32) as a number, without taking them.
  unsigned Peek(int count) const { return static_cast<unsigned>(bits_ >> (64 - count)); }
  void Skip(int count) {
    bits_ <<= count;
    count_ -= count;
  }

  // True once more bits past the end of the input have been taken than
  // kMaxReadsPastEnd bytes hold.
  bool RanPastEnd() const { return zeroBits_ - count_ > 8 * kMaxReadsPastEnd; }

 private:
  static uint64_t LoadBigEndian64(const uint8_t* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
    return word;
  }
  void RefillByBytes();
  bool NextBlock();

  // Bits below the top count_ of bits_ are zero or the true bits of the
  // bytes from next_ on (a refill loads whole words and keeps what fits).
  uint64_t bits_ = 0;
  int count_ = 0;
  const uint8_t* next_;
  const uint8_t* end_;
  BlockSource* more_;
  int zeroBits_ = 0;  // zeros appended past the end of the input
};

}  // namespace lanvero::lzh
