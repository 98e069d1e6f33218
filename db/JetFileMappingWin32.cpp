#include <windows.h>
#include <io.h>

#include <string>

#include "db/JetFileMapping.h"
#include "db/JetReader.h"

namespace lanvero::db {
namespace {

[[noreturn]] void Refuse(const JetFileLock& file) {
  throw JetError("cannot map database file " + file.Path() + ": error " + std::to_string(GetLastError()));
}

}  // namespace

// The view keeps the mapping object alive, so its handle is closed at once.
JetFileMapping::JetFileMapping(const JetFileLock& file) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.Descriptor()));
  LARGE_INTEGER size{};
  if (handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(handle, &size)) Refuse(file);
  size_ = static_cast<std::size_t>(size.QuadPart);
  if (size_ == 0) return;
  const HANDLE mapping = CreateFileMappingW(handle, nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (!mapping) Refuse(file);
  const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  CloseHandle(mapping);
  if (!view) Refuse(file);
  data_ = static_cast<const std::uint8_t*>(view);
}

JetFileMapping::~JetFileMapping() {
  if (data_) UnmapViewOfFile(data_);
}

}  // namespace lanvero::db
