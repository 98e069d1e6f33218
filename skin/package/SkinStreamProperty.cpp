#include "skin/package/SkinStreamProperty.h"

namespace lanvero {

void WriteSkinStream(ByteStream& property, std::span<const uint8_t> skinData) {
  property.WriteInt32(static_cast<int32_t>(skinData.size()));
  if (!skinData.empty()) property.Write(skinData);
}

std::optional<std::vector<uint8_t>> ReadSkinStream(ByteStream& property) {
  const int32_t length = property.ReadInt32();
  if (length <= 0) return std::nullopt;
  if (property.Remaining() < static_cast<std::size_t>(length)) {
    throw StreamReadError("SkinStream: the skin data is shorter than its length");
  }
  std::vector<uint8_t> skinData(static_cast<std::size_t>(length));
  property.ReadExact(skinData);
  return skinData;
}

}  // namespace lanvero
