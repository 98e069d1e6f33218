#include "db/ConnectionString.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "db/DbError.h"
#include "db/SqlEvaluator.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  return text;
}

struct Part {
  std::u16string key;
  std::u16string value;
};

// Reads a value that starts at `pos`: quoted (the quote doubled inside
// stands for itself) or plain up to the next ';'.
std::u16string ReadValue(std::u16string_view text, std::size_t& pos) {
  while (pos < text.size() && text[pos] == u' ') ++pos;
  if (pos < text.size() && (text[pos] == u'"' || text[pos] == u'\'')) {
    const char16_t quote = text[pos++];
    std::u16string value;
    while (pos < text.size()) {
      const char16_t c = text[pos++];
      if (c != quote) {
        value.push_back(c);
      } else if (pos < text.size() && text[pos] == quote) {
        value.push_back(quote);
        ++pos;
      } else {
        while (pos < text.size() && text[pos] == u' ') ++pos;
        if (pos < text.size() && text[pos] != u';') throw DbError("Connection string: text after a quoted value.");
        return value;
      }
    }
    throw DbError("Connection string: a quoted value has no closing quote.");
  }
  const std::size_t end = std::min(text.find(u';', pos), text.size());
  const std::u16string value(Trim(text.substr(pos, end - pos)));
  pos = end;
  return value;
}

std::vector<Part> SplitParts(std::u16string_view text) {
  std::vector<Part> parts;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find(u';', pos), text.size());
    if (Trim(text.substr(pos, end - pos)).empty()) {
      pos = end + 1;
      continue;
    }
    const std::size_t equals = text.find(u'=', pos);
    if (equals == std::u16string_view::npos || equals > end) {
      throw DbError("Connection string: \"" + Utf16ToUtf8(Trim(text.substr(pos, end - pos))) +
                    "\" is not of the form key=value.");
    }
    Part part{std::u16string(Trim(text.substr(pos, equals - pos))), {}};
    pos = equals + 1;
    part.value = ReadValue(text, pos);
    parts.push_back(std::move(part));
    ++pos;  // past the ';' (or the end)
  }
  return parts;
}

void Store(std::optional<std::u16string>& slot, const Part& part) {
  if (slot) throw DbError("Connection string: the key " + Utf16ToUtf8(part.key) + " appears twice.");
  slot = part.value;
}

bool ParseBoolean(const std::u16string& value) {
  if (SameName(value, u"true") || value == u"1") return true;
  if (SameName(value, u"false") || value == u"0") return false;
  throw DbError("Connection string: Persist Security Info must be True or False, not " + Utf16ToUtf8(value) + ".");
}

}  // namespace

ConnectionSettings ParseConnectionString(std::u16string_view text) {
  std::optional<std::u16string> provider, dataSource, persist;
  for (const Part& part : SplitParts(text)) {
    if (SameName(part.key, u"provider")) {
      Store(provider, part);
    } else if (SameName(part.key, u"data source")) {
      Store(dataSource, part);
    } else if (SameName(part.key, u"persist security info")) {
      Store(persist, part);
    } else {
      throw DbError("Connection string: unknown key " + Utf16ToUtf8(part.key) + ".");
    }
  }
  if (!provider) throw DbError("Connection string: no provider given.");
  if (!SameName(*provider, kJetProvider)) {
    throw DbError("Connection string: the provider " + Utf16ToUtf8(*provider) + " is not supported; only " +
                  Utf16ToUtf8(kJetProvider) + " is.");
  }
  if (!dataSource || dataSource->empty()) throw DbError("Connection string: no data source given.");
  ConnectionSettings settings;
  settings.dataSource = std::move(*dataSource);
  if (persist) settings.persistSecurityInfo = ParseBoolean(*persist);
  return settings;
}

}  // namespace lanvero::db
