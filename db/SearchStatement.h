// The statements the lookup commands send, and the cleaning of a search
// keyword, shared by the program and lanvero-cli so that both search alike.
#pragma once

#include <string>
#include <string_view>

namespace lanvero::db {

inline constexpr std::u16string_view kListAllStatement = u"Select * from data";
inline constexpr std::u16string_view kRefreshStatement = u"Select 编号,标题,内容 from data";

// The keyword with every "姓", then every "*", then every blank (U+0020)
// removed.
std::u16string CleanSearchKeyword(std::u16string_view keyword);

// "Select * from data where 标题 like '%K%' or 内容 like '%K%' " for the
// cleaned keyword K, inserted as it stands: a keyword holding a single
// quote yields a statement the SQL subset refuses. `selectList` takes the
// place of "*" for a caller that needs fewer columns of the same rows.
std::u16string SearchStatement(std::u16string_view cleanedKeyword, std::u16string_view selectList = u"*");

}  // namespace lanvero::db
