// A skinned MDI frame: every child gets its own frame skinner, a maximised
// child's caption buttons show in the frame's menu band as the skin's MDI
// buttons and work there, the Window menu of the skinned bar switches
// children, and children coming and going leave no handles or skinners.
// After each step the frame's caption and menu band are compared with
// reviewed images (with and without the merged buttons).
#include <functional>
#include <memory>
#include <vector>

#include "framework/base/GdiObject.h"
#include "framework/menus/Menus.h"
#include "skin/runtime/menus/MenuBar.h"
#include "tests/e2e/driver/Golden.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::TCloseAction;
using framework::TMainMenu;
using framework::TMenuItem;
using framework::testing::TTestForm;

constexpr int32_t kMergedButtonPlace = 100;
constexpr int32_t kMergedRestore = 8;
constexpr int32_t kMergedClose = 9;
constexpr char kGoldenFolder[] = "tests/skin/runtime/win/golden";
constexpr char kBandNormal[] = "mdi_frame_top_normal";
constexpr char kBandMaximised[] = "mdi_frame_top_maximised";
constexpr char kBandNextMaximised[] = "mdi_frame_top_next_maximised";

std::unique_ptr<TTestForm> MakeChild(const std::string& name) {
  return framework::testing::MakeForm("object " + name +
                                      ": TTestForm\n  Left = 10\n  Top = 10\n  Width = 240\n"
                                      "  Height = 160\n  Caption = '" +
                                      name + "'\n  FormStyle = fsMDIChild\nend\n");
}

bool WaitForFrameSkinner(HWND window) {
  for (int i = 0; i < 100; ++i) {
    const TWinSkinForm* skinner = SkinManager().FrameSkinnerOf(window);
    if (skinner && skinner->Skinstate == kFrameRunning) return true;
    PumpFor(20);
  }
  return false;
}

class MDISkinTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    beforeShow_ = [this](TTestForm& form) { BuildMenu(form); };
    MakeSkinnedForm("FormStyle = fsMDIForm\n  BorderIcons = [biSystemMenu, biMinimize, biMaximize]", 640, 420);
  }

  void TearDown() override {
    children_.clear();
    PumpFor(20);
    SkinnedFormTest::TearDown();
  }

  void BuildMenu(TTestForm& form) {
    menu_ = new TMainMenu(&form);
    auto* file = new TMenuItem(menu_);
    file->SetCaption(L"&File");
    menu_->Items()->Add(file);
    window_ = new TMenuItem(menu_);
    window_->SetCaption(L"&Window");
    menu_->Items()->Add(window_);
    auto* tile = new TMenuItem(menu_);
    tile->SetCaption(L"&Tile");
    window_->Add(tile);
    form.SetMenu(menu_);
    form.SetWindowMenu(window_);
  }

  TTestForm* OpenChild(const std::string& name) {
    children_.push_back(MakeChild(name));
    children_.back()->Show();
    EXPECT_TRUE(WaitForFrameSkinner(children_.back()->WindowHandle())) << name << " got no frame skinner";
    return children_.back().get();
  }

  HWND Client() const { return form_->ClientHandle(); }

  void Maximise(TTestForm& child) {
    SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child.WindowHandle()), 0);
    PumpFor(100);
  }

  const TWinSysButton* MergedButton(int32_t action) const {
    for (const auto& button : Skinner()->Buttons()) {
      if (button->data.Visibility == kMergedButtonPlace && button->data.Action == action) return button.get();
    }
    return nullptr;
  }

  // A press and release on a merged button, as the mouse gives them.
  void Click(const TWinSysButton& button) {
    const int x = (button.bounds.left + button.bounds.right) / 2;
    const int y = (button.bounds.top + button.bounds.bottom) / 2;
    const LRESULT hit = SendMessageW(Window(), WM_NCHITTEST, 0, ScreenLParam(x, y));
    SendMessageW(Window(), WM_NCLBUTTONDOWN, hit, ScreenLParam(x, y));
    SendMessageW(Window(), WM_NCLBUTTONUP, hit, ScreenLParam(x, y));
    PumpFor(150);
  }

  // The frame's caption bar and menu band as the display shows them, with
  // the mouse away so that no button is hot.
  ::testing::AssertionResult FrameTopMatches(const char* golden) {
    SetCursorPos(0, 0);
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(150);
    const int rows = Skinner()->bw.top + Skinner()->MenuHeight;
    return e2e::MatchesGolden(e2e::CropTop(e2e::CaptureWindow(Window()), rows), kGoldenFolder, golden);
  }

  TMenuBtn* WindowButton() {
    for (const auto& button : Skinner()->MenuBar()->Buttons()) {
      if (button->caption == L"&Window") return button.get();
    }
    return nullptr;
  }

  TMainMenu* menu_ = nullptr;
  TMenuItem* window_ = nullptr;
  std::vector<std::unique_ptr<TTestForm>> children_;
};

