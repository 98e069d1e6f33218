#pragma once
// The codec's callbacks (TReadProc, TWriteProc) moved in blocks, so that
// neither direction costs a call per byte.

#include <array>
#include <cstdint>
#include <span>

#include "skin/codec/LzhBitReader.h"
#include "skin/codec/LzhCodec.h"

namespace lanvero::lzh {

inline constexpr uint16_t kCallbackBlockSize = 8192;

// Asks the read callback for a block at a time until it delivers nothing;
// after that it is not asked again.
class CallbackInput final : public BlockSource {
 public:
  explicit CallbackInput(const TReadProc& read) : read_(read) {}

  std::span<const uint8_t> NextBlock() override;

  // False at the end of the input.
  bool ReadByte(uint8_t& value) {
    if (next_ == count_ && !Fill()) return false;
    value = block_[next_++];
    return true;
  }

 private:
  bool Fill();

  const TReadProc& read_;
  std::array<uint8_t, kCallbackBlockSize> block_{};
  uint16_t next_ = 0;
  uint16_t count_ = 0;
  bool ended_ = false;
};

// Collects bytes and hands them to the write callback a block at a time;
// Flush hands over the rest.
class CallbackOutput {
 public:
  explicit CallbackOutput(const TWriteProc& write) : write_(write) {}

  void WriteByte(uint8_t value) {
    if (count_ == block_.size()) Flush();
    block_[count_++] = value;
  }
  void Flush();
  // Hands `bytes` over directly, in pieces the callback can take.
  static void WriteAll(const TWriteProc& write, std::span<const uint8_t> bytes);

 private:
  const TWriteProc& write_;
  std::array<uint8_t, kCallbackBlockSize> block_{};
  uint16_t count_ = 0;
};

}  // namespace lanvero::lzh
