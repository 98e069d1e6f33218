// File layout written here: page 0 header, page 1 the usage-map rows, page 2
// the catalog MSysObjects (definition), page 3 its rows, page 4 the user
// table's definition, then the user table's data pages interleaved with
// long-value pages in the order they fill, then the primary-key index pages,
// any map pages and definition continuation pages.
#include "db/JetWriter.h"

#include <algorithm>
#include <string>

#include "db/JetHeader.h"
#include "db/JetIndexWriter.h"
#include "db/JetLongValueWriter.h"
#include "db/JetRowEncoder.h"
#include "db/JetTableDefinitionWriter.h"
#include "db/JetText.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

constexpr std::uint32_t kMapsPage = 1;
constexpr std::uint32_t kCatalogDataPage = 3;
constexpr std::uint32_t kUserDefinitionPage = 4;
constexpr std::size_t kInlineMapBitmapBytes = 59;
constexpr std::size_t kMaxTextChars = 255;
// Jet compresses long text only up to this many characters.
constexpr std::size_t kMaxCompressedMemoChars = 1024;
constexpr std::int32_t kTablesContainerId = 0x0F000001;
constexpr std::int32_t kRootContainerId = 0x0F000000;
constexpr std::int32_t kContainerType = 3;
constexpr std::uint16_t kCodePage936 = 936;

// Builds column lists: fixed columns get consecutive offsets in the fixed
// area, variable ones consecutive slots.
class ColumnListBuilder {
 public:
  explicit ColumnListBuilder(std::uint16_t sortOrder) : sortOrder_(sortOrder) {}

  void Fixed(std::u16string name, std::uint8_t type, std::uint16_t width, std::uint8_t flags) {
    JetColumn column = Base(std::move(name), type, flags | jet::kColumnFixedFlag);
    column.fixedOffset = fixedLength_;
    column.length = width;
    fixedLength_ = static_cast<std::uint16_t>(fixedLength_ + width);
    columns_.push_back(std::move(column));
  }
  void Variable(std::u16string name, std::uint8_t type, std::uint16_t length, bool textual) {
    JetColumn column = Base(std::move(name), type, jet::kColumnNullableFlag);
    column.varIndex = varCount_++;
    column.length = length;
    if (textual) {
      column.miscFlags = jet::kColumnCompressedFlag;
      column.sortOrder = sortOrder_;
    }
    columns_.push_back(std::move(column));
  }
  std::vector<JetColumn> Take() { return std::move(columns_); }
  std::uint16_t VarCount() const { return varCount_; }

 private:
  JetColumn Base(std::u16string name, std::uint8_t type, std::uint8_t flags) const {
    JetColumn column;
    column.name = std::move(name);
    column.type = type;
    column.flags = flags;
    column.number = static_cast<std::uint16_t>(columns_.size());
    return column;
  }

  std::uint16_t sortOrder_;
  std::vector<JetColumn> columns_;
  std::uint16_t fixedLength_ = 0;
  std::uint16_t varCount_ = 0;
};

JetTableDefinition CatalogDefinition(std::uint16_t sortOrder) {
  ColumnListBuilder b(sortOrder);
  const std::uint8_t nullable = jet::kColumnNullableFlag;
  b.Fixed(u"Id", jet::kTypeLong, 4, nullable);
  b.Fixed(u"ParentId", jet::kTypeLong, 4, nullable);
  b.Variable(u"Name", jet::kTypeText, 2 * 128, true);
  b.Fixed(u"Type", jet::kTypeInteger, 2, nullable);
  b.Fixed(u"DateCreate", jet::kTypeDateTime, 8, nullable);
  b.Fixed(u"DateUpdate", jet::kTypeDateTime, 8, nullable);
  b.Variable(u"Owner", jet::kTypeBinary, 255, false);
  b.Fixed(u"Flags", jet::kTypeLong, 4, nullable);
  b.Variable(u"Database", jet::kTypeMemo, 0, true);
  b.Variable(u"Connect", jet::kTypeMemo, 0, true);
  b.Variable(u"ForeignName", jet::kTypeText, 2 * 128, true);
  b.Variable(u"RmtInfoShort", jet::kTypeBinary, 255, false);
  for (const char16_t* name : {u"RmtInfoLong", u"Lv", u"LvProp", u"LvModule", u"LvExtra"}) {
    b.Variable(name, jet::kTypeOle, 0, false);
  }
  JetTableDefinition definition;
  definition.page = jet::kCatalogPage;
  definition.tableType = jet::kSystemTable;
  definition.varColumnCount = b.VarCount();
  definition.columns = b.Take();
  return definition;
}

