#pragma once
// The "SkinStream" property of the skin component in a stored layout: a
// 32-bit little-endian length L and L bytes of a skin file. The length is
// always written; 0 means the component holds no skin.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "skin/codec/ByteStream.h"

namespace lanvero {

void WriteSkinStream(ByteStream& property, std::span<const uint8_t> skinData);
// The skin file carried by the property, or empty when the length is 0 or
// less (the component then keeps its data). A length beyond the property's
// bytes raises StreamReadError.
std::optional<std::vector<uint8_t>> ReadSkinStream(ByteStream& property);

}  // namespace lanvero
