// Lanvero.exe --skin FILE: a good package is worn instead of the stored
// skin; packages the engine cannot use (random bytes, one cut short, a
// missing file) and a wrong command line are reported in a message, after
// which Lanvero works on in its own skin; --skin none shows the system's look.
#include <gtest/gtest.h>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/support/LanveroSession.h"
#include "tests/e2e/support/SkinFiles.h"
#include "tests/e2e/support/SurnameData.h"

namespace lanvero::e2e {
namespace {

constexpr UINT kSkinQuery = 0x3523;  // the engine's WM_SKINQUERY
// Coalrim's caption is far darker than Paleglass's.
constexpr int kDarkerCaption = 40;

bool AnswersSkinQuery(HWND window) { return SendMessageW(window, kSkinQuery, 0, 0) == 1; }

std::wstring RecordCountStatus() { return L"共" + std::to_wstring(SurnameData::Shipped().Count()) + L"条信息"; }

int StoredSkinCaptionBrightness() {
  auto lanvero = LanveroSession::Start();
  EXPECT_TRUE(Eventually([&] { return AnswersSkinQuery(lanvero->Form()); }, true));
  lanvero->Settle(300);
  const int brightness = CaptionBrightness(lanvero->Form());
  EXPECT_TRUE(lanvero->Close());
  return brightness;
}

// Starts Lanvero with the arguments, reads and answers its message, and
// checks that Lanvero then works on in its stored skin.
std::wstring ReportedMessageThenStoredSkin(const std::wstring& arguments, int storedBrightness) {
  auto lanvero = LanveroSession::Launch(arguments);
  const auto box = WaitForMessageBox(lanvero->Id());
  if (!box) {
    ADD_FAILURE() << "no message about the skin";
    return L"";
  }
  EXPECT_TRUE(PressDialogButton(box->hwnd, IDOK));
  lanvero->WaitForMainWindow();
  EXPECT_TRUE(Eventually([&] { return AnswersSkinQuery(lanvero->Form()); }, true)) << "the main window is not skinned";
  lanvero->Settle(300);
  EXPECT_GT(CaptionBrightness(lanvero->Form()), storedBrightness - kDarkerCaption / 2) << "not the stored skin";
  EXPECT_EQ(lanvero->AwaitStatus(RecordCountStatus()), RecordCountStatus());
  EXPECT_TRUE(lanvero->Close()) << "Lanvero did not end cleanly";
  return box->text;
}

void ExpectUnusableSkinMessage(const std::wstring& text) {
  EXPECT_NE(text.find(L"cannot be used"), std::wstring::npos) << text.c_str();
  EXPECT_NE(text.find(L"\n- "), std::wstring::npos) << "no reason given: " << text.c_str();
  EXPECT_NE(text.find(L"Lanvero goes on with its own skin."), std::wstring::npos) << text.c_str();
}

class SkinOptionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { storedBrightness_ = StoredSkinCaptionBrightness(); }
  static int storedBrightness_;
};
int SkinOptionTest::storedBrightness_ = 0;

TEST_F(SkinOptionTest, ACoalrimPackageIsWornInsteadOfTheStoredSkin) {
  auto lanvero = LanveroSession::Start(L"--skin " + Quoted(BuiltSkinPath(L"coalrim")));
  EXPECT_FALSE(WaitForMessageBox(lanvero->Id(), 1000)) << "a good skin was refused";
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(lanvero->Form()) < storedBrightness_ - kDarkerCaption; }, true))
      << "Lanvero does not wear the skin of the file";
  EXPECT_TRUE(AnswersSkinQuery(lanvero->Button(L"搜索")));
  EXPECT_TRUE(lanvero->Close());
}

TEST_F(SkinOptionTest, UnusablePackagesAreReportedAndTheStoredSkinStays) {
  const std::wstring random = RandomBytesFile();
  ExpectUnusableSkinMessage(ReportedMessageThenStoredSkin(L"--skin " + Quoted(random), storedBrightness_));
  DeleteFileW(random.c_str());

  const std::wstring truncated = TruncatedSkinFile();
  ExpectUnusableSkinMessage(ReportedMessageThenStoredSkin(L"--skin " + Quoted(truncated), storedBrightness_));
  DeleteFileW(truncated.c_str());

  const std::wstring gone = TemporaryFile(L"gon");
  DeleteFileW(gone.c_str());
  const std::wstring text = ReportedMessageThenStoredSkin(L"--skin " + Quoted(gone), storedBrightness_);
  ExpectUnusableSkinMessage(text);
  EXPECT_NE(text.find(L"there is no such file"), std::wstring::npos) << text.c_str();
}

TEST_F(SkinOptionTest, AWrongCommandLineIsReportedWithTheUsage) {
  const std::wstring text = ReportedMessageThenStoredSkin(L"--colour red", storedBrightness_);
  EXPECT_NE(text.find(L"unknown argument --colour"), std::wstring::npos) << text.c_str();
  EXPECT_NE(text.find(L"--skin FILE"), std::wstring::npos) << text.c_str();
}

TEST_F(SkinOptionTest, SkinNoneLeavesEveryWindowToTheSystem) {
  auto lanvero = LanveroSession::Start(L"--skin none");
  // The engine would skin the window within a few hundred milliseconds.
  lanvero->Settle(1000);
  EXPECT_FALSE(AnswersSkinQuery(lanvero->Form()));
  EXPECT_FALSE(AnswersSkinQuery(lanvero->Button(L"搜索")));
  EXPECT_EQ(lanvero->Status(), RecordCountStatus());
  EXPECT_TRUE(lanvero->Close());
}

}  // namespace
}  // namespace lanvero::e2e
