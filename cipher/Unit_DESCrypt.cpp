// Table-driven DES: the initial and final permutations are applied a byte
// at a time through precomputed tables, and each S-box is merged with the
// permutation P into one table of 64 words, so a round costs eight lookups.
#include "cipher/Unit_DESCrypt.h"

#include <algorithm>

#include "cipher/DesTables.h"
#include "cipher/HexText.h"

namespace lanvero::cipher {
namespace {

using namespace des_tables;

// Output of a 64-bit permutation for every value of every input byte.
using BytePermutation = std::array<std::array<std::uint64_t, 256>, 8>;

constexpr BytePermutation MakeBytePermutation(const std::array<std::uint8_t, 64>& sourceBits) {
  BytePermutation table{};
  for (int outBit = 0; outBit < 64; ++outBit) {
    const int inBit = sourceBits[outBit] - 1;
    const int inByte = inBit / 8;
    const unsigned inMask = 0x80u >> (inBit % 8);
    for (unsigned value = 0; value < 256; ++value) {
      if (value & inMask) table[inByte][value] |= std::uint64_t{1} << (63 - outBit);
    }
  }
  return table;
}

using SpTable = std::array<std::array<std::uint32_t, 64>, 8>;

constexpr std::uint32_t ApplyP(std::uint32_t word) {
  std::uint32_t out = 0;
  for (int outBit = 0; outBit < 32; ++outBit) {
    if (word & (std::uint32_t{1} << (32 - kPermutationP[outBit]))) out |= std::uint32_t{1} << (31 - outBit);
  }
  return out;
}

// S-box j looked up with its 6-bit input (b1 b6 select the row, b2..b5 the
// column), placed at its four output bits and passed through P.
constexpr SpTable MakeSpTable() {
  SpTable table{};
  for (int box = 0; box < 8; ++box) {
    for (unsigned input = 0; input < 64; ++input) {
      const unsigned row = ((input >> 4) & 2u) | (input & 1u);
      const unsigned column = (input >> 1) & 0xFu;
      const std::uint32_t nibble = kSBoxes[box][row * 16 + column];
      table[box][input] = ApplyP(nibble << (28 - 4 * box));
    }
  }
  return table;
}

constexpr BytePermutation kIpTable = MakeBytePermutation(kInitialPermutation);
constexpr BytePermutation kFpTable = MakeBytePermutation(kFinalPermutation);
constexpr SpTable kSpTable = MakeSpTable();

std::uint64_t Permute(const BytePermutation& table, std::uint64_t block) {
  std::uint64_t out = 0;
  for (int byte = 0; byte < 8; ++byte) out |= table[byte][(block >> (56 - 8 * byte)) & 0xFF];
  return out;
}

std::uint64_t LoadBigEndian(const std::uint8_t* bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value = (value << 8) | bytes[i];
  return value;
}

void StoreBigEndian(std::uint64_t value, std::uint8_t* bytes) {
  for (int i = 7; i >= 0; --i) {
    bytes[i] = static_cast<std::uint8_t>(value);
    value >>= 8;
  }
}

// Picks bit positions (1 = most significant of `width` bits) of `source`.
std::uint64_t SelectBits(std::uint64_t source, int width, const std::uint8_t* positions, int count) {
  std::uint64_t out = 0;
  for (int i = 0; i < count; ++i) out = (out << 1) | ((source >> (width - positions[i])) & 1u);
  return out;
}

std::uint32_t RotateLeft28(std::uint32_t half, int shift) {
  return ((half << shift) | (half >> (28 - shift))) & 0x0FFFFFFFu;
}

// Feistel function: the expansion E takes overlapping 6-bit groups of the
// half block, which the 34-bit word below (bit 32, bits 1..32, bit 1) yields
// by plain shifts.
std::uint32_t Feistel(std::uint32_t right, const std::array<std::uint8_t, 8>& roundKey) {
  const std::uint64_t wrapped = (std::uint64_t{right & 1u} << 33) | (std::uint64_t{right} << 1) | (right >> 31);
  std::uint32_t out = 0;
  for (int box = 0; box < 8; ++box) {
    const unsigned group = static_cast<unsigned>(wrapped >> (28 - 4 * box)) & 0x3Fu;
    out |= kSpTable[box][group ^ roundKey[box]];
  }
  return out;
}

std::string CipherText(std::string_view bytes, const KeySchedule& schedule) {
  std::string out;
  out.reserve((bytes.size() + 7) / 8 * 8);
  for (std::size_t offset = 0; offset < bytes.size(); offset += 8) {
    DesBlock block{};
    const std::size_t count = std::min<std::size_t>(8, bytes.size() - offset);
    std::copy_n(bytes.begin() + offset, count, block.begin());
    const DesBlock result = CipherBlock(schedule, block);
    out.append(result.begin(), result.end());
  }
  return out;
}

}  // namespace

DesKey FoldKey(std::string_view keyString) {
  DesKey key{};
  for (std::size_t index = 0; index < keyString.size(); ++index) {
    key[(index + 1) % 8] =
        static_cast<std::uint8_t>(key[(index + 1) % 8] + static_cast<std::uint8_t>(keyString[index]));
  }
  return key;
}

KeySchedule BuildKeySchedule(const DesKey& key, bool encrypt) {
  const std::uint64_t choice1 = SelectBits(LoadBigEndian(key.data()), 64, kPermutedChoice1.data(), 56);
  std::uint32_t c = static_cast<std::uint32_t>(choice1 >> 28);
  std::uint32_t d = static_cast<std::uint32_t>(choice1 & 0x0FFFFFFFu);
  KeySchedule schedule;
  for (int round = 0; round < 16; ++round) {
    c = RotateLeft28(c, kKeyShifts[round]);
    d = RotateLeft28(d, kKeyShifts[round]);
    const std::uint64_t roundKey = SelectBits((std::uint64_t{c} << 28) | d, 56, kPermutedChoice2.data(), 48);
    auto& groups = schedule.roundKeys[encrypt ? round : 15 - round];
    for (int box = 0; box < 8; ++box) groups[box] = static_cast<std::uint8_t>((roundKey >> (42 - 6 * box)) & 0x3F);
  }
  return schedule;
}

DesBlock CipherBlock(const KeySchedule& schedule, const DesBlock& input) {
  const std::uint64_t permuted = Permute(kIpTable, LoadBigEndian(input.data()));
  std::uint32_t left = static_cast<std::uint32_t>(permuted >> 32);
  std::uint32_t right = static_cast<std::uint32_t>(permuted);
  for (const auto& roundKey : schedule.roundKeys) {
    const std::uint32_t next = left ^ Feistel(right, roundKey);
    left = right;
    right = next;
  }
  DesBlock output;
  StoreBigEndian(Permute(kFpTable, (std::uint64_t{right} << 32) | left), output.data());
  return output;
}

std::string DecryptHexText(std::string_view hexText, std::string_view keyString) {
  const auto cipherBytes = ParseHexText(hexText);
  if (!cipherBytes) return {};
  const KeySchedule schedule = BuildKeySchedule(FoldKey(keyString), false);
  std::string plain =
      CipherText(std::string_view(reinterpret_cast<const char*>(cipherBytes->data()), cipherBytes->size()), schedule);
  plain.resize(std::min(plain.size(), plain.find('\0')));
  return plain;
}

std::string EncryptToHexText(std::string_view plainBytes, std::string_view keyString) {
  const std::string cipherBytes = CipherText(plainBytes, BuildKeySchedule(FoldKey(keyString), true));
  return FormatHexText(std::vector<std::uint8_t>(cipherBytes.begin(), cipherBytes.end()));
}

}  // namespace lanvero::cipher