TEST_F(MDISkinTest, MaximisedChildsButtonsAreMergedIntoTheMenuBandAndRestoreAndClose) {
  ASSERT_EQ(Skinner()->FormStyle, sfsMDIform);
  ASSERT_EQ(GetMenu(Window()), nullptr) << "the frame's menu is drawn by the skinned bar";
  TTestForm* first = OpenChild("FirstChild");
  TTestForm* second = OpenChild("SecondChild");
  EXPECT_EQ(SkinManager().FrameSkinnerOf(first->WindowHandle())->FormStyle, sfsMDIChild);
  EXPECT_NE(SkinManager().FrameSkinnerOf(first->WindowHandle()), SkinManager().FrameSkinnerOf(second->WindowHandle()));
  EXPECT_TRUE(FrameTopMatches(kBandNormal));

  Maximise(*second);
  ASSERT_TRUE(IsZoomed(second->WindowHandle()));
  EXPECT_TRUE(Skinner()->MDIChildMax());
  EXPECT_TRUE(SkinManager().MDIMax);
  EXPECT_EQ(GetMenu(Window()), nullptr) << "maximising must not bring the native bar back";
  const Rect band = Skinner()->MenuBar()->Bar;
  for (int32_t action : {7, kMergedRestore, kMergedClose}) {
    const TWinSysButton* button = MergedButton(action);
    ASSERT_NE(button, nullptr) << "merged button " << action;
    EXPECT_TRUE(button->visible) << "merged button " << action;
    EXPECT_GE(button->bounds.top, band.top) << "merged button " << action << " lies outside the menu band";
    EXPECT_LE(button->bounds.bottom, band.bottom) << "merged button " << action;
    EXPECT_LE(button->bounds.right, band.right) << "merged button " << action;
    EXPECT_GT(button->bounds.left, Skinner()->MenuBar()->Buttons().back()->bounds.right)
        << "merged button " << action << " covers the menu's buttons";
  }
  EXPECT_TRUE(FrameTopMatches(kBandMaximised));

  Click(*MergedButton(kMergedRestore));
  EXPECT_FALSE(IsZoomed(second->WindowHandle())) << "the merged restore left the child maximised";
  EXPECT_FALSE(Skinner()->MDIChildMax());
  EXPECT_FALSE(SkinManager().MDIMax);
  EXPECT_FALSE(MergedButton(kMergedRestore)->visible) << "restored, the band shows no merged buttons";
  EXPECT_TRUE(FrameTopMatches(kBandNormal)) << "after the merged restore";

  Maximise(*second);
  ASSERT_TRUE(IsZoomed(second->WindowHandle()));
  const HWND closing = second->WindowHandle();
  second->OnClose = [this](framework::TObject*, TCloseAction& action) {
    action = TCloseAction::caFree;
    children_.back().release();  // the form frees itself now
  };
  Click(*MergedButton(kMergedClose));
  PumpFor(100);
  EXPECT_FALSE(IsWindow(closing)) << "the merged close did not close the child";
  EXPECT_EQ(SkinManager().FrameSkinnerOf(closing), nullptr);
  EXPECT_EQ(form_->ActiveMDIChild(), first);
  // The child that comes forward takes the maximised state over.
  EXPECT_TRUE(IsZoomed(first->WindowHandle()));
  EXPECT_TRUE(FrameTopMatches(kBandNextMaximised)) << "after the merged close";
  children_.pop_back();
}

TEST_F(MDISkinTest, WindowMenuOfTheSkinnedBarSwitchesChildren) {
  TTestForm* first = OpenChild("FirstChild");
  OpenChild("SecondChild");
  ASSERT_NE(form_->ActiveMDIChild(), first);
  TMenuBtn* window = WindowButton();
  ASSERT_NE(window, nullptr);
  // The first child is the list's first entry, "&1 FirstChild"; its
  // accelerator picks it inside the drop-down's loop.
  bool shown = false;
  RunInMenuLoop([&] { Skinner()->CheckMenu(window); },
                {[&] { shown = OpenPopupMenuWindow() != nullptr; },
                 [] { PostMessageW(GetFocus() ? GetFocus() : GetActiveWindow(), WM_KEYDOWN, '1', 1); }});
  ASSERT_TRUE(shown) << "the Window drop-down did not open";
  PumpFor(100);
  EXPECT_EQ(form_->ActiveMDIChild(), first) << "choosing the first child in the Window menu did not activate it";
  EXPECT_TRUE(FrameTopMatches(kBandNormal)) << "after switching children";
}

TEST_F(MDISkinTest, HundredChildrenOpenedAndClosedLeaveNoHandlesOrSkinners) {
  // One child first, so that caches the frame fills once are counted.
  OpenChild("Warm");
  children_.clear();
  PumpFor(50);
  const int gdi = framework::LiveGdiHandles();
  const int skinners = SkinManager().LiveFrameSkinners();
  for (int i = 0; i < 100; ++i) {
    TTestForm* child = OpenChild("Cycle");
    if (i % 10 == 0) Maximise(*child);
    children_.clear();
    framework::testing::Pump();
  }
  PumpFor(100);
  EXPECT_EQ(framework::LiveGdiHandles(), gdi);
  EXPECT_EQ(SkinManager().LiveFrameSkinners(), skinners);
  EXPECT_EQ(form_->MDIChildCount(), 0);
}

}  // namespace
}  // namespace lanvero::testing
