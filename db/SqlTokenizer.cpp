#include "db/SqlTokenizer.h"

#include <cstdio>

#include "db/AsciiCase.h"
#include "db/DbError.h"

namespace lanvero::db {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v'; }

// Words are ASCII letters, digits and underscores plus any non-ASCII
// character (column names are Chinese), except the ideographic space,
// which would otherwise hide inside a word unnoticed.
bool IsWordChar(char16_t c) {
  if (c >= 0x80) return c != 0x3000;
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

std::string Describe(char16_t c) {
  if (c >= 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
  return buffer;
}

class Tokenizer {
 public:
  explicit Tokenizer(std::u16string_view text) : text_(text) {}

  std::vector<SqlToken> Run() {
    std::vector<SqlToken> tokens;
    while (SkipBlanks()) tokens.push_back(Next());
    tokens.push_back({SqlTokenKind::End, {}, pos_ + 1});
    return tokens;
  }

 private:
  bool SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size();
  }

  SqlToken Next() {
    const std::size_t start = pos_;
    const char16_t c = text_[pos_];
    if (c == u'\'') return Literal();
    if (IsWordChar(c)) {
      while (pos_ < text_.size() && IsWordChar(text_[pos_])) ++pos_;
      return {SqlTokenKind::Word, std::u16string(text_.substr(start, pos_ - start)), start + 1};
    }
    ++pos_;
    switch (c) {
      case u'*': return {SqlTokenKind::Star, u"*", start + 1};
      case u',': return {SqlTokenKind::Comma, u",", start + 1};
      case u'(': return {SqlTokenKind::OpenParen, u"(", start + 1};
      case u')': return {SqlTokenKind::CloseParen, u")", start + 1};
      case u';': return {SqlTokenKind::Semicolon, u";", start + 1};
      default:
        throw SqlError("Syntax error: unexpected character " + Describe(c) + " at position " +
                       std::to_string(start + 1) + ".");
    }
  }

  // A literal runs to the next single quote that is not doubled; '' inside
  // stands for one quote.
  SqlToken Literal() {
    const std::size_t start = pos_++;
    std::u16string value;
    while (pos_ < text_.size()) {
      const char16_t c = text_[pos_++];
      if (c != u'\'') {
        value.push_back(c);
      } else if (pos_ < text_.size() && text_[pos_] == u'\'') {
        value.push_back(u'\'');
        ++pos_;
      } else {
        return {SqlTokenKind::String, std::move(value), start + 1};
      }
    }
    throw SqlError("Syntax error: the quoted text starting at position " + std::to_string(start + 1) +
                   " has no closing quote.");
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<SqlToken> TokenizeSql(std::u16string_view statement) { return Tokenizer(statement).Run(); }

bool IsKeyword(std::u16string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (FoldAsciiCase(word[i]) != static_cast<unsigned char>(keyword[i])) return false;
  }
  return true;
}

}  // namespace lanvero::db
