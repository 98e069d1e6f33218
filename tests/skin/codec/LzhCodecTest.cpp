#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "skin/codec/LzhCodec.h"
#include "tests/skin/TestData.h"

namespace lanvero {
namespace {

using testing::Bytes;

struct RoundTripCase {
  const char* name;
  std::vector<uint8_t> input;
};

std::vector<RoundTripCase> RoundTripCases() {
  std::vector<uint8_t> runs;
  for (int value : {int('a'), int('b'), 0, 255}) runs.insert(runs.end(), 61 + value % 200, static_cast<uint8_t>(value));
  std::vector<uint8_t> spaceStart(300, ' ');
  spaceStart.insert(spaceStart.end(), {'e', 'n', 'd'});
  return {
      {"Empty", {}},
      {"OneByte", {0x7F}},
      {"ShorterThanLongestMatch", Bytes("abcabcabc")},
      {"RunsLongerThanLongestMatch", runs},
      {"RandomLongerThanRing", testing::RandomBytes(4096 * 3 + 17, 1)},
      {"RandomLarge", testing::RandomBytes(150000, 2)},  // forces tree rebuilds
      {"Text", testing::SampleText(200000)},
      {"MatchesIntoInitialSpaces", spaceStart},
      {"SkinPackageMembers", testing::BitmapFile(368, 16)},
  };
}

class LzhRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(LzhRoundTrip, UnpackReturnsEveryByte) {
  const std::vector<uint8_t>& input = GetParam().input;
  const std::vector<uint8_t> packed = PackWithSize(input);
  ASSERT_GE(packed.size(), 4u);
  EXPECT_EQ(LoadLE32(packed), static_cast<int32_t>(input.size()));
  EXPECT_EQ(UnpackWithSize(packed), input);
}

INSTANTIATE_TEST_SUITE_P(Inputs, LzhRoundTrip, ::testing::ValuesIn(RoundTripCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Bit streams of this encoder for small inputs. They were decoded by an
// independent decoder of the classic 4 KB / 60-byte adaptive-Huffman LZSS
// scheme, so they pin both the match finder and the code tables.
TEST(LzhBitStream, SmallInputsGiveTheKnownStreams) {
  EXPECT_EQ(PackWithSize({}), (std::vector<uint8_t>{0x00, 0x00, 0x00, 0x00, 0xC6, 0x00}));
  EXPECT_EQ(PackWithSize(Bytes("a")), (std::vector<uint8_t>{0x01, 0x00, 0x00, 0x00, 0xF6, 0x80}));
  EXPECT_EQ(PackWithSize(Bytes("abracadabra abracadabra abracadabra")),
            (std::vector<uint8_t>{0x23, 0x00, 0x00, 0x00, 0xF6, 0xFB, 0xBF, 0xD8, 0xBE, 0xFC, 0x1F, 0x08, 0xD0, 0x35,
                                  0x08, 0x2C}));
  // A run of spaces is coded as matches into the initial fill.
  EXPECT_EQ(PackWithSize(std::vector<uint8_t>(200, ' ')),
            (std::vector<uint8_t>{0xC8, 0x00, 0x00, 0x00, 0xC5, 0x1D, 0xE2, 0x80, 0x30, 0x80, 0x27, 0x40, 0x00}));
}

TEST(LzhUnpack, NeverWritesPastTheRequestedSize) {
  // The stream of 200 spaces starts with a 60-byte match.
  const std::vector<uint8_t> packed = PackWithSize(std::vector<uint8_t>(200, ' '));
  for (int32_t wanted : {0, 1, 5, 59, 61, 199}) {
    std::vector<uint8_t> withSize = packed;
    withSize[0] = static_cast<uint8_t>(wanted);
    EXPECT_EQ(UnpackWithSize(withSize), std::vector<uint8_t>(static_cast<std::size_t>(wanted), ' ')) << wanted;
  }
}

TEST(LzhUnpack, StopsSoonAfterTheInputEnds) {
  std::vector<uint8_t> hostile;
  AppendLE32(hostile, 0x7FFFFFFF);
  hostile.insert(hostile.end(), {0xFF, 0x00, 0x13, 0x37});
  const std::vector<uint8_t> text = UnpackWithSize(hostile);
  // Each input bit yields at most 6 bytes (a 60-byte match costs 10 bits).
  EXPECT_LE(text.size(), (hostile.size() + lzh::kMaxReadsPastEnd + 2) * 8 * 6);

  // A conforming stream cut short yields a prefix of the text.
  const std::vector<uint8_t> input = testing::SampleText(5000);
  std::vector<uint8_t> packed = PackWithSize(input);
  packed.resize(packed.size() / 2);
  const std::vector<uint8_t> prefix = UnpackWithSize(packed);
  ASSERT_LT(prefix.size(), input.size());
  EXPECT_GT(prefix.size(), input.size() / 4);
  EXPECT_TRUE(std::equal(prefix.begin(), prefix.begin() + input.size() / 4, input.begin()));
}

TEST(LzhUnpack, MissingOrNegativeSizeReadsAsEmpty) {
  EXPECT_TRUE(UnpackWithSize(std::vector<uint8_t>{0x05, 0x00}).empty());
  EXPECT_TRUE(UnpackWithSize(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x12}).empty());
}

// A read callback over `input` that delivers at most `pieces[i]` bytes on
// its i-th call (cycling), and counts its calls.
struct PiecewiseReader {
  std::span<const uint8_t> input;
  std::vector<uint16_t> pieces;
  std::size_t readAt = 0;
  int calls = 0;
  int callsAfterEnd = 0;

  TReadProc Proc() {
    return [this](uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Got) {
      if (readAt == input.size()) ++callsAfterEnd;
      const std::size_t piece = pieces[static_cast<std::size_t>(calls++) % pieces.size()];
      Bytes_Got = static_cast<uint16_t>(std::min({std::size_t{NBytes}, piece, input.size() - readAt}));
      std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(readAt), Bytes_Got, DTA);
      readAt += Bytes_Got;
    };
  }
};

struct CountingWriter {
  std::vector<uint8_t> written;
  int calls = 0;

