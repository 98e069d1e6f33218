// The data set's source file: UTF-8 tab-separated text with a header line
// "编号<TAB>标题<TAB>内容" and one record per line, fields escaped with
// \r, \n, \t and \\ (see assets/data/README.md).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "db/Table.h"

namespace lanvero::mkdb {

class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SourceRecord {
  std::int32_t number = 0;
  std::u16string title;
  std::string body;  // UTF-8, escapes undone
};

inline constexpr int kTitleChars = 50;

// Throws SourceError naming the line for a wrong header, a line without
// three fields, a number that is not a positive integer greater than the
// one before, a bad escape or a title longer than kTitleChars.
std::vector<SourceRecord> ParseSourceFile(std::string_view text);

// The table `data` of the shipped database: 编号 (AutoNumber), 标题 (Text
// of kTitleChars), 内容 (Memo) holding each body encoded in code page 936,
// DES-encrypted under the record key and written as upper-case hex.
// Throws Cp936EncodeError for a body code page 936 cannot hold.
db::Table BuildRecordTable(const std::vector<SourceRecord>& records);

}  // namespace lanvero::mkdb
