#include "tools/lanvero-cli/Commands.h"

#include "db/Query.h"
#include "db/RecordBody.h"
#include "db/SearchStatement.h"
#include "db/UnicodeText.h"

namespace lanvero::cli {
namespace {

constexpr std::size_t kNumberField = 0;
constexpr std::size_t kTitleField = 1;
constexpr std::size_t kBodyField = 2;

// `list` and `search` print numbers and titles. Selecting only these, the
// bodies are never read for a list, and a search reads each body for its
// test without keeping it.
constexpr std::u16string_view kNumberAndTitle = u"编号,标题";
// The rows of the program's refresh statement, in its order.
constexpr std::u16string_view kNumbersAndTitles = u"Select 编号,标题 from data";

// Runs `statement` and calls `visit` with the query on every row.
template <typename Visit>
std::size_t ForEachRow(db::Connection& connection, std::u16string_view statement, Visit visit) {
  db::Query query(connection);
  query.Add(statement);
  query.Open();
  const std::size_t count = query.RecordCount();
  for (std::size_t row = 0; row < count; ++row) {
    if (row > 0) query.MoveBy(1);
    visit(query);
  }
  return count;
}

void PrintNumberAndTitle(const db::Query& query, std::ostream& out) {
  out << db::Utf16ToUtf8(query.FieldText(kNumberField)) << '\t' << db::Utf16ToUtf8(query.FieldText(kTitleField))
      << '\n';
}

std::string ReadableBody(const db::Query& query) {
  return db::Utf16ToUtf8(db::RemoveBreakMarks(db::DecryptRecordBody(query.FieldText(kBodyField))));
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

void ListRecords(db::Connection& connection, std::ostream& out) {
  ForEachRow(connection, kNumbersAndTitles, [&](const db::Query& query) { PrintNumberAndTitle(query, out); });
}

std::size_t SearchRecords(db::Connection& connection, const std::string& keyword, std::ostream& out) {
  const std::u16string statement =
      db::SearchStatement(db::CleanSearchKeyword(db::Utf8ToUtf16(keyword)), kNumberAndTitle);
  return ForEachRow(connection, statement, [&](const db::Query& query) { PrintNumberAndTitle(query, out); });
}

void ShowRecord(db::Connection& connection, std::int32_t id, std::ostream& out) {
  const std::u16string wanted = db::Utf8ToUtf16(std::to_string(id));
  bool found = false;
  ForEachRow(connection, db::kListAllStatement, [&](const db::Query& query) {
    if (found || query.FieldText(kNumberField) != wanted) return;
    out << ReadableBody(query);
    found = true;
  });
  if (!found) throw MissingRecord("there is no record number " + std::to_string(id));
}

void ExportCsv(db::Connection& connection, std::ostream& out) {
  out << "编号,标题,内容\r\n";
  ForEachRow(connection, db::kListAllStatement, [&](const db::Query& query) {
    out << CsvField(db::Utf16ToUtf8(query.FieldText(kNumberField))) << ','
        << CsvField(db::Utf16ToUtf8(query.FieldText(kTitleField))) << ',' << CsvField(ReadableBody(query)) << "\r\n";
  });
}

}  // namespace lanvero::cli
