#pragma once
// The LZH bit stream of the skin packages decoded the plainest way the
// algorithm allows: flat arrays, a 16-bit bit buffer filled a byte at a
// time, every output byte written to the ring and the result, no bounds or
// end-of-input checks. It shares no code with the production decoder and
// exists only as the benchmark's baseline; it expects a well-formed stream.

#include <cstdint>
#include <span>
#include <vector>

namespace lanvero::bench {

std::vector<uint8_t> MinimalLzhDecode(std::span<const uint8_t> bitStream, std::size_t textSize);

}  // namespace lanvero::bench
