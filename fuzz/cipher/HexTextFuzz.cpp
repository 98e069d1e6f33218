// Hex parsing and record decryption on arbitrary text. The input is split
// at its first newline into key string and hex text. Checks that parsing
// and formatting agree and that decryption never yields more than the
// ciphertext holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cipher/HexText.h"
#include "cipher/Unit_DESCrypt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lanvero::cipher;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\n');
  const std::string_view key = split == std::string_view::npos ? std::string_view("58205820") : input.substr(0, split);
  const std::string_view hex = split == std::string_view::npos ? input : input.substr(split + 1);

  const auto bytes = ParseHexText(hex);
  const std::string plain = DecryptHexText(hex, key);
  if (!bytes) {
    if (!plain.empty()) std::abort();
    return 0;
  }
  if (plain.size() > (bytes->size() + 7) / 8 * 8 || plain.find('\0') != std::string::npos) std::abort();
  if (hex.size() % 2 == 0 && FormatHexText(*bytes).size() != hex.size()) std::abort();
  // Text without NUL survives encryption and decryption unchanged.
  if (DecryptHexText(EncryptToHexText(plain, key), key) != plain) std::abort();
  return 0;
}
