#include "tools/skintool/SkinToolCommands.h"

#include <algorithm>
#include <ostream>

#include "skin/codec/ByteStream.h"
#include "skin/ini/AnsiText.h"

namespace lanvero::skintool {

namespace fs = std::filesystem;

namespace {

std::string LowerExtension(const fs::path& path) { return AsciiLower(path.extension().string()); }

// A member name is written only when it names a plain file in the folder.
bool IsSafeMemberName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20; });
}

std::size_t PackageSize(const TSkinReader& reader) {
  const auto reserved = skinformat::ReservedBlockSize(reader.header.Version).value_or(0);
  return skinformat::kHeaderSize + static_cast<std::size_t>(reserved) + static_cast<std::size_t>(reader.header.DirLen) +
         4 * static_cast<std::size_t>(reader.Num) + reader.ms.Size();
}

}  // namespace

std::vector<PackageMember> ReadMemberFolder(const fs::path& folder, std::vector<std::string>* skipped) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) throw ToolError("not a folder: " + folder.string());
  std::vector<PackageMember> members;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string extension = LowerExtension(entry.path());
    if (!entry.is_regular_file() || (extension != ".ini" && extension != ".bmp")) {
      if (skipped) skipped->push_back(entry.path().filename().string());
      continue;
    }
    members.push_back({entry.path().filename().string(), ReadFileBytes(entry.path())});
  }
  const auto iniCount = std::count_if(members.begin(), members.end(),
                                      [](const PackageMember& m) { return LowerExtension(m.name) == ".ini"; });
  if (iniCount != 1) {
    throw ToolError(folder.string() + " holds " + std::to_string(iniCount) + " .ini files; a skin needs exactly one");
  }
  std::sort(members.begin(), members.end(), [](const PackageMember& a, const PackageMember& b) {
    const std::string lowerA = AsciiLower(a.name), lowerB = AsciiLower(b.name);
    return lowerA != lowerB ? lowerA < lowerB : a.name < b.name;
  });
  return members;
}

void PackFolder(const fs::path& folder, const fs::path& skinFile, int32_t version, std::ostream& notes) {
  std::vector<std::string> skipped;
  const std::vector<PackageMember> members = ReadMemberFolder(folder, &skipped);
  for (const std::string& name : skipped) notes << "skipped " << name << " (not a .ini or .bmp file)\n";
  try {
    WriteFileBytes(skinFile, BuildSkinFile(members, version));
  } catch (const PackageWriteError& error) {
    throw ToolError(error.what());
  }
}

TSkinReader OpenSkin(const fs::path& skinFile) {
  const std::vector<uint8_t> bytes = ReadFileBytes(skinFile);
  TSkinReader reader;
  const PackageStatus status = reader.Open(bytes);
  if (status == PackageStatus::UnknownVersion) {
    throw ToolError(skinFile.string() + ": unknown package version " + std::to_string(reader.header.Version) +
                    " (not a skin file, or a format this program does not read)");
  }
  if (status != PackageStatus::Ok) throw ToolError(skinFile.string() + ": " + DescribePackageStatus(status));
  return reader;
}

int UnpackSkin(const fs::path& skinFile, const fs::path& folder, std::ostream& notes) {
  const TSkinReader reader = OpenSkin(skinFile);
  fs::create_directories(folder);
  int written = 0;
  for (int i = 0; i < reader.Num; ++i) {
    const std::string& name = reader.DirAsStored[static_cast<std::size_t>(i)];
    if (!IsSafeMemberName(name)) {
      notes << "refused member name \"" << name << "\" (not a plain file name)\n";
      continue;
    }
    WriteFileBytes(folder / name, reader.MemberBytes(i));
    ++written;
  }
  return written;
}

void ListSkin(const fs::path& skinFile, std::ostream& out) {
  const TSkinReader reader = OpenSkin(skinFile);
  out << "version " << reader.header.Version << "\n"
      << "members " << reader.Num << "\n"
      << "package " << PackageSize(reader) << " bytes\n"
      << "file    " << fs::file_size(skinFile) << " bytes\n";
  for (int i = 0; i < reader.Num; ++i) {
    out << "  " << reader.sizes[static_cast<std::size_t>(i)] << "\t" << reader.DirAsStored[static_cast<std::size_t>(i)]
        << "\n";
  }
}

void PrintIni(const fs::path& skinFile, std::ostream& out) {
  const TSkinReader reader = OpenSkin(skinFile);
  ByteStream ini;
  std::string name;
  reader.readIni(".ini", ini, name);
  if (name.empty()) throw ToolError(skinFile.string() + ": the package has no .ini member");
  out.write(reinterpret_cast<const char*>(ini.Bytes().data()), static_cast<std::streamsize>(ini.Size()));
}

}  // namespace lanvero::skintool