// Jet object names: 1 to 64 characters.
void CheckName(const std::u16string& name, const char* what) {
  if (name.empty() || name.size() > 64) throw JetError(std::string(what) + " names must have 1 to 64 characters");
}

JetTableDefinition UserDefinition(const Table& table, std::uint16_t sortOrder) {
  if (table.columns.empty() || table.columns.size() > 255) throw JetError("a table needs between 1 and 255 columns");
  CheckName(table.name, "table");
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    CheckName(table.columns[c].name, "column");
    for (std::size_t other = 0; other < c; ++other) {
      if (SameNameIgnoringAsciiCase(table.columns[other].name, table.columns[c].name)) {
        throw JetError("column name " + Utf16ToUtf8(table.columns[c].name) + " is used twice");
      }
    }
  }
  ColumnListBuilder b(sortOrder);
  for (const ColumnDef& column : table.columns) {
    switch (column.type) {
      case ColumnType::Long:
        b.Fixed(column.name, jet::kTypeLong, 4,
                column.autoNumber ? jet::kColumnAutoNumberFlag : jet::kColumnNullableFlag);
        break;
      case ColumnType::Text:
        if (column.maxChars < 1 || column.maxChars > static_cast<int>(kMaxTextChars)) {
          throw JetError("text column " + Utf16ToUtf8(column.name) + " must hold 1 to 255 characters");
        }
        b.Variable(column.name, jet::kTypeText, static_cast<std::uint16_t>(2 * column.maxChars), true);
        break;
      case ColumnType::Memo: b.Variable(column.name, jet::kTypeMemo, 0, true); break;
    }
  }
  JetTableDefinition definition;
  definition.page = kUserDefinitionPage;
  definition.tableType = jet::kUserTable;
  definition.varColumnCount = b.VarCount();
  definition.columns = b.Take();
  definition.rowCount = static_cast<std::uint32_t>(table.rows.size());
  return definition;
}

std::vector<std::uint8_t> LongBytes(std::int32_t value) {
  std::vector<std::uint8_t> bytes;
  PutU32(bytes, static_cast<std::uint32_t>(value));
  return bytes;
}

std::vector<std::uint8_t> ShortBytes(std::int32_t value) {
  std::vector<std::uint8_t> bytes;
  PutU16(bytes, static_cast<unsigned>(value));
  return bytes;
}

// Converts one user row into stored cells, checking every value against its
// column.
class UserRowEncoder {
 public:
  UserRowEncoder(const Table& table, const JetTableDefinition& definition, JetLongValueWriter& longValues)
      : table_(table), definition_(definition), longValues_(longValues) {}

  std::vector<std::uint8_t> Encode(const std::vector<Value>& row, std::size_t rowIndex) const {
    if (row.size() != table_.columns.size()) Fail(rowIndex, "has the wrong number of values");
    StoredCells cells;
    for (std::size_t i = 0; i < row.size(); ++i) cells.push_back(Cell(table_.columns[i], row[i], rowIndex));
    std::vector<std::uint8_t> bytes = EncodeRow(definition_.columns, cells);
    if (bytes.size() > kMaxRowLength) Fail(rowIndex, "does not fit a page");
    return bytes;
  }

