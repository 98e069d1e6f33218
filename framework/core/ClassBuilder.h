// Builds the ClassInfo of a class from its accessor methods, so that each
// class lists its published properties in one readable block:
//
//   static const ClassInfo info = ClassBuilder<TButton>("TButton", &TWinControl::StaticClassInfo())
//       .Creatable()
//       .Boolean("Default", &TButton::Default, &TButton::SetDefault)
//       .Build();
#pragma once

#include <functional>
#include <string>
#include <typeinfo>
#include <utility>

#include "framework/core/FrameworkError.h"
#include "framework/core/Object.h"

namespace lanvero::framework {

template <class T>
class ClassBuilder {
 public:
  ClassBuilder(std::string name, const ClassInfo* parent) {
    info_.name = std::move(name);
    info_.parent = parent;
  }

  ClassBuilder& Creatable() {
    info_.create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return *this;
  }

  template <class V, class S, class G, class P>
  ClassBuilder& Integer(std::string name, V (G::*get)() const, void (P::*set)(S),
                        const IdentifierMap* identifiers = nullptr) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Integer);
    p.identifiers = identifiers;
    p.getInteger = [get](TPersistent& o) { return static_cast<int64_t>((Self(o).*get)()); };
    p.setInteger = [set](TPersistent& o, int64_t v) { (Self(o).*set)(static_cast<std::decay_t<S>>(v)); };
    return *this;
  }

  template <class E, class S, class G, class P>
  ClassBuilder& Enumeration(std::string name, const EnumInfo& enumInfo, E (G::*get)() const, void (P::*set)(S)) {
    return Ordinal(std::move(name), PropertyKind::Enumeration, enumInfo, get, set);
  }

  template <class G, class P>
  ClassBuilder& Boolean(std::string name, bool (G::*get)() const, void (P::*set)(bool)) {
    return Enumeration(std::move(name), kBooleanEnum, get, set);
  }

  // A set is held as a bit mask: bit n stands for element n of `elements`.
  template <class V, class S, class G, class P>
  ClassBuilder& Set(std::string name, const EnumInfo& elements, V (G::*get)() const, void (P::*set)(S)) {
    return Ordinal(std::move(name), PropertyKind::Set, elements, get, set);
  }

  template <class V, class G, class P>
  ClassBuilder& String(std::string name, V (G::*get)() const, void (P::*set)(const std::wstring&)) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::String);
    p.getString = [get](TPersistent& o) { return std::wstring((Self(o).*get)()); };
    p.setString = [set](TPersistent& o, const std::wstring& v) { (Self(o).*set)(v); };
    return *this;
  }

  template <class G, class P>
  ClassBuilder& Float(std::string name, double (G::*get)() const, void (P::*set)(double)) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Float);
    p.getFloat = [get](TPersistent& o) { return (Self(o).*get)(); };
    p.setFloat = [set](TPersistent& o, double v) { (Self(o).*set)(v); };
    return *this;
  }

  // A sub-object that the class owns (a font, a string list, a collection).
  template <class O, class G>
  ClassBuilder& Object(std::string name, O* (G::*get)() const) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Object);
    p.getObject = [get](TPersistent& o) -> TPersistent* { return (Self(o).*get)(); };
    return *this;
  }

  // A reference to another component, written as its name in a layout.
  template <class O, class G, class P>
  ClassBuilder& Reference(std::string name, O* (G::*get)() const, void (P::*set)(O*)) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Object);
    p.reference = true;
    p.getObject = [get](TPersistent& o) -> TPersistent* { return (Self(o).*get)(); };
    std::string propertyName = p.name;
    p.setObject = [set, propertyName](TPersistent& o, TPersistent* value) {
      O* typed = value ? dynamic_cast<O*>(value) : nullptr;
      if (value && !typed) {
        throw FrameworkError(L"Invalid property value: " + value->ClassName() + L" cannot be assigned to " +
                             AsciiToWide(propertyName));
      }
      (Self(o).*set)(typed);
    };
    return *this;
  }

  // An event: a std::function member bound to a published method by name.
  template <class Sig, class M, class N = M>
  ClassBuilder& Event(std::string name, std::function<Sig> M::*member, std::string N::*boundName = nullptr) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Method);
    std::string propertyName = p.name;
    p.setMethod = [member, boundName, propertyName](TPersistent& o, const MethodBinding& method) {
      const auto* callable = std::any_cast<std::function<Sig>>(&method.callable);
      if (!callable) {
        throw FrameworkError(L"Method " + AsciiToWide(method.name) + L" does not fit event " +
                             AsciiToWide(propertyName));
      }
      Self(o).*member = *callable;
      if (boundName) Self(o).*boundName = method.name;
    };
    if (boundName) p.getMethodName = [boundName](TPersistent& o) { return Self(o).*boundName; };
    return *this;
  }

  template <class G, class P>
  ClassBuilder& Strings(std::string name, std::vector<std::wstring> (G::*get)() const,
                        void (P::*set)(const std::vector<std::wstring>&)) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::StringList);
    p.getStrings = [get](TPersistent& o) { return (Self(o).*get)(); };
    p.setStrings = [set](TPersistent& o, const std::vector<std::wstring>& v) { (Self(o).*set)(v); };
    return *this;
  }

  template <class G, class P>
  ClassBuilder& Binary(std::string name, std::vector<uint8_t> (G::*get)() const,
                       void (P::*set)(const std::vector<uint8_t>&)) {
    PropertyInfo& p = Add(std::move(name), PropertyKind::Binary);
    p.getBytes = [get](TPersistent& o) { return (Self(o).*get)(); };
    p.setBytes = [set](TPersistent& o, const std::vector<uint8_t>& v) { (Self(o).*set)(v); };
    return *this;
  }

  // A published method that event bindings of a stored layout can name.
  template <class... Args>
  ClassBuilder& Method(std::string name, void (T::*method)(Args...)) {
    info_.methods.push_back(MethodInfo{std::move(name), [method](TObject& o) -> std::any {
                                         T& self = static_cast<T&>(o);
                                         return std::function<void(Args...)>([&self, method](Args... args) {
                                           (self.*method)(std::forward<Args>(args)...);
                                         });
                                       }});
    return *this;
  }

  // A field that the layout reader fills with the component of that name:
  //   .Field("Button_Search", &TForm1::Button_Search)
  template <class C, class F>
  ClassBuilder& Field(std::string name, C* F::*member) {
    info_.fields.push_back(FieldInfo{std::move(name), [member](TObject& root, TComponent* component) {
                                       C* typed = dynamic_cast<C*>(component);
                                       static_cast<T&>(root).*member = typed;
                                       return typed != nullptr || component == nullptr;
                                     }});
    return *this;
  }

  ClassInfo Build() { return std::move(info_); }

 private:
  template <class V, class S, class G, class P>
  ClassBuilder& Ordinal(std::string name, PropertyKind kind, const EnumInfo& enumInfo, V (G::*get)() const,
                        void (P::*set)(S)) {
    PropertyInfo& p = Add(std::move(name), kind);
    p.enumInfo = &enumInfo;
    p.getInteger = [get](TPersistent& o) { return static_cast<int64_t>((Self(o).*get)()); };
    p.setInteger = [set](TPersistent& o, int64_t v) { (Self(o).*set)(static_cast<std::decay_t<S>>(v)); };
    return *this;
  }

  static T& Self(TPersistent& o) { return static_cast<T&>(o); }

  PropertyInfo& Add(std::string name, PropertyKind kind) {
    info_.properties.push_back(PropertyInfo{});
    PropertyInfo& p = info_.properties.back();
    p.name = std::move(name);
    p.kind = kind;
    return p;
  }

  ClassInfo info_;
};

}  // namespace lanvero::framework
