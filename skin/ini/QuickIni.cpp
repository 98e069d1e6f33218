#include "skin/ini/QuickIni.h"

#include <algorithm>

#include "skin/codec/LzhCodec.h"
#include "skin/ini/AnsiText.h"

namespace lanvero {

namespace {

bool IsSectionHeader(std::string_view line) {
  const std::string_view trimmed = TrimControl(line);
  return !trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']';
}

// The text before the first "=", trimmed and lower-cased; empty without "=".
std::string KeyOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return AsciiLower(TrimControl(line.substr(0, equals)));
}

// The text after the first "=", trimmed; everything there belongs to it.
std::string_view ValueOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return TrimControl(line.substr(equals + 1));
}

void RequireList(const std::vector<std::string>* Strings) {
  if (Strings == nullptr) throw AssertionFailure(kStringsUnassigned);
}

// Built by appending: the "[" + name + "]" form trips a false -Wrestrict
// warning of GCC 12.
std::string HeaderFor(std::string_view Section) {
  std::string header;
  header.reserve(Section.size() + 2);
  header += '[';
  header += Section;
  header += ']';
  return header;
}

std::string KeyLine(std::string_view Ident, std::string_view Value) {
  std::string line(Ident);
  line += '=';
  line += Value;
  return line;
}

}  // namespace

void TQuickIni::LoadFromStream(ByteStream* Stream) {
  if (Stream == nullptr) return;
  const auto bytes = Stream->RemainingBytes();
  Stream->Seek(Stream->Size());
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  text = text.substr(0, text.find('\0'));  // the first NUL ends the text
  FIniFile.clear();
  FSections.clear();
  for (const std::string& raw : SplitLines(text)) {
    const std::string_view line = TrimControl(raw);
    if (line.empty() || line.front() == ';') continue;
    FIniFile.emplace_back(line);
    if (IsSectionHeader(line)) FSections.push_back({std::string(line), static_cast<int32_t>(FIniFile.size() - 1)});
  }
}

void TQuickIni::LoadFromFile(const std::filesystem::path& FileName) {
  ByteStream stream(ReadFileBytes(FileName));
  LoadFromStream(&stream);
}

void TQuickIni::LoadFromZip(const std::filesystem::path& FileName) {
  ByteStream stream(UnpackWithSize(ReadFileBytes(FileName)));
  LoadFromStream(&stream);
}

void TQuickIni::SaveToStream(ByteStream& Stream) const {
  for (const std::string& line : FIniFile) {
    Stream.Write(std::span(reinterpret_cast<const uint8_t*>(line.data()), line.size()));
    Stream.Write(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("\r\n"), 2));
  }
}

void TQuickIni::SaveToFile(const std::filesystem::path& FileName) const {
  ByteStream stream;
  SaveToStream(stream);
  WriteFileBytes(FileName, stream.Bytes());
}

void TQuickIni::SavetoZip(const std::filesystem::path& FileName) const {
  ByteStream stream;
  SaveToStream(stream);
  WriteFileBytes(FileName, PackWithSize(stream.Bytes()));
}

int32_t TQuickIni::FindSection(std::string_view Section) const {
  const std::string wanted = HeaderFor(Section);
  for (const IniSectionEntry& entry : FSections) {
    if (SameTextIgnoringCase(entry.header, wanted)) return entry.line;
  }
  return -1;
}

int32_t TQuickIni::SectionEnd(int32_t headerLine) const {
  const auto next = std::find_if(FIniFile.begin() + headerLine + 1, FIniFile.end(),
                                 [](const std::string& line) { return IsSectionHeader(line); });
  return static_cast<int32_t>(next - FIniFile.begin());
}

int32_t TQuickIni::FindKeyLine(int32_t headerLine, std::string_view key) const {
  const int32_t end = SectionEnd(headerLine);
  for (int32_t i = headerLine + 1; i < end; ++i) {
    if (KeyOf(FIniFile[i]) == key) return i;
  }
  return -1;
}

