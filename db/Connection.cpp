#include "db/Connection.h"

#include <algorithm>

#include "db/AsciiCase.h"
#include "db/ConnectionString.h"
#include "db/DbError.h"
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
  database_.emplace(JetDatabase::FromBytes(file.ReadAll()));
  file_.emplace(std::move(file));
}

void Connection::Close() {
  const std::vector<Query*> queries = queries_;
  for (Query* query : queries) query->Close();
  tables_.clear();
  database_.reset();
  file_.reset();
}

Table& Connection::TableNamed(std::u16string_view name) {
  Open();
  const std::u16string key = FoldedName(name);
  if (const auto found = tables_.find(key); found != tables_.end()) return *found->second;
  const std::vector<std::u16string> names = database_->TableNames();
  const auto match =
      std::find_if(names.begin(), names.end(), [&](const std::u16string& n) { return SameName(n, name); });
  if (match == names.end()) throw SqlError("The database has no table " + Utf16ToUtf8(name) + ".");
  auto table = std::make_unique<Table>(database_->ReadTable(*match));
  return *tables_.emplace(key, std::move(table)).first->second;
}

void Connection::Attach(Query& query) { queries_.push_back(&query); }

void Connection::Detach(Query& query) { std::erase(queries_, &query); }

}  // namespace lanvero::db
