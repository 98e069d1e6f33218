// Holds a database file open so that no other program (on Windows: no other
// process) can rewrite it while a connection uses it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lanvero::db {

class JetFileLock {
 public:
  // Opens `path` (UTF-8) for reading, denying others write access; throws
  // JetError when the file cannot be opened.
  explicit JetFileLock(const std::string& path);
  ~JetFileLock();
  JetFileLock(JetFileLock&& other) noexcept;
  JetFileLock& operator=(JetFileLock&& other) noexcept;
  JetFileLock(const JetFileLock&) = delete;
  JetFileLock& operator=(const JetFileLock&) = delete;

  // The whole file content; throws JetError on a read failure.
  std::vector<std::uint8_t> ReadAll() const;

  // For mapping the file (JetFileMapping).
  int Descriptor() const { return descriptor_; }
  const std::string& Path() const { return path_; }

 private:
  int descriptor_ = -1;
  std::string path_;
};

}  // namespace lanvero::db
