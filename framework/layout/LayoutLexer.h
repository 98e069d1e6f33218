// Splits stored layout text into tokens. The text is 7-bit ASCII: strings
// write every other character as #nnnn (a UTF-16 code unit in decimal, or
// #$hhhh in hexadecimal); binary data is written as hex digits in braces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lanvero::framework {

struct LayoutToken {
  enum class Type { End, Identifier, Integer, Float, String, Binary, Symbol };

  Type type = Type::End;
  std::string identifier;  // Identifier
  int64_t integer = 0;     // Integer
  // Integer written in decimal as 9223372036854775808 (2^63, `integer`
  // holds INT64_MIN): valid only after a minus sign.
  bool beyondMaximum = false;
  double real = 0;    // Float
  std::wstring text;  // String
  std::string bytes;  // Binary: decoded bytes
  char symbol = 0;    // Symbol: = : . , + - [ ] ( ) < >
  int line = 1;
};

class LayoutLexer {
 public:
  explicit LayoutLexer(std::string_view text) : text_(text) {}

  // Reads the next token; throws LayoutError on malformed input.
  LayoutToken Next();
  int Line() const { return line_; }

 private:
  // An empty token of the given type on the current line.
  LayoutToken Token(LayoutToken::Type type) const;
  void SkipSpace();
  LayoutToken Identifier();
  LayoutToken Number();
  LayoutToken String();
  LayoutToken Binary();
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace lanvero::framework
