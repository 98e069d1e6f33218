#include "skin/codec/LzhCallbackBlocks.h"

#include <algorithm>

namespace lanvero::lzh {

bool CallbackInput::Fill() {
  if (ended_) return false;
  uint16_t got = 0;
  read_(block_.data(), kCallbackBlockSize, got);
  next_ = 0;
  count_ = std::min(got, kCallbackBlockSize);
  ended_ = count_ == 0;
  return !ended_;
}

std::span<const uint8_t> CallbackInput::NextBlock() {
  if (next_ == count_ && !Fill()) return {};
  const std::span<const uint8_t> rest(block_.data() + next_, count_ - next_);
  next_ = count_;
  return rest;
}

void CallbackOutput::Flush() {
  WriteAll(write_, std::span(block_.data(), count_));
  count_ = 0;
}

void CallbackOutput::WriteAll(const TWriteProc& write, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    const uint16_t piece = static_cast<uint16_t>(std::min<std::size_t>(bytes.size(), 0x8000));
    uint16_t put = 0;
    write(bytes.data(), piece, put);
    bytes = bytes.subspan(piece);
  }
}

}  // namespace lanvero::lzh
