#pragma once
// LZH codec of the skin packages: LZSS over a 4,096-byte ring buffer with a
// binary-tree match finder; literals and match lengths go through an
// adaptive Huffman code, match distances through a fixed prefix code for
// their upper 6 bits plus 6 plain bits.
//
// The codec writes no header. Callers store a 32-bit little-endian count of
// uncompressed bytes in front of the bit stream (see PackWithSize below).

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "skin/codec/ByteStream.h"
#include "skin/codec/LzhFormat.h"

namespace lanvero {

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhAllocationFailed = "LZH : Cannot get memory for dictionary tables";

// Callbacks: move up to NBytes bytes, report the count actually moved.
using TReadProc = std::function<void(uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Got)>;
using TWriteProc = std::function<void(const uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Put)>;

namespace lzh {
class AdaptiveCode;
class CallbackOutput;
}  // namespace lzh

class TLZH {
 public:
  TLZH();
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // Compresses everything GetBytes delivers; Bytes_Written receives the
  // number of input bytes consumed (not the compressed size).
  void LZHPack(int32_t& Bytes_Written, const TReadProc& GetBytes, const TWriteProc& PutBytes);
  // Decodes TextSize bytes. Never writes more than TextSize bytes and stops
  // early when the input ends well before the stream could be complete;
  // returns the number of bytes produced. Input is asked for in blocks and
  // may be read past the end of the stream; the text is handed on in blocks
  // once it is decoded.
  int32_t LZHUnpack(int32_t TextSize, const TReadProc& GetBytes, const TWriteProc& PutBytes);

  // Stream-backed callbacks over StreamIn / StreamOut.
  void GetBlockStream(uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Got);
  void PutBlockStream(const uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Got);
  TReadProc StreamReader();
  TWriteProc StreamWriter();

  ByteStream* StreamIn = nullptr;   // not owned
  ByteStream* StreamOut = nullptr;  // not owned

  // The encoder's tables exist only while a pack runs (the decoder keeps
  // its own for the length of one unpack).
  bool HoldsTables() const { return !text_buf.empty(); }

 private:
  class TableLease;

  void AllocateTables();
  void ReleaseTables();

  void InitTree();
  void InsertNode(int r);
  void DeleteNode(int p);

  void PutCode(int length, uint16_t leftAlignedBits);
  void PutBits(int length, uint32_t bits);
  void EncodeChar(unsigned symbol);
  void EncodePosition(unsigned distanceCode);
  void EncodeEnd();

  // Output of the running pack, handed to the write callback in blocks.
  lzh::CallbackOutput* output_ = nullptr;

  // Encoder: pending output bits and the best match the tree last found.
  uint16_t putbuf = 0;
  uint8_t putlen = 0;
  int16_t match_position = 0;
  int16_t match_length = 0;

  // Tables, allocated for one pack and released when it ends.
  std::vector<uint8_t> text_buf;
  std::vector<int16_t> lson, dad, rson;
  std::unique_ptr<lzh::AdaptiveCode> code_;
};

// Compressed text as callers store it: 32-bit little-endian uncompressed
// size, then the bit stream.
std::vector<uint8_t> PackWithSize(std::span<const uint8_t> text);
// Decodes a size-prefixed stream. A negative or missing size reads as empty;
// corrupt or cut input yields at most the declared size, possibly fewer.
std::vector<uint8_t> UnpackWithSize(std::span<const uint8_t> packed);

}  // namespace lanvero
