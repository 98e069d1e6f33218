#pragma once
// The image of a skin definition: the decoded pixels, and in the Windows
// build a GDI copy (a DIB section) made once after every load, so that the
// skinners blit from a ready bitmap at every paint and never decode or
// convert again.

#include <cstdint>
#include <memory>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

class DibSection;  // Windows only (skin/image/win/DibSection.h)

struct DibSectionDeleter {
  void operator()(DibSection* dib) const noexcept;
};

class TSkinBitmap {
 public:
  TSkinBitmap() = default;
  explicit TSkinBitmap(PixelImage image) : image_(std::move(image)) {}

  const PixelImage& Image() const { return image_; }
  // Replacing or clearing the pixels drops the GDI copy; Realize makes it again.
  void SetImage(PixelImage image);
  void Clear() { SetImage(PixelImage()); }
  bool Empty() const { return image_.IsEmpty(); }
  int32_t Width() const { return image_.Width(); }
  int32_t Height() const { return image_.Height(); }

  // Windows: makes the DIB section of the pixels (nothing for an empty
  // image, or when it exists already). Natively there is no GDI: nothing.
  void Realize();
  // The GDI copy; null before Realize, for an empty image, and natively.
  const DibSection* Dib() const { return dib_.get(); }

  // Drawing hint of stand-alone bitmaps such as the application icon on
  // magenta; definitions carry their own `trans` instead.
  Color TransparentColor = kMagentaKey;
  bool Transparent = false;

 private:
  PixelImage image_;
  std::unique_ptr<DibSection, DibSectionDeleter> dib_;
};

}  // namespace lanvero
