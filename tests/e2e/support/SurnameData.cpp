#include "tests/e2e/support/SurnameData.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lanvero::e2e {
namespace {

std::wstring FromUtf8(const std::string& text) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), units);
  return result;
}

// The source file writes CR, LF, tab and backslash as \r, \n, \t and \\.
std::wstring Unescape(const std::wstring& field) {
  std::wstring text;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != L'\\' || i + 1 == field.size()) {
      text += field[i];
      continue;
    }
    switch (field[++i]) {
      case L'r': text += L'\r'; break;
      case L'n': text += L'\n'; break;
      case L't': text += L'\t'; break;
      default: text += field[i]; break;
    }
  }
  return text;
}

std::wstring WithoutBreakMarks(std::wstring text) {
  for (size_t at = text.find(L"<br>"); at != std::wstring::npos; at = text.find(L"<br>", at)) text.erase(at, 4);
  return text;
}

std::vector<std::wstring> SplitTabs(const std::wstring& line) {
  std::vector<std::wstring> fields;
  std::wstringstream stream(line);
  std::wstring field;
  while (std::getline(stream, field, L'\t')) fields.push_back(field);
  return fields;
}

std::string SourcePath() {
  const char* root = std::getenv("LANVERO_SOURCE_DIR");
  if (!root) throw std::runtime_error("LANVERO_SOURCE_DIR is not set (run the test through CTest)");
  return std::string("Z:") + root + "/assets/data/surnames.tsv";
}

}  // namespace

const SurnameData& SurnameData::Shipped() {
  static const SurnameData data = [] {
    std::ifstream file(SourcePath(), std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + SourcePath());
    SurnameData result;
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
      if (line.empty()) continue;
      const std::vector<std::wstring> fields = SplitTabs(FromUtf8(line));
      if (fields.size() != 3) throw std::runtime_error("malformed record line in " + SourcePath());
      result.records_.push_back({fields[1], WithoutBreakMarks(Unescape(fields[2]))});
    }
    return result;
  }();
  return data;
}

std::vector<size_t> SurnameData::TitlesContaining(const std::wstring& text) const {
  std::vector<size_t> found;
  for (size_t i = 0; i < records_.size(); ++i) {
    if (records_[i].title.find(text) != std::wstring::npos) found.push_back(i);
  }
  return found;
}

}  // namespace lanvero::e2e
