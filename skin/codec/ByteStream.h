#pragma once
// A growable in-memory byte stream with a read/write position: the one
// stream type the skin package code moves bytes through.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace lanvero {

// Raised when data ends before a field that must be read whole.
class StreamReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ByteStream {
 public:
  ByteStream() = default;
  explicit ByteStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  explicit ByteStream(std::span<const uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return position_ < bytes_.size() ? bytes_.size() - position_ : 0; }
  // Positions past the end are allowed; a later write fills the gap with zeros.
  void Seek(std::size_t position) { position_ = position; }
  void Rewind() { position_ = 0; }
  void Clear();

  // Reads up to destination.size() bytes; returns how many were read.
  std::size_t Read(std::span<uint8_t> destination);
  // Reads exactly destination.size() bytes or raises StreamReadError.
  void ReadExact(std::span<uint8_t> destination);
  // Reads one byte; returns false at the end.
  bool ReadByte(uint8_t& value);
  void Write(std::span<const uint8_t> source);
  void WriteByte(uint8_t value);

  int32_t ReadInt32();  // little-endian, raises StreamReadError when short
  void WriteInt32(int32_t value);

  std::span<const uint8_t> Bytes() const { return bytes_; }
  std::span<const uint8_t> RemainingBytes() const {
    return Bytes().subspan(position_ < bytes_.size() ? position_ : bytes_.size());
  }
  std::vector<uint8_t>& Buffer() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  std::size_t position_ = 0;
};

int32_t LoadLE32(std::span<const uint8_t> bytes);  // needs 4 bytes
void AppendLE32(std::vector<uint8_t>& out, int32_t value);

// Whole-file helpers; failures raise std::runtime_error naming the file.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace lanvero
