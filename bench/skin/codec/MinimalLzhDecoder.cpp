#include "bench/skin/codec/MinimalLzhDecoder.h"

#include <memory>

namespace lanvero::bench {
namespace {

constexpr int kRing = 4096;
constexpr int kMaxMatch = 60;
constexpr int kLiterals = 256;
constexpr int kCodes = kLiterals - 2 + kMaxMatch;  // literals and match lengths 3..60
constexpr int kNodes = 2 * kCodes - 1;
constexpr int kTop = kNodes - 1;
constexpr unsigned kHalveAt = 0x8000;

struct Decoder {
  unsigned short freq[kNodes + 1];
  short parent[kNodes + kCodes];
  short child[kNodes];
  unsigned char ring[kRing];
  unsigned char upperOf[256];  // position code: upper 6 bits by leading byte
  unsigned char bitsOf[256];   // and the length of that code
  const uint8_t* in;
  const uint8_t* inEnd;
  unsigned short bitBuffer;
  int bitCount;
};

void BuildPositionTables(Decoder& d) {
  // Code lengths by upper value: 1 of 3 bits, 3 of 4, 8 of 5, 12 of 6,
  // 24 of 7, 16 of 8; codes assigned in order.
  const int counts[] = {1, 3, 8, 12, 24, 16};
  int value = 0, code = 0;
  for (int length = 3; length <= 8; ++length) {
    for (int n = 0; n < counts[length - 3]; ++n, ++value, ++code) {
      const int first = code << (8 - length);
      for (int b = 0; b < (1 << (8 - length)); ++b) {
        d.upperOf[first + b] = static_cast<unsigned char>(value);
        d.bitsOf[first + b] = static_cast<unsigned char>(length);
      }
    }
    code <<= 1;
  }
}

void StartTree(Decoder& d) {
  for (int i = 0; i < kCodes; ++i) {
    d.freq[i] = 1;
    d.child[i] = static_cast<short>(i + kNodes);
    d.parent[i + kNodes] = static_cast<short>(i);
  }
  for (int i = 0, j = kCodes; j <= kTop; i += 2, ++j) {
    d.freq[j] = static_cast<unsigned short>(d.freq[i] + d.freq[i + 1]);
    d.child[j] = static_cast<short>(i);
    d.parent[i] = d.parent[i + 1] = static_cast<short>(j);
  }
  d.freq[kNodes] = 0xFFFF;
  d.parent[kTop] = 0;
}

void HalveAndRebuild(Decoder& d) {
  int j = 0;
  for (int i = 0; i < kNodes; ++i) {
    if (d.child[i] >= kNodes) {
      d.freq[j] = static_cast<unsigned short>((d.freq[i] + 1) / 2);
      d.child[j] = d.child[i];
      ++j;
    }
  }
  for (int i = 0, n = kCodes; n < kNodes; i += 2, ++n) {
    const unsigned short f = static_cast<unsigned short>(d.freq[i] + d.freq[i + 1]);
    int at = n;
    while (at > 0 && f < d.freq[at - 1]) {
      d.freq[at] = d.freq[at - 1];
      d.child[at] = d.child[at - 1];
      --at;
    }
    d.freq[at] = f;
    d.child[at] = static_cast<short>(i);
  }
  for (int i = 0; i < kNodes; ++i) {
    const int c = d.child[i];
    d.parent[c] = static_cast<short>(i);
    if (c < kNodes) d.parent[c + 1] = static_cast<short>(i);
  }
}

void Count(Decoder& d, int code) {
  if (d.freq[kTop] == kHalveAt) HalveAndRebuild(d);
  int node = d.parent[code + kNodes];
  do {
    const unsigned f = ++d.freq[node];
    int last = node + 1;
    if (f > d.freq[last]) {
      while (f > d.freq[++last]) {
      }
      --last;
      d.freq[node] = d.freq[last];
      d.freq[last] = static_cast<unsigned short>(f);
      const int a = d.child[node];
      const int b = d.child[last];
      d.parent[a] = static_cast<short>(last);
      if (a < kNodes) d.parent[a + 1] = static_cast<short>(last);
      d.parent[b] = static_cast<short>(node);
      if (b < kNodes) d.parent[b + 1] = static_cast<short>(node);
      d.child[last] = static_cast<short>(a);
      d.child[node] = static_cast<short>(b);
      node = last;
    }
    node = d.parent[node];
  } while (node != 0);
}

inline void Fill(Decoder& d) {
  while (d.bitCount <= 8) {
    const unsigned byte = d.in < d.inEnd ? *d.in++ : 0u;
    d.bitBuffer = static_cast<unsigned short>(d.bitBuffer | (byte << (8 - d.bitCount)));
    d.bitCount += 8;
  }
}

inline int Bit(Decoder& d) {
  Fill(d);
  const int bit = d.bitBuffer >> 15;
  d.bitBuffer = static_cast<unsigned short>(d.bitBuffer << 1);
  --d.bitCount;
  return bit;
}

inline int Byte(Decoder& d) {
  Fill(d);
  const int byte = d.bitBuffer >> 8;
  d.bitBuffer = static_cast<unsigned short>(d.bitBuffer << 8);
  d.bitCount -= 8;
  return byte;
}

inline int Code(Decoder& d) {
  int node = d.child[kTop];
  while (node < kNodes) node = d.child[node + Bit(d)];
  node -= kNodes;
  Count(d, node);
  return node;
}

inline int Distance(Decoder& d) {
  int bits = Byte(d);
  const int upper = d.upperOf[bits];
  for (int more = d.bitsOf[bits] - 2; more > 0; --more) bits = (bits << 1) + Bit(d);
  return (upper << 6) | (bits & 0x3F);
}

}  // namespace

std::vector<uint8_t> MinimalLzhDecode(std::span<const uint8_t> bitStream, std::size_t textSize) {
  const auto d = std::make_unique<Decoder>();
  BuildPositionTables(*d);
  StartTree(*d);
  d->in = bitStream.data();
  d->inEnd = bitStream.data() + bitStream.size();
  d->bitBuffer = 0;
  d->bitCount = 0;
  for (int i = 0; i < kRing; ++i) d->ring[i] = i < kRing - kMaxMatch ? ' ' : 0;

  std::vector<uint8_t> text(textSize + kMaxMatch);
  uint8_t* out = text.data();
  uint8_t* const outEnd = out + textSize;
  int r = kRing - kMaxMatch;
  while (out < outEnd) {
    const int code = Code(*d);
    if (code < kLiterals) {
      *out++ = d->ring[r] = static_cast<unsigned char>(code);
      r = (r + 1) & (kRing - 1);
    } else {
      const int from = r - Distance(*d) - 1;
      const int length = code - kLiterals + 3;
      for (int k = 0; k < length; ++k) {
        *out++ = d->ring[r] = d->ring[(from + k) & (kRing - 1)];
        r = (r + 1) & (kRing - 1);
      }
    }
  }
  text.resize(textSize);
  return text;
}

}  // namespace lanvero::bench
