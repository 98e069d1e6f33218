#include "framework/core/PropertyAccess.h"

#include <cwchar>

#include "framework/core/Component.h"

namespace lanvero::framework {

namespace {

std::optional<int64_t> ParseDecimal(std::wstring_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if (text[0] == L'-' || text[0] == L'+') {
    negative = text[0] == L'-';
    i = 1;
  }
  if (i == text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(text[i] - L'0');
    if (value > (uint64_t{1} << 62)) return std::nullopt;
  }
  return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
}

std::optional<int64_t> ParseSet(const EnumInfo& elements, std::wstring_view text) {
  if (text.size() < 2 || text.front() != L'[' || text.back() != L']') return std::nullopt;
  int64_t mask = 0;
  std::string item;
  auto flush = [&]() -> bool {
    const size_t b = item.find_first_not_of(' ');
    if (b == std::string::npos) return true;  // "[]" holds no element
    const size_t e = item.find_last_not_of(' ');
    auto value = elements.ValueOf(std::string_view(item).substr(b, e - b + 1));
    if (!value || *value >= 63) return false;
    mask |= int64_t{1} << *value;
    return true;
  };
  for (wchar_t c : text.substr(1, text.size() - 2)) {
    if (c == L',') {
      if (!flush()) return std::nullopt;
      item.clear();
    } else {
      item.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
  }
  if (!flush()) return std::nullopt;
  return mask;
}

std::wstring SetText(const EnumInfo& elements, int64_t mask) {
  std::wstring text = L"[";
  for (size_t i = 0; i < elements.identifiers.size() && i < 63; ++i) {
    if (mask & (int64_t{1} << i)) {
      if (text.size() > 1) text += L",";
      text += AsciiToWide(elements.identifiers[i]);
    }
  }
  return text + L"]";
}

}  // namespace

PropertyTarget FindPropertyPath(TPersistent* object, std::string_view path) {
  while (object) {
    const size_t dot = path.find('.');
    const PropertyInfo* property = object->ClassType().FindProperty(path.substr(0, dot));
    if (!property) return {};
    if (dot == std::string_view::npos) return {object, property};
    if (property->kind != PropertyKind::Object || property->reference) return {};
    object = property->getObject(*object);
    path = path.substr(dot + 1);
  }
  return {};
}

bool HasProperty(TPersistent* object, std::string_view path) {
  return FindPropertyPath(object, path).property != nullptr;
}

std::optional<PropertyKind> PropertyKindOf(TPersistent* object, std::string_view path) {
  auto target = FindPropertyPath(object, path);
  if (!target.property) return std::nullopt;
  return target.property->kind;
}

std::optional<int64_t> GetIntegerProperty(TPersistent* object, std::string_view path) {
  auto target = FindPropertyPath(object, path);
  if (!target.property || target.property->kind != PropertyKind::Integer) return std::nullopt;
  return target.property->getInteger(*target.object);
}

std::optional<std::string> GetEnumProperty(TPersistent* object, std::string_view path) {
  auto target = FindPropertyPath(object, path);
  if (!target.property || target.property->kind != PropertyKind::Enumeration) return std::nullopt;
  return target.property->enumInfo->NameOf(static_cast<int>(target.property->getInteger(*target.object)));
}

std::optional<std::wstring> GetPropertyText(TPersistent* object, std::string_view path) {
  auto target = FindPropertyPath(object, path);
  const PropertyInfo* p = target.property;
  if (!p) return std::nullopt;
  TPersistent& o = *target.object;
  switch (p->kind) {
    case PropertyKind::Integer: return std::to_wstring(p->getInteger(o));
    case PropertyKind::Enumeration: return AsciiToWide(p->enumInfo->NameOf(static_cast<int>(p->getInteger(o))));
    case PropertyKind::Set: return SetText(*p->enumInfo, p->getInteger(o));
    case PropertyKind::String: return p->getString(o);
    case PropertyKind::Float: return std::to_wstring(p->getFloat(o));
    case PropertyKind::Object:
      if (p->reference) {
        auto* component = dynamic_cast<TComponent*>(p->getObject(o));
        return component ? component->Name() : std::wstring();
      }
      return std::nullopt;
    default: return std::nullopt;
  }
}

TPersistent* GetObjectProperty(TPersistent* object, std::string_view path) {
  auto target = FindPropertyPath(object, path);
  if (!target.property || target.property->kind != PropertyKind::Object) return nullptr;
  return target.property->getObject(*target.object);
}

bool SetPropertyFromText(TPersistent* object, std::string_view path, std::wstring_view text) {
  auto target = FindPropertyPath(object, path);
  const PropertyInfo* p = target.property;
  if (!p) return false;
  TPersistent& o = *target.object;
  switch (p->kind) {
    case PropertyKind::Integer: {
      auto value = ParseDecimal(text);
      if (!value && p->identifiers) value = p->identifiers->ValueOf(WideToAscii(text));
      if (!value || !p->setInteger) return false;
      p->setInteger(o, *value);
      return true;
    }
    case PropertyKind::Enumeration: {
      auto value = p->enumInfo->ValueOf(WideToAscii(text));
      if (!value || !p->setInteger) return false;
      p->setInteger(o, *value);
      return true;
    }
    case PropertyKind::Set: {
      auto value = ParseSet(*p->enumInfo, text);
      if (!value || !p->setInteger) return false;
      p->setInteger(o, *value);
      return true;
    }
    case PropertyKind::String:
      if (!p->setString) return false;
      p->setString(o, std::wstring(text));
      return true;
    default: return false;
  }
}

}  // namespace lanvero::framework
