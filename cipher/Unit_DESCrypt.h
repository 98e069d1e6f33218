// DES record cipher: the record bodies of the database are DES-ECB
// ciphertext written as hexadecimal text under a key string that is folded
// into an 8-byte DES key. The program only decrypts; the encryption path
// exists for the tools that build the database.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lanvero::cipher {

using DesKey = std::array<std::uint8_t, 8>;
using DesBlock = std::array<std::uint8_t, 8>;

// The 16 round keys of one key, in the order the rounds use them. Each round
// key is held as eight 6-bit groups, one per S-box, which is the form the
// table-driven round function consumes.
struct KeySchedule {
  std::array<std::array<std::uint8_t, 8>, 16> roundKeys{};
};

// Folds a key string of any length into a DES key: the character at position
// p (counting from 1) is added, modulo 256, onto byte p mod 8.
DesKey FoldKey(std::string_view keyString);

// Round keys of `key`; `encrypt` false stores them in reverse (decryption)
// order.
KeySchedule BuildKeySchedule(const DesKey& key, bool encrypt);

// DES of one 8-byte block with the given round keys. Byte 0 holds DES bits
// 1..8, bit 1 being its most significant bit.
DesBlock CipherBlock(const KeySchedule& schedule, const DesBlock& input);

// Hex text -> ECB decryption under the folded key -> bytes cut at the first
// NUL. A short final block is padded with zero bytes. Any failure (empty
// text, a character that is not a hexadecimal digit) gives an empty string.
std::string DecryptHexText(std::string_view hexText, std::string_view keyString);

// For tools only: ECB encryption of `plainBytes` (final block zero-padded)
// as upper-case hex text, which DecryptHexText turns back into the bytes
// (up to the first NUL).
std::string EncryptToHexText(std::string_view plainBytes, std::string_view keyString);

}  // namespace lanvero::cipher
