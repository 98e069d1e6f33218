// Lanvero's main window fully skinned, as the display shows it, compared
// with reviewed golden images (tests/e2e/golden): the stored Paleglass skin
// and the Coalrim package worn through --skin, and the About page in
// Paleglass. The shots are made alike every time: the window at a fixed
// place, the mouse far from it, the focus on the page control (no caret),
// everything painted. LANVERO_UPDATE_GOLDENS=1 writes them anew.
#include <gtest/gtest.h>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/Golden.h"
#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/support/LanveroSession.h"
#include "tests/e2e/support/SkinFiles.h"

namespace lanvero::e2e {
namespace {

constexpr char kGoldenFolder[] = "tests/e2e/golden";
constexpr UINT kSkinQuery = 0x3523;  // the engine's WM_SKINQUERY
constexpr POINT kWindowPlace{24, 24};

// Puts the window in its place and the mouse far from it, waits until no
// hover look is left and everything is painted, and takes the shot.
Image SteadyShot(LanveroSession& lanvero) {
  SetWindowPos(lanvero.Form(), nullptr, kWindowPlace.x, kWindowPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  lanvero.Settle(600);
  RedrawWindow(lanvero.Form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  lanvero.Settle(400);
  return CaptureWindow(lanvero.Form());
}

// Starts Lanvero with the arguments, skinned and with the focus where no
// caret blinks.
std::unique_ptr<LanveroSession> SkinnedLanvero(const std::wstring& arguments) {
  auto lanvero = LanveroSession::Start(arguments);
  EXPECT_TRUE(Eventually([&] { return SendMessageW(lanvero->Form(), kSkinQuery, 0, 0); }, LRESULT{1}));
  lanvero->ShowPage(0);
  EXPECT_EQ(WindowClass(FocusedWindowOfThread(lanvero->Form())), L"TPageControl") << "a caret may show";
  return lanvero;
}

TEST(MainWindowGoldenTest, TheStoredSkinAndItsAboutPage) {
  auto lanvero = SkinnedLanvero(L"");
  EXPECT_TRUE(MatchesGolden(SteadyShot(*lanvero), kGoldenFolder, "main_paleglass"));
  lanvero->ShowPage(1);
  EXPECT_TRUE(MatchesGolden(SteadyShot(*lanvero), kGoldenFolder, "about_paleglass"));
  EXPECT_TRUE(lanvero->Close());
}

TEST(MainWindowGoldenTest, CoalrimWornThroughTheSkinOption) {
  auto lanvero = SkinnedLanvero(L"--skin " + Quoted(BuiltSkinPath(L"coalrim")));
  EXPECT_TRUE(MatchesGolden(SteadyShot(*lanvero), kGoldenFolder, "main_coalrim"));
  EXPECT_TRUE(lanvero->Close());
}

}  // namespace
}  // namespace lanvero::e2e
