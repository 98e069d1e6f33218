// Run-time type information of the framework: every class that takes part in
// stored layouts and in access by name describes itself with a ClassInfo, a
// list of published properties and published methods. Derived classes
// inherit their parent's lists by walking the parent chain.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lanvero::framework {

class TPersistent;
class TComponent;
class TObject;

enum class PropertyKind { Integer, Enumeration, Set, String, Float, Object, Method, StringList, Binary };

// The identifiers of an enumeration; values are 0 .. identifiers.size()-1.
// Sets use the same description for their elements (bit n = identifier n).
struct EnumInfo {
  std::string name;
  std::vector<std::string> identifiers;

  std::optional<int> ValueOf(std::string_view identifier) const;
  std::string NameOf(int value) const;
};

// False, True: the enumeration of Boolean properties.
extern const EnumInfo kBooleanEnum;

// Symbolic names for integer properties (colours, cursors, character sets).
struct IdentifierMap {
  std::vector<std::pair<std::string, int64_t>> entries;

  std::optional<int64_t> ValueOf(std::string_view identifier) const;
  std::optional<std::string> NameOf(int64_t value) const;
};

// A method bound to an object, as stored in an event property: `callable`
// holds a std::function of the event's signature.
struct MethodBinding {
  std::string name;
  std::any callable;
};

struct PropertyInfo {
  std::string name;
  PropertyKind kind = PropertyKind::Integer;
  const EnumInfo* enumInfo = nullptr;          // Enumeration and Set
  const IdentifierMap* identifiers = nullptr;  // optional, Integer
  bool reference = false;                      // Object: refers to another component

  std::function<int64_t(TPersistent&)> getInteger;  // Integer, Enumeration, Set (bit mask)
  std::function<void(TPersistent&, int64_t)> setInteger;
  std::function<std::wstring(TPersistent&)> getString;
  std::function<void(TPersistent&, const std::wstring&)> setString;
  std::function<double(TPersistent&)> getFloat;
  std::function<void(TPersistent&, double)> setFloat;
  std::function<TPersistent*(TPersistent&)> getObject;
  std::function<void(TPersistent&, TPersistent*)> setObject;  // references only
  std::function<void(TPersistent&, const MethodBinding&)> setMethod;
  std::function<std::string(TPersistent&)> getMethodName;
  std::function<std::vector<std::wstring>(TPersistent&)> getStrings;
  std::function<void(TPersistent&, const std::vector<std::wstring>&)> setStrings;
  std::function<std::vector<uint8_t>(TPersistent&)> getBytes;
  std::function<void(TPersistent&, const std::vector<uint8_t>&)> setBytes;
};

// A published method: `bind` wraps the method of one object into a
// std::function of the method's own signature (held in a std::any).
struct MethodInfo {
  std::string name;
  std::function<std::any(TObject&)> bind;
};

// A published field of a form class: the reader stores the component of
// that name in it (null when the component's class does not fit).
struct FieldInfo {
  std::string name;
  std::function<bool(TObject& root, TComponent* component)> assign;
};

struct ClassInfo {
  std::string name;
  const ClassInfo* parent = nullptr;
  std::function<TComponent*(TComponent* owner)> create;  // empty for abstract classes
  std::vector<PropertyInfo> properties;
  std::vector<MethodInfo> methods;
  std::vector<FieldInfo> fields;

  // Case-insensitive lookups that include the inherited lists.
  const PropertyInfo* FindProperty(std::string_view propertyName) const;
  const MethodInfo* FindMethod(std::string_view methodName) const;
  const FieldInfo* FindField(std::string_view fieldName) const;
  bool InheritsFrom(const ClassInfo& other) const;
  // Own and inherited properties, the parent's first.
  std::vector<const PropertyInfo*> AllProperties() const;
};

// A class that publishes nothing of its own.
ClassInfo DescribeClass(std::string name, const ClassInfo* parent);

// Process-wide table of the classes a stored layout may name.
class ClassRegistry {
 public:
  static void Register(const ClassInfo& info);
  static const ClassInfo* Find(std::string_view className);
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace lanvero::framework
