#include "db/LikePattern.h"

#include <cstdint>
#include <cstring>

#include "db/AsciiCase.h"

namespace lanvero::db {
namespace {

// Length in code units of the character starting at `pos`.
std::size_t CharLength(std::u16string_view text, std::size_t pos) {
  const char16_t c = text[pos];
  const bool pair =
      c >= 0xD800 && c <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF;
  return pair ? 2 : 1;
}

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// True when one of the four 16-bit lanes of `word` is zero.
bool HasZeroLane(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0001000100010001;
  constexpr std::uint64_t kHighBits = 0x8000800080008000;
  return ((word - kOnes) & ~word & kHighBits) != 0;
}

// The first position from `from` on holding `literal` (ASCII case
// ignored), or the end of the text. A literal outside the surrogate range
// only ever matches where a character starts. Four code units are tested
// at a time while no lane holds the literal: bodies are long.
std::size_t NextCandidate(std::u16string_view text, std::size_t from, char16_t literal) {
  const char16_t lower = FoldAsciiCase(literal);
  const char16_t upper = lower >= u'a' && lower <= u'z' ? static_cast<char16_t>(lower - (u'a' - u'A')) : lower;
  constexpr std::uint64_t kEveryLane = 0x0001000100010001;
  const std::uint64_t lowerLanes = lower * kEveryLane;
  const std::uint64_t upperLanes = upper * kEveryLane;
  for (; from + 4 <= text.size(); from += 4) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + from, sizeof word);
    if (HasZeroLane(word ^ lowerLanes) || HasZeroLane(word ^ upperLanes)) break;
  }
  while (from < text.size() && text[from] != lower && text[from] != upper) ++from;
  return from;
}

}  // namespace

// Greedy matching with one backtrack point: on a mismatch, the most recent
// '%' absorbs one more character and matching resumes after it. Earlier
// '%'s never need revisiting, so the cost stays at most text x pattern.
// When the part after that '%' starts with a plain character, positions
// that cannot start it are passed over in one scan.
bool LikeMatches(std::u16string_view text, std::u16string_view pattern) {
  std::size_t t = 0;
  std::size_t p = 0;
  std::size_t starPattern = std::u16string_view::npos;
  std::size_t starText = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == u'%') {
      starPattern = ++p;
      starText = t;
    } else if (p < pattern.size() && pattern[p] == u'_') {
      t += CharLength(text, t);
      ++p;
    } else if (p < pattern.size() && FoldAsciiCase(pattern[p]) == FoldAsciiCase(text[t])) {
      ++t;
      ++p;
    } else if (starPattern != std::u16string_view::npos) {
      starText += CharLength(text, starText);
      if (starPattern < pattern.size()) {
        const char16_t next = pattern[starPattern];
        if (next != u'%' && next != u'_' && !IsSurrogate(next)) starText = NextCandidate(text, starText, next);
      }
      t = starText;
      p = starPattern;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'%') ++p;
  return p == pattern.size();
}

}  // namespace lanvero::db
