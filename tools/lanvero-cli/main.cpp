// lanvero-cli: the record database from a terminal.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "db/DbError.h"
#include "db/UnicodeText.h"
#include "tools/lanvero-cli/Commands.h"
#include "tools/lanvero-cli/Console.h"

namespace {

// Exit codes, also listed in the usage text.
enum Exit { kOk = 0, kNoMatch = 1, kUsage = 2, kBadDatabase = 3, kRefused = 4, kMissing = 5 };

constexpr const char* kUsageText = "usage: lanvero-cli [--db FILE] COMMAND\n"
                                   "\n"
                                   "commands:\n"
                                   "  list            every record: number, tab, title\n"
                                   "  search KEYWORD  records whose title or body matches, as the program searches\n"
                                   "  show ID         the readable body of record ID\n"
                                   "  export --csv    every record with its readable body, as CSV\n"
                                   "\n"
                                   "The database is FILE, or else the file named by the environment variable\n"
                                   "LANVERO_DB. Output is UTF-8 on every platform.\n"
                                   "\n"
                                   "exit codes: 0 done, 1 search found nothing, 2 usage error, 3 database file\n"
                                   "missing or unreadable, 4 statement refused, 5 no such record\n";

struct Invocation {
  std::optional<std::string> database;
  std::vector<std::string> words;  // command and its arguments
};

std::optional<Invocation> ParseArguments(const std::vector<std::string>& arguments) {
  Invocation invocation;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--db") {
      if (++i == arguments.size()) return std::nullopt;
      invocation.database = arguments[i];
    } else if (arguments[i] == "--help" || arguments[i] == "-h") {
      return std::nullopt;
    } else {
      invocation.words.push_back(arguments[i]);
    }
  }
  if (!invocation.database) invocation.database = lanvero::cli::EnvironmentUtf8("LANVERO_DB");
  return invocation;
}

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "lanvero-cli: %s\n", message.c_str());
  return code;
}

std::optional<std::int32_t> ParseId(const std::string& text) {
  std::int32_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return id;
}

// Quoted so that ";" in a path survives; a quote inside is doubled.
std::u16string ConnectionStringFor(const std::string& path) {
  std::u16string quoted;
  for (char16_t c : lanvero::db::Utf8ToUtf16(path)) {
    if (c == u'"') quoted += u'"';
    quoted += c;
  }
  return u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"" + quoted + u"\";Persist Security Info=False";
}

int Run(lanvero::db::Connection& connection, const std::vector<std::string>& words) {
  using namespace lanvero::cli;
  const std::string& command = words[0];
  if (command == "list" && words.size() == 1) {
    ListRecords(connection, std::cout);
  } else if (command == "search" && words.size() == 2) {
    if (SearchRecords(connection, words[1], std::cout) == 0) {
      return Fail(kNoMatch, "no record matches \"" + words[1] + "\"");
    }
  } else if (command == "show" && words.size() == 2) {
    const auto id = ParseId(words[1]);
    if (!id) return Fail(kUsage, "\"" + words[1] + "\" is not a record number");
    ShowRecord(connection, *id, std::cout);
  } else if (command == "export" && words.size() == 2 && words[1] == "--csv") {
    ExportCsv(connection, std::cout);
  } else {
    std::fputs(kUsageText, stderr);
    return kUsage;
  }
  return kOk;
}

}  // namespace

int main(int argc, char** argv) {
  lanvero::cli::UseBinaryOutput();
  const auto invocation = ParseArguments(lanvero::cli::Utf8Arguments(argc, argv));
  if (!invocation || invocation->words.empty()) {
    std::fputs(kUsageText, stderr);
    return kUsage;
  }
  if (!invocation->database) return Fail(kUsage, "no database: pass --db FILE or set LANVERO_DB");

  lanvero::db::Connection connection(ConnectionStringFor(*invocation->database));
  try {
    connection.Open();
  } catch (const std::exception& error) {
    return Fail(kBadDatabase, *invocation->database + ": " + error.what());
  }
  try {
    const int code = Run(connection, invocation->words);
    std::cout.flush();
    return code;
  } catch (const lanvero::db::SqlError& error) {
    return Fail(kRefused, std::string("statement refused: ") + error.what());
  } catch (const lanvero::cli::MissingRecord& error) {
    return Fail(kMissing, error.what());
  } catch (const std::exception& error) {
    return Fail(kBadDatabase, *invocation->database + ": " + error.what());
  }
}
