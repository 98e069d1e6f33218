#pragma once
// Real text of about a megabyte for the codec benchmark, read from this
// repository at start: the data set (assets/data/surnames.tsv, UTF-8
// Chinese and pinyin), then every .h and .cpp file under db/, skin/ and
// framework/ in sorted path order, concatenated and cut at `size` bytes
// (repeated from the start should the tree ever hold less).

#include <cstdint>
#include <filesystem>
#include <vector>

namespace lanvero::bench {

std::vector<uint8_t> RepositoryText(const std::filesystem::path& sourceRoot, std::size_t size);

}  // namespace lanvero::bench
