#include "tests/e2e/support/StoredLayout.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/e2e/driver/Process.h"

namespace lanvero::e2e {
namespace {

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return L"";
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t\r");
  if (first == std::wstring::npos) return L"";
  return text.substr(first, text.find_last_not_of(L" \t\r") - first + 1);
}

// 'text' (with '' for a quote) as the text it stands for; anything else as written.
std::wstring Unquoted(const std::wstring& value) {
  if (value.size() < 2 || value.front() != L'\'' || value.back() != L'\'') return value;
  std::wstring text;
  for (size_t i = 1; i + 1 < value.size(); ++i) {
    text += value[i];
    if (value[i] == L'\'' && value[i + 1] == L'\'') ++i;
  }
  return text;
}

class LayoutParser {
 public:
  explicit LayoutParser(StoredLayout& layout) : layout_(layout) {}

  void Line(const std::wstring& raw) {
    const std::wstring line = Trimmed(raw);
    if (closing_) {
      const bool last = !line.empty() && line.back() == closing_;
      const std::wstring item = Trimmed(last ? line.substr(0, line.size() - 1) : line);
      if (collecting_ && !item.empty()) Current().lines.push_back(Unquoted(item));
      if (last) closing_ = 0;
    } else if (line.rfind(L"object ", 0) == 0) {
      Open(line.substr(7));
    } else if (line == L"end") {
      if (!open_.empty()) open_.pop_back();
    } else if (!open_.empty()) {
      Property(line);
    }
  }

 private:
  LayoutObject& Current() { return layout_.objects[open_.back()]; }

  void Open(const std::wstring& header) {
    const size_t colon = header.find(L':');
    LayoutObject object;
    object.name = Trimmed(header.substr(0, colon));
    object.className = colon == std::wstring::npos ? L"" : Trimmed(header.substr(colon + 1));
    if (!open_.empty()) object.parent = Current().name;
    layout_.objects.push_back(std::move(object));
    open_.push_back(layout_.objects.size() - 1);
  }

  // "Key = value"; a value of "(" or "<" opens a list that ends at ")" or ">".
  void Property(const std::wstring& line) {
    const size_t equals = line.find(L" = ");
    if (equals == std::wstring::npos) return;
    const std::wstring key = line.substr(0, equals);
    const std::wstring value = Trimmed(line.substr(equals + 3));
    if (value == L"(" || value == L"<") {
      closing_ = value == L"(" ? L')' : L'>';
      collecting_ = key == L"Skin3rd.Strings";
      return;
    }
    Current().values[key] = value;
    if (key == L"Tag") Current().tag = std::stol(value);
    if (key == L"Caption" || key == L"Text") Current().text = Unquoted(value);
  }

  StoredLayout& layout_;
  std::vector<size_t> open_;
  wchar_t closing_ = 0;
  bool collecting_ = false;
};

}  // namespace

const LayoutObject* StoredLayout::Find(const std::wstring& name) const {
  for (const LayoutObject& object : objects) {
    if (object.name == name) return &object;
  }
  return nullptr;
}

StoredLayout ReadStoredLayout(const std::wstring& path) {
  std::ifstream file{std::filesystem::path(path), std::ios::binary};
  if (!file) throw std::runtime_error("the layout source cannot be read");
  StoredLayout layout;
  LayoutParser parser(layout);
  std::string line;
  while (std::getline(file, line)) parser.Line(FromUtf8(line));
  return layout;
}

std::wstring MainLayoutSource() { return SourceTreePath(L"app/Unit1.layout.in"); }

}  // namespace lanvero::e2e
