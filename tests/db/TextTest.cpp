// Text conversions, connection strings and the search keyword.
#include <gtest/gtest.h>

#include "cipher/Unit_DESCrypt.h"
#include "db/ConnectionString.h"
#include "db/Cp936Text.h"
#include "db/DbError.h"
#include "db/RecordBody.h"
#include "db/SearchStatement.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

TEST(Cp936Text, EncodesAndDecodesChineseAndPinyin) {
  EXPECT_EQ(Utf16ToCp936(u"张"), "\xD5\xC5");
  const std::u16string text = u"张姓 zhang 拼音：zhāng<br>\r\n";
  EXPECT_EQ(Cp936ToUtf16(Utf16ToCp936(text)), text);
  EXPECT_EQ(Cp936ToUtf8(Utf8ToCp936("欧阳")), "欧阳");
}

TEST(Cp936Text, RefusesWhatTheCodePageLacks) {
  EXPECT_THROW(Utf16ToCp936(u"a\U0001F600"), Cp936EncodeError);
  EXPECT_THROW(Utf16ToCp936(u"\u3400"), Cp936EncodeError);  // CJK extension A: GB 18030 only
}

TEST(Cp936Text, InvalidBytesDecodeAsReplacementAndTheRestSurvives) {
  EXPECT_EQ(Cp936ToUtf16("a\xFF"
                         "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Cp936ToUtf16("\xD5\xC5\xD5"), u"张\uFFFD");  // cut in the middle of a character
}

TEST(UnicodeText, MalformedInputBecomesReplacement) {
  EXPECT_EQ(Utf8ToUtf16("\xE5\xBC"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong '/'
  EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(u"\U00020000张")), u"\U00020000张");
}

TEST(ConnectionString, ReadsTheProgramsString) {
  const ConnectionSettings settings = ParseConnectionString(
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Windows\\_.dll;Persist Security Info=False");
  EXPECT_EQ(settings.dataSource, u"C:\\Windows\\_.dll");
  EXPECT_FALSE(settings.persistSecurityInfo);
  EXPECT_EQ(ParseConnectionString(u"data source = \"a;b.mdb\" ; PROVIDER=microsoft.jet.oledb.4.0;").dataSource,
            u"a;b.mdb");
}

TEST(ConnectionString, RefusesWhatItCannotServe) {
  const char16_t* refused[] = {
      u"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=x.mdb",
      u"Data Source=x.mdb",
      u"Provider=Microsoft.Jet.OLEDB.4.0",
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=",
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.mdb;Password=secret",
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.mdb;Data Source=y.mdb",
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"x.mdb",
      u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.mdb;Persist Security Info=maybe",
      u"Provider=Microsoft.Jet.OLEDB.4.0;x.mdb",
  };
  for (const char16_t* text : refused) EXPECT_THROW(ParseConnectionString(text), DbError) << Utf16ToUtf8(text);
}

TEST(SearchKeyword, CleaningRemovesSurnameMarkStarsAndBlanks) {
  EXPECT_EQ(CleanSearchKeyword(u" 张 姓*x "), u"张x");
  EXPECT_EQ(CleanSearchKeyword(u"姓"), u"");
  EXPECT_EQ(CleanSearchKeyword(u"Zhang\u3000"), u"Zhang\u3000");  // only U+0020 is a blank here
  EXPECT_EQ(SearchStatement(u"li"), u"Select * from data where 标题 like '%li%' or 内容 like '%li%' ");
}

TEST(RecordBody, DecryptsCodePage936AndRemovesOnlyLowerCaseMarks) {
  const std::string hex = cipher::EncryptToHexText(Utf8ToCp936("姓氏：张<br>\r\n<BR>end"), kRecordKey);
  const std::u16string body = DecryptRecordBody(std::u16string(hex.begin(), hex.end()));
  EXPECT_EQ(body, u"姓氏：张<br>\r\n<BR>end");
  EXPECT_EQ(RemoveBreakMarks(body), u"姓氏：张\r\n<BR>end");
  EXPECT_EQ(DecryptRecordBody(u"GZ"), u"");
  EXPECT_EQ(DecryptRecordBody(u"ＡＢ"), u"");  // non-ASCII is never hex
}

}  // namespace
}  // namespace lanvero::db
