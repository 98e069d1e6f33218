#include "skin/codec/LzhCodec.h"

#include <algorithm>
#include <new>

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

void TLZH::AllocateTables() {
  try {
    // Zero-filled: the ring positions a corrupt stream may read before
    // anything was written there hold defined bytes.
    text_buf.assign(kRingSize + kLongestMatch - 1, 0);
    lson.assign(kRingSize + 1, 0);
    dad.assign(kRingSize + 1, 0);
    rson.assign(kRingSize + 257, 0);
    freq.assign(kTreeSize + 1, 0);
    prnt.assign(kTreeSize + kSymbolCount, 0);
    son.assign(kTreeSize, 0);
  } catch (const std::bad_alloc&) {
    ReleaseTables();
    throw ElzhException(kLzhAllocationFailed);
  }
}

void TLZH::ReleaseTables() {
  for (auto* table : {&lson, &dad, &rson, &prnt, &son}) {
    std::vector<int16_t>().swap(*table);
  }
  std::vector<uint8_t>().swap(text_buf);
  std::vector<uint16_t>().swap(freq);
}

bool TLZH::ReadOne(uint8_t& value) {
  uint16_t got = 0;
  (*reader_)(&value, 1, got);
  return got > 0;
}

void TLZH::WriteOne(uint8_t value) {
  uint16_t put = 0;
  (*writer_)(&value, 1, put);
}

void TLZH::LZHPack(int32_t& Bytes_Written, const TReadProc& GetBytes, const TWriteProc& PutBytes) {
  TableLease tables(*this);
  reader_ = &GetBytes;
  writer_ = &PutBytes;
  putbuf = 0;
  putlen = 0;
  match_length = match_position = 0;
  StartHuff();
  InitTree();

  int s = 0;
  int r = kFirstWritePosition;
  std::fill(text_buf.begin(), text_buf.begin() + r, kInitialFill);
  int len = 0;
  uint8_t byte = 0;
  while (len < kLongestMatch && ReadOne(byte)) {
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
    for (; i < covered && ReadOne(byte); ++i) {
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
  Bytes_Written = consumed;
}

int32_t TLZH::LZHUnpack(int32_t TextSize, const TReadProc& GetBytes, const TWriteProc& PutBytes) {
  if (TextSize <= 0) return 0;
  TableLease tables(*this);
  reader_ = &GetBytes;
  writer_ = &PutBytes;
  getbuf = 0;
  getlen = 0;
  readsPastEnd_ = 0;
  StartHuff();
  std::fill(text_buf.begin(), text_buf.begin() + kFirstWritePosition, kInitialFill);

  int r = kFirstWritePosition;
  int32_t count = 0;
  auto emit = [&](uint8_t value) {
    WriteOne(value);
    text_buf[r] = value;
    r = (r + 1) & (kRingSize - 1);
    ++count;
  };
  while (count < TextSize && readsPastEnd_ <= kMaxReadsPastEnd) {
    const int symbol = DecodeChar();
    if (symbol < 256) {
      emit(static_cast<uint8_t>(symbol));
      continue;
    }
    const int start = (r - DecodePosition() - 1) & (kRingSize - 1);
    const int length = std::min<int32_t>(symbol - 255 + kThreshold, TextSize - count);
    for (int k = 0; k < length; ++k) {
      emit(text_buf[(start + k) & (kRingSize - 1)]);
    }
  }
  return count;
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
  ByteStream source(packed.subspan(4));
  ByteStream text;
  TLZH codec;
  codec.StreamIn = &source;
  codec.StreamOut = &text;
  codec.LZHUnpack(LoadLE32(packed), codec.StreamReader(), codec.StreamWriter());
  return std::move(text.Buffer());
}

}  // namespace lanvero
