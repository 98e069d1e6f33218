#include "framework/core/Object.h"

#include "framework/core/FrameworkError.h"

namespace lanvero::framework {

const ClassInfo& TObject::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TObject", nullptr);
  return info;
}

std::wstring TObject::ClassName() const { return AsciiToWide(ClassType().name); }

const ClassInfo& TPersistent::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TPersistent", &TObject::StaticClassInfo());
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  throw FrameworkError(L"Cannot assign a " + source.ClassName() + L" to a " + ClassName());
}

std::wstring AsciiToWide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

std::string WideToAscii(std::wstring_view text) {
  std::string result;
  result.reserve(text.size());
  for (wchar_t c : text) result.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return result;
}

}  // namespace lanvero::framework
