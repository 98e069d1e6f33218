// The whole of a database file mapped read-only into memory. Pages come
// from the system's file cache as they are first touched: opening a file
// copies nothing, and a reader that needs some pages touches only those.
//
// Only for a file held by a JetFileLock. On Windows the lock keeps other
// programs from rewriting it; on POSIX systems a file cut short by another
// program while mapped would fault on access, as with any mapped file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "db/JetFileLock.h"

namespace lanvero::db {

class JetFileMapping {
 public:
  // Throws JetError when the file cannot be mapped.
  explicit JetFileMapping(const JetFileLock& file);
  ~JetFileMapping();
  JetFileMapping(const JetFileMapping&) = delete;
  JetFileMapping& operator=(const JetFileMapping&) = delete;

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  const std::uint8_t* data_ = nullptr;  // null for an empty file
  std::size_t size_ = 0;
};

}  // namespace lanvero::db
