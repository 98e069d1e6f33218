// The five web links: each click hands one exact address, ending in the
// version text of the About page, to the shell. A stand-in browser
// registered for the http scheme records what the shell was asked to open.
#include <gtest/gtest.h>

#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/driver/UrlRecorder.h"
#include "tests/e2e/support/LanveroSession.h"

namespace lanvero::e2e {
namespace {

constexpr wchar_t kShippedVersion[] = L"1.3.20130318";
constexpr wchar_t kOnlineVersionPage[] = L"http://down.oristel.example/Data/Lanvero/?qq=Lanvero";
constexpr wchar_t kUpdatePage[] = L"http://down.oristel.example/?qq=Lanvero";
constexpr wchar_t kMakerHomePage[] = L"http://www.oristel.example/?qq=Lanvero";
constexpr wchar_t kVelmiraPage[] = L"http://www.velmira.example/?qq=Lanvero";
constexpr wchar_t kQuarrowPage[] = L"http://www.quarrow.example/?qq=Lanvero";

// Window-less labels, by their place in their parent's client area.
constexpr POINT kQuarrowLabelOnForm = {32 + 20, 567 + 6};
constexpr POINT kVelmiraLabelOnForm = {144 + 15, 567 + 6};
constexpr POINT kMakerLabelOnAboutGroup = {40 + 60, 104 + 6};

class WebLinksTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    recorder_ = std::make_unique<UrlRecorder>(BuildTreePath(L"tests/e2e/e2e_url_recorder.exe"),
                                              BuildTreePath(L"tests/e2e/e2e-opened-urls.log"));
    lanvero_ = LanveroSession::Start();
  }
  static void TearDownTestSuite() {
    lanvero_.reset();
    recorder_.reset();
  }
  void SetUp() override {
    ASSERT_TRUE(lanvero_ && lanvero_->Program().IsRunning());
    recorder_->Clear();
  }

  // Performs `click` and returns the one address the shell was asked to open.
  template <typename Click>
  static std::wstring OpenedBy(Click click) {
    recorder_->Clear();
    click();
    const std::vector<std::wstring> opened = recorder_->WaitForAddresses(1);
    Sleep(200);  // a second address would be a fault too
    const std::vector<std::wstring> all = recorder_->Addresses();
    if (all.size() != 1) return L"<" + std::to_wstring(all.size()) + L" addresses>";
    return all[0];
  }

  static std::wstring OpenedByButton(const wchar_t* caption) {
    return OpenedBy([&] { lanvero_->PressButton(caption); });
  }
  static std::wstring OpenedByLabel(HWND parent, POINT at) {
    return OpenedBy([&] { lanvero_->ClickAt(parent, at); });
  }
  static HWND AboutGroup() { return GetParent(lanvero_->VersionEdit()); }

  static std::unique_ptr<UrlRecorder> recorder_;
  static std::unique_ptr<LanveroSession> lanvero_;
};
std::unique_ptr<UrlRecorder> WebLinksTest::recorder_;
std::unique_ptr<LanveroSession> WebLinksTest::lanvero_;

TEST_F(WebLinksTest, EachLinkOpensItsAddressWithTheVersion) {
  const std::wstring version = kShippedVersion;
  EXPECT_EQ(OpenedByButton(L"在线版本"), kOnlineVersionPage + version);
  EXPECT_EQ(OpenedByButton(L"软件升级"), kUpdatePage + version);
  EXPECT_EQ(OpenedByLabel(lanvero_->Form(), kQuarrowLabelOnForm), kQuarrowPage + version);
  EXPECT_EQ(OpenedByLabel(lanvero_->Form(), kVelmiraLabelOnForm), kVelmiraPage + version);
}

TEST_F(WebLinksTest, AboutPageLinkOpensTheMakerHomePage) {
  lanvero_->ShowPage(1);
  // The label is drawn by its group box, which must take the mouse for it.
  HWND group = AboutGroup();
  POINT onScreen = kMakerLabelOnAboutGroup;
  ClientToScreen(group, &onScreen);
  DWORD_PTR hit = 0;
  SendMessageTimeoutW(group, WM_NCHITTEST, 0, MAKELPARAM(onScreen.x, onScreen.y), SMTO_ABORTIFHUNG, 5000, &hit);
  EXPECT_NE(static_cast<LRESULT>(hit), HTTRANSPARENT) << "the About group box lets clicks through to the page";
  EXPECT_EQ(OpenedByLabel(group, kMakerLabelOnAboutGroup), kMakerHomePage + std::wstring(kShippedVersion));
  lanvero_->ShowPage(0);
}

TEST_F(WebLinksTest, LinksCarryTheVersionTextAsEdited) {
  lanvero_->ShowPage(1);
  lanvero_->ClickOn(lanvero_->VersionEdit());
  PressKey(VK_END);
  PressKey(VK_BACK);
  PressKey(VK_BACK);
  TypeText(L"99-测试");
  lanvero_->Settle();
  const std::wstring edited = L"1.3.201303" + std::wstring(L"99-测试");
  ASSERT_EQ(ControlText(lanvero_->VersionEdit()), edited);

  EXPECT_EQ(OpenedByButton(L"在线版本"), kOnlineVersionPage + edited);
  EXPECT_EQ(OpenedByButton(L"软件升级"), kUpdatePage + edited);
  lanvero_->ShowPage(0);
  EXPECT_EQ(OpenedByLabel(lanvero_->Form(), kVelmiraLabelOnForm), kVelmiraPage + edited);
  EXPECT_EQ(WindowText(lanvero_->Form()), L"Lanvero 1.3.20130318") << "the caption keeps the version of the start";
}

}  // namespace
}  // namespace lanvero::e2e