void TQuickIni::ReadSections(std::vector<std::string>* Strings) const {
  RequireList(Strings);
  Strings->clear();
  for (const IniSectionEntry& entry : FSections) {
    std::string_view name = TrimControl(entry.header);
    name = name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string_view{};
    Strings->emplace_back(TrimControl(name));
  }
}

void TQuickIni::ReadSection(std::string_view Section, std::vector<std::string>* Strings) const {
  RequireList(Strings);
  Strings->clear();
  const int32_t header = FindSection(Section);
  if (header < 0) return;
  for (int32_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    std::string key = KeyOf(FIniFile[i]);
    if (!key.empty()) Strings->push_back(std::move(key));
  }
}

void TQuickIni::ReadSectionValues(std::string_view Section, std::vector<std::string>* Strings) const {
  RequireList(Strings);
  Strings->clear();
  const int32_t header = FindSection(Section);
  if (header < 0) return;
  Strings->assign(FIniFile.begin() + header + 1, FIniFile.begin() + SectionEnd(header));
}

std::string TQuickIni::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const {
  const int32_t header = FIniFile.empty() ? -1 : FindSection(Section);
  if (header < 0) return std::string(Default);
  const int32_t line = FindKeyLine(header, AsciiLower(Ident));
  if (line < 0) return std::string(Default);
  const std::string_view value = ValueOf(FIniFile[line]);
  return std::string(value.empty() ? Default : value);
}

std::optional<int32_t> IniInteger(std::string_view text) {
  std::string number(text);
  if (number.size() >= 3 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X')) number.replace(0, 2, "$");
  return ParseInt32(number);
}

int32_t TQuickIni::ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const {
  return IniInteger(ReadString(Section, Ident, "")).value_or(Default);
}

bool TQuickIni::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TQuickIni::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) {
  const int32_t header = FindSection(Section);
  if (header < 0) {
    FIniFile.push_back(HeaderFor(Section));
    if (!Ident.empty()) FIniFile.push_back(KeyLine(Ident, Value));
    RebuildSections();
    return;
  }
  const int32_t line = FindKeyLine(header, AsciiLower(Ident));
  if (line >= 0) {
    if (!Ident.empty()) FIniFile[line] = KeyLine(Ident, Value);
    return;
  }
  // Not present: the key goes at the end of the section.
  FIniFile.insert(FIniFile.begin() + SectionEnd(header), KeyLine(Ident, Value));
  RebuildSections();
}

void TQuickIni::WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value) {
  WriteString(Section, Ident, std::to_string(Value));
}

void TQuickIni::WriteBool(std::string_view Section, std::string_view Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

void TQuickIni::DeleteKey(std::string_view Section, std::string_view Ident) {
  const int32_t header = FindSection(Section);
  if (header < 0) return;
  // Keys are kept lower-case, so only a lower-case Ident can match here.
  const int32_t line = FindKeyLine(header, Ident);
  if (line < 0) return;
  FIniFile.erase(FIniFile.begin() + line);
  RebuildSections();
}

void TQuickIni::EraseSection(std::string_view Section) {
  const int32_t header = FindSection(Section);
  if (header < 0) return;
  FIniFile.erase(FIniFile.begin() + header, FIniFile.begin() + SectionEnd(header));
  if (header != 0) FIniFile.insert(FIniFile.begin() + header, std::string());
  RebuildSections();
}

void TQuickIni::Clear() {
  FIniFile.clear();
  FSections.clear();
}

void TQuickIni::SetLines(const std::vector<std::string>& lines) {
  FIniFile = lines;
  RebuildSections();
}

void TQuickIni::RebuildSections() {
  FSections.clear();
  for (std::size_t i = 0; i < FIniFile.size(); ++i) {
    if (!FIniFile[i].empty() && IsSectionHeader(FIniFile[i])) {
      FSections.push_back({std::string(TrimControl(FIniFile[i])), static_cast<int32_t>(i)});
    }
  }
}

void TQuickIni::SetFileName(const std::string& name) {
  if (name != FFileName) FFileName = name;
}

}  // namespace lanvero
