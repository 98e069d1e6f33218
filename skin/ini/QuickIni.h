#pragma once
// In-memory INI file of a skin: the kept lines (trimmed, without blank and
// comment lines) and a table of section header positions. Lookups match
// section and key names without regard to ASCII letter case.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "skin/codec/ByteStream.h"

namespace lanvero {

class AssertionFailure : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

inline constexpr const char* kStringsUnassigned = "The parameter Strings is unassigned!";

// An INI value read as an integer: decimal with an optional sign, or
// hexadecimal after "0x". Empty when the text is not such a number or does
// not fit 32 bits; ReadInteger then gives its default.
std::optional<int32_t> IniInteger(std::string_view text);

struct IniSectionEntry {
  std::string header;  // trimmed header text with its brackets
  int32_t line = 0;    // index of the header line in FIniFile
};

class TQuickIni {
 public:
  // Replaces the content by the text from the stream's position to its end;
  // a null stream changes nothing.
  void LoadFromStream(ByteStream* Stream);
  void LoadFromFile(const std::filesystem::path& FileName);
  void LoadFromZip(const std::filesystem::path& FileName);
  void SaveToStream(ByteStream& Stream) const;
  void SaveToFile(const std::filesystem::path& FileName) const;
  void SavetoZip(const std::filesystem::path& FileName) const;

  // The string-list operations raise AssertionFailure for a null list.
  void ReadSections(std::vector<std::string>* Strings) const;
  void ReadSection(std::string_view Section, std::vector<std::string>* Strings) const;
  void ReadSectionValues(std::string_view Section, std::vector<std::string>* Strings) const;
  std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const;
  int32_t ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const;
  bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;

  void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
  void WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value);
  void WriteBool(std::string_view Section, std::string_view Ident, bool Value);
  void DeleteKey(std::string_view Section, std::string_view Ident);
  void EraseSection(std::string_view Section);
  void Clear();

  const std::vector<std::string>& Lines() const { return FIniFile; }
  const std::vector<IniSectionEntry>& Sections() const { return FSections; }
  // Copies the lines, then rebuilds the section table.
  void SetLines(const std::vector<std::string>& lines);
  void RebuildSections();
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& name);

 private:
  int32_t FindSection(std::string_view Section) const;
  // Index one past the last line of the section whose header is at line.
  int32_t SectionEnd(int32_t headerLine) const;
  // First line of the section whose key equals key; -1 when none.
  int32_t FindKeyLine(int32_t headerLine, std::string_view key) const;

  [[maybe_unused]] bool FAuto = false;  // kept with the object, not used
  std::string FFileName;
  std::vector<std::string> FIniFile;
  std::vector<IniSectionEntry> FSections;
};

}  // namespace lanvero
