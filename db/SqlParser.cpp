#include "db/SqlParser.h"

#include <array>

#include "db/DbError.h"
#include "db/SqlTokenizer.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

constexpr std::array<std::string_view, 20> kReservedWords = {"select", "from",   "where", "and",    "or",
                                                             "like",   "not",    "in",    "is",     "null",
                                                             "order",  "by",     "group", "having", "insert",
                                                             "update", "delete", "drop",  "create", "alter"};

bool IsReserved(std::u16string_view word) {
  for (const auto keyword : kReservedWords) {
    if (IsKeyword(word, keyword)) return true;
  }
  return false;
}

std::string Quote(const SqlToken& token) {
  switch (token.kind) {
    case SqlTokenKind::End: return "the end of the statement";
    case SqlTokenKind::String: return "quoted text '" + Utf16ToUtf8(token.text) + "'";
    default: return "\"" + Utf16ToUtf8(token.text) + "\"";
  }
}

class Parser {
 public:
  explicit Parser(std::vector<SqlToken> tokens) : tokens_(std::move(tokens)) {}

  SelectStatement Statement() {
    if (Peek().kind != SqlTokenKind::Word || !IsKeyword(Peek().text, "select")) RefuseStatementKind();
    Advance();
    SelectStatement statement;
    SelectList(statement);
    ExpectKeyword("from");
    statement.table = Name("a table name");
    if (AcceptKeyword("where")) {
      statement.hasCondition = true;
      statement.condition = OrExpression(0);
    }
    if (Peek().kind == SqlTokenKind::Semicolon) Advance();
    if (Peek().kind != SqlTokenKind::End) Fail("the end of the statement");
    return statement;
  }

 private:
  const SqlToken& Peek() const { return tokens_[index_]; }
  const SqlToken& Advance() { return tokens_[index_ < tokens_.size() - 1 ? index_++ : index_]; }

  [[noreturn]] void Fail(const std::string& expected) const {
    const SqlToken& token = Peek();
    throw SqlError("Syntax error at position " + std::to_string(token.position) + ": expected " + expected +
                   ", found " + Quote(token) + ".");
  }

  [[noreturn]] void RefuseStatementKind() const {
    const SqlToken& token = Peek();
    if (token.kind == SqlTokenKind::End) throw SqlError("The statement is empty.");
    throw SqlError("Only Select statements can be run; the statement begins with " + Quote(token) + ".");
  }

  bool AcceptKeyword(std::string_view keyword) {
    if (Peek().kind != SqlTokenKind::Word || !IsKeyword(Peek().text, keyword)) return false;
    Advance();
    return true;
  }

  void ExpectKeyword(std::string_view keyword) {
    if (!AcceptKeyword(keyword)) Fail("\"" + std::string(keyword) + "\"");
  }

  std::u16string Name(const char* what) {
    if (Peek().kind != SqlTokenKind::Word || IsReserved(Peek().text)) Fail(what);
    return Advance().text;
  }

  void SelectList(SelectStatement& statement) {
    if (Peek().kind == SqlTokenKind::Star) {
      Advance();
      statement.allColumns = true;
      return;
    }
    statement.columns.push_back(Name("\"*\" or a column name"));
    while (Peek().kind == SqlTokenKind::Comma) {
      Advance();
      statement.columns.push_back(Name("a column name"));
    }
  }

  SqlCondition OrExpression(int depth) {
    SqlCondition first = AndExpression(depth);
    if (Peek().kind != SqlTokenKind::Word || !IsKeyword(Peek().text, "or")) return first;
    SqlCondition either{SqlCondition::Kind::Or, {}, {}, {}};
    either.operands.push_back(std::move(first));
    while (AcceptKeyword("or")) either.operands.push_back(AndExpression(depth));
    return either;
  }

  SqlCondition AndExpression(int depth) {
    SqlCondition first = Primary(depth);
    if (Peek().kind != SqlTokenKind::Word || !IsKeyword(Peek().text, "and")) return first;
    SqlCondition both{SqlCondition::Kind::And, {}, {}, {}};
    both.operands.push_back(std::move(first));
    while (AcceptKeyword("and")) both.operands.push_back(Primary(depth));
    return both;
  }

  SqlCondition Primary(int depth) {
    if (Peek().kind == SqlTokenKind::OpenParen) {
      if (depth >= kMaxSqlNesting) {
        throw SqlError("The condition nests parentheses more than " + std::to_string(kMaxSqlNesting) + " deep.");
      }
      Advance();
      SqlCondition inner = OrExpression(depth + 1);
      if (Peek().kind != SqlTokenKind::CloseParen) Fail("\")\"");
      Advance();
      return inner;
    }
    SqlCondition like{SqlCondition::Kind::Like, {}, {}, {}};
    like.column = Name("a column name or \"(\"");
    if (!AcceptKeyword("like")) Fail("\"like\" (the only comparison supported)");
    if (Peek().kind != SqlTokenKind::String) Fail("a quoted pattern");
    like.pattern = Advance().text;
    return like;
  }

  std::vector<SqlToken> tokens_;
  std::size_t index_ = 0;
};

}  // namespace

SelectStatement ParseSelect(std::u16string_view statement) { return Parser(TokenizeSql(statement)).Statement(); }

}  // namespace lanvero::db
