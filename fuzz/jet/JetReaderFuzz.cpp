// Whole files: header checks, catalog, table definitions, usage maps and
// rows of every user table. Anything but JetError escaping is a bug.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "db/JetReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const auto database = lanvero::db::JetDatabase::FromBytes(std::vector<std::uint8_t>(data, data + size));
    for (const auto& name : database.TableNames()) database.ReadTable(name);
  } catch (const lanvero::db::JetError&) {
  }
  return 0;
}
