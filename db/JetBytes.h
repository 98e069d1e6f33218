// Bounds-checked little-endian access to the bytes of a database file.
// Every read of file content goes through ByteView, so that a truncated or
// hostile file raises JetError instead of reading out of bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "db/JetReader.h"

namespace lanvero::db {

class ByteView {
 public:
  ByteView() = default;
  ByteView(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t size() const { return size_; }
  const std::uint8_t* data() const { return data_; }

  std::uint8_t U8(std::size_t offset) const {
    Require(offset, 1);
    return data_[offset];
  }
  std::uint16_t U16(std::size_t offset) const {
    Require(offset, 2);
    return static_cast<std::uint16_t>(data_[offset] | (data_[offset + 1] << 8));
  }
  std::uint32_t U32(std::size_t offset) const {
    Require(offset, 4);
    return static_cast<std::uint32_t>(data_[offset]) | (static_cast<std::uint32_t>(data_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(data_[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(data_[offset + 3]) << 24);
  }
  ByteView Sub(std::size_t offset, std::size_t length) const {
    Require(offset, length);
    return ByteView(data_ + offset, length);
  }
  ByteView From(std::size_t offset) const {
    Require(offset, 0);
    return ByteView(data_ + offset, size_ - offset);
  }

 private:
  void Require(std::size_t offset, std::size_t length) const {
    if (offset > size_ || length > size_ - offset) {
      throw JetError("corrupt database: a structure reaches past the end of its page or record");
    }
  }

  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

// Appends little-endian integers to a byte buffer (used by the writer).
inline void PutU8(std::vector<std::uint8_t>& out, unsigned value) { out.push_back(static_cast<std::uint8_t>(value)); }
inline void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
  PutU8(out, value & 0xFF);
  PutU8(out, (value >> 8) & 0xFF);
}
inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}
inline void SetU16(std::vector<std::uint8_t>& out, std::size_t offset, unsigned value) {
  out.at(offset) = static_cast<std::uint8_t>(value);
  out.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}
inline void SetU32(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t value) {
  SetU16(out, offset, value & 0xFFFF);
  SetU16(out, offset + 2, value >> 16);
}

}  // namespace lanvero::db
