// Splits statement text into tokens for the SQL subset: words (keywords
// and identifiers alike), quoted string literals, and the punctuation
// "*", ",", "(", ")" and ";". Any other character is refused here, so
// operators the subset lacks ("=", "<", "--", ...) never reach the parser.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lanvero::db {

enum class SqlTokenKind { Word, String, Star, Comma, OpenParen, CloseParen, Semicolon, End };

struct SqlToken {
  SqlTokenKind kind = SqlTokenKind::End;
  std::u16string text;       // word as written, or literal with '' undone
  std::size_t position = 0;  // 1-based character position, for messages
};

// Throws SqlError for an unterminated literal or an unsupported character.
// The last token is always End.
std::vector<SqlToken> TokenizeSql(std::u16string_view statement);

// True when `word` equals the lower-case ASCII `keyword` without regard to
// ASCII case.
bool IsKeyword(std::u16string_view word, std::string_view keyword);

}  // namespace lanvero::db
