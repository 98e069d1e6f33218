#include "skin/image/SkinRaster.h"

#include <algorithm>
#include <vector>

#include "skin/image/SysColors.h"

namespace lanvero {
namespace {

bool SourceInside(const PixelView& from, const Rect& source) {
  return !source.IsEmpty() && !from.IsEmpty() && source.left >= 0 && source.top >= 0 && source.right <= from.width &&
         source.bottom <= from.height;
}

// Source offset for target offset `i` of `target_len`, sampling at the
// centre of the target pixel.
int32_t SampleOffset(int32_t i, int32_t source_len, int32_t target_len) {
  return static_cast<int32_t>((2 * int64_t{i} + 1) * source_len / (2 * int64_t{target_len}));
}

// Draws `layout` into a fresh image of the destination's size, then puts
// that image on the canvas, opaque or keyed.
void ComposeAndPlace(PixelImage& canvas, const Rect& destination, std::span<const SlicePiece> layout,
                     const PixelView& strip, bool transparent) {
  PixelImage scratch(destination.Width(), destination.Height());
  DrawPieces(scratch, layout, strip);
  if (transparent) {
    TransparentCopy(canvas, destination, scratch.View(), kMagentaKey);
  } else {
    StretchCopy(canvas,
                {destination.left, destination.top, destination.left + scratch.Width(),
                 destination.top + scratch.Height()},
                scratch.View(), scratch.Bounds());
  }
}

}  // namespace

void StretchCopy(PixelImage& to, const Rect& target, const PixelView& from, const Rect& source) {
  if (!SourceInside(from, source) || target.IsEmpty()) return;
  const Rect visible = Intersect(target, to.Bounds());
  if (visible.IsEmpty()) return;
  if (target.Width() == source.Width() && target.Height() == source.Height()) {
    // Unscaled (corners, tiles): whole row pieces.
    for (int32_t y = visible.top; y < visible.bottom; ++y) {
      const Pixel* row = from.pixels + static_cast<std::size_t>(source.top + y - target.top) * from.stride +
                         (source.left + visible.left - target.left);
      std::copy(row, row + visible.Width(), to.Row(y).begin() + visible.left);
    }
    return;
  }
  std::vector<int32_t> columns(static_cast<std::size_t>(visible.Width()));
  for (int32_t x = visible.left; x < visible.right; ++x) {
    columns[static_cast<std::size_t>(x - visible.left)] =
        source.left + SampleOffset(x - target.left, source.Width(), target.Width());
  }
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    const int32_t sy = source.top + SampleOffset(y - target.top, source.Height(), target.Height());
    auto row = to.Row(y).subspan(visible.left, visible.Width());
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = from.At(columns[i], sy);
  }
}

void TileDraw(PixelImage& to, const Rect& area, const PixelView& from, const Rect& source) {
  if (source.Width() <= 0 || source.Height() <= 0 || !SourceInside(from, source) || area.IsEmpty()) return;
  const int32_t tw = source.Width(), th = source.Height();
  // Whole tiles cover the area, the last ones reaching past it.
  const Rect covered{area.left, area.top, area.left + (area.Width() + tw - 1) / tw * tw,
                     area.top + (area.Height() + th - 1) / th * th};
  const Rect visible = Intersect(covered, to.Bounds());
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    auto row = to.Row(y).subspan(visible.left, visible.Width());
    if (y - th >= visible.top) {  // same tile row as one already drawn
      const auto above = to.Row(y - th).subspan(visible.left, visible.Width());
      std::ranges::copy(above, row.begin());
      continue;
    }
    const Pixel* tile_row =
        from.pixels + static_cast<std::size_t>(source.top + (y - area.top) % th) * from.stride + source.left;
    std::size_t x = 0;
    for (int32_t phase = (visible.left - area.left) % tw; x < row.size(); phase = 0) {
      const std::size_t run = std::min(static_cast<std::size_t>(tw - phase), row.size() - x);
      std::copy(tile_row + phase, tile_row + phase + run, row.begin() + x);
      x += run;
    }
  }
}

