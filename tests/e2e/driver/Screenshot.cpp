#include "tests/e2e/driver/Screenshot.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/Handles.h"

namespace lanvero::e2e {
namespace {

#pragma pack(push, 1)
struct BitmapFileHeader {
  std::uint16_t type = 0x4D42;  // "BM"
  std::uint32_t size = 0;
  std::uint32_t reserved = 0;
  std::uint32_t offset = 54;
};
#pragma pack(pop)

int RowStride24(int width) { return (width * 3 + 3) & ~3; }

}  // namespace

Image CaptureScreenRect(const RECT& rect) {
  Image image;
  image.width = std::max(0L, rect.right - rect.left);
  image.height = std::max(0L, rect.bottom - rect.top);
  if (image.width == 0 || image.height == 0) return image;

  const WindowDC screen(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const UniqueDC memory(CreateCompatibleDC(screen.Get()));
  if (!bitmap || !memory) return Image{};
  {
    const SelectGuard select(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, image.width, image.height, screen.Get(), rect.left, rect.top, SRCCOPY);
    GdiFlush();
  }
  const auto* source = static_cast<const std::uint32_t*>(bits);
  image.pixels.assign(source, source + static_cast<size_t>(image.width) * image.height);
  for (auto& pixel : image.pixels) pixel &= 0x00FFFFFF;
  return image;
}

Image CaptureWindow(HWND hwnd) { return CaptureScreenRect(WindowRectOnScreen(hwnd)); }

Image CaptureClient(HWND hwnd) { return CaptureScreenRect(ClientRectOnScreen(hwnd)); }

bool SaveBitmap(const Image& image, const std::wstring& path) {
  const int stride = RowStride24(image.width);
  BitmapFileHeader file;
  file.size = static_cast<std::uint32_t>(54 + stride * image.height);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = image.width;
  header.biHeight = image.height;  // bottom-up, as most readers expect
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  std::ofstream out(path.c_str(), std::ios::binary);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  std::vector<char> row(static_cast<size_t>(stride), 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      row[x * 3 + 0] = static_cast<char>(p & 0xFF);
      row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
    }
    out.write(row.data(), stride);
  }
  return static_cast<bool>(out);
}

bool LoadBitmap(const std::wstring& path, Image& image) {
  std::ifstream in(path.c_str(), std::ios::binary);
  BitmapFileHeader file;
  BITMAPINFOHEADER header{};
  if (!in.read(reinterpret_cast<char*>(&file), sizeof file) ||
      !in.read(reinterpret_cast<char*>(&header), sizeof header)) {
    return false;
  }
  if (file.type != 0x4D42 || header.biBitCount != 24 || header.biCompression != BI_RGB ||
      header.biWidth <= 0 || header.biWidth > 8192 || header.biHeight == 0 || std::abs(header.biHeight) > 8192) {
    return false;
  }
  const bool bottomUp = header.biHeight > 0;
  image.width = header.biWidth;
  image.height = std::abs(header.biHeight);
  image.pixels.assign(static_cast<size_t>(image.width) * image.height, 0);
  const int stride = RowStride24(image.width);
  std::vector<unsigned char> row(static_cast<size_t>(stride));
  in.seekg(file.offset);
  for (int i = 0; i < image.height; ++i) {
    if (!in.read(reinterpret_cast<char*>(row.data()), stride)) return false;
    const int y = bottomUp ? image.height - 1 - i : i;
    for (int x = 0; x < image.width; ++x) {
      image.pixels[static_cast<size_t>(y) * image.width + x] =
          row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16);
    }
  }
  return true;
}

ImageDifference Compare(const Image& actual, const Image& expected, int channelTolerance) {
  ImageDifference diff;
  diff.sameSize = actual.width == expected.width && actual.height == expected.height;
  if (!diff.sameSize) return diff;
  for (size_t i = 0; i < actual.pixels.size(); ++i) {
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int a = (actual.pixels[i] >> shift) & 0xFF;
      const int e = (expected.pixels[i] >> shift) & 0xFF;
      worst = std::max(worst, std::abs(a - e));
    }
    diff.largestChannelDelta = std::max(diff.largestChannelDelta, worst);
    if (worst > channelTolerance) ++diff.differingPixels;
  }
  return diff;
}

}  // namespace lanvero::e2e
