// The `like` comparison of the SQL subset.
//
// '%' matches any run of characters, including none; '_' matches exactly
// one character (a surrogate pair counts as one). Every other pattern
// character matches itself: ASCII letters without regard to case, all
// other characters exactly as they are. Full-width letters and digits are
// therefore distinct from their ASCII forms and from each other's case
// ("ＡＢ" matches neither "ab" nor "ａｂ"). There is no escape character and
// no "[...]" class: "[" is an ordinary character. These are the wildcards
// of the Jet OLE DB provider (ANSI-92 mode); the older "*" and "?" are
// ordinary characters here.
#pragma once

#include <string_view>

namespace lanvero::db {

bool LikeMatches(std::u16string_view text, std::u16string_view pattern);

}  // namespace lanvero::db