void TransparentCopy(PixelImage& to, const Rect& area, const PixelView& from, Color key) {
  if (area.IsEmpty() || from.IsEmpty()) return;
  const Rect covered{area.left, area.top, area.left + std::min(area.Width(), from.width),
                     area.top + std::min(area.Height(), from.height)};
  const Rect visible = Intersect(covered, to.Bounds());
  const Pixel key_pixel = PixelFromColor(ResolveColor(key));
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    for (int32_t x = visible.left; x < visible.right; ++x) {
      const Pixel p = from.At(x - area.left, y - area.top) & 0x00FFFFFF;
      if (p != key_pixel) to.Set(x, y, p);
    }
  }
}

void DrawPieces(PixelImage& to, std::span<const SlicePiece> pieces, const PixelView& from, int32_t origin_x,
                int32_t origin_y) {
  for (const SlicePiece& piece : pieces) {
    const Rect target = piece.target.Offset(origin_x, origin_y);
    if (piece.fill == PieceFill::Tile) {
      TileDraw(to, target, from, piece.source);
    } else {
      StretchCopy(to, target, from, piece.source);
    }
  }
}

PixelImage BuildSkinImage(const Rect& destination, const PixelView& strip, const Margins& margins, int32_t index,
                          int32_t count, bool tile_centre, bool vertical) {
  PixelImage result(destination.Width(), destination.Height());
  if (result.IsEmpty()) return result;
  const Rect frame = StripFrame(strip.width, strip.height, index, count, vertical);
  const auto pieces =
      NineSlicePieces(result.Width(), result.Height(), frame, margins, tile_centre, strip.width, strip.height);
  DrawPieces(result, pieces, strip);
  return result;
}

void DrawSkinFrame(PixelImage& canvas, const Rect& destination, const PixelView& strip, const Margins& margins,
                   int32_t index, int32_t count, bool transparent, bool tile_centre, bool vertical) {
  if (destination.IsEmpty()) return;
  const Rect frame = StripFrame(strip.width, strip.height, index, count, vertical);
  const auto pieces = NineSlicePieces(destination.Width(), destination.Height(), frame, margins, tile_centre,
                                      strip.width, strip.height);
  ComposeAndPlace(canvas, destination, pieces, strip, transparent);
}

void DrawSkinFrameTiled(PixelImage& canvas, const Rect& destination, const PixelView& strip, const Margins& margins,
                        int32_t index, int32_t count, bool transparent, bool vertical) {
  if (destination.IsEmpty()) return;
  const Rect frame = StripFrame(strip.width, strip.height, index, count, vertical);
  const auto pieces =
      TiledThreePartPieces(destination.Width(), destination.Height(), frame, margins, strip.width, strip.height);
  ComposeAndPlace(canvas, destination, pieces, strip, transparent);
}

void DrawSkinFrameStretched(PixelImage& canvas, const Rect& destination, const PixelView& strip, int32_t index,
                            int32_t count, bool transparent) {
  if (destination.IsEmpty()) return;
  const Rect frame = StripFrame(strip.width, strip.height, index, count, false);
  const SlicePiece whole{SlicePart::Whole, {0, 0, destination.Width(), destination.Height()}, frame};
  ComposeAndPlace(canvas, destination, {&whole, 1}, strip, transparent);
}

void DrawSkinFrameCentered(PixelImage& canvas, const Rect& destination, const PixelView& strip, int32_t index,
                           int32_t count, bool transparent) {
  if (destination.IsEmpty()) return;
  const Rect frame = StripFrame(strip.width, strip.height, index, count, false);
  if (frame.IsEmpty()) return;
  const Rect at =
      CentredFrameTarget(destination.Width(), destination.Height(), frame).Offset(destination.left, destination.top);
  const SlicePiece unscaled{SlicePart::Whole, {0, 0, frame.Width(), frame.Height()}, frame};
  ComposeAndPlace(canvas, at, {&unscaled, 1}, strip, transparent);
}

void DrawSkinFrame3(PixelImage& canvas, const Rect& destination, const PixelView& strip, const Margins& margins,
                    int32_t index, int32_t count, bool vertical) {
  if (destination.IsEmpty()) return;
  const Rect frame = StripFrame(strip.width, strip.height, index, count, vertical);
  const auto pieces =
      StretchedThreePartPieces(destination.Width(), destination.Height(), frame, margins, strip.width, strip.height);
  DrawPieces(canvas, pieces, strip, destination.left, destination.top);
}

}  // namespace lanvero
