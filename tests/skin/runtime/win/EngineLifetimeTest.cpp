// The engine lets go of windows cleanly: repeated install and uninstall,
// many skin changes, a form deleted or re-created while skinned, and a skin
// the engine cannot use. Handles are counted with the owners' own counters
// (the platform's counts answer 0 under Wine) and windows by enumeration.
#include <gtest/gtest.h>

#include "framework/base/GdiObject.h"
#include "skin/package/SkinNotifier.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/package/SkinPackageWriter.h"
#include "skin/codec/LzhCodec.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using EngineLifetimeTest = SkinnedFormTest;

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct HandleCounts {
  int gdi = LiveGdiHandles();
  int windows = ThreadWindowCount();
  int frameSkinners = SkinManager().LiveFrameSkinners();
  static int LiveGdiHandles() { return framework::LiveGdiHandles(); }
  bool operator==(const HandleCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const HandleCounts& c) {
  return out << "{gdi " << c.gdi << ", windows " << c.windows << ", frame skinners " << c.frameSkinners << "}";
}

void Request(TSkinData& skin, bool active) {
  skin.SetActive(active);
  RunPendingRequest();
}

TEST_F(EngineLifetimeTest, FiftyInstallUninstallCyclesRestoreTheWindowProcedureAndLeakNothing) {
  MakeSkinnedForm();
  const LONG_PTR classProc = GetClassLongPtrW(Window(), GCLP_WNDPROC);
  const HandleCounts skinned;
  for (int cycle = 0; cycle < 50; ++cycle) {
    Request(*skin_, false);
    ASSERT_EQ(Skinner(), nullptr) << "cycle " << cycle;
    ASSERT_EQ(GetWindowLongPtrW(Window(), GWLP_WNDPROC), classProc) << "cycle " << cycle;
    ASSERT_EQ(SkinManager().LiveFrameSkinners(), 0);
    Request(*skin_, true);
    PumpFor(30);
    ASSERT_NE(Skinner(), nullptr) << "cycle " << cycle;
  }
  EXPECT_EQ(HandleCounts(), skinned);
}

TEST_F(EngineLifetimeTest, TwoHundredSkinChangesKeepTheWindowSkinnedAndLeakNothing) {
  MakeSkinnedForm();
  const FrameWidths paleglass = Skinner()->bw;
  const HandleCounts before;
  for (int change = 0; change < 200; ++change) {
    skin_->LoadFromFile(BuiltSkinFile(change % 2 == 0 ? "coalrim" : "paleglass"));
    RunPendingRequest();
    ASSERT_NE(Skinner(), nullptr) << "change " << change;
  }
  EXPECT_EQ(Skinner()->bw, paleglass) << "the last skin loaded is Paleglass";
  EXPECT_EQ(Skinner()->Skinstate, kFrameRunning);
  EXPECT_EQ(HandleCounts(), before);
}

TEST_F(EngineLifetimeTest, SecondSkinReskinsTheOpenWindow) {
  MakeSkinnedForm();
  const FrameWidths paleglass = Skinner()->bw;
  skin_->LoadFromFile(BuiltSkinFile("coalrim"));
  RunPendingRequest();
  ASSERT_NE(Skinner(), nullptr);
  EXPECT_NE(Skinner()->bw, paleglass);
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 400) << "the client area keeps its size across skins";
  EXPECT_EQ(client.bottom, 300);
}

TEST_F(EngineLifetimeTest, DeletingASkinnedFormFreesItsSkinner) {
  MakeSkinnedForm();
  const HWND window = Window();
  form_.reset();
  PumpFor(50);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(SkinManager().LiveFrameSkinners(), 0);
  EXPECT_TRUE(SkinManager().Frames().empty());
}

TEST_F(EngineLifetimeTest, RecreatedWindowIsSkinnedAgain) {
  MakeSkinnedForm();
  const HWND first = Window();
  form_->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
  form_->Handle();
  form_->Hide();
  form_->Show();
  ASSERT_TRUE(form_->HandleAllocated());
  const HWND second = Window();
  ASSERT_NE(first, second) << "changing the border style re-creates the window";
  SetForegroundWindow(second);
  for (int i = 0; i < 50 && !Skinner(); ++i) PumpFor(20);
  ASSERT_NE(Skinner(), nullptr);
  EXPECT_EQ(Skinner()->FormBorder, sbsSingle);
  EXPECT_EQ(SkinManager().LiveFrameSkinners(), 1) << "the old window's skinner was not freed";
}

// Answers the message box the engine shows with OK, remembering its text.
std::wstring g_boxText;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowW(L"#32770", nullptr);
  if (!box) return;
  KillTimer(nullptr, id);
  wchar_t text[256] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 256);
  g_boxText = text;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(EngineLifetimeTest, SkinOfUnknownVersionIsReportedAndTheCurrentSkinStays) {
  MakeSkinnedForm();
  const FrameWidths before = Skinner()->bw;
  // A package whose version field (its first two bytes) names no version.
  std::vector<uint8_t> package = BuildSkinPackage({{"skin.ini", {'[', 'a', ']'}}});
  package[0] = 0x10;
  package[1] = 0x27;
  ByteStream stream(PackWithSize(package));
  g_boxText.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerMessageBox);
  skin_->LoadFromStream(stream);
  KillTimer(nullptr, timer);
  EXPECT_NE(g_boxText.find(L"This is Older Skin File"), std::wstring::npos) << "box text: " << g_boxText.size();
  EXPECT_FALSE(skin_->Empty);
  RunPendingRequest();
  ASSERT_NE(Skinner(), nullptr);
  EXPECT_EQ(Skinner()->bw, before);
}

}  // namespace
}  // namespace lanvero::testing
