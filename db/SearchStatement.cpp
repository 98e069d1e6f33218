#include "db/SearchStatement.h"

namespace lanvero::db {
namespace {

std::u16string RemoveAll(std::u16string text, std::u16string_view what) {
  for (std::size_t pos = text.find(what); pos != std::u16string::npos; pos = text.find(what, pos)) {
    text.erase(pos, what.size());
  }
  return text;
}

}  // namespace

std::u16string CleanSearchKeyword(std::u16string_view keyword) {
  return RemoveAll(RemoveAll(RemoveAll(std::u16string(keyword), u"姓"), u"*"), u" ");
}

std::u16string SearchStatement(std::u16string_view cleanedKeyword, std::u16string_view selectList) {
  std::u16string statement = u"Select ";
  statement += selectList;
  statement += u" from data where 标题 like '%";
  statement += cleanedKeyword;
  statement += u"%' or 内容 like '%";
  statement += cleanedKeyword;
  statement += u"%' ";
  return statement;
}

}  // namespace lanvero::db
