// Recursive-descent parser of the SQL subset:
//
//   statement  := SELECT columns FROM name [WHERE or-expr] [";"]
//   columns    := "*" | name {"," name}
//   or-expr    := and-expr {OR and-expr}
//   and-expr   := primary {AND primary}
//   primary    := "(" or-expr ")" | name LIKE 'literal'
//
// Keywords are matched without regard to ASCII case and cannot serve as
// names. Every other statement (UPDATE, DELETE, a second statement after
// ";", comparison operators, ...) is refused with a SqlError whose text
// says what was wrong and where.
#pragma once

#include <string_view>

#include "db/SqlStatement.h"

namespace lanvero::db {

// Parentheses nest at most this deep; deeper input is refused rather than
// risking the stack.
inline constexpr int kMaxSqlNesting = 64;

SelectStatement ParseSelect(std::u16string_view statement);

}  // namespace lanvero::db
