#pragma once
// Tells whether bytes form a Windows bitmap file the skin loader can read.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lanvero::skintool {

// Empty when the bytes are a readable bitmap file, else the first problem.
std::optional<std::string> BitmapProblem(std::span<const uint8_t> file);

}  // namespace lanvero::skintool
