// mkdb SOURCE.tsv -o OUT.mdb
// Builds the shipped Jet 4 database from the data set's source file. The
// same source always gives the same bytes.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

#include "db/JetWriter.h"
#include "tools/mkdb/SourceFile.h"

namespace {

int Usage() {
  std::fputs("usage: mkdb SOURCE.tsv -o OUT.mdb\n", stderr);
  return 2;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes beside the target and renames, so an interrupted build never
// leaves a half-written database that looks up to date.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string partial = path + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + partial);
  }
  std::remove(path.c_str());
  if (std::rename(partial.c_str(), path.c_str()) != 0)
    throw std::runtime_error("cannot rename " + partial + " to " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::string(argv[2]) != "-o") return Usage();
  const std::string sourcePath = argv[1];
  try {
    const auto records = lanvero::mkdb::ParseSourceFile(ReadFile(sourcePath));
    lanvero::db::JetWriteOptions options;
    options.nextAutoNumber = records.empty() ? 1 : records.back().number + 1;
    WriteFile(argv[3], lanvero::db::WriteJetDatabase(lanvero::mkdb::BuildRecordTable(records), options));
    std::printf("mkdb: %zu records -> %s\n", records.size(), argv[3]);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "mkdb: %s: %s\n", sourcePath.c_str(), error.what());
    return 1;
  }
}
