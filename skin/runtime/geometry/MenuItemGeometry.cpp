#include "skin/runtime/geometry/MenuItemGeometry.h"

namespace lanvero {
namespace {

constexpr int32_t kDefaultGlyphWidth = 16;
constexpr int32_t kGlyphInset = 1;
constexpr int32_t kTextGap = 3;
constexpr int32_t kShortcutInset = 11;
constexpr int32_t kNativeItemRoom = 26;
constexpr int32_t kNativeItemExtraHeight = 4;
constexpr int32_t kSeparatorHeight = 8;
constexpr int32_t kRoomWithoutImages = 35;
constexpr int32_t kMainMenuImageRoom = 10;
constexpr int32_t kPopupMenuImageRoom = 12;

}  // namespace

int32_t MenuGlyphWidth(bool hasImageList, int32_t imageListWidth, bool checked) {
  int32_t width = hasImageList ? imageListWidth : kDefaultGlyphWidth;
  if (checked && width < kDefaultGlyphWidth) width = kDefaultGlyphWidth;
  return width;
}

Rect MenuGlyphCell(const Rect& item, int32_t glyphWidth, int32_t glyphColumn, bool separator, bool rightToLeft) {
  Rect cell;
  cell.top = item.top + kGlyphInset;
  if (rightToLeft) {
    cell.right = separator ? item.right : item.right - kGlyphInset - glyphColumn;
    cell.left = separator ? cell.right : cell.right - glyphWidth;
  } else {
    cell.left = separator ? item.left : item.left + kGlyphInset + glyphColumn;
    cell.right = separator ? cell.left : cell.left + glyphWidth;
  }
  cell.bottom = separator ? cell.top : cell.top + glyphWidth;
  return cell;
}

int32_t CentredTop(const Rect& item, int32_t height) { return item.top + (item.Height() - height) / 2; }

Rect MenuTextRect(const Rect& item, const Rect& glyph, bool rightToLeft) {
  if (rightToLeft) return Rect{item.left + kGlyphInset, item.top, glyph.left - kTextGap, item.bottom};
  return Rect{glyph.right + kTextGap, item.top, item.right - kGlyphInset, item.bottom};
}

Rect PlaceMeasuredText(const Rect& text, const Rect& measured, bool rightToLeft) {
  Rect placed = measured.Offset(0, (text.Height() - measured.Height()) / 2);
  if (rightToLeft) {
    placed.left = text.left;
    placed.right = text.right;
  }
  return placed;
}

Rect MenuShortcutRect(const Rect& item, const Rect& placedText, bool rightToLeft) {
  if (rightToLeft) return Rect{item.left + kShortcutInset, placedText.top, placedText.right, placedText.bottom};
  return Rect{placedText.right, placedText.top, item.right - kShortcutInset, placedText.bottom};
}

std::array<StretchPiece, 3> MenuSeparatorPieces(int32_t stripWidth, int32_t stripHeight, int32_t frames,
                                                const Margins& margins, int32_t width, int32_t height) {
  const int32_t frameWidth = frames > 0 ? stripWidth / frames : stripWidth;
  const int32_t top = stripHeight > height ? stripHeight - height : 0;
  const int32_t x0 = frameWidth;  // frame 2
  return {{
      {Rect{0, 0, margins.left, height}, Rect{x0, top, x0 + margins.left, stripHeight}},
      {Rect{margins.left, 0, width - margins.right, height},
       Rect{x0 + margins.left, top, x0 + frameWidth - margins.right, stripHeight}},
      {Rect{width - margins.right, 0, width, height},
       Rect{x0 + frameWidth - margins.right, top, x0 + frameWidth, stripHeight}},
  }};
}

int32_t MenuItemExtraWidth(MenuMeasure kind, int32_t glyphColumn, bool hasImageList) {
  if (!hasImageList) return glyphColumn + kRoomWithoutImages;
  return glyphColumn + (kind == MenuMeasure::kMainMenu ? kMainMenuImageRoom : kPopupMenuImageRoom);
}

NativeItemSize NativeMenuItemSize(int32_t textWidth, bool hasText, int32_t systemHeight, int32_t glyphColumn) {
  return NativeItemSize{textWidth + kNativeItemRoom + glyphColumn,
                        hasText ? systemHeight + kNativeItemExtraHeight : kSeparatorHeight};
}

}  // namespace lanvero
