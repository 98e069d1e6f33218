#include "app/res.h"

#include <windows.h>

namespace lanvero::app {
namespace {

using framework::FrameworkError;

// The bytes of a resource of this module, read-only; they live as long as
// the module, so nothing is released.
std::pair<const void*, DWORD> ResourceBytes(const std::wstring& name, const std::wstring& type) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, name.c_str(), type.c_str());
  if (!resource) throw FrameworkError(L"Resource " + name + L" not found");
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw FrameworkError(L"Resource " + name + L" cannot be read");
  return {bytes, SizeofResource(module, resource)};
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

void SaveResourceToFile(const std::wstring& resourceName, const std::wstring& resourceType,
                        const std::wstring& fileName) {
  const auto [bytes, size] = ResourceBytes(resourceName, resourceType);
  FileHandle file(
      CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const std::wstring message = L"Cannot create file \"" + fileName + L"\"";
    if (error == ERROR_ACCESS_DENIED || error == ERROR_PATH_NOT_FOUND) throw FileRefusedError(message);
    throw FrameworkError(message);
  }
  DWORD written = 0;
  if (!WriteFile(file.Get(), bytes, size, &written, nullptr) || written != size) {
    throw FrameworkError(L"Error writing file \"" + fileName + L"\"");
  }
}

}  // namespace lanvero::app
