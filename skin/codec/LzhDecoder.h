#pragma once
// The LZH decoder: the bit stream in, the text out, with no callback per
// byte. It never produces more than the declared size and stops soon after
// its input ends, whatever the input holds.

#include <cstdint>
#include <span>
#include <vector>

#include "skin/codec/LzhBitReader.h"

namespace lanvero::lzh {

// Decodes up to `textSize` bytes (none when it is not positive) from the
// bit stream `input`; corrupt or cut input yields fewer.
std::vector<uint8_t> DecodeText(std::span<const uint8_t> input, int32_t textSize);
// The same with the input supplied block by block.
std::vector<uint8_t> DecodeText(BlockSource& input, int32_t textSize);

}  // namespace lanvero::lzh
