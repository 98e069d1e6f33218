#include "tests/gallery/ReportRows.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lanvero::gallery::testing {
namespace {

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  std::string field;
  while (std::getline(stream, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

}  // namespace

std::vector<ReportRow> ReadReport(const std::wstring& path) {
  std::ifstream file{std::filesystem::path(path)};
  std::vector<ReportRow> rows;
  std::string line;
  while (std::getline(file, line)) rows.push_back(ReportRow{SplitFields(line)});
  return rows;
}

}  // namespace lanvero::gallery::testing
