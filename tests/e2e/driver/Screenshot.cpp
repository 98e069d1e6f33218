#include "tests/e2e/driver/Screenshot.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

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

std::vector<std::uint8_t> EncodeBitmap(const Image& image) {
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
  std::vector<std::uint8_t> bytes(file.size, 0);
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &header, sizeof header);
  for (int y = image.height - 1, i = 0; y >= 0; --y, ++i) {
    std::uint8_t* row = bytes.data() + 54 + static_cast<size_t>(i) * stride;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      row[x * 3 + 0] = static_cast<std::uint8_t>(p & 0xFF);
      row[x * 3 + 1] = static_cast<std::uint8_t>((p >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<std::uint8_t>((p >> 16) & 0xFF);
    }
  }
  return bytes;
}

bool DecodeBitmap(std::span<const std::uint8_t> bytes, Image& image) {
  BitmapFileHeader file;
  BITMAPINFOHEADER header{};
  if (bytes.size() < sizeof file + sizeof header) return false;
  std::memcpy(&file, bytes.data(), sizeof file);
  std::memcpy(&header, bytes.data() + sizeof file, sizeof header);
  if (file.type != 0x4D42 || header.biBitCount != 24 || header.biCompression != BI_RGB || header.biWidth <= 0 ||
      header.biWidth > 8192 || header.biHeight == 0 || std::abs(header.biHeight) > 8192) {
    return false;
  }
  const bool bottomUp = header.biHeight > 0;
  const int width = header.biWidth;
  const int height = std::abs(header.biHeight);
  const size_t stride = static_cast<size_t>(RowStride24(width));
  if (file.offset > bytes.size() || (bytes.size() - file.offset) / stride < static_cast<size_t>(height)) return false;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<size_t>(width) * height, 0);
  for (int i = 0; i < height; ++i) {
    const std::uint8_t* row = bytes.data() + file.offset + i * stride;
    const int y = bottomUp ? height - 1 - i : i;
    for (int x = 0; x < width; ++x) {
      image.pixels[static_cast<size_t>(y) * width + x] = row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16);
    }
  }
  return true;
}

bool SaveBitmap(const Image& image, const std::wstring& path) { return WriteFileBytes(path, EncodeBitmap(image)); }

bool LoadBitmap(const std::wstring& path, Image& image) {
  std::vector<std::uint8_t> bytes;
  return ReadFileBytes(path, bytes) && DecodeBitmap(bytes, image);
}

bool WriteFileBytes(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path.c_str(), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
