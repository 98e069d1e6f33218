// The commands of lanvero-cli, each run over an open connection to the
// record database and writing UTF-8 text to an output stream.
#pragma once

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>

#include "db/Connection.h"

namespace lanvero::cli {

// A record number that the database does not hold.
class MissingRecord : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every record: number, tab, title, one line each (the rows of the refresh
// statement; the bodies are not read).
void ListRecords(db::Connection& connection, std::ostream& out);

// Records found by the program's keyword search, in the same form.
// Returns the number found.
std::size_t SearchRecords(db::Connection& connection, const std::string& keyword, std::ostream& out);

// The decrypted body of record `id` with "<br>" removed, exactly as the
// program shows it (line ends CR LF, as stored).
void ShowRecord(db::Connection& connection, std::int32_t id, std::ostream& out);

// CSV (RFC 4180: fields quoted where needed, records ending CR LF): a
// header line, then every record with its body decrypted and "<br>"
// removed.
void ExportCsv(db::Connection& connection, std::ostream& out);

}  // namespace lanvero::cli
