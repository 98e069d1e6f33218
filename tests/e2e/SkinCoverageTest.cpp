// Every control window of Lanvero's main window answers the skin engine's
// query with 1, except those that the settings of the skin component in
// the stored layout exclude (the DisableTag, the Skin3rd list, families
// switched off, kinds without a skinner). A control wrongly left with the
// system's look, or wrongly skinned, is named with the reason.
#include <gtest/gtest.h>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/support/LanveroSession.h"
#include "tests/e2e/support/SkinExpectation.h"

namespace lanvero::e2e {
namespace {

constexpr UINT kSkinQuery = 0x3523;  // the engine's WM_SKINQUERY

void AppendDescendants(HWND parent, std::vector<HWND>& windows) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    windows.push_back(child);
    AppendDescendants(child, windows);
  }
}

std::string Narrow(const std::wstring& text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
  return narrow;
}

TEST(SkinCoverageTest, EveryControlOfTheMainWindowIsSkinnedUnlessTheSettingsExcludeIt) {
  const StoredLayout layout = ReadStoredLayout(MainLayoutSource());
  ASSERT_NE(layout.Find(L"SkinData1"), nullptr) << "the layout was not read";
  const SkinExpectation expectation(layout);

  auto lanvero = LanveroSession::Start();
  ASSERT_TRUE(Eventually([&] { return SendMessageW(lanvero->Form(), kSkinQuery, 0, 0); }, LRESULT{1}))
      << "the main window itself is not skinned";
  // Each page once in front, as a person would look at them.
  lanvero->ShowPage(1);
  lanvero->ShowPage(0);

  std::vector<HWND> windows;
  AppendDescendants(lanvero->Form(), windows);
  std::string faults;
  int controls = 0;
  for (HWND window : windows) {
    const std::wstring cls = WindowClass(window);
    if (IsEngineOverlay(cls)) continue;
    ++controls;
    const std::wstring text = ControlText(window);
    const SkinVerdict verdict = expectation.For(cls, text);
    const bool answers = SendMessageW(window, kSkinQuery, 0, 0) == 1;
    const std::string control = Narrow(cls + L" \"" + text.substr(0, 20) + L"\"");
    if (!verdict.known) {
      faults += control + ": " + Narrow(verdict.reason) + "\n";
    } else if (verdict.skinned && !answers) {
      faults += control + ": wrongly native\n";
    } else if (!verdict.skinned && answers) {
      faults += control + ": skinned, though " + Narrow(verdict.reason) + "\n";
    }
  }
  EXPECT_GE(controls, 15) << "the main window lacks controls";
  EXPECT_EQ(faults, "");
  EXPECT_TRUE(lanvero->Close());
}

}  // namespace
}  // namespace lanvero::e2e
