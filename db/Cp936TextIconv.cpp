// Code page 936 through glibc's iconv, for native builds. The conversion
// runs between CP936 and UTF-8 so that no byte order is involved.
#include <cerrno>
#include <cstdio>
#include <iconv.h>

#include "db/Cp936Text.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much as possible; returns the number of input bytes left
  // unconverted when a sequence is invalid, incomplete or unencodable.
  std::size_t Convert(std::string_view in, std::string& out) {
    char* input = const_cast<char*>(in.data());
    std::size_t inputLeft = in.size();
    char buffer[4096];
    while (inputLeft > 0) {
      char* output = buffer;
      std::size_t outputLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, &input, &inputLeft, &output, &outputLeft);
      out.append(buffer, output);
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    return inputLeft;
  }

 private:
  iconv_t handle_;
};

}  // namespace

std::u16string Cp936ToUtf16(std::string_view cp936) {
  Converter converter("UTF-8", "CP936");
  std::string utf8;
  std::string_view rest = cp936;
  while (!rest.empty()) {
    const std::size_t left = converter.Convert(rest, utf8);
    if (left == 0) break;
    utf8 += "\xEF\xBF\xBD";  // U+FFFD for the offending byte, then go on
    rest = rest.substr(rest.size() - left + 1);
  }
  return Utf8ToUtf16(utf8);
}

std::string Utf16ToCp936(std::u16string_view text) {
  Converter converter("CP936", "UTF-8");
  const std::string utf8 = Utf16ToUtf8(text);
  std::string out;
  const std::size_t left = converter.Convert(utf8, out);
  if (left != 0) {
    const std::u16string bad = Utf8ToUtf16(std::string_view(utf8).substr(utf8.size() - left));
    const char32_t code = bad.empty() ? 0 : bad[0];
    char message[96];
    std::snprintf(message, sizeof message, "code page 936 has no character U+%04X", static_cast<unsigned>(code));
    throw Cp936EncodeError(message);
  }
  return out;
}

}  // namespace lanvero::db
