#include "framework/layout/LayoutReader.h"

#include <functional>
#include <vector>

#include "framework/core/Collection.h"
#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutParser.h"

namespace lanvero::framework {

namespace {

std::wstring Wide(std::string_view text) { return AsciiToWide(text); }

class Reader {
 public:
  explicit Reader(TComponent& root) : root_(root) {}

  void Read(const LayoutObject& layout) {
    if (!EqualsIgnoreCase(root_.ClassType().name, layout.className)) {
      throw LayoutError(L"the layout describes a " + Wide(layout.className) + L", not a " + root_.ClassName(),
                        layout.line);
    }
    root_.BeginLoading();
    loaded_.push_back(&root_);
    if (!layout.name.empty() && root_.Name().empty()) root_.SetName(Wide(layout.name));
    for (const auto& property : layout.properties) Apply(root_, property);
    for (const auto& child : layout.children) ReadChild(child, root_);
    ResolveReferences();
    for (TComponent* component : loaded_) component->Loaded();
  }

  void Apply(TPersistent& object, const LayoutProperty& property) {
    line_ = property.line;
    TPersistent* target = &object;
    std::string_view path = property.name;
    for (size_t dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
      const PropertyInfo* part = Find(*target, path.substr(0, dot));
      if (part->kind != PropertyKind::Object || part->reference)
        Fail(L"property " + Wide(part->name) + L" has no parts");
      target = part->getObject(*target);
      if (!target) Fail(L"property " + Wide(part->name) + L" is empty");
      path = path.substr(dot + 1);
    }
    SetValue(*target, *Find(*target, path), property.value);
  }

 private:
  struct Reference {
    TPersistent* object;
    const PropertyInfo* property;
    std::string name;
    int line;
  };

  [[noreturn]] void Fail(const std::wstring& message) const { throw LayoutError(message, line_); }

  const PropertyInfo* Find(TPersistent& object, std::string_view name) const {
    const PropertyInfo* property = object.ClassType().FindProperty(name);
    if (!property) Fail(L"property " + Wide(name) + L" does not exist in class " + object.ClassName());
    return property;
  }

  void ReadChild(const LayoutObject& layout, TComponent& parent) {
    line_ = layout.line;
    const ClassInfo* info = ClassRegistry::Find(layout.className);
    if (!info) Fail(L"class " + Wide(layout.className) + L" not found");
    if (!info->create) Fail(L"class " + Wide(layout.className) + L" cannot be created from a layout");
    TComponent* component = info->create(&root_);
    component->BeginLoading();
    loaded_.push_back(component);
    if (!layout.name.empty()) {
      component->SetName(Wide(layout.name));
      BindField(layout.name, component);
    }
    component->SetParentComponent(&parent);
    for (const auto& property : layout.properties) Apply(*component, property);
    for (const auto& child : layout.children) ReadChild(child, *component);
  }

  // Stores the component in the root's published field of the same name.
  void BindField(const std::string& name, TComponent* component) {
    const FieldInfo* field = root_.ClassType().FindField(name);
    if (field && !field->assign(root_, component)) {
      Fail(L"field " + Wide(name) + L" of " + root_.ClassName() + L" cannot hold a " + component->ClassName());
    }
  }

  [[noreturn]] void WrongValue(const PropertyInfo& property) const {
    Fail(L"invalid value for property " + Wide(property.name));
  }

