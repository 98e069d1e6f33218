#pragma once
// What one skin load may cost. Programs load with the defaults; a caller
// that loads many untrusted skins in a row (a fuzz target) passes smaller
// limits so that each load stays cheap.

#include <cstdint>

namespace lanvero {

// Pixels all images of one load may decode to together (128 MB of pixels).
// Skins hold a few kilopixels; the cap keeps a hostile package that names
// the same huge bitmap in every section from costing gigabytes. Images
// beyond it load as empty.
inline constexpr int64_t kLoadPixelBudget = int64_t{1} << 25;

struct SkinLoadLimits {
  int64_t pixels = kLoadPixelBudget;
};

}  // namespace lanvero
