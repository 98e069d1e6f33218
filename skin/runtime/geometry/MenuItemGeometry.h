#pragma once
// Portable layout of a skinned menu item: the glyph cell, the text and
// shortcut rectangles (left to right and mirrored), the three stretched
// pieces of a separator, and how much wider the skin makes an item than
// the framework measures it. All halvings truncate toward zero.

#include <array>
#include <cstdint>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// Width of the glyph cell: 16, or the image list's width when the item's
// menu has one; a check mark always gets at least 16.
int32_t MenuGlyphWidth(bool hasImageList, int32_t imageListWidth, bool checked);

// The glyph cell of an item: one pixel inside the item's leading edge,
// moved past the skin's glyph column (MenuItem's left margin, 0 without
// the definition), `glyphWidth` square. A separator has an empty cell at
// the item's leading edge (x 0 left to right, the item's right edge
// mirrored).
Rect MenuGlyphCell(const Rect& item, int32_t glyphWidth, int32_t glyphColumn, bool separator, bool rightToLeft);

// Top of something `height` high centred in the item.
int32_t CentredTop(const Rect& item, int32_t height);

// Where the caption goes: 3 pixels past the glyph cell, to one pixel before
// the item's trailing edge (mirrored: from one pixel inside the left edge
// to 3 pixels before the glyph cell).
Rect MenuTextRect(const Rect& item, const Rect& glyph, bool rightToLeft);

// Where the caption is drawn once measured: the measured rectangle moved
// down by half of what the text rectangle has more in height; mirrored, it
// keeps the text rectangle's left and right edges.
Rect PlaceMeasuredText(const Rect& text, const Rect& measured, bool rightToLeft);

// Where the shortcut text goes: from the end of the placed caption to 11
// pixels before the item's right edge (drawn right-aligned); mirrored,
// from 11 pixels inside the item's left edge (drawn left-aligned).
Rect MenuShortcutRect(const Rect& item, const Rect& placedText, bool rightToLeft);

// A piece of an image stretched onto a piece of a destination.
struct StretchPiece {
  Rect destination;
  Rect source;
};

// The separator of a `width` x `height` item drawn from frame 2 of the
// MenuItem strip (`frames` frames side by side, `stripWidth` x
// `stripHeight`): fixed left and right ends of the margins' widths and a
// stretched middle. A strip taller than the item gives its bottom rows.
std::array<StretchPiece, 3> MenuSeparatorPieces(int32_t stripWidth, int32_t stripHeight, int32_t frames,
                                                const Margins& margins, int32_t width, int32_t height);

// Who measured the item before the skin widens it.
enum class MenuMeasure {
  kMainMenu,   // a main-menu or tool bar item, measured by the framework for the skin
  kPopupMenu,  // a popup menu item, measured by the framework before the skin is asked
};

// How much wider the skin makes a framework item: the glyph column (when
// the skin has a MenuItem definition) plus room for the glyph.
int32_t MenuItemExtraWidth(MenuMeasure kind, int32_t glyphColumn, bool hasImageList);

// Size of a native menu item measured from its text alone.
struct NativeItemSize {
  int32_t width;
  int32_t height;
};
NativeItemSize NativeMenuItemSize(int32_t textWidth, bool hasText, int32_t systemHeight, int32_t glyphColumn);

}  // namespace lanvero
