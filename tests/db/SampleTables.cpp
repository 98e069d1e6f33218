#include "tests/db/SampleTables.h"

#include <cstdint>

namespace lanvero::db::testing {
namespace {

constexpr const char16_t* kSurnames[] = {u"张", u"王", u"李", u"赵", u"欧阳", u"司马", u"诸葛", u"一"};
constexpr const char16_t* kPinyin[] = {u"zhang", u"wang", u"li", u"zhao", u"ouyang", u"sima", u"zhuge", u"yi"};
constexpr std::size_t kBodyLengths[] = {40, 300, 900, 1500, 2500, 6000, 4000, 700};

std::u16string HexBody(std::size_t length, std::uint32_t seed) {
  std::u16string body;
  body.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    seed = seed * 1103515245u + 12345u;
    body.push_back(u"0123456789ABCDEF"[(seed >> 16) & 0xF]);
  }
  return body;
}

}  // namespace

Table MakeRecordTable(std::size_t rows) {
  Table table;
  table.name = u"data";
  table.columns = {{u"编号", ColumnType::Long, true, 0},
                   {u"标题", ColumnType::Text, false, 50},
                   {u"内容", ColumnType::Memo, false, 0}};
  for (std::size_t i = 0; i < rows; ++i) {
    const std::size_t kind = i % 8;
    std::u16string title = std::u16string(kSurnames[kind]) + u"姓 " + kPinyin[kind];
    Value body = HexBody(kBodyLengths[(i / 8 + i) % 8] + i % 13, static_cast<std::uint32_t>(i));
    if (i % 97 == 5) body = Value{};
    if (i % 89 == 7) body = std::u16string();
    if (i % 101 == 9) title.clear();
    table.rows.push_back({static_cast<std::int32_t>(1 + 3 * i), Value{title}, body});
  }
  return table;
}

Table MakeWideTable(std::size_t columns, std::size_t rows) {
  Table table;
  table.name = u"wide";
  for (std::size_t c = 0; c < columns; ++c) {
    const std::u16string name{u'c', static_cast<char16_t>(u'A' + c / 26 % 26), static_cast<char16_t>(u'a' + c % 26)};
    table.columns.push_back({name, ColumnType::Long, false, 0});
  }
  for (std::size_t r = 0; r < rows; ++r) {
    std::vector<Value> row;
    for (std::size_t c = 0; c < columns; ++c) {
      if ((r + c) % 5 == 0) {
        row.emplace_back();
      } else {
        row.emplace_back(static_cast<std::int32_t>(r * 1000 + c) - 500);
      }
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace lanvero::db::testing
