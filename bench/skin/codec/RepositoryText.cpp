#include "bench/skin/codec/RepositoryText.h"

#include <algorithm>
#include <stdexcept>

#include "skin/codec/ByteStream.h"

namespace lanvero::bench {
namespace {

std::vector<std::filesystem::path> SourceFiles(const std::filesystem::path& root) {
  std::vector<std::filesystem::path> files;
  for (const char* folder : {"db", "skin", "framework"}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
      const auto extension = entry.path().extension();
      if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp")) files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

std::vector<uint8_t> RepositoryText(const std::filesystem::path& sourceRoot, std::size_t size) {
  std::vector<uint8_t> text = ReadFileBytes(sourceRoot / "assets" / "data" / "surnames.tsv");
  for (const auto& file : SourceFiles(sourceRoot)) {
    if (text.size() >= size) break;
    const std::vector<uint8_t> bytes = ReadFileBytes(file);
    text.insert(text.end(), bytes.begin(), bytes.end());
  }
  if (text.empty()) throw std::runtime_error("no text under " + sourceRoot.string());
  for (std::size_t i = 0; text.size() < size; ++i) text.push_back(text[i]);
  text.resize(size);
  return text;
}

}  // namespace lanvero::bench
