#include "tests/skin/TestData.h"

#include <random>

namespace lanvero::testing {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> RandomBytes(std::size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(count);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

std::vector<uint8_t> SampleText(std::size_t count) {
  static const char* const words[] = {"skin",      "button", "frame",  "=",   "Image",   "[Scrollbar]", "\r\n",
                                      "LeftWidth", "2",      "colour", "the", "Trans=1", " ",           "menu"};
  std::mt19937 random(42);
  std::vector<uint8_t> text;
  while (text.size() < count) {
    const std::string_view word = words[random() % std::size(words)];
    text.insert(text.end(), word.begin(), word.end());
  }
  text.resize(count);
  return text;
}

std::vector<uint8_t> BitmapFile(int width, int height) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * 24 + 31) / 32 * 4;
  const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height);
  std::vector<uint8_t> file;
  auto put16 = [&](uint32_t v) {
    file.push_back(uint8_t(v));
    file.push_back(uint8_t(v >> 8));
  };
  auto put32 = [&](uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  file.push_back('B');
  file.push_back('M');
  put32(54 + pixelBytes);
  put32(0);
  put32(54);
  put32(40);
  put32(static_cast<uint32_t>(width));
  put32(static_cast<uint32_t>(height));
  put16(1);
  put16(24);
  for (int i = 0; i < 6; ++i) put32(0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) file.insert(file.end(), {0xFF, 0x00, 0xFF});
    file.resize(file.size() + rowBytes - 3 * static_cast<uint32_t>(width), 0);
  }
  return file;
}

std::vector<PackageMember> SampleSkinMembers() {
  return {
      {"Blue_Button.bmp", BitmapFile(90, 23)},
      {"chosenos.ini", Bytes("[Buttons]\r\nBitmap=skin\\blue_button.bmp\r\n[Scrollbar]\r\nImage=scroll.bmp\r\n")},
      {"scroll.bmp", BitmapFile(368, 16)},
  };
}

ScratchFolder::ScratchFolder() {
  static int counter = 0;
  std::random_device entropy;
  path_ = std::filesystem::temp_directory_path() /
          ("lanvero-skinpackage-" + std::to_string(entropy()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace lanvero::testing
