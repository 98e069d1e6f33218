#include "skin/image/GradientTable.h"

#include <algorithm>

#include "skin/image/ImgUtil.h"
#include "skin/image/SysColors.h"
#include "skin/ini/QuickIni.h"

namespace lanvero {
namespace {

int32_t Channel(Color c, int shift) { return static_cast<int32_t>((c >> shift) & 0xFF); }

Color GradientEntry(Color start, Color end, int32_t i, int32_t m) {
  Color entry = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int32_t from = Channel(start, shift);
    const int32_t delta = Channel(end, shift) - from;
    const int32_t value = m == 0 ? from + delta / 2 : from + (delta * i + m / 2) / m;
    entry |= (static_cast<Color>(value) & 0xFF) << shift;
  }
  return entry;
}

}  // namespace

std::vector<Color> MakeGradientTable(int32_t steps, Color start, Color end) {
  if (steps < 1) throw AssertionFailure("Assertion failure");
  std::vector<Color> table(static_cast<std::size_t>(steps));
  const int32_t m = steps - 1;
  for (int32_t i = 0; i < steps; ++i) table[static_cast<std::size_t>(i)] = GradientEntry(start, end, i, m);
  return table;
}

const std::vector<Color>& GradientCache::Table(int32_t steps, Color start, Color end) {
  if (steps < 1) throw AssertionFailure("Assertion failure");
  for (int slot = kSlots - 1; slot >= 0; --slot) {
    const auto& table = slots_[static_cast<std::size_t>(slot)];
    if (table.size() == static_cast<std::size_t>(steps) && table.front() == start && table.back() == end) {
      return table;
    }
  }
  auto& table = slots_[static_cast<std::size_t>(next_slot_)];
  next_slot_ = (next_slot_ + 1) % kSlots;
  table = MakeGradientTable(steps, start, end);
  return table;
}

GradientCache& SharedGradientCache() {
  static GradientCache cache;
  return cache;
}

GradientBands VisibleGradientBands(const Rect& area, const Rect& clip, GradientDirection direction) {
  const bool across_x = direction == GradientDirection::LeftToRight;
  const int32_t steps = across_x ? area.Width() : area.Height();
  if (steps <= 0 || Intersect(area, clip).IsEmpty()) return {};
  const int32_t leading = across_x ? clip.left - area.left : clip.top - area.top;
  const int32_t trailing = across_x ? area.right - clip.right : area.bottom - clip.bottom;
  return {std::max(leading, 0), steps - 1 - std::max(trailing, 0)};
}

void GradientFill(PixelImage& image, const Rect& area, Color start, Color end, GradientDirection direction,
                  const Rect& clip) {
  const GradientBands bands = VisibleGradientBands(area, clip, direction);
  if (bands.IsEmpty()) return;
  const bool across_x = direction == GradientDirection::LeftToRight;
  const auto& table =
      SharedGradientCache().Table(across_x ? area.Width() : area.Height(), ResolveColor(start), ResolveColor(end));
  const Rect visible = Intersect(area, clip);
  for (int32_t i = bands.first; i <= bands.last; ++i) {
    const Rect band = across_x ? Rect{area.left + i, visible.top, area.left + i + 1, visible.bottom}
                               : Rect{visible.left, area.top + i, visible.right, area.top + i + 1};
    FillSolid(image, band, table[static_cast<std::size_t>(i)]);
  }
}

}  // namespace lanvero
