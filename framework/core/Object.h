// Root classes of the framework's object model.
#pragma once

#include <string>

#include "framework/core/TypeInfo.h"

namespace lanvero::framework {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const ClassInfo& StaticClassInfo();
  virtual const ClassInfo& ClassType() const { return StaticClassInfo(); }

  // The class name as the stored layout and the window class use it.
  std::wstring ClassName() const;
  bool InheritsFrom(const ClassInfo& info) const { return ClassType().InheritsFrom(info); }
};

// An object with published properties; sub-objects such as fonts, string
// lists and collections are persistent without being components.
class TPersistent : public TObject {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Copies the state of another object of a compatible class; the default
  // refuses, as nothing is known about the source.
  virtual void Assign(const TPersistent& source);
};

std::wstring AsciiToWide(std::string_view text);
std::string WideToAscii(std::wstring_view text);  // non-ASCII becomes '?'

}  // namespace lanvero::framework
