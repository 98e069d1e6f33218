#include "db/JetRowDecoder.h"

#include <string>
#include <unordered_set>

#include "db/JetText.h"

namespace lanvero::db {
namespace {

// The variable part of a Jet 4 row: from the end, the null mask, the count
// of variable columns, their start offsets (last column first) and the
// offset where variable data ends.
struct VariableLayout {
  std::size_t count = 0;
  std::size_t tableEnd = 0;  // position just past the offset of column 0

  std::size_t Start(ByteView row, std::size_t index) const { return row.U16(tableEnd - 2 * (index + 1)); }
  std::size_t End(ByteView row, std::size_t index) const { return row.U16(tableEnd - 2 * (index + 2)); }
};

bool IsNull(ByteView nullMask, std::uint16_t columnNumber, std::size_t storedColumns) {
  if (columnNumber >= storedColumns) return true;
  return (nullMask.U8(columnNumber / 8) & (1u << (columnNumber % 8))) == 0;
}

std::int32_t ReadSigned(ByteView bytes, std::size_t width) {
  switch (width) {
    case 1: return bytes.U8(0);
    case 2: return static_cast<std::int16_t>(bytes.U16(0));
    default: return static_cast<std::int32_t>(bytes.U32(0));
  }
}

std::size_t IntegerWidth(std::uint8_t type) {
  switch (type) {
    case jet::kTypeByte: return 1;
    case jet::kTypeInteger: return 2;
    case jet::kTypeLong: return 4;
    default: return 0;
  }
}

}  // namespace

std::vector<Value> JetRowDecoder::Decode(ByteView row) const {
  const std::size_t storedColumns = row.U16(0);
  const std::size_t maskLength = (storedColumns + 7) / 8;
  if (row.size() < 2 + maskLength) throw JetError("corrupt database: a row is shorter than its null mask");
  const ByteView nullMask = row.From(row.size() - maskLength);

  VariableLayout layout;
  if (definition_.varColumnCount > 0) {
    if (row.size() < 4 + maskLength) throw JetError("corrupt database: a row lacks its variable-column table");
    layout.count = row.U16(row.size() - maskLength - 2);
    layout.tableEnd = row.size() - maskLength - 2;
    if (2 * (layout.count + 1) + 2 > layout.tableEnd)
      throw JetError("corrupt database: a row's variable-column table overruns the row");
  }
  const std::size_t dataEnd =
      definition_.varColumnCount > 0 ? layout.tableEnd - 2 * (layout.count + 1) : row.size() - maskLength;

  std::vector<Value> values;
  values.reserve(definition_.columns.size());
  for (std::size_t i = 0; i < definition_.columns.size(); ++i) {
    const JetColumn& column = definition_.columns[i];
    if ((!wanted_.empty() && !wanted_[i]) || IsNull(nullMask, column.number, storedColumns)) {
      values.emplace_back();
    } else if (column.IsFixed()) {
      const std::size_t start = 2 + std::size_t{column.fixedOffset};
      if (start + column.length > dataEnd)
        throw JetError("corrupt database: a fixed-length value lies outside its row");
      values.push_back(DecodeFixed(column, row.Sub(start, column.length)));
    } else if (column.varIndex >= layout.count) {
      values.emplace_back();
    } else {
      const std::size_t start = layout.Start(row, column.varIndex);
      const std::size_t end = layout.End(row, column.varIndex);
      if (start > end || end > dataEnd)
        throw JetError("corrupt database: a variable-length value lies outside its row");
      values.push_back(DecodeVariable(column, row.Sub(start, end - start)));
    }
  }
  return values;
}

Value JetRowDecoder::DecodeFixed(const JetColumn& column, ByteView fixedBytes) const {
  const std::size_t width = IntegerWidth(column.type);
  if (width == 0) return Value{};
  if (fixedBytes.size() < width) throw JetError("corrupt database: integer column shorter than its type");
  return ReadSigned(fixedBytes, width);
}

Value JetRowDecoder::DecodeVariable(const JetColumn& column, ByteView valueBytes) const {
  if (column.type == jet::kTypeText) return DecodeJetText(valueBytes);
  if (column.type == jet::kTypeMemo) {
    const std::vector<std::uint8_t> bytes = ReadLongValue(valueBytes);
    return DecodeJetText(ByteView(bytes.data(), bytes.size()));
  }
  return Value{};
}

// A long value is stored in the row itself, in one row of a long-value page,
// or in a chain of such rows each starting with the pointer to the next.
std::vector<std::uint8_t> JetRowDecoder::ReadLongValue(ByteView header) const {
  const std::uint32_t lengthAndFlags = header.U32(0);
  const std::size_t length = lengthAndFlags & jet::kLongValueLengthMask;
  const std::uint8_t kind = static_cast<std::uint8_t>(lengthAndFlags >> 24) & 0xC0;
  const std::uint32_t firstRow = header.U32(4);
  std::vector<std::uint8_t> value;
  if (kind == jet::kLongValueInline) {
    const ByteView data = header.Sub(jet::kLongValueHeaderSize, length);
    value.assign(data.data(), data.data() + data.size());
  } else if (kind == jet::kLongValueSinglePage) {
    const ByteView data = pages_.ResolveRow(RowPointer::FromStored(firstRow));
    if (data.size() < length) throw JetError("corrupt database: long value shorter than its stated length");
    ChargeLongValue(length);
    value.assign(data.data(), data.data() + length);
  } else if (kind == 0) {
    std::unordered_set<std::uint32_t> seen;
    for (std::uint32_t pointer = firstRow; value.size() < length;) {
      if (pointer == 0 || !seen.insert(pointer).second)
        throw JetError("corrupt database: long value chain ends early or loops");
      const ByteView link = pages_.ResolveRow(RowPointer::FromStored(pointer));
      const ByteView chunk = link.From(4);
      ChargeLongValue(chunk.size());
      value.insert(value.end(), chunk.data(), chunk.data() + chunk.size());
      pointer = link.U32(0);
    }
    value.resize(length);
  } else {
    throw JetError("corrupt database: unknown long value storage kind");
  }
  return value;
}

void JetRowDecoder::ChargeLongValue(std::size_t bytes) const {
  if (bytes > longValueBudget_) throw JetError("corrupt database: long values add up to more than the file holds");
  longValueBudget_ -= bytes;
}

}  // namespace lanvero::db
