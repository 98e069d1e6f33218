// Layout constants of Jet 4 database files.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lanvero::db::jet {

inline constexpr std::size_t kPageSize = 4096;

// Page types: the first byte of every page.
inline constexpr std::uint8_t kHeaderPage = 0x00;
inline constexpr std::uint8_t kDataPage = 0x01;
inline constexpr std::uint8_t kTableDefinitionPage = 0x02;
inline constexpr std::uint8_t kIndexNodePage = 0x03;
inline constexpr std::uint8_t kIndexLeafPage = 0x04;
inline constexpr std::uint8_t kUsageMapPage = 0x05;

// Header page.
inline constexpr char kEngineName[] = "Standard Jet DB";
inline constexpr std::size_t kEngineNameOffset = 0x04;
inline constexpr std::size_t kVersionOffset = 0x14;
inline constexpr std::uint8_t kJet4Version = 0x01;
// The header area from 0x18 is obscured with RC4 under a fixed key.
inline constexpr std::size_t kMaskedHeaderOffset = 0x18;
inline constexpr std::size_t kMaskedHeaderLength = 128;
inline constexpr std::uint8_t kHeaderMaskKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
inline constexpr std::size_t kCodePageOffset = 0x3C;
inline constexpr std::size_t kSortOrderOffset = 0x6E;

// Data pages (long-value pages carry "LVAL" in place of the owner page).
inline constexpr std::size_t kDataOwnerOffset = 4;
inline constexpr std::size_t kDataRowCountOffset = 12;
inline constexpr std::size_t kDataRowTableOffset = 14;
inline constexpr std::uint16_t kRowDeletedFlag = 0x8000;
inline constexpr std::uint16_t kRowOverflowFlag = 0x4000;
inline constexpr std::uint16_t kRowOffsetMask = 0x1FFF;
inline constexpr std::uint8_t kLongValueMarker[4] = {'L', 'V', 'A', 'L'};

// Table definition block.
inline constexpr std::size_t kTdefNextPageOffset = 4;
inline constexpr std::size_t kTdefContinuationHeader = 8;
inline constexpr std::size_t kTdefLengthOffset = 8;
inline constexpr std::size_t kTdefRowCountOffset = 16;
inline constexpr std::size_t kTdefAutoNumberOffset = 20;
inline constexpr std::size_t kTdefAutoNumberFlagOffset = 24;
inline constexpr std::size_t kTdefTableTypeOffset = 40;
inline constexpr std::size_t kTdefMaxColumnsOffset = 41;
inline constexpr std::size_t kTdefVarColumnsOffset = 43;
inline constexpr std::size_t kTdefColumnCountOffset = 45;
inline constexpr std::size_t kTdefIndexCountOffset = 47;
inline constexpr std::size_t kTdefRealIndexCountOffset = 51;
inline constexpr std::size_t kTdefUsedPagesOffset = 55;
inline constexpr std::size_t kTdefFreePagesOffset = 59;
inline constexpr std::size_t kTdefEntriesOffset = 63;
inline constexpr std::size_t kRealIndexEntrySize = 12;
inline constexpr std::size_t kColumnEntrySize = 25;
inline constexpr std::size_t kRealIndexDefinitionSize = 52;
inline constexpr std::size_t kLogicalIndexDefinitionSize = 28;
inline constexpr std::uint8_t kUserTable = 0x4E;
inline constexpr std::uint8_t kSystemTable = 0x53;

// Column entry fields.
inline constexpr std::size_t kColumnTypeOffset = 0;
inline constexpr std::size_t kColumnNumberOffset = 5;
inline constexpr std::size_t kColumnVarIndexOffset = 7;
inline constexpr std::size_t kColumnRowNumberOffset = 9;
inline constexpr std::size_t kColumnSortOrderOffset = 11;
inline constexpr std::size_t kColumnFlagsOffset = 15;
inline constexpr std::size_t kColumnMiscFlagsOffset = 16;
inline constexpr std::size_t kColumnFixedOffsetOffset = 21;
inline constexpr std::size_t kColumnLengthOffset = 23;

inline constexpr std::uint8_t kColumnFixedFlag = 0x01;
inline constexpr std::uint8_t kColumnNullableFlag = 0x02;
inline constexpr std::uint8_t kColumnAutoNumberFlag = 0x04;
inline constexpr std::uint8_t kColumnCompressedFlag = 0x01;  // misc flags

// Column types.
inline constexpr std::uint8_t kTypeBoolean = 0x01;
inline constexpr std::uint8_t kTypeByte = 0x02;
inline constexpr std::uint8_t kTypeInteger = 0x03;
inline constexpr std::uint8_t kTypeLong = 0x04;
inline constexpr std::uint8_t kTypeDateTime = 0x08;
inline constexpr std::uint8_t kTypeBinary = 0x09;
inline constexpr std::uint8_t kTypeText = 0x0A;
inline constexpr std::uint8_t kTypeOle = 0x0B;
inline constexpr std::uint8_t kTypeMemo = 0x0C;

// Long values (Memo, OLE): a 12-byte header in the row.
inline constexpr std::size_t kLongValueHeaderSize = 12;
inline constexpr std::uint32_t kLongValueLengthMask = 0x3FFFFFFF;
inline constexpr std::uint8_t kLongValueInline = 0x80;
inline constexpr std::uint8_t kLongValueSinglePage = 0x40;

// Usage maps.
inline constexpr std::uint8_t kInlineMap = 0x00;
inline constexpr std::uint8_t kReferenceMap = 0x01;
inline constexpr std::size_t kUsageMapPageHeader = 4;
inline constexpr std::size_t kPagesPerMapPage = (kPageSize - kUsageMapPageHeader) * 8;

// Catalog.
inline constexpr std::uint32_t kCatalogPage = 2;
inline constexpr std::int32_t kCatalogTableType = 1;
inline constexpr std::uint32_t kSystemObjectFlags = 0x80000002u;

// Text values stored with Unicode compression start with this marker.
inline constexpr std::uint8_t kCompressedTextMarker[2] = {0xFF, 0xFE};

}  // namespace lanvero::db::jet