 private:
  std::optional<std::vector<std::uint8_t>> Cell(const ColumnDef& column, const Value& value,
                                                std::size_t rowIndex) const {
    if (std::holds_alternative<std::monostate>(value)) {
      if (column.autoNumber) Fail(rowIndex, "has no value for AutoNumber column " + Utf16ToUtf8(column.name));
      return std::nullopt;
    }
    if (column.type == ColumnType::Long) {
      const auto* number = std::get_if<std::int32_t>(&value);
      if (!number) Fail(rowIndex, "has text in Long column " + Utf16ToUtf8(column.name));
      return LongBytes(*number);
    }
    const auto* text = std::get_if<std::u16string>(&value);
    if (!text) Fail(rowIndex, "has a number in text column " + Utf16ToUtf8(column.name));
    if (column.type == ColumnType::Text) {
      if (text->size() > static_cast<std::size_t>(column.maxChars)) {
        Fail(rowIndex,
             "has more than " + std::to_string(column.maxChars) + " characters in " + Utf16ToUtf8(column.name));
      }
      return EncodeJetText(*text, true);
    }
    return longValues_.Store(EncodeJetText(*text, text->size() <= kMaxCompressedMemoChars));
  }

  [[noreturn]] static void Fail(std::size_t rowIndex, const std::string& what) {
    throw JetError("row " + std::to_string(rowIndex + 1) + " " + what);
  }

  const Table& table_;
  const JetTableDefinition& definition_;
  JetLongValueWriter& longValues_;
};

std::vector<std::uint8_t> InlineMap(std::uint32_t startPage, const std::vector<std::uint32_t>& usedPages) {
  std::vector<std::uint8_t> map;
  PutU8(map, jet::kInlineMap);
  PutU32(map, startPage);
  map.resize(map.size() + kInlineMapBitmapBytes, 0);
  for (const std::uint32_t page : usedPages) {
    const std::uint32_t bit = page - startPage;
    map.at(5 + bit / 8) |= static_cast<std::uint8_t>(1u << (bit % 8));
  }
  return map;
}

// Inline when the pages lie within the reach of an inline bitmap, else a
// reference map whose map pages are appended to the file.
std::vector<std::uint8_t> UsageMap(PageList& pages, const std::vector<std::uint32_t>& usedPages) {
  if (usedPages.empty()) return InlineMap(0, {});
  if (usedPages.back() - usedPages.front() < kInlineMapBitmapBytes * 8) return InlineMap(usedPages.front(), usedPages);
  std::vector<std::uint8_t> map;
  PutU8(map, jet::kReferenceMap);
  const std::size_t slots = usedPages.back() / jet::kPagesPerMapPage + 1;
  std::vector<std::uint32_t> mapPages(slots, 0);
  for (const std::uint32_t page : usedPages) {
    std::uint32_t& mapPage = mapPages[page / jet::kPagesPerMapPage];
    if (mapPage == 0) {
      mapPage = pages.Add();
      pages[mapPage][0] = jet::kUsageMapPage;
      pages[mapPage][1] = 0x01;
    }
    const std::size_t bit = page % jet::kPagesPerMapPage;
    pages[mapPage][jet::kUsageMapPageHeader + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
  }
  for (const std::uint32_t mapPage : mapPages) PutU32(map, mapPage);
  return map;
}

std::int32_t NextAutoNumber(const Table& table, const JetWriteOptions& options) {
  if (options.nextAutoNumber != 0) return options.nextAutoNumber;
  std::int32_t largest = 0;
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (!table.columns[c].autoNumber) continue;
    for (const auto& row : table.rows) {
      if (c < row.size()) {
        if (const auto* number = std::get_if<std::int32_t>(&row[c])) largest = std::max(largest, *number);
      }
    }
  }
  return largest + 1;
}

std::optional<std::uint16_t> AutoNumberColumn(const Table& table) {
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    if (table.columns[c].autoNumber && table.columns[c].type == ColumnType::Long) return static_cast<std::uint16_t>(c);
  }
  return std::nullopt;
}

void WriteHeader(PageBytes& page, std::uint16_t sortOrder) {
  page[1] = 0x01;
  std::copy(std::begin(jet::kEngineName), std::end(jet::kEngineName), page.begin() + jet::kEngineNameOffset);
  page[jet::kVersionOffset] = jet::kJet4Version;
  SetU16(page, jet::kCodePageOffset, kCodePage936);
  SetU16(page, jet::kSortOrderOffset, sortOrder);
  ApplyRc4(jet::kHeaderMaskKey, sizeof(jet::kHeaderMaskKey), page.data() + jet::kMaskedHeaderOffset,
           jet::kMaskedHeaderLength);
}

