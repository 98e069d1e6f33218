// Golden screenshots: reviewed images kept in the source tree and compared
// with a tolerance. LANVERO_UPDATE_GOLDENS=1 writes the images anew instead
// of comparing (look at every one before committing it: a viewable copy is
// written beside each compressed golden as NAME.review.bmp).
//
// Small goldens are plain 24-bit bitmaps (NAME.bmp); larger ones are stored
// compressed with the skin packages' LZH codec (NAME.bmp.lzh), which shrinks
// screenshots of flat user-interface art many times over. A failing
// comparison leaves the screenshot beside the golden as NAME.actual.bmp.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/Screenshot.h"

namespace lanvero::e2e {

struct GoldenTolerance {
  int channel = 24;           // largest difference of one colour channel that still matches
  long differingPixels = 40;  // pixels allowed to differ by more than that
};

// `folder` is relative to the source tree (LANVERO_SOURCE_DIR), e.g.
// "tests/gallery/golden"; `name` has no extension.
::testing::AssertionResult MatchesGolden(const Image& actual, const std::string& folder, const std::string& name,
                                         GoldenTolerance tolerance = {});

// The top `height` rows of an image (all of it when it is shorter).
Image CropTop(const Image& image, int height);
// The part of an image inside `rect` (clipped to the image).
Image CropRect(const Image& image, const RECT& rect);

}  // namespace lanvero::e2e
