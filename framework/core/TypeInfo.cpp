#include "framework/core/TypeInfo.h"

#include <map>

#include "common/AsciiCase.h"

namespace lanvero::framework {

namespace {

char LowerAscii(char c) { return AsciiToLower(c); }

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      const char x = LowerAscii(a[i]);
      const char y = LowerAscii(b[i]);
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};

std::map<std::string, const ClassInfo*, CaseInsensitiveLess>& Classes() {
  static std::map<std::string, const ClassInfo*, CaseInsensitiveLess> classes;
  return classes;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::optional<int> EnumInfo::ValueOf(std::string_view identifier) const {
  for (size_t i = 0; i < identifiers.size(); ++i) {
    if (EqualsIgnoreCase(identifiers[i], identifier)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string EnumInfo::NameOf(int value) const {
  if (value < 0 || static_cast<size_t>(value) >= identifiers.size()) return std::to_string(value);
  return identifiers[static_cast<size_t>(value)];
}

std::optional<int64_t> IdentifierMap::ValueOf(std::string_view identifier) const {
  for (const auto& [name, value] : entries) {
    if (EqualsIgnoreCase(name, identifier)) return value;
  }
  return std::nullopt;
}

std::optional<std::string> IdentifierMap::NameOf(int64_t value) const {
  for (const auto& [name, entryValue] : entries) {
    if (entryValue == value) return name;
  }
  return std::nullopt;
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view propertyName) const {
  for (const ClassInfo* info = this; info; info = info->parent) {
    for (const PropertyInfo& property : info->properties) {
      if (EqualsIgnoreCase(property.name, propertyName)) return &property;
    }
  }
  return nullptr;
}

const MethodInfo* ClassInfo::FindMethod(std::string_view methodName) const {
  for (const ClassInfo* info = this; info; info = info->parent) {
    for (const MethodInfo& method : info->methods) {
      if (EqualsIgnoreCase(method.name, methodName)) return &method;
    }
  }
  return nullptr;
}

const FieldInfo* ClassInfo::FindField(std::string_view fieldName) const {
  for (const ClassInfo* info = this; info; info = info->parent) {
    for (const FieldInfo& field : info->fields) {
      if (EqualsIgnoreCase(field.name, fieldName)) return &field;
    }
  }
  return nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
  for (const ClassInfo* info = this; info; info = info->parent) {
    if (info == &other) return true;
  }
  return false;
}

std::vector<const PropertyInfo*> ClassInfo::AllProperties() const {
  std::vector<const PropertyInfo*> result;
  if (parent) result = parent->AllProperties();
  for (const PropertyInfo& property : properties) {
    // A class may republish an inherited property with other accessors.
    bool replaced = false;
    for (auto& existing : result) {
      if (EqualsIgnoreCase(existing->name, property.name)) {
        existing = &property;
        replaced = true;
      }
    }
    if (!replaced) result.push_back(&property);
  }
  return result;
}

ClassInfo DescribeClass(std::string name, const ClassInfo* parent) {
  ClassInfo info;
  info.name = std::move(name);
  info.parent = parent;
  return info;
}

void ClassRegistry::Register(const ClassInfo& info) { Classes()[info.name] = &info; }

const ClassInfo* ClassRegistry::Find(std::string_view className) {
  auto& classes = Classes();
  auto it = classes.find(className);
  return it == classes.end() ? nullptr : it->second;
}

}  // namespace lanvero::framework

namespace lanvero::framework {
const EnumInfo kBooleanEnum{"Boolean", {"False", "True"}};
}  // namespace lanvero::framework
