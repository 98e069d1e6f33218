#include "framework/layout/LayoutParser.h"

#include "framework/core/TypeInfo.h"
#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutLexer.h"

namespace lanvero::framework {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : lexer_(text) { Advance(); }

  LayoutObject Root() {
    LayoutObject root = Object(0);
    if (token_.type != LayoutToken::Type::End) Fail(L"text after the end of the root object");
    return root;
  }

 private:
  using Type = LayoutToken::Type;

  [[noreturn]] void Fail(const std::wstring& message) const { throw LayoutError(message, token_.line); }

  void Advance() { token_ = lexer_.Next(); }

  bool IsKeyword(std::string_view word) const {
    return token_.type == Type::Identifier && EqualsIgnoreCase(token_.identifier, word);
  }

  bool IsSymbol(char symbol) const { return token_.type == Type::Symbol && token_.symbol == symbol; }

  void Expect(char symbol) {
    if (!IsSymbol(symbol)) Fail(std::wstring(L"'") + static_cast<wchar_t>(symbol) + L"' expected");
    Advance();
  }

  std::string ExpectIdentifier() {
    if (token_.type != Type::Identifier) Fail(L"identifier expected");
    std::string name = token_.identifier;
    Advance();
    return name;
  }

  std::string DottedName() {
    std::string name = ExpectIdentifier();
    while (IsSymbol('.')) {
      Advance();
      name += '.';
      name += ExpectIdentifier();
    }
    return name;
  }

  void CheckDepth(int depth) const {
    if (depth >= kMaxLayoutDepth) Fail(L"layout nested too deeply");
  }

  LayoutObject Object(int depth) {
    CheckDepth(depth);
    if (!IsKeyword("object") && !IsKeyword("inherited") && !IsKeyword("inline")) Fail(L"'object' expected");
    LayoutObject object;
    object.line = token_.line;
    Advance();
    std::string first = ExpectIdentifier();
    if (IsSymbol(':')) {
      Advance();
      object.name = std::move(first);
      object.className = ExpectIdentifier();
    } else {
      object.className = std::move(first);
    }
    while (!IsKeyword("end")) {
      if (token_.type == Type::End) Fail(L"'end' expected");
      if (IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline")) {
        object.children.push_back(Object(depth + 1));
      } else {
        object.properties.push_back(Property(depth));
      }
    }
    Advance();
    return object;
  }

  LayoutProperty Property(int depth) {
    LayoutProperty property;
    property.line = token_.line;
    property.name = DottedName();
    Expect('=');
    property.value = Value(depth + 1);
    return property;
  }

  LayoutValue Value(int depth) {
    CheckDepth(depth);
    LayoutValue value;
    switch (token_.type) {
      case Type::Integer:
      case Type::Float: return Number(false);
      case Type::String: return Text();
      case Type::Binary:
        value.kind = LayoutValue::Kind::Binary;
        value.bytes.assign(token_.bytes.begin(), token_.bytes.end());
        Advance();
        return value;
      case Type::Identifier:
        value.kind = LayoutValue::Kind::Identifier;
        value.identifier = DottedName();
        return value;
      case Type::Symbol: break;
      case Type::End: Fail(L"value expected");
    }
    if (IsSymbol('-') || IsSymbol('+')) {
      const bool negative = IsSymbol('-');
      Advance();
      if (token_.type != Type::Integer && token_.type != Type::Float) Fail(L"number expected");
      return Number(negative);
    }
    if (IsSymbol('[')) return Set();
    if (IsSymbol('(')) return List(depth);
    if (IsSymbol('<')) return Collection(depth);
    Fail(L"value expected");
  }

  LayoutValue Number(bool negative) {
    LayoutValue value;
    if (token_.type == Type::Integer) {
      if (token_.beyondMaximum && !negative) Fail(L"number too large");
      value.kind = LayoutValue::Kind::Integer;
      // Negated in unsigned arithmetic: -INT64_MIN (from "-$8000000000000000"
      // or "-9223372036854775808") stays INT64_MIN instead of overflowing.
      value.integer = negative ? static_cast<int64_t>(0 - static_cast<uint64_t>(token_.integer)) : token_.integer;
    } else {
      value.kind = LayoutValue::Kind::Float;
      value.real = negative ? -token_.real : token_.real;
    }
    Advance();
    return value;
  }

  // Strings may be split over lines with '+'.
  LayoutValue Text() {
    LayoutValue value;
    value.kind = LayoutValue::Kind::String;
    value.text = token_.text;
    Advance();
    while (IsSymbol('+')) {
      Advance();
      if (token_.type != Type::String) Fail(L"string expected after '+'");
      value.text += token_.text;
      Advance();
    }
    return value;
  }

  LayoutValue Set() {
    LayoutValue value;
    value.kind = LayoutValue::Kind::Set;
    Advance();
    if (!IsSymbol(']')) {
      value.elements.push_back(ExpectIdentifier());
      while (IsSymbol(',')) {
        Advance();
        value.elements.push_back(ExpectIdentifier());
      }
    }
    Expect(']');
    return value;
  }

  LayoutValue List(int depth) {
    LayoutValue value;
    value.kind = LayoutValue::Kind::List;
    Advance();
    while (!IsSymbol(')')) {
      if (token_.type == Type::End) Fail(L"')' expected");
      value.list.push_back(Value(depth + 1));
    }
    Advance();
    return value;
  }

  LayoutValue Collection(int depth) {
    LayoutValue value;
    value.kind = LayoutValue::Kind::Collection;
    Advance();
    while (!IsSymbol('>')) {
      if (!IsKeyword("item")) Fail(L"'item' expected");
      Advance();
      std::vector<LayoutProperty> item;
      while (!IsKeyword("end")) {
        if (token_.type == Type::End) Fail(L"'end' expected");
        item.push_back(Property(depth + 1));
      }
      Advance();
      value.items.push_back(std::move(item));
    }
    Advance();
    return value;
  }

  LayoutLexer lexer_;
  LayoutToken token_;
};

}  // namespace

LayoutObject ParseLayout(std::string_view text) { return Parser(text).Root(); }

}  // namespace lanvero::framework
