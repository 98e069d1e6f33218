// One page of a sound database replaced by the input: the first byte picks
// the page (map rows, catalog, table definition, index, data or long-value
// pages), the rest is its content. Keeping the other pages intact lets the
// fuzzer reach row, long-value and definition decoding directly.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "db/JetFormat.h"
#include "db/JetReader.h"
#include "db/JetWriter.h"

namespace {

std::vector<std::uint8_t> MakeSkeleton() {
  using namespace lanvero::db;
  Table table;
  table.name = u"data";
  table.columns = {{u"编号", ColumnType::Long, true, 0},
                   {u"标题", ColumnType::Text, false, 50},
                   {u"内容", ColumnType::Memo, false, 0}};
  table.rows.push_back({std::int32_t{1}, Value{std::u16string(u"张姓 zhang")}, Value{std::u16string(20, u'A')}});
  table.rows.push_back({std::int32_t{2}, Value{}, Value{std::u16string(900, u'B')}});
  table.rows.push_back({std::int32_t{3}, Value{std::u16string(u"一姓 yi")}, Value{std::u16string(3000, u'C')}});
  return WriteJetDatabase(table, {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> skeleton = MakeSkeleton();
  if (size < 1) return 0;
  const std::size_t pageCount = skeleton.size() / lanvero::db::jet::kPageSize;
  const std::size_t page = 1 + data[0] % (pageCount - 1);
  std::vector<std::uint8_t> file = skeleton;
  const std::size_t length = std::min(size - 1, lanvero::db::jet::kPageSize);
  std::copy_n(data + 1, length, file.begin() + static_cast<std::ptrdiff_t>(page * lanvero::db::jet::kPageSize));
  try {
    const auto database = lanvero::db::JetDatabase::FromBytes(std::move(file));
    for (const auto& name : database.TableNames()) database.ReadTable(name);
  } catch (const lanvero::db::JetError&) {
  }
  return 0;
}
