#include "skin/image/NineSlice.h"

#include <algorithm>

namespace lanvero {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Collects pieces, dropping those that would draw nothing or read outside
// the strip.
class PieceList {
 public:
  PieceList(int32_t strip_width, int32_t strip_height) : strip_{0, 0, strip_width, strip_height} {}

  void Add(SlicePart part, const Rect& target, const Rect& source, PieceFill fill = PieceFill::Stretch) {
    if (target.IsEmpty() || source.IsEmpty() || !Inside(source, strip_)) return;
    pieces_.push_back({part, target, source, fill});
  }
  std::vector<SlicePiece> Take() { return std::move(pieces_); }

 private:
  Rect strip_;
  std::vector<SlicePiece> pieces_;
};

Margins NonNegative(Margins m) {
  return {std::max(m.left, 0), std::max(m.top, 0), std::max(m.right, 0), std::max(m.bottom, 0)};
}

}  // namespace

Rect StripFrame(int32_t strip_width, int32_t strip_height, int32_t index, int32_t count, bool vertical) {
  if (count < 1 || index < 1 || index > count || strip_width <= 0 || strip_height <= 0) return {};
  if (vertical) {
    const int32_t fh = strip_height / count;
    return {0, (index - 1) * fh, strip_width, index * fh};
  }
  const int32_t fw = strip_width / count;
  return {(index - 1) * fw, 0, index * fw, strip_height};
}

std::vector<SlicePiece> NineSlicePieces(int32_t w, int32_t h, const Rect& frame, Margins margins, bool tile_centre,
                                        int32_t strip_width, int32_t strip_height) {
  Margins m = NonNegative(margins);
  // Margins come straight from a skin's INI: add them in 64 bits so that
  // absurd values cannot overflow.
  if (int64_t{w} < int64_t{m.left} + m.right) m.left = m.right = 0;
  if (int64_t{h} < int64_t{m.top} + m.bottom) m.top = m.bottom = 0;
  const int32_t L = m.left, T = m.top, R = m.right, B = m.bottom;
  const int32_t xo = frame.left, yo = frame.top, fw = frame.Width(), fh = frame.Height();
  PieceList pieces(strip_width, strip_height);
  if (L > 0 && T > 0) pieces.Add(SlicePart::TopLeft, {0, 0, L, T}, {xo, yo, xo + L, yo + T});
  if (L > 0 && B > 0) pieces.Add(SlicePart::BottomLeft, {0, h - B, L, h}, {xo, yo + fh - B, xo + L, yo + fh});
  if (R > 0 && T > 0) pieces.Add(SlicePart::TopRight, {w - R, 0, w, T}, {xo + fw - R, yo, xo + fw, yo + T});
  if (L > 0) pieces.Add(SlicePart::LeftEdge, {0, T, L, h - B}, {xo, yo + T, xo + L, yo + fh - B});
  if (T > 0) pieces.Add(SlicePart::TopEdge, {L, 0, w - R, T}, {xo + L, yo, xo + fw - R, yo + T});
  pieces.Add(SlicePart::Centre, {L, T, w - R, h - B}, {xo + L, yo + T, xo + fw - R, yo + fh - B},
             tile_centre ? PieceFill::Tile : PieceFill::Stretch);
  if (R > 0 && B > 0)
    pieces.Add(SlicePart::BottomRight, {w - R, h - B, w, h}, {xo + fw - R, yo + fh - B, xo + fw, yo + fh});
  if (R > 0) pieces.Add(SlicePart::RightEdge, {w - R, T, w, h - B}, {xo + fw - R, yo + T, xo + fw, yo + fh - B});
  if (B > 0) pieces.Add(SlicePart::BottomEdge, {L, h - B, w - R, h}, {xo + L, yo + fh - B, xo + fw - R, yo + fh});
  return pieces.Take();
}

std::vector<SlicePiece> TiledThreePartPieces(int32_t w, int32_t h, const Rect& frame, Margins margins,
                                             int32_t strip_width, int32_t strip_height) {
  const Margins m = NonNegative(margins);
  const int32_t L = m.left, R = m.right, xo = frame.left, fw = frame.Width();
  PieceList pieces(strip_width, strip_height);
  pieces.Add(SlicePart::LeftEnd, {0, 0, L, h}, {xo, frame.top, xo + L, frame.bottom});
  const int32_t mid = fw - L - R;
  if (mid >= 1) {
    for (int32_t x = L; x < w - R; x += mid) {
      pieces.Add(SlicePart::Middle, {x, 0, x + mid, h}, {xo + L, frame.top, xo + fw - R, frame.bottom});
    }
  }
  pieces.Add(SlicePart::RightEnd, {w - R, 0, w, h}, {xo + fw - R, frame.top, xo + fw, frame.bottom});
  return pieces.Take();
}

std::vector<SlicePiece> StretchedThreePartPieces(int32_t w, int32_t h, const Rect& frame, Margins margins,
                                                 int32_t strip_width, int32_t strip_height) {
  PieceList pieces(strip_width, strip_height);
  const int32_t fw = frame.Width();
  if (w < fw) {
    pieces.Add(SlicePart::Whole, {0, 0, w, h}, frame);
    return pieces.Take();
  }
  const Margins m = NonNegative(margins);
  const int32_t L = m.left, R = m.right, xo = frame.left;
  pieces.Add(SlicePart::LeftEnd, {0, 0, L, h}, {xo, frame.top, xo + L, frame.bottom});
  pieces.Add(SlicePart::Middle, {L, 0, w - R, h}, {xo + L, frame.top, xo + fw - R, frame.bottom});
  pieces.Add(SlicePart::RightEnd, {w - R, 0, w, h}, {xo + fw - R, frame.top, xo + fw, frame.bottom});
  return pieces.Take();
}

Rect CentredFrameTarget(int32_t width, int32_t height, const Rect& frame) {
  const int32_t x = (width - frame.Width()) / 2, y = (height - frame.Height()) / 2;
  return {x, y, x + frame.Width(), y + frame.Height()};
}

}  // namespace lanvero
