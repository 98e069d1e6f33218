// The gallery's report read back: one row per line, the four fields split.
#pragma once

#include <string>
#include <vector>

namespace lanvero::gallery::testing {

struct ReportRow {
  std::vector<std::string> fields;  // as written; well-formed rows have four

  const std::string& WindowClass() const { return fields.at(0); }
  const std::string& FrameworkClass() const { return fields.at(1); }
  const std::string& Skinner() const { return fields.at(2); }
  const std::string& Answer() const { return fields.at(3); }
  bool IsRawWindow() const { return FrameworkClass() == "-"; }
};

// Every line of the file (UTF-8, "\n" endings); an unreadable file gives none.
std::vector<ReportRow> ReadReport(const std::wstring& path);

}  // namespace lanvero::gallery::testing
