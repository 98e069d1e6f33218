#include "framework/forms/LayoutResource.h"

#include <windows.h>

#include "framework/core/FrameworkError.h"

namespace lanvero::framework {

std::string_view LayoutResourceText(const std::wstring& className) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, className.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!resource) throw FrameworkError(L"Resource " + className + L" not found");
  HGLOBAL loaded = LoadResource(module, resource);
  const auto* bytes = static_cast<const char*>(LockResource(loaded));
  const DWORD size = SizeofResource(module, resource);
  if (!bytes) throw FrameworkError(L"Resource " + className + L" cannot be read");
  return std::string_view(bytes, size);
}

}  // namespace lanvero::framework
