#include "db/JetReader.h"

#include <algorithm>

#include "db/JetFileLock.h"
#include "db/JetFileMapping.h"
#include "db/JetHeader.h"
#include "db/JetRowDecoder.h"
#include "db/JetText.h"
#include "db/UnicodeText.h"
#include "db/JetUsageMap.h"

namespace lanvero::db {
namespace {

// Rows of a table in physical order, decoded one at a time: the pages of
// its usage map that are data pages owned by the table, each read slot by
// slot.
template <typename Visit>
void ForEachRow(const JetPages& pages, const JetTableDefinition& definition, std::vector<bool> wanted, Visit visit) {
  const JetRowDecoder decoder(pages, definition, std::move(wanted));
  for (const std::uint32_t number : ReadUsageMap(pages, definition.usedPagesPointer)) {
    const ByteView page = pages.Page(number);
    if (page.U8(0) != jet::kDataPage || page.U32(jet::kDataOwnerOffset) != definition.page) continue;
    const std::uint32_t count = pages.RowCount(page);
    for (std::uint32_t row = 0; row < count; ++row) {
      const RowSlot slot = pages.Row(page, row);
      if (slot.deleted) continue;
      const ByteView bytes = slot.overflow ? pages.ResolveRow(RowPointer::FromStored(slot.bytes.U32(0))) : slot.bytes;
      visit(decoder.Decode(bytes));
    }
  }
}

std::vector<std::vector<Value>> ReadRows(const JetPages& pages, const JetTableDefinition& definition,
                                         std::vector<bool> wanted = {}) {
  std::vector<std::vector<Value>> rows;
  ForEachRow(pages, definition, std::move(wanted), [&](std::vector<Value>&& row) { rows.push_back(std::move(row)); });
  return rows;
}

std::ptrdiff_t ColumnIndex(const JetTableDefinition& definition, std::u16string_view name) {
  for (std::size_t i = 0; i < definition.columns.size(); ++i) {
    if (SameNameIgnoringAsciiCase(definition.columns[i].name, name)) return static_cast<std::ptrdiff_t>(i);
  }
  throw JetError("corrupt database: the catalog lacks its column " + Utf16ToUtf8(name));
}

std::int32_t IntegerOrZero(const Value& value) {
  const auto* number = std::get_if<std::int32_t>(&value);
  return number ? *number : 0;
}

std::vector<JetDatabase::CatalogEntry> ReadCatalog(const JetPages& pages) {
  const JetTableDefinition catalog = ReadTableDefinition(pages, jet::kCatalogPage);
  const auto idColumn = ColumnIndex(catalog, u"Id");
  const auto nameColumn = ColumnIndex(catalog, u"Name");
  const auto typeColumn = ColumnIndex(catalog, u"Type");
  const auto flagsColumn = ColumnIndex(catalog, u"Flags");
  std::vector<JetDatabase::CatalogEntry> tables;
  for (const auto& row : ReadRows(pages, catalog)) {
    if ((IntegerOrZero(row[typeColumn]) & 0x7F) != jet::kCatalogTableType) continue;
    const auto* name = std::get_if<std::u16string>(&row[nameColumn]);
    if (!name) continue;
    JetDatabase::CatalogEntry entry;
    entry.name = *name;
    entry.definitionPage = static_cast<std::uint32_t>(IntegerOrZero(row[idColumn])) & 0x00FFFFFF;
    entry.flags = static_cast<std::uint32_t>(IntegerOrZero(row[flagsColumn]));
    entry.isUserTable = (entry.flags & jet::kSystemObjectFlags) == 0;
    tables.push_back(std::move(entry));
  }
  return tables;
}

bool Supported(std::uint8_t type) {
  return type == jet::kTypeByte || type == jet::kTypeInteger || type == jet::kTypeLong || type == jet::kTypeText ||
         type == jet::kTypeMemo;
}

ColumnDef ToColumnDef(const JetColumn& column) {
  ColumnDef def;
  def.name = column.name;
  if (column.type == jet::kTypeText) {
    def.type = ColumnType::Text;
    def.maxChars = column.length / 2;
  } else if (column.type == jet::kTypeMemo) {
    def.type = ColumnType::Memo;
  } else {
    def.type = ColumnType::Long;
    def.autoNumber = (column.flags & jet::kColumnAutoNumberFlag) != 0;
  }
  return def;
}

std::vector<bool> WantedColumns(const JetTableDefinition& definition, std::span<const std::u16string> names) {
  std::vector<bool> wanted(definition.columns.size(), false);
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    wanted[i] = std::any_of(names.begin(), names.end(), [&](const std::u16string& name) {
      return SameNameIgnoringAsciiCase(definition.columns[i].name, name);
    });
  }
  return wanted;
}

}  // namespace

