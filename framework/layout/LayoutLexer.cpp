#include "framework/layout/LayoutLexer.h"

#include <cmath>
#include <cstdlib>

#include "framework/layout/LayoutError.h"

namespace lanvero::framework {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

constexpr std::string_view kSymbols = "=:.,+-[]()<>";

}  // namespace

void LayoutLexer::SkipSpace() {
  while (!AtEnd()) {
    const char c = Peek();
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (c == ' ' || c == '\t' || c == '\r') {
      ++pos_;
    } else if (c == '/' && Peek(1) == '/') {
      while (!AtEnd() && Peek() != '\n') ++pos_;
    } else {
      return;
    }
  }
}

LayoutToken LayoutLexer::Token(LayoutToken::Type type) const {
  LayoutToken token;
  token.type = type;
  token.line = line_;
  return token;
}

LayoutToken LayoutLexer::Next() {
  SkipSpace();
  if (AtEnd()) return Token(LayoutToken::Type::End);
  const char c = Peek();
  if (IsLetter(c)) return Identifier();
  if (IsDigit(c) || c == '$') return Number();
  if (c == '\'' || c == '#') return String();
  if (c == '{') return Binary();
  if (kSymbols.find(c) != std::string_view::npos) {
    ++pos_;
    LayoutToken token = Token(LayoutToken::Type::Symbol);
    token.symbol = c;
    return token;
  }
  throw LayoutError(L"unexpected character (code " + std::to_wstring(static_cast<unsigned char>(c)) + L")", line_);
}

LayoutToken LayoutLexer::Identifier() {
  const size_t start = pos_;
  while (!AtEnd() && (IsLetter(Peek()) || IsDigit(Peek()))) ++pos_;
  LayoutToken token = Token(LayoutToken::Type::Identifier);
  token.identifier = std::string(text_.substr(start, pos_ - start));
  return token;
}

LayoutToken LayoutLexer::Number() {
  LayoutToken token = Token(LayoutToken::Type::Integer);
  if (Peek() == '$') {
    ++pos_;
    uint64_t value = 0;
    int digits = 0;
    for (; !AtEnd() && HexValue(Peek()) >= 0; ++pos_, ++digits) {
      if (digits >= 16) throw LayoutError(L"hexadecimal number too long", line_);
      value = value * 16 + static_cast<uint64_t>(HexValue(Peek()));
    }
    if (digits == 0) throw LayoutError(L"missing hexadecimal digits after $", line_);
    token.integer = static_cast<int64_t>(value);
    return token;
  }
  const size_t start = pos_;
  while (!AtEnd() && IsDigit(Peek())) ++pos_;
  bool isFloat = false;
  if (Peek() == '.' && IsDigit(Peek(1))) {
    isFloat = true;
    ++pos_;
    while (!AtEnd() && IsDigit(Peek())) ++pos_;
  }
  if ((Peek() == 'e' || Peek() == 'E') &&
      (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2))))) {
    isFloat = true;
    pos_ += 2;
    while (!AtEnd() && IsDigit(Peek())) ++pos_;
  }
  const std::string digits(text_.substr(start, pos_ - start));
  if (isFloat) {
    token.type = LayoutToken::Type::Float;
    token.real = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(token.real)) throw LayoutError(L"number out of range", line_);
    return token;
  }
  // Every 64-bit integer reads back from the decimal text the writer gives
  // it, INT64_MIN included (its digits, 2^63, follow a minus sign).
  constexpr uint64_t kLargestMagnitude = uint64_t{1} << 63;
  uint64_t value = 0;
  for (const char digit : digits) {
    const uint64_t next = static_cast<uint64_t>(digit - '0');
    if (value > (kLargestMagnitude - next) / 10) throw LayoutError(L"number too large", line_);
    value = value * 10 + next;
  }
  token.integer = static_cast<int64_t>(value);
  token.beyondMaximum = value == kLargestMagnitude;
  return token;
}

LayoutToken LayoutLexer::String() {
  LayoutToken token = Token(LayoutToken::Type::String);
  while (!AtEnd()) {
    if (Peek() == '\'') {
      ++pos_;
      for (;;) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') throw LayoutError(L"unterminated string", line_);
        const char c = text_[pos_++];
        if (c == '\'') {
          if (Peek() != '\'') break;
          ++pos_;
        } else if (static_cast<unsigned char>(c) >= 0x80 || (static_cast<unsigned char>(c) < 0x20 && c != '\t')) {
          throw LayoutError(L"character outside printable ASCII in a string; write it as #nnnn", line_);
        }
        token.text.push_back(static_cast<wchar_t>(c));
      }
    } else if (Peek() == '#') {
      ++pos_;
      const bool hex = Peek() == '$';
      if (hex) ++pos_;
      uint32_t value = 0;
      int digits = 0;
      for (; !AtEnd(); ++pos_, ++digits) {
        const int d = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
        if (d < 0) break;
        value = value * (hex ? 16 : 10) + static_cast<uint32_t>(d);
        if (value > 0xFFFF) throw LayoutError(L"character code above 65535", line_);
      }
      if (digits == 0) throw LayoutError(L"missing character code after #", line_);
      token.text.push_back(static_cast<wchar_t>(value));
    } else {
      break;
    }
  }
  return token;
}

LayoutToken LayoutLexer::Binary() {
  LayoutToken token = Token(LayoutToken::Type::Binary);
  ++pos_;  // '{'
  int high = -1;
  for (;;) {
    if (AtEnd()) throw LayoutError(L"unterminated binary data", line_);
    const char c = text_[pos_++];
    if (c == '}') break;
    if (c == '\n') {
      ++line_;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\r') continue;
    const int d = HexValue(c);
    if (d < 0) throw LayoutError(L"invalid hexadecimal digit in binary data", line_);
    if (high < 0) {
      high = d;
    } else {
      token.bytes.push_back(static_cast<char>(high * 16 + d));
      high = -1;
    }
  }
  if (high >= 0) throw LayoutError(L"odd number of hexadecimal digits in binary data", line_);
  return token;
}

}  // namespace lanvero::framework
