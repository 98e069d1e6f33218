// Screenshots of windows as they appear on the display, and their
// comparison against reviewed golden images with a tolerance.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lanvero::e2e {

// 32-bit pixels 0x00RRGGBB, rows top to bottom.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Copies a screen rectangle from the display.
Image CaptureScreenRect(const RECT& rect);
// The window with its frame, as it appears on screen.
Image CaptureWindow(HWND hwnd);
Image CaptureClient(HWND hwnd);

// Writes a 24-bit Windows bitmap; reads one back (bottom-up or top-down).
bool SaveBitmap(const Image& image, const std::wstring& path);
bool LoadBitmap(const std::wstring& path, Image& image);
// The same format in memory; decoding checks every size against the bytes.
std::vector<std::uint8_t> EncodeBitmap(const Image& image);
bool DecodeBitmap(std::span<const std::uint8_t> bytes, Image& image);
bool WriteFileBytes(const std::wstring& path, std::span<const std::uint8_t> bytes);
bool ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>& bytes);

struct ImageDifference {
  bool sameSize = false;
  long differingPixels = 0;  // pixels whose channels differ by more than the tolerance
  int largestChannelDelta = 0;
};
ImageDifference Compare(const Image& actual, const Image& expected, int channelTolerance);

}  // namespace lanvero::e2e
