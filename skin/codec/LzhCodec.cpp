#include "skin/codec/LzhCodec.h"

#include <algorithm>
#include <new>

#include "skin/codec/LzhAdaptiveCode.h"
#include "skin/codec/LzhCallbackBlocks.h"
#include "skin/codec/LzhDecoder.h"

namespace lanvero {

using namespace lzh;

// Holds the tables for the duration of one operation, whatever happens.
class TLZH::TableLease {
 public:
  explicit TableLease(TLZH& owner) : owner_(owner) { owner_.AllocateTables(); }
  ~TableLease() { owner_.ReleaseTables(); }
  TableLease(const TableLease&) = delete;
  TableLease& operator=(const TableLease&) = delete;

 private:
  TLZH& owner_;
};

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::AllocateTables() {
  try {
    // Zero-filled: on an input shorter than a match the finder compares
    // ring bytes that were never written.
    text_buf.assign(kRingSize + kLongestMatch - 1, 0);
    lson.assign(kRingSize + 1, 0);
    dad.assign(kRingSize + 1, 0);
    rson.assign(kRingSize + 257, 0);
    code_ = std::make_unique<AdaptiveCode>();
  } catch (const std::bad_alloc&) {
    ReleaseTables();
    throw ElzhException(kLzhAllocationFailed);
  }
}

void TLZH::ReleaseTables() {
  for (auto* table : {&lson, &dad, &rson}) {
    std::vector<int16_t>().swap(*table);
  }
  std::vector<uint8_t>().swap(text_buf);
  code_.reset();
}

void TLZH::LZHPack(int32_t& Bytes_Written, const TReadProc& GetBytes, const TWriteProc& PutBytes) {
  TableLease tables(*this);
  CallbackInput input(GetBytes);
  CallbackOutput output(PutBytes);
  output_ = &output;
  putbuf = 0;
  putlen = 0;
  match_length = match_position = 0;
  InitTree();

  int s = 0;
  int r = kFirstWritePosition;
  std::fill(text_buf.begin(), text_buf.begin() + r, kInitialFill);
  int len = 0;
  uint8_t byte = 0;
  while (len < kLongestMatch && input.ReadByte(byte)) {
    text_buf[r + len] = byte;
    ++len;
  }
  int32_t consumed = len;
  for (int i = 1; i <= kLongestMatch; ++i) InsertNode(r - i);
  InsertNode(r);

  do {
    if (match_length > len) match_length = static_cast<int16_t>(len);
    if (match_length <= kThreshold) {
      match_length = 1;
      EncodeChar(text_buf[r]);
    } else {
      EncodeChar(static_cast<unsigned>(255 - kThreshold + match_length));
      EncodePosition(static_cast<unsigned>(match_position));
    }
    const int covered = match_length;
    int i = 0;
    for (; i < covered && input.ReadByte(byte); ++i) {
      DeleteNode(s);
      text_buf[s] = byte;
      if (s < kLongestMatch - 1) text_buf[s + kRingSize] = byte;  // mirror for wrap-free compares
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      InsertNode(r);
    }
    consumed += i;
    // End of input: slide the window over the rest of the match.
    for (; i < covered; ++i) {
      DeleteNode(s);
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      if (--len != 0) InsertNode(r);
    }
  } while (len > 0);

  EncodeEnd();
  output.Flush();
  output_ = nullptr;
  Bytes_Written = consumed;
}

int32_t TLZH::LZHUnpack(int32_t TextSize, const TReadProc& GetBytes, const TWriteProc& PutBytes) {
  CallbackInput input(GetBytes);
  const std::vector<uint8_t> text = DecodeText(input, TextSize);
  CallbackOutput::WriteAll(PutBytes, text);
  return static_cast<int32_t>(text.size());
}

void TLZH::GetBlockStream(uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Got) {
  Bytes_Got = static_cast<uint16_t>(StreamIn->Read(std::span<uint8_t>(DTA, NBytes)));
}

void TLZH::PutBlockStream(const uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Got) {
  StreamOut->Write(std::span<const uint8_t>(DTA, NBytes));
  Bytes_Got = NBytes;
}

TReadProc TLZH::StreamReader() {
  return [this](uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Got) { GetBlockStream(DTA, NBytes, Bytes_Got); };
}

TWriteProc TLZH::StreamWriter() {
  return [this](const uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Put) { PutBlockStream(DTA, NBytes, Bytes_Put); };
}

std::vector<uint8_t> PackWithSize(std::span<const uint8_t> text) {
  ByteStream source(text);
  ByteStream packed;
  packed.WriteInt32(0);  // patched once the consumed count is known
  TLZH codec;
  codec.StreamIn = &source;
  codec.StreamOut = &packed;
  int32_t consumed = 0;
  codec.LZHPack(consumed, codec.StreamReader(), codec.StreamWriter());
  packed.Seek(0);
  packed.WriteInt32(consumed);
  return std::move(packed.Buffer());
}

std::vector<uint8_t> UnpackWithSize(std::span<const uint8_t> packed) {
  if (packed.size() < 4) return {};
  return DecodeText(packed.subspan(4), LoadLE32(packed));
}

}  // namespace lanvero