std::vector<std::uint8_t> CatalogRow(const JetTableDefinition& catalog, std::int32_t id, std::int32_t parent,
                                     const std::u16string& name, std::int32_t type, std::uint32_t flags) {
  StoredCells cells(catalog.columns.size());
  cells[0] = LongBytes(id);
  cells[1] = LongBytes(parent);
  cells[2] = EncodeJetText(name, true);
  cells[3] = ShortBytes(type);
  cells[7] = LongBytes(static_cast<std::int32_t>(flags));
  return EncodeRow(catalog.columns, cells);
}

}  // namespace

std::vector<std::uint8_t> WriteJetDatabase(const Table& table, const JetWriteOptions& options) {
  PageList pages;
  for (std::uint32_t page = 0; page <= kUserDefinitionPage; ++page) pages.Add();

  JetTableDefinitionPlan user;
  user.definition = UserDefinition(table, options.sortOrder);
  const auto keyColumn = AutoNumberColumn(table);
  user.hasAutoNumber = keyColumn.has_value();
  user.definition.nextAutoNumber = static_cast<std::uint32_t>(user.hasAutoNumber ? NextAutoNumber(table, options) : 0);

  // User rows, in order, each on the last data page while it has room.
  JetLongValueWriter longValues(pages);
  const UserRowEncoder encoder(table, user.definition, longValues);
  std::vector<std::uint32_t> dataPages;
  std::vector<LongIndexEntry> keys;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const std::vector<std::uint8_t> row = encoder.Encode(table.rows[i], i);
    if (dataPages.empty() || !RowFits(pages[dataPages.back()], row.size())) {
      dataPages.push_back(pages.Add());
      InitDataPage(pages[dataPages.back()], kUserDefinitionPage);
    }
    const std::uint32_t pointer = AddRow(pages[dataPages.back()], dataPages.back(), row);
    if (keyColumn) keys.push_back({std::get<std::int32_t>(table.rows[i][*keyColumn]), pointer});
  }

  JetTableDefinitionPlan catalog;
  catalog.definition = CatalogDefinition(options.sortOrder);
  InitDataPage(pages[kCatalogDataPage], jet::kCatalogPage);
  const auto& catalogColumns = catalog.definition;
  AddRow(pages[kCatalogDataPage], kCatalogDataPage,
         CatalogRow(catalogColumns, kTablesContainerId, kRootContainerId, u"Tables", kContainerType, 0));
  AddRow(pages[kCatalogDataPage], kCatalogDataPage,
         CatalogRow(catalogColumns, jet::kCatalogPage, kTablesContainerId, u"MSysObjects", jet::kCatalogTableType,
                    jet::kSystemObjectFlags));
  AddRow(pages[kCatalogDataPage], kCatalogDataPage,
         CatalogRow(catalogColumns, kUserDefinitionPage, kTablesContainerId, table.name, jet::kCatalogTableType, 0));
  catalog.definition.rowCount = 3;

  InitDataPage(pages[kMapsPage], 0);
  const std::vector<std::uint8_t> noPages = InlineMap(0, {});
  catalog.definition.usedPagesPointer =
      AddRow(pages[kMapsPage], kMapsPage, InlineMap(kCatalogDataPage, {kCatalogDataPage}));
  catalog.freePagesPointer = AddRow(pages[kMapsPage], kMapsPage, noPages);
  user.definition.usedPagesPointer = AddRow(pages[kMapsPage], kMapsPage, UsageMap(pages, dataPages));
  user.freePagesPointer = AddRow(pages[kMapsPage], kMapsPage, noPages);
  if (keyColumn) {
    const WrittenIndex index = WriteLongIndex(pages, kUserDefinitionPage, std::move(keys));
    JetPrimaryKey key;
    key.columnNumber = *keyColumn;
    key.rootPage = index.rootPage;
    key.usedPagesPointer = AddRow(pages[kMapsPage], kMapsPage, UsageMap(pages, index.pages));
    user.primaryKey = key;
  }

  WriteTableDefinition(pages, jet::kCatalogPage, catalog);
  WriteTableDefinition(pages, kUserDefinitionPage, user);
  WriteHeader(pages[0], options.sortOrder);
  return pages.Join();
}

}  // namespace lanvero::db
