// Every definition of both shipped skins, compared with the listings under
// tests/skin/definitions/golden (reviewed against the INI files).
// Regenerate them with `skintool defs` after an intended change and review
// the diff.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "skin/definitions/DefinitionDump.h"
#include "skin/definitions/SkinData.h"

namespace lanvero {
namespace {

std::filesystem::path EnvPath(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::filesystem::path(value) : std::filesystem::path();
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void ExpectGolden(const std::string& skin) {
  const auto packed = EnvPath("LANVERO_BINARY_DIR") / "assets" / "skins" / (skin + ".skn");
  const auto golden = EnvPath("LANVERO_SOURCE_DIR") / "tests" / "skin" / "definitions" / "golden" / (skin + ".txt");
  ASSERT_TRUE(std::filesystem::exists(packed)) << packed;
  ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
  TSkinData data(nullptr);
  data.LoadFromFile(packed.wstring());
  ASSERT_FALSE(data.Empty);
  std::ostringstream dump;
  DumpSkinDefinitions(data, dump);
  EXPECT_EQ(dump.str(), ReadText(golden)) << "regenerate with: skintool defs " << packed.string();
}

TEST(GoldenDump, DefaultSkin) { ExpectGolden("paleglass"); }
TEST(GoldenDump, SecondSkin) { ExpectGolden("coalrim"); }

}  // namespace
}  // namespace lanvero
