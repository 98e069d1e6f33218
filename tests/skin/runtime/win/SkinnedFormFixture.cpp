#include "tests/skin/runtime/win/SkinnedFormFixture.h"

#include <cstdlib>

#include "skin/image/win/SkinText.h"

namespace lanvero::testing {
namespace {

std::function<void(HWND)> g_duringMenu;
bool g_sawMenu = false;

BOOL CALLBACK FindPopupMenuWindow(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || GetWindowClassStr(window) != L"#32768") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Steps run one by one from a timer while a menu loop runs.
std::vector<std::function<void()>> g_steps;
size_t g_nextStep = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
  if (g_nextStep < g_steps.size()) g_steps[g_nextStep++]();
}

void CALLBACK MenuOpenTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND popup = OpenPopupMenuWindow();
  g_sawMenu = popup != nullptr;
  if (g_duringMenu && popup) g_duringMenu(popup);
  EndMenu();
}

void RunActionNow(TrackerAction action) {
  SkinManager().UpdateData = SkinManager().Components().front();
  SkinManager().action = action;
  SkinManager().DoAction();
}

}  // namespace

HWND OpenPopupMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindPopupMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool WithMenuOpen(const std::function<void()>& open, const std::function<void(HWND popup)>& during) {
  g_duringMenu = during;
  g_sawMenu = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, MenuOpenTimer);
  open();
  KillTimer(nullptr, timer);
  g_duringMenu = nullptr;
  return g_sawMenu;
}

void RunInMenuLoop(const std::function<void()>& open, std::vector<std::function<void()>> steps) {
  for (int i = 0; i < 6; ++i) steps.push_back([] { EndMenu(); });
  g_steps = std::move(steps);
  g_nextStep = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 120, RunNextStep);
  open();
  KillTimer(nullptr, timer);
  g_steps.clear();
}

std::wstring BuiltSkinFile(const std::string& name) {
  const char* binary = std::getenv("LANVERO_BINARY_DIR");
  std::filesystem::path path = binary ? std::filesystem::path(binary) : std::filesystem::path();
  return (path / "assets" / "skins" / (name + ".skn")).wstring();
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    framework::testing::Pump();
    Sleep(10);
  } while (GetTickCount() - start < milliseconds);
  framework::testing::Pump();
}

void RunPendingRequest() {
  SkinManager().DoAction();
  PumpFor(50);
}

void UninstallNow() { RunActionNow(kActionUninstall); }
void InstallNow() { RunActionNow(kActionInstall); }

void SkinnedFormTest::SetUp() { engine_ = std::make_unique<SkinEngineScope>(); }

void SkinnedFormTest::TearDown() {
  StopRecording();
  form_.reset();
  engine_.reset();
}

void SkinnedFormTest::MakeSkinnedForm(const std::string& extraProperties, int clientWidth, int clientHeight) {
  form_ = framework::testing::MakeForm("object SkinTestForm: TTestForm\n"
                                       "  Left = 120\n  Top = 80\n"
                                       "  ClientWidth = " +
                                       std::to_string(clientWidth) + "\n" +
                                       "  ClientHeight = " + std::to_string(clientHeight) + "\n" +
                                       "  Caption = 'Skinned'\n  " + extraProperties + "\nend\n");
  skin_ = new TSkinData(form_.get());
  skin_->SetActive(true);
  skin_->LoadFromFile(BuiltSkinFile("paleglass"));
  ASSERT_FALSE(skin_->Empty);
  if (beforeShow_) beforeShow_(*form_);
  form_->Show();
  SetForegroundWindow(Window());
  for (int i = 0; i < 100 && !(Skinner() && Skinner()->Skinstate == kFrameRunning); ++i) PumpFor(20);
  ASSERT_NE(Skinner(), nullptr) << "the form was not skinned";
  ASSERT_EQ(Skinner()->Skinstate, kFrameRunning);
  // The caption buttons are laid out as the caption is painted.
  RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(20);
}

TWinSkinForm* SkinnedFormTest::Skinner() const {
  return form_ && form_->HandleAllocated() ? SkinManager().FrameSkinnerOf(form_->WindowHandle()) : nullptr;
}

RECT SkinnedFormTest::WindowRect() const {
  RECT r{};
  GetWindowRect(Window(), &r);
  return r;
}

void SkinnedFormTest::Record() {
  recorderPrevious_ = form_->WindowProc;
  recording_ = true;
  form_->WindowProc = [this](framework::TMessage& message) {
    seen_.push_back({message.Msg, message.WParam, message.LParam});
    recorderPrevious_(message);
  };
}

void SkinnedFormTest::StopRecording() {
  if (recording_ && form_) form_->WindowProc = recorderPrevious_;
  recording_ = false;
}

POINT SkinnedFormTest::ScreenPoint(int x, int y) const {
  const RECT r = WindowRect();
  return POINT{r.left + x, r.top + y};
}

LPARAM SkinnedFormTest::ScreenLParam(int x, int y) const {
  const POINT p = ScreenPoint(x, y);
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

}  // namespace lanvero::testing
