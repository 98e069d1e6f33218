// The control mapping list ("Skin3rd"): the built-in lines and the lookup
// of a control class's skinner kind.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "skin/definitions/ControlClassList.h"

namespace lanvero {
namespace {

TEST(Skin3rd, BuiltinListHasItsLinesAndKinds) {
  const auto& lines = BuiltinSkin3rd();
  ASSERT_EQ(lines.size(), 118u);
  EXPECT_EQ(lines.front(), L"TCategoryButtons=scrollbar");
  EXPECT_EQ(lines.back(), L"TOVCDBNUMERICFIELD=Edit");
  std::map<std::wstring, int> kinds;
  std::map<std::wstring, int> repeats;
  for (const auto& line : lines) {
    ++repeats[line];
    ++kinds[LookupSkin3rd({line}, line.substr(0, line.find(L'='))).value_or(L"?")];
  }
  EXPECT_EQ(kinds[L"combobox"], 39);
  EXPECT_EQ(kinds[L"edit"], 26);
  EXPECT_EQ(kinds[L"panel"], 15);
  EXPECT_EQ(kinds[L"scrollbar"], 10);
  EXPECT_EQ(kinds[L"menubtn"], 1);
  const int twice =
      static_cast<int>(std::count_if(repeats.begin(), repeats.end(), [](auto& r) { return r.second == 2; }));
  EXPECT_EQ(twice, 3);
  EXPECT_EQ(repeats[L"TWWDBCombobox=Combobox"], 2);
}

TEST(Skin3rd, LookupMatchesTheClassAtTheLineStartOnly) {
  const std::vector<std::wstring> lines{L"TFoo = edit", L" TBar=edit", L"TBAZ=ComboBox",
                                        L"TEmpty=",     L"TBaz=edit",  L"TLong=" + std::wstring(60, L'x')};
  EXPECT_EQ(LookupSkin3rd(lines, L"TFoo"), std::nullopt);
  EXPECT_EQ(LookupSkin3rd(lines, L"TBar"), std::nullopt);
  EXPECT_EQ(LookupSkin3rd(lines, L"tbaz"), L"combobox");  // first match wins, kind lower-cased
  EXPECT_EQ(LookupSkin3rd(lines, L"TEmpty"), L"") << "listed with no kind";
  EXPECT_EQ(LookupSkin3rd(lines, L"TLong"), std::wstring(50, L'x'));
  EXPECT_EQ(LookupSkin3rd(lines, L"TBa"), std::nullopt);
  EXPECT_EQ(LookupSkin3rd(BuiltinSkin3rd(), L"TcxGroupBox"), L"groupbox");
}

}  // namespace
}  // namespace lanvero
