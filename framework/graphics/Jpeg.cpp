#include <csetjmp>
#include <cstdio>

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Graphic.h"

extern "C" {
#include <jpeglib.h>
}

namespace lanvero::framework {

namespace {

// libjpeg reports fatal errors through error_exit; we leave the decoder with
// longjmp. Nothing with a destructor lives between setjmp and the decoder
// calls, so the jump skips no cleanup.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void OnFatalError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }
void OnMessage(j_common_ptr) {}

bool DecodeInto(const uint8_t* data, size_t size, PixelImage& image) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnFatalError;
  errors.base.output_message = OnMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  // Four bytes per pixel, blue first: exactly the cells of a PixelImage.
  info.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&info);
  if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxImageSide ||
      info.output_height > kMaxImageSide || info.output_components != 4) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  image = PixelImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    auto cells = image.Row(static_cast<int>(info.output_scanline));
    JSAMPROW row = reinterpret_cast<JSAMPROW>(cells.data());
    jpeg_read_scanlines(&info, &row, 1);
  }
  // The fourth byte is unused in a pixel image and must read as 0.
  for (Pixel& pixel : image.Pixels()) pixel &= 0x00FFFFFF;
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<PixelImage> DecodeJpeg(const uint8_t* data, size_t size) {
  if (!data || size < 4) return std::nullopt;
  PixelImage image;
  if (!DecodeInto(data, size, image)) return std::nullopt;
  return image;
}

const ClassInfo& TJPEGImage::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TJPEGImage", &TPersistent::StaticClassInfo());
  return info;
}

void TJPEGImage::LoadFromBytes(const std::vector<uint8_t>& bytes) {
  auto image = DecodeJpeg(bytes.data(), bytes.size());
  if (!image) throw FrameworkError(L"JPEG image is not valid");
  bitmap_.LoadFromPixels(*image);
}

}  // namespace lanvero::framework
