#include "framework/layout/LayoutWriter.h"

#include <cstdio>

namespace lanvero::framework {

namespace {

class Writer {
 public:
  std::string Take() { return std::move(out_); }

  void Object(const LayoutObject& object, int indent) {
    Indent(indent);
    out_ += "object ";
    if (!object.name.empty()) out_ += object.name + ": ";
    out_ += object.className + "\n";
    for (const auto& property : object.properties) Property(property, indent + 1);
    for (const auto& child : object.children) Object(child, indent + 1);
    Indent(indent);
    out_ += "end\n";
  }

 private:
  void Indent(int indent) { out_.append(static_cast<size_t>(indent) * 2, ' '); }

  void Property(const LayoutProperty& property, int indent) {
    Indent(indent);
    out_ += property.name + " = ";
    Value(property.value, indent);
    out_ += "\n";
  }

  void Value(const LayoutValue& value, int indent) {
    switch (value.kind) {
      case LayoutValue::Kind::Integer: out_ += std::to_string(value.integer); break;
      case LayoutValue::Kind::Float: Float(value.real); break;
      case LayoutValue::Kind::String: out_ += QuoteLayoutString(value.text); break;
      case LayoutValue::Kind::Identifier: out_ += value.identifier; break;
      case LayoutValue::Kind::Set:
        out_ += "[";
        for (size_t i = 0; i < value.elements.size(); ++i) out_ += (i ? ", " : "") + value.elements[i];
        out_ += "]";
        break;
      case LayoutValue::Kind::List:
        out_ += "(";
        for (const auto& item : value.list) {
          out_ += "\n";
          Indent(indent + 1);
          Value(item, indent + 1);
        }
        out_ += ")";
        break;
      case LayoutValue::Kind::Binary: Binary(value.bytes, indent); break;
      case LayoutValue::Kind::Collection:
        out_ += "<";
        for (const auto& item : value.items) {
          out_ += "\n";
          Indent(indent + 1);
          out_ += "item\n";
          for (const auto& property : item) Property(property, indent + 2);
          Indent(indent + 1);
          out_ += "end";
        }
        out_ += ">";
        break;
    }
  }

  void Float(double real) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", real);
    std::string text = buffer;
    if (text.find_first_of(".eE") == std::string::npos) text += ".0";
    out_ += text;
  }

  void Binary(const std::vector<uint8_t>& bytes, int indent) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out_ += "{";
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % 32 == 0) {
        out_ += "\n";
        Indent(indent + 1);
      }
      out_ += kHex[bytes[i] >> 4];
      out_ += kHex[bytes[i] & 15];
    }
    out_ += "}";
  }

  std::string out_;
};

}  // namespace

std::string QuoteLayoutString(const std::wstring& text) {
  if (text.empty()) return "''";
  std::string out;
  bool quoted = false;
  for (wchar_t c : text) {
    const auto code = static_cast<uint32_t>(c);
    if (code >= 0x20 && code < 0x7F) {
      if (!quoted) out += '\'';
      quoted = true;
      out += static_cast<char>(code);
      if (code == '\'') out += '\'';
    } else {
      if (quoted) out += '\'';
      quoted = false;
      out += '#';
      out += std::to_string(code);
    }
  }
  if (quoted) out += '\'';
  return out;
}

std::string WriteLayout(const LayoutObject& root) {
  Writer writer;
  writer.Object(root, 0);
  return writer.Take();
}

}  // namespace lanvero::framework
