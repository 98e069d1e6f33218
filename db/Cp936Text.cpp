// The UTF-8 forms, shared by both platforms; the UTF-16 conversions live in
// Cp936TextIconv.cpp (native) and Cp936TextWin32.cpp (Windows).
#include "db/Cp936Text.h"

#include "db/UnicodeText.h"

namespace lanvero::db {

std::string Cp936ToUtf8(std::string_view cp936) { return Utf16ToUtf8(Cp936ToUtf16(cp936)); }

std::string Utf8ToCp936(std::string_view utf8) { return Utf16ToCp936(Utf8ToUtf16(utf8)); }

}  // namespace lanvero::db
