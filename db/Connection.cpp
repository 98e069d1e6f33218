#include "db/Connection.h"

#include <algorithm>

#include "db/AsciiCase.h"
#include "db/ConnectionString.h"
#include "db/DbError.h"
#include "db/JetFileMapping.h"
#include "db/Query.h"
#include "db/SqlEvaluator.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

std::u16string FoldedName(std::u16string_view name) {
  std::u16string folded(name);
  for (char16_t& c : folded) c = FoldAsciiCase(c);
  return folded;
}

bool Names(std::span<const std::u16string> names, std::u16string_view name) {
  return std::any_of(names.begin(), names.end(), [&](const std::u16string& n) { return SameName(n, name); });
}

}  // namespace

Connection::Connection(std::u16string connectionString) : connectionString_(std::move(connectionString)) {}

Connection::~Connection() {
  Close();
  for (Query* query : queries_) query->ConnectionGone();
}

void Connection::SetConnectionString(std::u16string text) {
  if (Connected()) throw DbError("The connection string cannot change while the connection is open.");
  connectionString_ = std::move(text);
}

void Connection::Open() {
  if (Connected()) return;
  const ConnectionSettings settings = ParseConnectionString(connectionString_);
  JetFileLock file(Utf16ToUtf8(settings.dataSource));
  database_.emplace(JetDatabase::FromMapping(std::make_shared<const JetFileMapping>(file)));
  file_.emplace(std::move(file));
}

void Connection::Close() {
  const std::vector<Query*> queries = queries_;
  for (Query* query : queries) query->Close();
  tables_.clear();
  database_.reset();
  file_.reset();
}

Table& Connection::TableNamed(std::u16string_view name) { return Cached(name, std::nullopt).table; }

Table& Connection::TableNamed(std::u16string_view name, std::span<const std::u16string> columns) {
  return Cached(name, columns).table;
}

std::vector<std::u16string> Connection::UnreadColumns(std::u16string_view name,
                                                      std::span<const std::u16string> columns) {
  return Unread(Cached(name, std::span<const std::u16string>{}), columns);
}

void Connection::VisitRows(std::u16string_view name, std::span<const std::u16string> columns,
                           const std::function<void(std::vector<Value>&)>& visit) {
  Open();
  database_->VisitRows(StoredTableName(name), columns, visit);
}

Connection::CachedTable& Connection::Cached(std::u16string_view name,
                                            std::optional<std::span<const std::u16string>> columns) {
  Open();
  const std::u16string key = FoldedName(name);
  if (const auto found = tables_.find(key); found != tables_.end()) {
    ReadMissingColumns(*found->second, columns);
    return *found->second;
  }
  const std::u16string stored = StoredTableName(name);
  auto cached = std::make_unique<CachedTable>();
  cached->table = columns ? database_->ReadTable(stored, *columns) : database_->ReadTable(stored);
  for (const ColumnDef& column : cached->table.columns)
    cached->read.push_back(!columns || Names(*columns, column.name));
  return *tables_.emplace(key, std::move(cached)).first->second;
}

std::u16string Connection::StoredTableName(std::u16string_view name) const {
  const std::vector<std::u16string> names = database_->TableNames();
  const auto match =
      std::find_if(names.begin(), names.end(), [&](const std::u16string& n) { return SameName(n, name); });
  if (match == names.end()) throw SqlError("The database has no table " + Utf16ToUtf8(name) + ".");
  return *match;
}

// Names of the columns not read yet, of those in `columns` (every column
// when there is no list).
std::vector<std::u16string> Connection::Unread(const CachedTable& cached,
                                               std::optional<std::span<const std::u16string>> columns) {
  std::vector<std::u16string> unread;
  for (std::size_t i = 0; i < cached.table.columns.size(); ++i) {
    const std::u16string& name = cached.table.columns[i].name;
    if (!cached.read[i] && (!columns || Names(*columns, name))) unread.push_back(name);
  }
  return unread;
}

// The file is held open and never changes under the connection, so a
// second reading yields the same rows in the same order.
void Connection::ReadMissingColumns(CachedTable& cached, std::optional<std::span<const std::u16string>> columns) const {
  const std::vector<std::u16string> missing = Unread(cached, columns);
  if (missing.empty()) return;
  Table& table = cached.table;
  Table fresh = database_->ReadTable(table.name, missing);
  if (fresh.rows.size() != table.rows.size())
    throw DbError("The table " + Utf16ToUtf8(table.name) + " changed while open.");
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    if (cached.read[i] || !Names(missing, table.columns[i].name)) continue;
    for (std::size_t row = 0; row < table.rows.size(); ++row) table.rows[row][i] = std::move(fresh.rows[row][i]);
    cached.read[i] = true;
  }
}

void Connection::Attach(Query& query) { queries_.push_back(&query); }

void Connection::Detach(Query& query) { std::erase(queries_, &query); }

}  // namespace lanvero::db
