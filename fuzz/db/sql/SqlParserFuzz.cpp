// Statement text in any form: the parser either refuses it with SqlError
// or yields a statement, which is then run over a small table so the
// evaluator and the like matcher see whatever the parser lets through.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "db/DbError.h"
#include "db/SqlEvaluator.h"
#include "db/SqlParser.h"
#include "db/UnicodeText.h"

namespace {

const lanvero::db::Table& SampleTable() {
  using namespace lanvero::db;
  static const Table table = [] {
    Table t;
    t.name = u"data";
    t.columns = {{u"编号", ColumnType::Long, true, 0},
                 {u"标题", ColumnType::Text, false, 50},
                 {u"内容", ColumnType::Memo, false, 0}};
    t.rows = {{Value{1}, Value{u"张姓 zhang"}, Value{u"0123456789ABCDEF"}},
              {Value{-5}, Value{u"\U00020000_%"}, Value{}},
              {Value{}, Value{u""}, Value{u"%%__''"}}};
    return t;
  }();
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = lanvero::db::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    const lanvero::db::SelectStatement statement = lanvero::db::ParseSelect(text);
    lanvero::db::EvaluateSelect(statement, SampleTable());
  } catch (const lanvero::db::SqlError&) {
  }
  return 0;
}