  TWriteProc Proc() {
    return [this](const uint8_t* DTA, uint16_t NBytes, uint16_t& Bytes_Put) {
      ++calls;
      written.insert(written.end(), DTA, DTA + NBytes);
      Bytes_Put = NBytes;
    };
  }
};

TEST(LzhCallbacks, PackAndUnpackMoveBlocksThroughCallbacks) {
  const std::vector<uint8_t> input = testing::SampleText(100000);
  PiecewiseReader read{input, {0xFFFF}};
  CountingWriter write;
  TLZH codec;
  int32_t consumed = -1;
  codec.LZHPack(consumed, read.Proc(), write.Proc());
  EXPECT_EQ(consumed, 100000);
  const std::vector<uint8_t> packed = PackWithSize(input);
  EXPECT_EQ(write.written, std::vector<uint8_t>(packed.begin() + 4, packed.end()))
      << "the callbacks carry the same bit stream as the stream-backed codec";
  EXPECT_EQ(read.callsAfterEnd, 1) << "reads until the input reports its end, then stops asking";
  EXPECT_LT(read.calls + write.calls, 40) << "bytes move in blocks, not one call each";
  EXPECT_FALSE(codec.HoldsTables()) << "tables are released after the operation";

  PiecewiseReader readPacked{write.written, {0xFFFF}};
  CountingWriter text;
  EXPECT_EQ(codec.LZHUnpack(100000, readPacked.Proc(), text.Proc()), 100000);
  EXPECT_EQ(text.written, input);
  EXPECT_LT(readPacked.calls + text.calls, 40);
}

TEST(LzhCallbacks, UnpackReadsInputDeliveredInAnyPieces) {
  // Pieces shorter than the decoder's 8-byte refills meet every block
  // boundary case; the text outgrows the decoder's first buffer.
  const std::vector<uint8_t> input = testing::SampleText(300000);
  const std::vector<uint8_t> packed = PackWithSize(input);
  const std::span<const uint8_t> bitStream = std::span(packed).subspan(4);
  for (const std::vector<uint16_t>& pieces : {std::vector<uint16_t>{1}, {3, 1, 7, 2}, {9, 8, 15, 600}}) {
    PiecewiseReader read{bitStream, pieces};
    CountingWriter write;
    TLZH codec;
    EXPECT_EQ(codec.LZHUnpack(300000, read.Proc(), write.Proc()), 300000) << pieces.size();
    EXPECT_TRUE(write.written == input) << pieces.size();
  }
  // A cut stream delivered in pieces stops as the whole one does.
  const std::span<const uint8_t> half = bitStream.first(bitStream.size() / 2);
  PiecewiseReader read{half, {5, 2}};
  CountingWriter write;
  TLZH codec;
  codec.LZHUnpack(300000, read.Proc(), write.Proc());
  std::vector<uint8_t> halfWithSize(packed.begin(), packed.begin() + 4);
  halfWithSize.insert(halfWithSize.end(), half.begin(), half.end());
  EXPECT_TRUE(write.written == UnpackWithSize(halfWithSize));
}

TEST(LzhCallbacks, BlockStreamsMoveWhatIsThere) {
  TLZH codec;
  ByteStream in(Bytes("abc")), out;
  codec.StreamIn = &in;
  codec.StreamOut = &out;
  uint8_t buffer[8] = {};
  uint16_t moved = 0;
  codec.GetBlockStream(buffer, 8, moved);
  EXPECT_EQ(moved, 3);
  codec.GetBlockStream(buffer, 8, moved);
  EXPECT_EQ(moved, 0);
  codec.PutBlockStream(buffer, 5, moved);
  EXPECT_EQ(moved, 5);
  EXPECT_EQ(out.Size(), 5u);
}

}  // namespace
}  // namespace lanvero
