// Adaptive Huffman code of TLZH for literals and match lengths (symbols
// 0..313), and the bit-level input and output both directions share.

#include <algorithm>

#include "skin/codec/LzhCodec.h"
#include "skin/codec/LzhPositionCode.h"

namespace lanvero {

using namespace lzh;

// Leaves are nodes 0..313 in symbol order; inner nodes are built pairwise.
// son[] of a leaf holds kTreeSize + symbol; prnt[kTreeSize + symbol] maps a
// symbol to its leaf.
void TLZH::StartHuff() {
  for (int i = 0; i < kSymbolCount; ++i) {
    freq[i] = 1;
    son[i] = static_cast<int16_t>(i + kTreeSize);
    prnt[i + kTreeSize] = static_cast<int16_t>(i);
  }
  for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
    freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<int16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<int16_t>(j);
  }
  freq[kTreeSize] = 0xFFFF;  // sentinel that stops the reordering scans
  prnt[kRoot] = 0;
}

// Halves all leaf frequencies and rebuilds the tree, keeping the node list
// ordered by frequency (a new inner node goes after equal entries).
void TLZH::Reconstruct() {
  int leaf = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (son[i] >= kTreeSize) {
      freq[leaf] = static_cast<uint16_t>((freq[i] + 1) / 2);
      son[leaf] = son[i];
      ++leaf;
    }
  }
  for (int i = 0, j = kSymbolCount; j < kTreeSize; i += 2, ++j) {
    const uint16_t sum = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    int k = j - 1;
    while (sum < freq[k]) --k;
    ++k;
    std::copy_backward(freq.begin() + k, freq.begin() + j, freq.begin() + j + 1);
    std::copy_backward(son.begin() + k, son.begin() + j, son.begin() + j + 1);
    freq[k] = sum;
    son[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < kTreeSize; ++i) {
    const int child = son[i];
    prnt[child] = static_cast<int16_t>(i);
    if (child < kTreeSize) prnt[child + 1] = static_cast<int16_t>(i);
  }
}

// Counts one more occurrence of the symbol and restores the order of the
// node list by swapping a node with the last one of smaller frequency.
void TLZH::Update(int symbol) {
  if (freq[kRoot] == kRebuildFrequency) Reconstruct();
  int c = prnt[symbol + kTreeSize];
  do {
    const unsigned k = ++freq[c];
    int l = c + 1;
    if (k > freq[l]) {
      while (k > freq[++l]) {
      }
      --l;
      freq[c] = freq[l];
      freq[l] = static_cast<uint16_t>(k);

      const int i = son[c];
      prnt[i] = static_cast<int16_t>(l);
      if (i < kTreeSize) prnt[i + 1] = static_cast<int16_t>(l);
      const int j = son[l];
      son[l] = static_cast<int16_t>(i);
      prnt[j] = static_cast<int16_t>(c);
      if (j < kTreeSize) prnt[j + 1] = static_cast<int16_t>(c);
      son[c] = static_cast<int16_t>(j);
      c = l;
    }
    c = prnt[c];
  } while (c != 0);
}

// Sends up to 16 bits, most significant first, held left-aligned.
void TLZH::PutCode(int length, uint16_t leftAlignedBits) {
  putbuf = static_cast<uint16_t>(putbuf | (leftAlignedBits >> putlen));
  putlen = static_cast<uint8_t>(putlen + length);
  if (putlen < 8) return;
  WriteOne(static_cast<uint8_t>(putbuf >> 8));
  putlen = static_cast<uint8_t>(putlen - 8);
  if (putlen >= 8) {
    WriteOne(static_cast<uint8_t>(putbuf));
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
  int node = prnt[symbol + kTreeSize];
  do {
    path >>= 1;
    if (node & 1) path |= 0x80000000u;
    ++depth;
    node = prnt[node];
  } while (node != kRoot);
  PutBits(depth, path);
  Update(static_cast<int>(symbol));
}

void TLZH::EncodePosition(unsigned distanceCode) {
  const unsigned upper = distanceCode >> 6;
  PutCode(kPositionCode.encodeLength[upper], static_cast<uint16_t>(kPositionCode.encodeBits[upper] << 8));
  PutCode(6, static_cast<uint16_t>((distanceCode & 0x3F) << 10));
}

void TLZH::EncodeEnd() {
  if (putlen > 0) WriteOne(static_cast<uint8_t>(putbuf >> 8));
}

// Keeps more than 8 bits in getbuf; input past the end reads as zeros.
void TLZH::Refill() {
  while (getlen <= 8) {
    uint8_t next = 0;
    if (!ReadOne(next)) ++readsPastEnd_;
    getbuf = static_cast<uint16_t>(getbuf | (next << (8 - getlen)));
    getlen = static_cast<uint8_t>(getlen + 8);
  }
}

int TLZH::GetBit() {
  Refill();
  const int bit = getbuf >> 15;
  getbuf = static_cast<uint16_t>(getbuf << 1);
  --getlen;
  return bit;
}

int TLZH::GetByte() {
  Refill();
  const int byte = getbuf >> 8;
  getbuf = static_cast<uint16_t>(getbuf << 8);
  getlen = static_cast<uint8_t>(getlen - 8);
  return byte;
}

int TLZH::DecodeChar() {
  int node = son[kRoot];
  while (node < kTreeSize) {
    node = son[node + GetBit()];
  }
  const int symbol = node - kTreeSize;
  Update(symbol);
  return symbol;
}

int TLZH::DecodePosition() {
  unsigned bits = static_cast<unsigned>(GetByte());
  const unsigned upper = kPositionCode.decodeValue[bits];
  for (int more = kPositionCode.decodeLength[bits] - 2; more > 0; --more) {
    bits = (bits << 1) + static_cast<unsigned>(GetBit());
  }
  return static_cast<int>((upper << 6) | (bits & 0x3F));
}

}  // namespace lanvero