  void SetValue(TPersistent& object, const PropertyInfo& property, const LayoutValue& value) {
    using Kind = LayoutValue::Kind;
    switch (property.kind) {
      case PropertyKind::Integer: return SetInteger(object, property, value);
      case PropertyKind::Enumeration: {
        if (value.kind != Kind::Identifier) WrongValue(property);
        auto ordinal = property.enumInfo->ValueOf(value.identifier);
        if (!ordinal) Fail(L"\"" + Wide(value.identifier) + L"\" is not a value of " + Wide(property.name));
        return property.setInteger(object, *ordinal);
      }
      case PropertyKind::Set: {
        if (value.kind != Kind::Set) WrongValue(property);
        int64_t mask = 0;
        for (const auto& element : value.elements) {
          auto ordinal = property.enumInfo->ValueOf(element);
          if (!ordinal || *ordinal >= 63)
            Fail(L"\"" + Wide(element) + L"\" is not an element of " + Wide(property.name));
          mask |= int64_t{1} << *ordinal;
        }
        return property.setInteger(object, mask);
      }
      case PropertyKind::String:
        if (value.kind != Kind::String || !property.setString) WrongValue(property);
        return property.setString(object, value.text);
      case PropertyKind::Float:
        if (value.kind == Kind::Float) return property.setFloat(object, value.real);
        if (value.kind == Kind::Integer) return property.setFloat(object, static_cast<double>(value.integer));
        WrongValue(property);
      case PropertyKind::Object: return SetObject(object, property, value);
      case PropertyKind::Method:
        if (value.kind != Kind::Identifier) WrongValue(property);
        return BindMethod(object, property, value.identifier);
      case PropertyKind::StringList: {
        if (value.kind != Kind::List) WrongValue(property);
        std::vector<std::wstring> lines;
        for (const auto& item : value.list) {
          if (item.kind != Kind::String) WrongValue(property);
          lines.push_back(item.text);
        }
        return property.setStrings(object, lines);
      }
      case PropertyKind::Binary:
        if (value.kind != Kind::Binary) WrongValue(property);
        return property.setBytes(object, value.bytes);
    }
  }

  void SetInteger(TPersistent& object, const PropertyInfo& property, const LayoutValue& value) {
    if (!property.setInteger) WrongValue(property);
    if (value.kind == LayoutValue::Kind::Integer) return property.setInteger(object, value.integer);
    if (value.kind == LayoutValue::Kind::Identifier && property.identifiers) {
      if (auto number = property.identifiers->ValueOf(value.identifier)) return property.setInteger(object, *number);
      Fail(L"\"" + Wide(value.identifier) + L"\" is not a value of " + Wide(property.name));
    }
    WrongValue(property);
  }

  void SetObject(TPersistent& object, const PropertyInfo& property, const LayoutValue& value) {
    if (property.reference) {
      if (value.kind != LayoutValue::Kind::Identifier) WrongValue(property);
      references_.push_back(Reference{&object, &property, value.identifier, line_});
      return;
    }
    auto* collection = dynamic_cast<TCollection*>(property.getObject(object));
    if (!collection || value.kind != LayoutValue::Kind::Collection) WrongValue(property);
    collection->BeginUpdate();
    collection->Clear();
    for (const auto& itemProperties : value.items) {
      TCollectionItem* item = collection->Add();
      for (const auto& itemProperty : itemProperties) Apply(*item, itemProperty);
    }
    collection->EndUpdate();
  }

  void BindMethod(TPersistent& object, const PropertyInfo& property, const std::string& name) {
    const MethodInfo* method = root_.ClassType().FindMethod(name);
    if (!method) Fail(L"method " + Wide(name) + L" not found in class " + root_.ClassName());
    property.setMethod(object, MethodBinding{method->name, method->bind(root_)});
  }

  // Public for ApplyLayoutProperty, which resolves at once.
 public:
  int Line() const { return line_; }

  void ResolveReferences() {
    for (const Reference& reference : references_) {
      line_ = reference.line;
      TComponent* target = nullptr;
      if (EqualsIgnoreCase(WideToAscii(root_.Name()), reference.name)) {
        target = &root_;
      } else {
        target = root_.FindComponent(Wide(reference.name));
      }
      if (!target) Fail(L"component " + Wide(reference.name) + L" not found");
      reference.property->setObject(*reference.object, target);
    }
  }

 private:
  TComponent& root_;
  std::vector<TComponent*> loaded_;
  std::vector<Reference> references_;
  int line_ = 0;
};

}  // namespace

void ReadLayout(TComponent& root, const LayoutObject& layout) {
  Reader reader(root);
  try {
    reader.Read(layout);
  } catch (const LayoutError&) {
    throw;
  } catch (const FrameworkError& error) {
    // A setter refused a value: report it with the line being read.
    throw LayoutError(error.Message(), reader.Line());
  }
}

void ReadLayoutText(TComponent& root, std::string_view text) { ReadLayout(root, ParseLayout(text)); }

void ApplyLayoutProperty(TComponent& root, TPersistent& object, const LayoutProperty& property) {
  Reader reader(root);
  reader.Apply(object, property);
  reader.ResolveReferences();
}

}  // namespace lanvero::framework
