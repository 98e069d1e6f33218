// Parsing of the connection string the application hands to its
// connection, e.g.
//   Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\Windows\_.dll;Persist Security Info=False
// Keys compare without regard to ASCII case and may appear once each; a
// value may be wrapped in double or single quotes so that it can hold ";".
#pragma once

#include <string>
#include <string_view>

namespace lanvero::db {

inline constexpr std::u16string_view kJetProvider = u"Microsoft.Jet.OLEDB.4.0";

struct ConnectionSettings {
  std::u16string dataSource;         // the database file path
  bool persistSecurityInfo = false;  // accepted and kept; nothing uses it
};

// Throws DbError for a missing or unknown provider, a missing data source,
// an unknown or repeated key, or a malformed part.
ConnectionSettings ParseConnectionString(std::u16string_view text);

}  // namespace lanvero::db
