#pragma once
// Portable placement of the caption text inside the caption bar.

#include <cstdint>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

struct CaptionTextInput {
  Rect area;              // R: the text area of the caption bar
  int32_t textWidth = 0;  // measured text, without the text-back margins
  int32_t textHeight = 0;
  int32_t alignment = 0;      // 0 left, 1 centre, 2 right
  int32_t textShift = 0;      // Title r.left
  int32_t textShiftVert = 0;  // Title r.top
  int32_t rightClip = 0;      // Title r.right
  int32_t backLeft = 0;       // fixed ends of the text-back image
  int32_t backRight = 0;
  int32_t rightButtons = 0;  // RightBtn: space of right-anchored caption buttons
  bool rightToLeft = false;
  bool popupStyle = false;
  bool dialogFrame = false;
};

struct CaptionTextPlacement {
  Rect back;  // ctr: where the text-back image goes (and what buttons align to)
  Rect text;  // where the text itself is drawn
};

CaptionTextPlacement PlaceCaptionText(const CaptionTextInput& in);

}  // namespace lanvero
