// The parsed form of a stored layout: a tree of objects, each with its class,
// name, properties in file order and child objects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lanvero::framework {

struct LayoutObject;
struct LayoutProperty;

struct LayoutValue {
  enum class Kind { Integer, Float, String, Identifier, Set, List, Binary, Collection };

  Kind kind = Kind::Integer;
  int64_t integer = 0;
  double real = 0;
  std::wstring text;                  // String
  std::string identifier;             // Identifier (may be dotted: Form1.Button1)
  std::vector<std::string> elements;  // Set
  std::vector<LayoutValue> list;      // List
  std::vector<uint8_t> bytes;         // Binary
  // Collection: one property list per item.
  std::vector<std::vector<LayoutProperty>> items;

  bool operator==(const LayoutValue&) const;
};

struct LayoutProperty {
  std::string name;  // may be dotted: Font.Name
  LayoutValue value;
  int line = 0;

  bool operator==(const LayoutProperty& other) const { return name == other.name && value == other.value; }
};

struct LayoutObject {
  std::string name;
  std::string className;
  std::vector<LayoutProperty> properties;
  std::vector<LayoutObject> children;
  int line = 0;

  bool operator==(const LayoutObject& other) const {
    return name == other.name && className == other.className && properties == other.properties &&
           children == other.children;
  }
};

inline bool LayoutValue::operator==(const LayoutValue& o) const {
  return kind == o.kind && integer == o.integer && real == o.real && text == o.text && identifier == o.identifier &&
         elements == o.elements && list == o.list && bytes == o.bytes && items == o.items;
}

}  // namespace lanvero::framework
