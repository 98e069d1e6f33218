#include "tests/gallery/HostileSkins.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <stdexcept>

#include "skin/ini/QuickIni.h"
#include "skin/package/SkinPackageReader.h"
#include "skin/package/SkinPackageWriter.h"

namespace lanvero::gallery::testing {
namespace {

using Members = std::vector<PackageMember>;
using IniEdit = std::function<void(TQuickIni&)>;

constexpr int32_t kHugeMargin = 5000;
constexpr int32_t kEnormousSide = 60000;

Members Unpack(const std::vector<std::uint8_t>& skinFile) {
  TSkinReader reader;
  if (reader.Open(skinFile) != PackageStatus::Ok) throw std::runtime_error("the built skin cannot be read");
  Members members;
  for (int i = 0; i < reader.Num; ++i) {
    const std::span<const uint8_t> bytes = reader.MemberBytes(i);
    members.push_back(PackageMember{reader.DirAsStored[static_cast<size_t>(i)], {bytes.begin(), bytes.end()}});
  }
  return members;
}

bool IsIni(const PackageMember& member) { return member.name.ends_with(".ini"); }
bool IsBitmap(const PackageMember& member) { return member.name.ends_with(".bmp"); }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::vector<std::string> SectionsOf(const TQuickIni& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  return sections;
}

std::vector<std::string> KeysOf(const TQuickIni& ini, const std::string& section) {
  std::vector<std::string> keys;
  ini.ReadSection(section, &keys);
  return keys;
}

// Every key of every section whose lower-case name passes `chosen` gets `value`.
IniEdit SetKeys(std::function<bool(const std::string&)> chosen, std::string value) {
  return [chosen, value](TQuickIni& ini) {
    for (const std::string& section : SectionsOf(ini)) {
      for (const std::string& key : KeysOf(ini, section)) {
        if (chosen(Lower(key))) ini.WriteString(section, key, value);
      }
    }
  };
}

bool IsFrameCount(const std::string& key) { return key.find("frame") != std::string::npos; }
bool IsMargin(const std::string& key) {
  for (const char* part : {"height", "width", "txtback", "tileleft", "tileright"}) {
    if (key.find(part) != std::string::npos) return true;
  }
  return false;
}

Members WithIni(Members members, const IniEdit& edit) {
  for (PackageMember& member : members) {
    if (!IsIni(member)) continue;
    TQuickIni ini;
    ByteStream text(member.data);
    ini.LoadFromStream(&text);
    edit(ini);
    ByteStream edited;
    ini.SaveToStream(edited);
    member.data.assign(edited.Bytes().begin(), edited.Bytes().end());
  }
  return members;
}

void PutLittleEndian(std::vector<uint8_t>& bytes, size_t offset, int32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

// A bitmap file header and info header (24 bits) for an image of the size,
// with no pixels behind it.
std::vector<uint8_t> BitmapHeader(int32_t width, int32_t height) {
  std::vector<uint8_t> bytes(54, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLittleEndian(bytes, 2, 54);
  PutLittleEndian(bytes, 10, 54);
  PutLittleEndian(bytes, 14, 40);
  PutLittleEndian(bytes, 18, width);
  PutLittleEndian(bytes, 22, height);
  bytes[26] = 1;
  bytes[28] = 24;
  return bytes;
}

Members WithBitmaps(Members members, const std::function<void(PackageMember&)>& change) {
  for (PackageMember& member : members) {
    if (IsBitmap(member)) change(member);
  }
  return members;
}

}  // namespace

HostileSkin HugeFrameCountSkin(const std::vector<std::uint8_t>& paleglassFile) {
  return {"frame counts of 100000", BuildSkinFile(WithIni(Unpack(paleglassFile), SetKeys(IsFrameCount, "100000")))};
}

std::vector<HostileSkin> HostileSkins(const std::vector<std::uint8_t>& paleglassFile) {
  const Members paleglass = Unpack(paleglassFile);
  const auto edited = [&](const std::string& name, const IniEdit& edit) {
    return HostileSkin{name, BuildSkinFile(WithIni(paleglass, edit))};
  };
  const auto bitmaps = [&](const std::string& name, const std::function<void(PackageMember&)>& change) {
    return HostileSkin{name, BuildSkinFile(WithBitmaps(paleglass, change))};
  };
  return {
      edited("frame counts of 0", SetKeys(IsFrameCount, "0")),
      HugeFrameCountSkin(paleglassFile),
      edited("margins far larger than their images", SetKeys(IsMargin, std::to_string(kHugeMargin))),
      edited("negative margins and frame counts",
             SetKeys([](const std::string& key) { return IsMargin(key) || IsFrameCount(key); }, "-7")),
      edited("every section but the window frame removed",
             [](TQuickIni& ini) {
               for (const std::string& section : SectionsOf(ini)) {
                 if (Lower(section) != "personality") ini.EraseSection(section);
               }
             }),
      edited("no window frame section", [](TQuickIni& ini) { ini.EraseSection("Personality"); }),
      edited("every key but the image names removed",
             [](TQuickIni& ini) {
               for (const std::string& section : SectionsOf(ini)) {
                 for (const std::string& key : KeysOf(ini, section)) {
                   if (ini.ReadString(section, key, "").find(".bmp") == std::string::npos) ini.DeleteKey(section, key);
                 }
               }
             }),
      bitmaps("bitmaps of no size", [](PackageMember& member) { member.data = BitmapHeader(0, 0); }),
      bitmaps("one bitmap header claiming an enormous image",
              [](PackageMember& member) {
                if (member.name == "top.bmp") {
                  PutLittleEndian(member.data, 18, kEnormousSide);
                  PutLittleEndian(member.data, 22, kEnormousSide);
                }
              }),
      bitmaps("bitmaps cut short", [](PackageMember& member) { member.data.resize(member.data.size() * 3 / 5); }),
  };
}

}  // namespace lanvero::gallery::testing
