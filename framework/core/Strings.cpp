#include "framework/core/Strings.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      lines.push_back(line);
      line.clear();
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

const ClassInfo& TStrings::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TStrings>("TStrings", &TPersistent::StaticClassInfo())
                                    .Strings("Strings", &TStrings::ToVector, &TStrings::SetStrings)
                                    .Build();
  return info;
}

void TStrings::Put(int index, const std::wstring& text) {
  Delete(index);
  Insert(index, text);
}

int TStrings::Add(const std::wstring& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::IndexOf(const std::wstring& text) const {
  for (int i = 0; i < Count(); ++i) {
    if (Get(i) == text) return i;
  }
  return -1;
}

std::wstring TStrings::Text() const {
  std::wstring text;
  for (int i = 0; i < Count(); ++i) text += Get(i) + L"\r\n";
  return text;
}

void TStrings::SetText(const std::wstring& text) { SetStrings(SplitLines(text)); }

std::vector<std::wstring> TStrings::ToVector() const {
  std::vector<std::wstring> lines;
  for (int i = 0; i < Count(); ++i) lines.push_back(Get(i));
  return lines;
}

void TStrings::SetStrings(const std::vector<std::wstring>& lines) {
  Clear();
  for (const auto& line : lines) Add(line);
}

void TStrings::Assign(const TPersistent& source) {
  if (auto* strings = dynamic_cast<const TStrings*>(&source)) {
    SetStrings(strings->ToVector());
    return;
  }
  TPersistent::Assign(source);
}

const ClassInfo& TStringList::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TStringList", &TStrings::StaticClassInfo());
  return info;
}

void TStringList::CheckIndex(int index, bool allowEnd) const {
  const int limit = allowEnd ? Count() : Count() - 1;
  if (index < 0 || index > limit) {
    throw FrameworkError(L"List index out of bounds (" + std::to_wstring(index) + L")");
  }
}

void TStringList::Changed() const {
  if (OnChange) OnChange();
}

std::wstring TStringList::Get(int index) const {
  CheckIndex(index, false);
  return items_[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::wstring& text) {
  CheckIndex(index, false);
  items_[static_cast<size_t>(index)] = text;
  Changed();
}

void TStringList::Insert(int index, const std::wstring& text) {
  CheckIndex(index, true);
  items_.insert(items_.begin() + index, text);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, false);
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

}  // namespace lanvero::framework
