#pragma once
// Adaptive Huffman code of the LZH codec for literals and match lengths
// (symbols 0..313), shared by the encoder and the decoder. Every coded
// symbol is counted afterwards on both sides, so both trees stay equal.
//
// Nodes are kept in a list ordered by frequency. Leaves are nodes whose
// son[] holds kTreeSize + symbol; an inner node's sons are son[n] and
// son[n] + 1, and parent[kTreeSize + symbol] maps a symbol to its leaf.
// The tree is a Huffman tree of the counts, which the rebuild keeps below
// 0x8000 in total: no path is longer than about 22 bits.

#include <array>
#include <cstdint>

#include "skin/codec/LzhFormat.h"

namespace lanvero::lzh {

class AdaptiveCode {
 public:
  AdaptiveCode();

  // Decoding: the path from the root, one bit per step (a 1 picks the
  // second son), then the symbol is counted.
  template <typename BitReader>
  int Decode(BitReader& bits) {
    int node = son_[kRoot];
    while (node < kTreeSize) node = son_[node + bits.TakeBit()];
    const int symbol = node - kTreeSize;
    Count(symbol);
    return symbol;
  }

  // Encoding walks up from the symbol's leaf: a node with an odd index is
  // the second son of its parent.
  int LeafOf(int symbol) const { return parent_[symbol + kTreeSize]; }
  int ParentOf(int node) const { return parent_[node]; }

  // Counts one more occurrence of the symbol and restores the order of the
  // node list by swapping a node with the last one of smaller frequency.
  void Count(int symbol) {
    if (freq_[kRoot] == kRebuildFrequency) Rebuild();
    int c = parent_[symbol + kTreeSize];
    do {
      const unsigned k = ++freq_[c];
      int l = c + 1;
      if (k > freq_[l]) {
        while (k > freq_[++l]) {
        }
        --l;
        freq_[c] = freq_[l];
        freq_[l] = static_cast<uint16_t>(k);
        const int i = son_[c];
        const int j = son_[l];
        Adopt(i, l);
        Adopt(j, c);
        son_[l] = static_cast<int16_t>(i);
        son_[c] = static_cast<int16_t>(j);
        c = l;
      }
      c = parent_[c];
    } while (c != 0);
  }

 private:
  // Makes node `parent` the parent of `son` (and of its sibling, for an
  // inner node).
  void Adopt(int son, int parent) {
    parent_[son] = static_cast<int16_t>(parent);
    if (son < kTreeSize) parent_[son + 1] = static_cast<int16_t>(parent);
  }
  void Rebuild();

  std::array<uint16_t, kTreeSize + 1> freq_{};  // the last entry is a sentinel above every count
  std::array<int16_t, kTreeSize + kSymbolCount> parent_{};
  std::array<int16_t, kTreeSize> son_{};
};

}  // namespace lanvero::lzh
