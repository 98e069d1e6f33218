// Text in code page 936 (simplified Chinese GBK), the encoding of the
// record bodies. Decoding never fails: a byte sequence that is not valid
// code page 936 becomes U+FFFD, so a damaged body still shows. Encoding
// refuses characters that the code page cannot hold.
//
// Natively the conversion is glibc's iconv "CP936"; on Windows it is the
// system's own code page 936 tables (MultiByteToWideChar and
// WideCharToMultiByte), so the program reads bodies the same way whatever
// the system's ANSI code page is.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace lanvero::db {

class Cp936EncodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::u16string Cp936ToUtf16(std::string_view cp936);
// Throws Cp936EncodeError naming the first character code page 936 lacks.
std::string Utf16ToCp936(std::u16string_view text);

std::string Cp936ToUtf8(std::string_view cp936);
std::string Utf8ToCp936(std::string_view utf8);

}  // namespace lanvero::db
