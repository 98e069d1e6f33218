#include "skin/image/win/SkinDraw.h"

#include <algorithm>
#include <span>
#include <vector>

#include "skin/image/ImgUtil.h"
#include "skin/image/NineSlice.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"

namespace lanvero {
namespace {

using framework::SelectGuard;
using framework::UniqueBitmap;
using framework::UniqueBrush;
using framework::UniqueDC;

constexpr DWORD kKeepDestinationWhereMaskSet = 0xCCAA0029;  // MAKEROP4(SRCCOPY, destination)

// Runs painting code, dropping whatever it throws.
template <typename Paint>
void PaintSafely(Paint&& paint) noexcept {
  try {
    paint();
  } catch (...) {
  }
}

void TileFrom(HDC dc, const Rect& area, HDC source, const Rect& tile) {
  if (tile.Width() <= 0 || tile.Height() <= 0) return;
  for (int32_t x = area.left; x < area.right; x += tile.Width()) {
    for (int32_t y = area.top; y < area.bottom; y += tile.Height()) {
      BitBlt(dc, x, y, tile.Width(), tile.Height(), source, tile.left, tile.top, SRCCOPY);
    }
  }
}

// Tiles inside a scratch bitmap of our own (no clipping, nothing else drawn
// there yet): one tile from the source, then the filled part copied onto
// the rest, doubling each time. Same pixels as tile-by-tile, in a
// logarithmic number of calls.
void TileByDoubling(HDC scratch, const Rect& area, HDC source, const Rect& tile) {
  if (tile.Width() <= 0 || tile.Height() <= 0 || area.IsEmpty()) return;
  const int32_t full_width = (area.Width() + tile.Width() - 1) / tile.Width() * tile.Width();
  const int32_t full_height = (area.Height() + tile.Height() - 1) / tile.Height() * tile.Height();
  BitBlt(scratch, area.left, area.top, tile.Width(), tile.Height(), source, tile.left, tile.top, SRCCOPY);
  for (int32_t filled = tile.Width(); filled < full_width; filled *= 2) {
    BitBlt(scratch, area.left + filled, area.top, std::min(filled, full_width - filled), tile.Height(), scratch,
           area.left, area.top, SRCCOPY);
  }
  for (int32_t filled = tile.Height(); filled < full_height; filled *= 2) {
    BitBlt(scratch, area.left, area.top + filled, full_width, std::min(filled, full_height - filled), scratch,
           area.left, area.top, SRCCOPY);
  }
}

enum class Tiling { TileByTile, Doubling };

void DrawPieces(HDC dc, std::span<const SlicePiece> pieces, HDC source, Tiling tiling, int32_t origin_x = 0,
                int32_t origin_y = 0) {
  for (const SlicePiece& piece : pieces) {
    const Rect to = piece.target.Offset(origin_x, origin_y);
    const Rect& from = piece.source;
    if (piece.fill == PieceFill::Tile) {
      if (tiling == Tiling::Doubling) {
        TileByDoubling(dc, to, source, from);
      } else {
        TileFrom(dc, to, source, from);
      }
    } else {
      StretchBlt(dc, to.left, to.top, to.Width(), to.Height(), source, from.left, from.top, from.Width(), from.Height(),
                 SRCCOPY);
    }
  }
}

// Draws a layout of `strip` into a new bitmap of the given size.
DibSection ComposeLayout(int32_t width, int32_t height, std::span<const SlicePiece> pieces, HDC strip) {
  DibSection scratch = DibSection::Create(width, height);
  if (scratch.IsEmpty()) return scratch;
  const BitmapDC scratch_dc(scratch.Handle());
  if (!scratch_dc) return {};
  SetStretchBltMode(scratch_dc.Get(), COLORONCOLOR);
  DrawPieces(scratch_dc.Get(), pieces, strip, Tiling::Doubling);
  return scratch;
}

// Puts a composed bitmap on the device context at `at`, keyed or opaque.
void Place(HDC dc, const Rect& at, const DibSection& bitmap, bool transparent) {
  if (bitmap.IsEmpty()) return;
  if (transparent) {
    TransparentBlit(dc, at, bitmap.Handle(), kMagentaKey);
    return;
  }
  const BitmapDC source(bitmap.Handle());
  if (source) BitBlt(dc, at.left, at.top, bitmap.Width(), bitmap.Height(), source.Get(), 0, 0, SRCCOPY);
}

// Composes a layout of `strip` at the size of `at` and puts it there.
void ComposeAndPlace(HDC dc, const Rect& at, std::span<const SlicePiece> pieces, HBITMAP strip, bool transparent) {
  const BitmapDC strip_dc(strip);
  if (!strip_dc) return;
  Place(dc, at, ComposeLayout(at.Width(), at.Height(), pieces, strip_dc.Get()), transparent);
}

Rect FrameOf(HBITMAP strip, int32_t index, int32_t count, bool vertical) {
  const SIZE size = BitmapSize(strip);
  return StripFrame(size.cx, size.cy, index, count, vertical);
}

// Monochrome mask of `bitmap`: set where the pixel has the key colour.
UniqueBitmap KeyMask(HDC source, int32_t width, int32_t height, Color key) {
  UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
  if (!mask) return mask;
  const BitmapDC mask_dc(mask.Get());
  const COLORREF old_background = SetBkColor(source, ResolveColor(key));
  BitBlt(mask_dc.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  SetBkColor(source, old_background);
  return mask;
}

// Without MaskBlt: source XOR, mask AND, source XOR leaves the destination
// where the mask is white and the source where it is black.
void MaskByRasterOps(HDC dc, const Rect& at, HDC source, HBITMAP mask) {
  const BitmapDC mask_dc(mask);
  const COLORREF old_background = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, at.left, at.top, at.Width(), at.Height(), source, 0, 0, SRCINVERT);
  BitBlt(dc, at.left, at.top, at.Width(), at.Height(), mask_dc.Get(), 0, 0, SRCAND);
  BitBlt(dc, at.left, at.top, at.Width(), at.Height(), source, 0, 0, SRCINVERT);
  SetBkColor(dc, old_background);
  SetTextColor(dc, old_text);
}

}  // namespace

void FillSolid(HDC dc, const Rect& area, Color color) noexcept {
  if (area.IsEmpty()) return;
  const UniqueBrush brush(CreateSolidBrush(ResolveColor(color)));
  const RECT r = ToRECT(area);
  if (brush) FillRect(dc, &r, brush.Get());
}

void GradientFill(HDC dc, const Rect& area, Color start, Color end, GradientDirection direction) noexcept {
  PaintSafely([&] {
    const RECT whole = ToRECT(area);
    RECT clip{};
    if (!RectVisible(dc, &whole) || GetClipBox(dc, &clip) == ERROR) return;
    const GradientBands bands = VisibleGradientBands(area, FromRECT(clip), direction);
    if (bands.IsEmpty()) return;
    const bool across_x = direction == GradientDirection::LeftToRight;
    const auto& table =
        SharedGradientCache().Table(across_x ? area.Width() : area.Height(), ResolveColor(start), ResolveColor(end));
    const HGDIOBJ brush = GetStockObject(DC_BRUSH);
    const COLORREF old_colour = GetDCBrushColor(dc);
    for (int32_t i = bands.first; i <= bands.last; ++i) {
      const RECT band = across_x ? RECT{area.left + i, area.top, area.left + i + 1, area.bottom}
                                 : RECT{area.left, area.top + i, area.right, area.top + i + 1};
      SetDCBrushColor(dc, table[static_cast<std::size_t>(i)]);
      FillRect(dc, &band, static_cast<HBRUSH>(brush));
    }
    SetDCBrushColor(dc, old_colour);
  });
}

void TileDraw(HDC dc, const Rect& area, HBITMAP source, const Rect& source_rect) noexcept {
  const SIZE size = BitmapSize(source);
  if (source_rect.IsEmpty() || Intersect(source_rect, {0, 0, size.cx, size.cy}) != source_rect) return;
  const BitmapDC source_dc(source);
  if (source_dc) TileFrom(dc, area, source_dc.Get(), source_rect);
}

DibSection BuildSkinBitmap(const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index, int32_t count,
                           bool tile_centre, bool vertical) noexcept {
  DibSection result;
  PaintSafely([&] {
    const SIZE size = BitmapSize(strip);
    const Rect frame = StripFrame(size.cx, size.cy, index, count, vertical);
    const auto pieces =
        NineSlicePieces(destination.Width(), destination.Height(), frame, margins, tile_centre, size.cx, size.cy);
    const BitmapDC strip_dc(strip);
    if (!strip_dc) return;
    result = ComposeLayout(destination.Width(), destination.Height(), pieces, strip_dc.Get());
  });
  return result;
}

void DrawSkinFrame(HDC dc, const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index, int32_t count,
                   bool transparent, bool tile_centre, bool vertical) noexcept {
  if (destination.IsEmpty()) return;
  PaintSafely([&] {
    const DibSection frame = BuildSkinBitmap(destination, strip, margins, index, count, tile_centre, vertical);
    Place(dc, destination, frame, transparent);
  });
}

void DrawSkinFrameTiled(HDC dc, const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index,
                        int32_t count, bool transparent, bool vertical) noexcept {
  if (destination.IsEmpty()) return;
  PaintSafely([&] {
    const SIZE size = BitmapSize(strip);
    const Rect frame = StripFrame(size.cx, size.cy, index, count, vertical);
    const auto pieces =
        TiledThreePartPieces(destination.Width(), destination.Height(), frame, margins, size.cx, size.cy);
    ComposeAndPlace(dc, destination, pieces, strip, transparent);
  });
}

void DrawSkinFrameStretched(HDC dc, const Rect& destination, HBITMAP strip, int32_t index, int32_t count,
                            bool transparent) noexcept {
  if (destination.IsEmpty()) return;
  PaintSafely([&] {
    const Rect frame = FrameOf(strip, index, count, false);
    if (frame.IsEmpty()) return;
    const SlicePiece whole{SlicePart::Whole, {0, 0, destination.Width(), destination.Height()}, frame};
    ComposeAndPlace(dc, destination, {&whole, 1}, strip, transparent);
  });
}

void DrawSkinFrameCentered(HDC dc, const Rect& destination, HBITMAP strip, int32_t index, int32_t count,
                           bool transparent) noexcept {
  if (destination.IsEmpty()) return;
  PaintSafely([&] {
    const Rect frame = FrameOf(strip, index, count, false);
    if (frame.IsEmpty()) return;
    const SlicePiece unscaled{SlicePart::Whole, {0, 0, frame.Width(), frame.Height()}, frame};
    const Rect at =
        CentredFrameTarget(destination.Width(), destination.Height(), frame).Offset(destination.left, destination.top);
    ComposeAndPlace(dc, at, {&unscaled, 1}, strip, transparent);
  });
}

void DrawSkinFrame3(HDC dc, const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index,
                    int32_t count, bool vertical) noexcept {
  if (destination.IsEmpty()) return;
  PaintSafely([&] {
    const SIZE size = BitmapSize(strip);
    const Rect frame = StripFrame(size.cx, size.cy, index, count, vertical);
    const auto pieces =
        StretchedThreePartPieces(destination.Width(), destination.Height(), frame, margins, size.cx, size.cy);
    const BitmapDC strip_dc(strip);
    if (!strip_dc) return;
    DrawPieces(dc, pieces, strip_dc.Get(), Tiling::TileByTile, destination.left, destination.top);
  });
}

void TransparentBlit(HDC dc, const Rect& destination, HBITMAP bitmap, Color key) noexcept {
  if (destination.IsEmpty()) return;
  PaintSafely([&] {
    const SIZE size = BitmapSize(bitmap);
    const Rect at{destination.left, destination.top, destination.left + std::min<int32_t>(destination.Width(), size.cx),
                  destination.top + std::min<int32_t>(destination.Height(), size.cy)};
    if (at.IsEmpty()) return;
    const BitmapDC source(bitmap);
    if (!source) return;
    const UniqueBitmap mask = KeyMask(source.Get(), at.Width(), at.Height(), key);
    if (!mask) return;
    if (!MaskBlt(dc, at.left, at.top, at.Width(), at.Height(), source.Get(), 0, 0, mask.Get(), 0, 0,
                 kKeepDestinationWhereMaskSet)) {
      MaskByRasterOps(dc, at, source.Get(), mask.Get());
    }
  });
}

void DrawParentBackground(HWND control, HDC dc) noexcept {
  const HWND parent = GetParent(control);
  if (!parent) return;
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
  const framework::SavedDC saved(dc);
  OffsetViewportOrgEx(dc, -place.left, -place.top, nullptr);
  IntersectClipRect(dc, place.left, place.top, place.right, place.bottom);
  const auto dc_param = reinterpret_cast<WPARAM>(dc);
  SendMessageW(parent, WM_ERASEBKGND, dc_param, 0);
  SendMessageW(parent, WM_PAINT, dc_param, 0);
}

DibSection CopyBitmap(HBITMAP source) noexcept {
  DibSection copy;
  PaintSafely([&] { copy = DibSection::FromImage(ReadBitmapPixels(source)); });
  return copy;
}

DibSection MakeDisabledGlyph(HBITMAP glyph) noexcept {
  DibSection disabled;
  PaintSafely([&] { disabled = DibSection::FromImage(MakeDisabledGlyph(ReadBitmapPixels(glyph))); });
  return disabled;
}

}  // namespace lanvero
