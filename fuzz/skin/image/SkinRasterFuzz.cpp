// Frame drawing with sizes, margins, frame numbers and positions taken from
// the input: skin INI values are outside data, so no combination may make
// the software renderer read or write outside its images.

#include <cstddef>
#include <cstdint>

#include "skin/image/SkinRaster.h"

namespace {

// Consumes the input a byte at a time; zeros once it runs out.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int32_t Next(int32_t low, int32_t high) {
    const uint8_t byte = at_ < size_ ? data_[at_++] : 0;
    return low + static_cast<int32_t>(byte % static_cast<uint32_t>(high - low + 1));
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lanvero;
  Input in(data, size);
  PixelImage strip(in.Next(1, 64), in.Next(1, 64), kMagentaKey);
  for (Pixel& p : strip.Pixels()) p = static_cast<Pixel>(in.Next(0, 255)) * 0x010101;
  PixelImage canvas(in.Next(1, 80), in.Next(1, 80));
  const Rect destination{in.Next(-40, 80), in.Next(-40, 80), in.Next(-40, 120), in.Next(-40, 120)};
  const Margins margins{in.Next(-8, 70), in.Next(-8, 70), in.Next(-8, 70), in.Next(-8, 70)};
  const int32_t count = in.Next(-1, 8);
  const int32_t index = in.Next(-1, 9);
  const bool tile = in.Next(0, 1) != 0, vertical = in.Next(0, 1) != 0, transparent = in.Next(0, 1) != 0;

  const PixelImage built = BuildSkinImage(destination, strip.View(), margins, index, count, tile, vertical);
  DrawSkinFrame(canvas, destination, strip.View(), margins, index, count, transparent, tile, vertical);
  DrawSkinFrameTiled(canvas, destination, strip.View(), margins, index, count, transparent, vertical);
  DrawSkinFrameStretched(canvas, destination, strip.View(), index, count, transparent);
  DrawSkinFrameCentered(canvas, destination, strip.View(), index, count, transparent);
  DrawSkinFrame3(canvas, destination, strip.View(), margins, index, count, vertical);
  TileDraw(canvas, destination, strip.View(), {in.Next(-5, 70), in.Next(-5, 70), in.Next(-5, 70), in.Next(-5, 70)});
  TransparentCopy(canvas, destination, built.View(), kMagentaKey);
  return 0;
}
