#include "db/LikePattern.h"

#include "db/AsciiCase.h"

namespace lanvero::db {
namespace {

// Length in code units of the character starting at `pos`.
std::size_t CharLength(std::u16string_view text, std::size_t pos) {
  const char16_t c = text[pos];
  const bool pair = c >= 0xD800 && c <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
                    text[pos + 1] <= 0xDFFF;
  return pair ? 2 : 1;
}

}  // namespace

// Greedy matching with one backtrack point: on a mismatch, the most recent
// '%' absorbs one more character and matching resumes after it. Earlier
// '%'s never need revisiting, so the cost stays at most text x pattern.
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
