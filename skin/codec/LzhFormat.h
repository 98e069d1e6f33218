#pragma once
// Sizes and limits of the LZH format of the skin packages: LZSS over a
// 4,096-byte ring buffer whose first 4,036 bytes start as spaces, matches
// of 3 to 60 bytes, and the adaptive Huffman code of literals and lengths.

#include <cstdint>

namespace lanvero::lzh {

inline constexpr int kRingSize = 4096;                                 // N
inline constexpr int kLongestMatch = 60;                               // F
inline constexpr int kThreshold = 2;                                   // longer matches are coded
inline constexpr int kNoNode = kRingSize;                              // NIL of the search tree
inline constexpr int kSymbolCount = 256 - kThreshold + kLongestMatch;  // 314
inline constexpr int kTreeSize = 2 * kSymbolCount - 1;                 // 627
inline constexpr int kRoot = kTreeSize - 1;                            // 626
inline constexpr unsigned kRebuildFrequency = 0x8000;
inline constexpr int kFirstWritePosition = kRingSize - kLongestMatch;  // 4036
inline constexpr uint8_t kInitialFill = 0x20;
// A conforming stream ends within its last byte. Once the decoder has
// taken more bits past the end of its input than this many bytes hold, the
// input was cut short, and decoding stops instead of inventing output.
inline constexpr int kMaxReadsPastEnd = 8;

}  // namespace lanvero::lzh
