// Match finder of TLZH: one binary search tree per first byte over the
// strings starting in the ring buffer. Inserting a string also finds the
// longest earlier match for it (the nearest one among equals).

#include "skin/codec/LzhCodec.h"

namespace lanvero {

using namespace lzh;

void TLZH::InitTree() {
  for (int i = kRingSize + 1; i <= kRingSize + 256; ++i) rson[i] = kNoNode;
  for (int i = 0; i < kRingSize; ++i) dad[i] = kNoNode;
}

void TLZH::InsertNode(int r) {
  const uint8_t* key = &text_buf[r];
  int p = kRingSize + 1 + key[0];
  int cmp = 1;
  rson[r] = lson[r] = kNoNode;
  match_length = 0;
  for (;;) {
    auto& child = cmp >= 0 ? rson : lson;
    if (child[p] == kNoNode) {
      child[p] = static_cast<int16_t>(r);
      dad[r] = static_cast<int16_t>(p);
      return;
    }
    p = child[p];
    int i = 1;
    for (; i < kLongestMatch; ++i) {
      cmp = key[i] - text_buf[p + i];
      if (cmp != 0) break;
    }
    if (i > kThreshold) {
      const int distanceCode = ((r - p) & (kRingSize - 1)) - 1;
      if (i > match_length) {
        match_position = static_cast<int16_t>(distanceCode);
        match_length = static_cast<int16_t>(i);
        if (i >= kLongestMatch) break;
      } else if (i == match_length && distanceCode < match_position) {
        match_position = static_cast<int16_t>(distanceCode);
      }
    }
  }
  // A full-length match: node r takes the place of node p.
  dad[r] = dad[p];
  lson[r] = lson[p];
  rson[r] = rson[p];
  dad[lson[p]] = static_cast<int16_t>(r);
  dad[rson[p]] = static_cast<int16_t>(r);
  if (rson[dad[p]] == p) {
    rson[dad[p]] = static_cast<int16_t>(r);
  } else {
    lson[dad[p]] = static_cast<int16_t>(r);
  }
  dad[p] = kNoNode;
}

void TLZH::DeleteNode(int p) {
  if (dad[p] == kNoNode) return;  // not in the tree
  int q;
  if (rson[p] == kNoNode) {
    q = lson[p];
  } else if (lson[p] == kNoNode) {
    q = rson[p];
  } else {
    // Two children: the rightmost node of the left subtree replaces p.
    q = lson[p];
    if (rson[q] != kNoNode) {
      do {
        q = rson[q];
      } while (rson[q] != kNoNode);
      rson[dad[q]] = lson[q];
      dad[lson[q]] = dad[q];
      lson[q] = lson[p];
      dad[lson[p]] = static_cast<int16_t>(q);
    }
    rson[q] = rson[p];
    dad[rson[p]] = static_cast<int16_t>(q);
  }
  dad[q] = dad[p];
  if (rson[dad[p]] == p) {
    rson[dad[p]] = static_cast<int16_t>(q);
  } else {
    lson[dad[p]] = static_cast<int16_t>(q);
  }
  dad[p] = kNoNode;
}

}  // namespace lanvero
