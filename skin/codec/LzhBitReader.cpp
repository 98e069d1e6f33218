#include "skin/codec/LzhBitReader.h"

namespace lanvero::lzh {

// Near the end of a block: byte by byte, taking the next block when one is
// used up, zeros once there is none.
void BitReader::RefillByBytes() {
  while (count_ <= 56) {
    if (next_ != end_ || NextBlock()) {
      bits_ |= uint64_t{*next_++} << (56 - count_);
    } else {
      zeroBits_ += 8;
    }
    count_ += 8;
  }
}

bool BitReader::NextBlock() {
  if (!more_) return false;
  const std::span<const uint8_t> block = more_->NextBlock();
  if (block.empty()) {
    more_ = nullptr;  // the end: ask no more
    return false;
  }
  next_ = block.data();
  end_ = block.data() + block.size();
  return true;
}

}  // namespace lanvero::lzh
