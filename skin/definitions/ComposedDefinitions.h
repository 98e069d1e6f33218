#pragma once
// Definitions the loader composes itself after the sections are read: the
// combo box images (border, drop button and arrow glyph in one strip), the
// combo arrow, and the toolbar background gradient.

#include "skin/definitions/SkinDefinitions.h"

namespace lanvero {

// Size of one composed combo box cell.
inline constexpr int32_t kComboCellWidth = 50;
inline constexpr int32_t kComboCellHeight = 21;
inline constexpr int32_t kComboArrowSize = 17;
// `style` of a combo button whose image was composed.
inline constexpr int32_t kComposedComboStyle = 2;

// Runs only when both "SunkEdge" (Comboxborder) and "ComboButton" (combox)
// were read. `scrollButtonWidth` is the system's scroll arrow width.
void ComposeComboImages(SkinDefinitions& d, int32_t scrollButtonWidth);
void BuildComboArrow(SkinDefinitions& d);
void BuildToolbarBack(SkinDefinitions& d);

}  // namespace lanvero
