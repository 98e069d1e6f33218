#include "skin/definitions/SkinBitmap.h"

namespace lanvero {

void TSkinBitmap::SetImage(PixelImage image) {
  image_ = std::move(image);
  dib_.reset();
}

}  // namespace lanvero
