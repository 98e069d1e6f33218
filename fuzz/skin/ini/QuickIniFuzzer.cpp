// Loads arbitrary text as an INI file, reads every key of every section,
// checks that saved text loads back to the same lines, then edits it.

#include <cstdlib>

#include "skin/ini/QuickIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lanvero::ByteStream source(std::span<const uint8_t>(data, size));
  lanvero::TQuickIni ini;
  ini.LoadFromStream(&source);

  std::vector<std::string> sections, keys;
  ini.ReadSections(&sections);
  for (const std::string& section : sections) {
    ini.ReadSection(section, &keys);
    for (const std::string& key : keys) {
      ini.ReadString(section, key, "");
      ini.ReadInteger(section, key, 0);
    }
  }

  lanvero::ByteStream saved;
  ini.SaveToStream(saved);
  saved.Rewind();
  lanvero::TQuickIni reloaded;
  reloaded.LoadFromStream(&saved);
  if (reloaded.Lines() != ini.Lines()) std::abort();

  for (const std::string& section : sections) {
    ini.WriteString(section, "Added", "1");
    if (ini.ReadString(section, "added", "") != "1" && !section.empty()) {
      // A section whose name holds brackets or blanks may not be found again;
      // only plain names must round-trip.
      if (section.find_first_of("[] \t") == std::string::npos) std::abort();
    }
    ini.DeleteKey(section, "added");
    ini.EraseSection(section);
  }
  return 0;
}
