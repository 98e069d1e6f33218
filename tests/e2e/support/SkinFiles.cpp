#include "tests/e2e/support/SkinFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/e2e/driver/Process.h"
#include "tests/e2e/driver/Screenshot.h"

namespace lanvero::e2e {
namespace {

constexpr int kCaptionRows = 16;

}  // namespace

std::wstring BuiltSkinPath(const wchar_t* name) {
  return BuildTreePath(std::wstring(L"assets/skins/") + name + L".skn");
}

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path) {
  std::ifstream file{std::filesystem::path(path), std::ios::binary};
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring TemporaryFile(const wchar_t* prefix) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  wchar_t path[MAX_PATH] = {};
  if (!GetTempFileNameW(folder, prefix, 0, path)) throw std::runtime_error("no temporary file name");
  return path;
}

std::wstring WriteTemporaryFile(const std::vector<std::uint8_t>& bytes) {
  const std::wstring path = TemporaryFile(L"skn");
  std::ofstream{std::filesystem::path(path), std::ios::binary}.write(reinterpret_cast<const char*>(bytes.data()),
                                                                     static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::wstring RandomBytesFile() {
  std::vector<std::uint8_t> bytes(3000);
  std::uint32_t state = 12345;
  for (std::uint8_t& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<std::uint8_t>(state >> 16);
  }
  return WriteTemporaryFile(bytes);
}

std::wstring TruncatedSkinFile() {
  std::vector<std::uint8_t> skin = ReadWholeFile(BuiltSkinPath(L"paleglass"));
  if (skin.size() < 1000) throw std::runtime_error("the packed default skin was not found");
  skin.resize(skin.size() * 2 / 5);
  return WriteTemporaryFile(skin);
}

int CaptionBrightness(HWND window) {
  const Image image = CaptureWindow(window);
  long long sum = 0;
  long long count = 0;
  for (int y = 0; y < kCaptionRows && y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x, ++count) {
      const std::uint32_t pixel = image.At(x, y);
      sum += ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
    }
  }
  return count ? static_cast<int>(sum / (3 * count)) : 0;
}

}  // namespace lanvero::e2e
