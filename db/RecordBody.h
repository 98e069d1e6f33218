// The readable text of a record body: the stored field is hexadecimal DES
// ciphertext of code page 936 text with "<br>" marks at the line ends.
#pragma once

#include <string>
#include <string_view>

namespace lanvero::db {

inline constexpr std::string_view kRecordKey = "58205820";

// Decrypts the field under kRecordKey and decodes the bytes as code page
// 936, whatever the system's ANSI code page. Invalid hex text gives "".
std::u16string DecryptRecordBody(std::u16string_view hexField);

// The text as shown: every "<br>" removed (exact case; "<BR>" stays).
std::u16string RemoveBreakMarks(std::u16string_view text);

}  // namespace lanvero::db
