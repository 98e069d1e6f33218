// The encoder's output: literals and match lengths by the adaptive code,
// distances by the fixed prefix code, packed into bytes most significant
// bit first.

#include "skin/codec/LzhAdaptiveCode.h"
#include "skin/codec/LzhCallbackBlocks.h"
#include "skin/codec/LzhCodec.h"
#include "skin/codec/LzhPositionCode.h"

namespace lanvero {

using namespace lzh;

// Sends up to 16 bits, most significant first, held left-aligned.
void TLZH::PutCode(int length, uint16_t leftAlignedBits) {
  putbuf = static_cast<uint16_t>(putbuf | (leftAlignedBits >> putlen));
  putlen = static_cast<uint8_t>(putlen + length);
  if (putlen < 8) return;
  output_->WriteByte(static_cast<uint8_t>(putbuf >> 8));
  putlen = static_cast<uint8_t>(putlen - 8);
  if (putlen >= 8) {
    output_->WriteByte(static_cast<uint8_t>(putbuf));
    putlen = static_cast<uint8_t>(putlen - 8);
    putbuf = static_cast<uint16_t>(leftAlignedBits << (length - putlen));
  } else {
    putbuf = static_cast<uint16_t>(putbuf << 8);
  }
}

// Sends up to 32 bits held left-aligned in a 32-bit word.
void TLZH::PutBits(int length, uint32_t bits) {
  if (length > 16) {
    PutCode(16, static_cast<uint16_t>(bits >> 16));
    PutCode(length - 16, static_cast<uint16_t>(bits));
  } else {
    PutCode(length, static_cast<uint16_t>(bits >> 16));
  }
}

// The path from the root to the symbol's leaf; a node with an odd index is
// the second child of its parent. Paths can exceed 16 bits on skewed
// frequencies (the rebuild limit bounds them well below 32), so the path
// is collected in 32 bits.
void TLZH::EncodeChar(unsigned symbol) {
  uint32_t path = 0;
  int depth = 0;
  int node = code_->LeafOf(static_cast<int>(symbol));
  do {
    path >>= 1;
    if (node & 1) path |= 0x80000000u;
    ++depth;
    node = code_->ParentOf(node);
  } while (node != kRoot);
  PutBits(depth, path);
  code_->Count(static_cast<int>(symbol));
}

void TLZH::EncodePosition(unsigned distanceCode) {
  const unsigned upper = distanceCode >> 6;
  PutCode(kPositionCode.encodeLength[upper], static_cast<uint16_t>(kPositionCode.encodeBits[upper] << 8));
  PutCode(6, static_cast<uint16_t>((distanceCode & 0x3F) << 10));
}

void TLZH::EncodeEnd() {
  if (putlen > 0) output_->WriteByte(static_cast<uint8_t>(putbuf >> 8));
}

}  // namespace lanvero
