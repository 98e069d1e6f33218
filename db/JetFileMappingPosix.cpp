#include <sys/mman.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "db/JetFileMapping.h"
#include "db/JetReader.h"

namespace lanvero::db {

JetFileMapping::JetFileMapping(const JetFileLock& file) {
  struct stat status {};
  if (fstat(file.Descriptor(), &status) != 0) {
    throw JetError("cannot read database file " + file.Path() + ": " + std::strerror(errno));
  }
  size_ = static_cast<std::size_t>(status.st_size);
  if (size_ == 0) return;
  void* view = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, file.Descriptor(), 0);
  if (view == MAP_FAILED) throw JetError("cannot map database file " + file.Path() + ": " + std::strerror(errno));
  data_ = static_cast<const std::uint8_t*>(view);
}

JetFileMapping::~JetFileMapping() {
  if (data_) munmap(const_cast<std::uint8_t*>(data_), size_);
}

}  // namespace lanvero::db
