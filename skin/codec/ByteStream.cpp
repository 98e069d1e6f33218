#include "skin/codec/ByteStream.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace lanvero {

void ByteStream::Clear() {
  bytes_.clear();
  position_ = 0;
}

std::size_t ByteStream::Read(std::span<uint8_t> destination) {
  const std::size_t count = std::min(destination.size(), Remaining());
  if (count > 0) {
    std::memcpy(destination.data(), bytes_.data() + position_, count);
  }
  position_ += count;
  return count;
}

void ByteStream::ReadExact(std::span<uint8_t> destination) {
  if (Remaining() < destination.size()) {
    throw StreamReadError("Stream read error");
  }
  Read(destination);
}

bool ByteStream::ReadByte(uint8_t& value) {
  if (position_ >= bytes_.size()) {
    return false;
  }
  value = bytes_[position_++];
  return true;
}

void ByteStream::Write(std::span<const uint8_t> source) {
  const std::size_t end = position_ + source.size();
  if (end > bytes_.size()) {
    bytes_.resize(end);
  }
  if (!source.empty()) {
    std::memcpy(bytes_.data() + position_, source.data(), source.size());
  }
  position_ = end;
}

void ByteStream::WriteByte(uint8_t value) {
  if (position_ == bytes_.size()) {
    bytes_.push_back(value);
    ++position_;
    return;
  }
  Write(std::span<const uint8_t>(&value, 1));
}

int32_t ByteStream::ReadInt32() {
  uint8_t raw[4];
  ReadExact(raw);
  return LoadLE32(raw);
}

void ByteStream::WriteInt32(int32_t value) {
  std::vector<uint8_t> raw;
  AppendLE32(raw, value);
  Write(raw);
}

int32_t LoadLE32(std::span<const uint8_t> bytes) {
  const uint32_t value =
      uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
  return static_cast<int32_t>(value);
}

void AppendLE32(std::vector<uint8_t>& out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<uint8_t>(bits >> shift));
  }
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw std::runtime_error("Cannot open file \"" + path.string() + "\"");
  }
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) {
    throw std::runtime_error("Cannot read file \"" + path.string() + "\"");
  }
  return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    throw std::runtime_error("Cannot create file \"" + path.string() + "\"");
  }
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) {
    throw std::runtime_error("Cannot write file \"" + path.string() + "\"");
  }
}

}  // namespace lanvero
