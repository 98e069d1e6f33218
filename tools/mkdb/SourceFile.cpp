#include "tools/mkdb/SourceFile.h"

#include <charconv>

#include "cipher/Unit_DESCrypt.h"
#include "db/Cp936Text.h"
#include "db/RecordBody.h"
#include "db/UnicodeText.h"

namespace lanvero::mkdb {
namespace {

constexpr std::string_view kHeader = "编号\t标题\t内容";

[[noreturn]] void Fail(std::size_t line, const std::string& what) {
  throw SourceError("line " + std::to_string(line) + ": " + what);
}

std::string Unescape(std::string_view field, std::size_t line) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out.push_back(field[i]);
      continue;
    }
    if (++i == field.size()) Fail(line, "a backslash ends the field");
    switch (field[i]) {
      case 'r': out.push_back('\r'); break;
      case 'n': out.push_back('\n'); break;
      case 't': out.push_back('\t'); break;
      case '\\': out.push_back('\\'); break;
      default: Fail(line, std::string("unknown escape \\") + field[i]);
    }
  }
  return out;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t tab = text.find('\t'); tab != std::string_view::npos; tab = text.find('\t')) {
    fields.push_back(text.substr(0, tab));
    text.remove_prefix(tab + 1);
  }
  fields.push_back(text);
  return fields;
}

SourceRecord ParseRecord(std::string_view text, std::size_t line, std::int32_t previous) {
  const std::vector<std::string_view> fields = SplitFields(text);
  if (fields.size() != 3) Fail(line, "expected 3 tab-separated fields, found " + std::to_string(fields.size()));
  SourceRecord record;
  const auto [end, error] = std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), record.number);
  if (error != std::errc() || end != fields[0].data() + fields[0].size() || record.number <= 0) {
    Fail(line, "the record number \"" + std::string(fields[0]) + "\" is not a positive integer");
  }
  if (record.number <= previous) Fail(line, "record numbers must ascend");
  record.title = db::Utf8ToUtf16(Unescape(fields[1], line));
  if (record.title.size() > kTitleChars) Fail(line, "the title is longer than 50 characters");
  record.body = Unescape(fields[2], line);
  return record;
}

}  // namespace

std::vector<SourceRecord> ParseSourceFile(std::string_view text) {
  std::vector<SourceRecord> records;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (lineNumber == 1) {
      if (line != kHeader) Fail(1, "the header must be 编号<TAB>标题<TAB>内容");
      continue;
    }
    if (line.empty()) continue;
    records.push_back(ParseRecord(line, lineNumber, records.empty() ? 0 : records.back().number));
  }
  if (lineNumber == 0) Fail(1, "the file is empty");
  return records;
}

db::Table BuildRecordTable(const std::vector<SourceRecord>& records) {
  db::Table table;
  table.name = u"data";
  table.columns = {{u"编号", db::ColumnType::Long, true, 0},
                   {u"标题", db::ColumnType::Text, false, kTitleChars},
                   {u"内容", db::ColumnType::Memo, false, 0}};
  for (const SourceRecord& record : records) {
    const std::string hex = cipher::EncryptToHexText(db::Utf8ToCp936(record.body), db::kRecordKey);
    table.rows.push_back(
        {db::Value{record.number}, db::Value{record.title}, db::Value{std::u16string(hex.begin(), hex.end())}});
  }
  return table;
}

}  // namespace lanvero::mkdb
