#pragma once
// Gradient colour tables, the process-wide cache of the last sixteen of
// them, and the choice of the bands a clip box leaves visible. Gradients
// are redrawn on every paint of caption bars and panels, hence the cache.

#include <array>
#include <cstdint>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

enum class GradientDirection : int32_t { LeftToRight = 0, TopToBottom = 1 };

// `steps` RGB colours from `start` to `end` (plain RGB, no system colours).
// With m = steps - 1 entry i has, per channel, start + (delta * i + m / 2) / m
// (truncating); a single step is start + delta / 2. Fewer than one step
// raises AssertionFailure ("Assertion failure").
std::vector<Color> MakeGradientTable(int32_t steps, Color start, Color end);

class GradientCache {
 public:
  static constexpr int kSlots = 16;

  // A table with `steps` entries whose first entry is `start` and last
  // `end`; reused from a slot when one matches (newest slots searched
  // first), otherwise built into the next slot round-robin.
  const std::vector<Color>& Table(int32_t steps, Color start, Color end);

 private:
  std::array<std::vector<Color>, kSlots> slots_;
  int next_slot_ = 0;
};

// The one cache of the process. Like all painting it is used from the
// user-interface thread only.
GradientCache& SharedGradientCache();

// Bands first..last (inclusive) of a gradient over `area` are inside
// `clip`; none when first > last.
struct GradientBands {
  int32_t first = 0;
  int32_t last = -1;
  bool IsEmpty() const { return first > last; }
};
GradientBands VisibleGradientBands(const Rect& area, const Rect& clip, GradientDirection direction);

// Paints the gradient into an image, only the bands that meet `clip`, each
// in the colour it has in the whole gradient. System colours are resolved.
void GradientFill(PixelImage& image, const Rect& area, Color start, Color end, GradientDirection direction,
                  const Rect& clip);

}  // namespace lanvero
