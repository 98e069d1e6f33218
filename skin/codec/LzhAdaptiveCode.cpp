#include "skin/codec/LzhAdaptiveCode.h"

#include <algorithm>

namespace lanvero::lzh {

// Every symbol starts with a count of 1; inner nodes are built pairwise.
AdaptiveCode::AdaptiveCode() {
  for (int i = 0; i < kSymbolCount; ++i) {
    freq_[i] = 1;
    son_[i] = static_cast<int16_t>(i + kTreeSize);
    parent_[i + kTreeSize] = static_cast<int16_t>(i);
  }
  for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
    freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
    son_[j] = static_cast<int16_t>(i);
    parent_[i] = parent_[i + 1] = static_cast<int16_t>(j);
  }
  freq_[kTreeSize] = 0xFFFF;  // stops the reordering scans
  parent_[kRoot] = 0;
}

// Halves all leaf frequencies and rebuilds the tree, keeping the node list
// ordered by frequency (a new inner node goes after equal entries).
void AdaptiveCode::Rebuild() {
  int leaf = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (son_[i] >= kTreeSize) {
      freq_[leaf] = static_cast<uint16_t>((freq_[i] + 1) / 2);
      son_[leaf] = son_[i];
      ++leaf;
    }
  }
  for (int i = 0, j = kSymbolCount; j < kTreeSize; i += 2, ++j) {
    const uint16_t sum = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
    int k = j - 1;
    while (sum < freq_[k]) --k;
    ++k;
    std::copy_backward(freq_.begin() + k, freq_.begin() + j, freq_.begin() + j + 1);
    std::copy_backward(son_.begin() + k, son_.begin() + j, son_.begin() + j + 1);
    freq_[k] = sum;
    son_[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < kTreeSize; ++i) Adopt(son_[i], i);
}

}  // namespace lanvero::lzh
