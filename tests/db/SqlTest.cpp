// The SQL subset: what it accepts, what it refuses, and how it matches.
#include <gtest/gtest.h>

#include <string>

#include "db/DbError.h"
#include "db/LikePattern.h"
#include "db/SearchStatement.h"
#include "db/SqlEvaluator.h"
#include "db/SqlParser.h"

namespace lanvero::db {
namespace {

using Kind = SqlCondition::Kind;

std::string RefusalOf(std::u16string_view statement) {
  try {
    ParseSelect(statement);
  } catch (const SqlError& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(SqlParser, ReadsTheProgramsStatements) {
  const SelectStatement all = ParseSelect(kListAllStatement);
  EXPECT_TRUE(all.allColumns);
  EXPECT_EQ(all.table, u"data");
  EXPECT_FALSE(all.hasCondition);

  const SelectStatement refresh = ParseSelect(kRefreshStatement);
  EXPECT_FALSE(refresh.allColumns);
  EXPECT_EQ(refresh.columns, (std::vector<std::u16string>{u"编号", u"标题", u"内容"}));

  const SelectStatement search = ParseSelect(SearchStatement(u"张"));  // ends with a blank
  ASSERT_TRUE(search.hasCondition);
  ASSERT_EQ(search.condition.kind, Kind::Or);
  ASSERT_EQ(search.condition.operands.size(), 2u);
  EXPECT_EQ(search.condition.operands[0].column, u"标题");
  EXPECT_EQ(search.condition.operands[0].pattern, u"%张%");
  EXPECT_EQ(search.condition.operands[1].column, u"内容");
}

TEST(SqlParser, KeywordsIgnoreCaseAndStatementsMaySpanLines) {
  const SelectStatement statement = ParseSelect(u"SELECT *\r\nFROM Data\r\nWHERE 标题 LIKE 'a';");
  EXPECT_EQ(statement.table, u"Data");
  EXPECT_EQ(statement.condition.pattern, u"a");
}

TEST(SqlParser, DoubledQuoteInsideLiteralIsOneQuote) {
  const SelectStatement statement = ParseSelect(u"select * from data where 标题 like '%O''Neil%'");
  EXPECT_EQ(statement.condition.pattern, u"%O'Neil%");
}

TEST(SqlParser, AndBindsTighterThanOrAndParenthesesGroup) {
  const SelectStatement plain = ParseSelect(u"select * from t where a like 'x' or b like 'y' and c like 'z'");
  ASSERT_EQ(plain.condition.kind, Kind::Or);
  EXPECT_EQ(plain.condition.operands[0].kind, Kind::Like);
  EXPECT_EQ(plain.condition.operands[1].kind, Kind::And);

  const SelectStatement grouped = ParseSelect(u"select * from t where (a like 'x' or b like 'y') and c like 'z'");
  ASSERT_EQ(grouped.condition.kind, Kind::And);
  EXPECT_EQ(grouped.condition.operands[0].kind, Kind::Or);

  const SelectStatement chain = ParseSelect(u"select * from t where a like '1' or a like '2' or a like '3'");
  EXPECT_EQ(chain.condition.operands.size(), 3u);  // flat, not nested
}

TEST(SqlParser, KeywordWithSingleQuoteIsRefusedWithPosition) {
  const std::string message = RefusalOf(SearchStatement(CleanSearchKeyword(u"张'")));
  EXPECT_NE(message.find("Syntax error"), std::string::npos) << message;
  EXPECT_NE(message.find("position"), std::string::npos) << message;
}

TEST(SqlParser, RefusesEverythingButOneRead) {
  const char16_t* refused[] = {
      u"",
      u"   ",
      u"delete from data",
      u"update data set 标题 = 'x'",
      u"drop table data",
      u"Select * from data; drop table data",
      u"Select * from data where 标题 = 'x'",
      u"Select * from data where 标题 like x",
      u"Select * from data where 标题 like 'x' and",
      u"Select * from data where (标题 like 'x'",
      u"Select * from data where 标题 like 'x')",
      u"Select * from data where not 标题 like 'x'",
      u"Select * from data where 标题 like 'x",
      u"Select from data",
      u"Select 编号, from data",
      u"Select * from",
      u"Select * from data order by 编号",
      u"Select * from data -- comment",
      u"Select * from data where 标题 like \"x\"",
      u"Select * from from",
  };
  for (const char16_t* statement : refused) {
    EXPECT_NE(RefusalOf(statement), "(accepted)") << std::u16string_view(statement).size();
  }
  EXPECT_NE(RefusalOf(u"delete from data").find("Only Select"), std::string::npos);
}

TEST(SqlParser, RefusesNestingBeyondTheLimit) {
  auto nested = [](int depth) {
    std::u16string text = u"select * from t where ";
    text += std::u16string(depth, u'(') + u"a like 'x'" + std::u16string(depth, u')');
    return text;
  };
  EXPECT_NO_THROW(ParseSelect(nested(kMaxSqlNesting)));
  EXPECT_THROW(ParseSelect(nested(kMaxSqlNesting + 1)), SqlError);
}

TEST(LikePattern, WildcardsAndCase) {
  EXPECT_TRUE(LikeMatches(u"", u"%%"));
  EXPECT_TRUE(LikeMatches(u"张姓 zhang", u"%ZHANG%"));
  EXPECT_TRUE(LikeMatches(u"abc", u"abc"));
  EXPECT_FALSE(LikeMatches(u"abcd", u"abc"));  // no wildcard: the whole text
  EXPECT_FALSE(LikeMatches(u"xabc", u"abc%"));
  EXPECT_TRUE(LikeMatches(u"aabab", u"%ab%ab"));  // needs backtracking
  EXPECT_FALSE(LikeMatches(u"aabax", u"%ab%ab"));
  EXPECT_TRUE(LikeMatches(u"a", u"_"));
  EXPECT_FALSE(LikeMatches(u"", u"_"));
  EXPECT_TRUE(LikeMatches(u"\U00020000x", u"_x"));  // a surrogate pair is one character
  EXPECT_TRUE(LikeMatches(u"a[b]", u"a[b]"));       // no character classes
  // A '%' passes over text that cannot start what follows it, and no further.
  EXPECT_TRUE(LikeMatches(u"zhzhAzhANg zh", u"%zhang%"));
  EXPECT_TRUE(LikeMatches(u"ab\U00020000ab", u"%\U00020000a_"));
  EXPECT_TRUE(LikeMatches(u"xx\U00020000b", u"%_b"));
  EXPECT_FALSE(LikeMatches(u"zhanzhan", u"%zhang%"));
}

TEST(LikePattern, FullWidthLettersAreNotFolded) {
  EXPECT_FALSE(LikeMatches(u"ＡＢ", u"ab"));
  EXPECT_FALSE(LikeMatches(u"ＡＢ", u"ａｂ"));
  EXPECT_TRUE(LikeMatches(u"ＡＢ", u"ＡＢ"));
}

class SqlEvaluator : public ::testing::Test {
 protected:
  SqlEvaluator() {
    table.name = u"data";
    table.columns = {{u"编号", ColumnType::Long, true, 0},
                     {u"Title", ColumnType::Text, false, 50},
                     {u"内容", ColumnType::Memo, false, 0}};
    table.rows = {{Value{7}, Value{u"张姓 zhang"}, Value{u"AB12"}},
                  {Value{3}, Value{u"王姓 wang"}, Value{}},
                  {Value{12}, Value{u"章姓 zhang"}, Value{u"FF00"}}};
  }
  QueryResult Run(std::u16string_view statement) { return EvaluateSelect(ParseSelect(statement), table); }
  static std::vector<std::size_t> Sources(const QueryResult& result) { return result.sourceRows; }

  Table table;
};

TEST_F(SqlEvaluator, RowsInPhysicalOrderColumnsInSelectOrder) {
  const QueryResult result = Run(u"select 内容, title from data where title like '%zhang'");
  EXPECT_EQ(Sources(result), (std::vector<std::size_t>{0, 2}));
  ASSERT_EQ(result.table.columns.size(), 2u);
  EXPECT_EQ(result.table.columns[0].name, u"内容");
  EXPECT_EQ(std::get<std::u16string>(result.table.rows[1][1]), u"章姓 zhang");
}

TEST_F(SqlEvaluator, NumbersMatchByDecimalTextAndNullNeverMatches) {
  EXPECT_EQ(Sources(Run(u"select * from data where 编号 like '1%'")), (std::vector<std::size_t>{2}));
  EXPECT_EQ(Sources(Run(u"select * from data where 内容 like '%'")), (std::vector<std::size_t>{0, 2}));
}

TEST_F(SqlEvaluator, AndOrCombine) {
  EXPECT_EQ(Sources(Run(u"select * from data where title like '%zhang' and 内容 like 'ab%'")),
            (std::vector<std::size_t>{0}));
  EXPECT_EQ(Sources(Run(u"select * from data where title like '王%' or 内容 like 'ff%'")),
            (std::vector<std::size_t>{1, 2}));
}

TEST_F(SqlEvaluator, UnknownColumnIsRefused) {
  EXPECT_THROW(Run(u"select 名字 from data"), SqlError);
  EXPECT_THROW(Run(u"select * from data where 名字 like 'x'"), SqlError);
}

}  // namespace
}  // namespace lanvero::db
