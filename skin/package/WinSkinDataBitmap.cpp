#include "skin/package/WinSkinDataBitmap.h"

namespace lanvero {

void TSkinBitmap::SetImage(SkinImage image) {
  image_ = std::move(image);
  dib_.reset();
}

}  // namespace lanvero
