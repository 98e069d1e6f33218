// On Windows the file is opened with a share mode that denies writing to
// every other opener, so a second program instance cannot rewrite the
// database while a connection holds it. POSIX systems have no such mode;
// there the descriptor is simply held open.
#include "db/JetFileLock.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "db/JetReader.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace lanvero::db {
namespace {

#ifdef _WIN32
std::wstring WidenUtf8(const std::string& text) {
  std::wstring wide;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    std::uint32_t code = extra == 0 ? lead : (lead & (0x3F >> extra));
    for (int k = 1; k <= extra && i + k < text.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += 1 + extra;
    if (code >= 0x10000) {
      code -= 0x10000;
      wide.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
      wide.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
    } else {
      wide.push_back(static_cast<wchar_t>(code));
    }
  }
  return wide;
}

int OpenDenyingWriters(const std::string& path) {
  return _wsopen(WidenUtf8(path).c_str(), _O_RDONLY | _O_BINARY, _SH_DENYWR);
}
long ReadSome(int descriptor, std::uint8_t* buffer, unsigned size) { return _read(descriptor, buffer, size); }
long SeekTo(int descriptor, long offset) { return _lseek(descriptor, offset, SEEK_SET); }
long SeekToEnd(int descriptor) { return _lseek(descriptor, 0, SEEK_END); }
void CloseDescriptor(int descriptor) { _close(descriptor); }
#else
int OpenDenyingWriters(const std::string& path) { return open(path.c_str(), O_RDONLY | O_CLOEXEC); }
long ReadSome(int descriptor, std::uint8_t* buffer, unsigned size) { return read(descriptor, buffer, size); }
long SeekTo(int descriptor, long offset) { return static_cast<long>(lseek(descriptor, offset, SEEK_SET)); }
long SeekToEnd(int descriptor) { return static_cast<long>(lseek(descriptor, 0, SEEK_END)); }
void CloseDescriptor(int descriptor) { close(descriptor); }
#endif

}  // namespace

JetFileLock::JetFileLock(const std::string& path) : descriptor_(OpenDenyingWriters(path)), path_(path) {
  if (descriptor_ < 0) throw JetError("cannot open database file " + path + ": " + std::strerror(errno));
}

JetFileLock::~JetFileLock() {
  if (descriptor_ >= 0) CloseDescriptor(descriptor_);
}

JetFileLock::JetFileLock(JetFileLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), path_(std::move(other.path_)) {}

JetFileLock& JetFileLock::operator=(JetFileLock&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) CloseDescriptor(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

// Reads into one buffer of the file's size, growing it only should the
// file have grown since.
std::vector<std::uint8_t> JetFileLock::ReadAll() const {
  const long size = SeekToEnd(descriptor_);
  if (size < 0 || SeekTo(descriptor_, 0) < 0)
    throw JetError("cannot read database file " + path_ + ": " + std::strerror(errno));
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(2 * bytes.size());
    const unsigned want = static_cast<unsigned>(std::min<std::size_t>(bytes.size() - filled, 1u << 30));
    const long got = ReadSome(descriptor_, bytes.data() + filled, want);
    if (got < 0) throw JetError("cannot read database file " + path_ + ": " + std::strerror(errno));
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace lanvero::db