JetDatabase::JetDatabase(std::shared_ptr<const void> storage, std::span<const std::uint8_t> file)
    : storage_(std::move(storage)), file_(file) {
  const ByteView bytes(file_.data(), file_.size());
  sortOrder_ = ReadJetHeader(bytes).sortOrder;
  tables_ = ReadCatalog(JetPages(bytes));
}

JetDatabase JetDatabase::FromBytes(std::vector<std::uint8_t> bytes) {
  auto shared = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
  const std::span<const std::uint8_t> file(*shared);
  return JetDatabase(std::move(shared), file);
}

JetDatabase JetDatabase::FromFile(const std::string& path) { return FromBytes(JetFileLock(path).ReadAll()); }

JetDatabase JetDatabase::FromMapping(std::shared_ptr<const JetFileMapping> mapping) {
  const std::span<const std::uint8_t> file(mapping->data(), mapping->size());
  return JetDatabase(std::move(mapping), file);
}

std::vector<std::u16string> JetDatabase::TableNames() const {
  std::vector<std::u16string> names;
  for (const CatalogEntry& entry : tables_) {
    if (entry.isUserTable) names.push_back(entry.name);
  }
  return names;
}

const JetDatabase::CatalogEntry& JetDatabase::FindTable(std::u16string_view name) const {
  for (const CatalogEntry& entry : tables_) {
    if (SameNameIgnoringAsciiCase(entry.name, name)) return entry;
  }
  throw JetError("no table named " + Utf16ToUtf8(name) + " in the database");
}

Table JetDatabase::ReadTable(std::u16string_view name) const { return ReadColumns(name, std::nullopt); }

Table JetDatabase::ReadTable(std::u16string_view name, std::span<const std::u16string> columns) const {
  return ReadColumns(name, columns);
}

Table JetDatabase::ReadColumns(std::u16string_view name, std::optional<std::span<const std::u16string>> columns) const {
  const CatalogEntry& entry = FindTable(name);
  const JetPages pages(ByteView(file_.data(), file_.size()));
  const JetTableDefinition definition = ReadTableDefinition(pages, entry.definitionPage);
  Table table;
  table.name = entry.name;
  for (const JetColumn& column : definition.columns) {
    if (!Supported(column.type)) {
      throw JetError("table " + Utf16ToUtf8(entry.name) + ": column " + Utf16ToUtf8(column.name) +
                     " has unsupported type " + std::to_string(column.type));
    }
    table.columns.push_back(ToColumnDef(column));
  }
  table.rows = ReadRows(pages, definition, columns ? WantedColumns(definition, *columns) : std::vector<bool>{});
  return table;
}

void JetDatabase::VisitRows(std::u16string_view name, std::span<const std::u16string> columns,
                            const std::function<void(std::vector<Value>&)>& visit) const {
  const JetPages pages(ByteView(file_.data(), file_.size()));
  const JetTableDefinition definition = ReadTableDefinition(pages, FindTable(name).definitionPage);
  ForEachRow(pages, definition, WantedColumns(definition, columns), [&](std::vector<Value>&& row) { visit(row); });
}

}  // namespace lanvero::db
