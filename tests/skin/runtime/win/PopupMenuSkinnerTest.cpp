// Popup menu windows of a skinned program: each gets a skinner while it is
// open and none afterwards, wears the skin's menu background around its
// items, and an uninstall while a menu is open gives everything back.
#include "framework/base/GdiObject.h"
#include "framework/menus/Menus.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/menus/PopupMenuSkinner.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::TMenuItem;
using framework::TPopupMenu;
using framework::testing::FindIn;
using framework::testing::MenuItemType;

constexpr const char* kFormWithPopupMenu = "BorderIcons = [biSystemMenu, biMinimize, biMaximize]\n"
                                           "  object Popup1: TPopupMenu\n"
                                           "    object Open1: TMenuItem\n      Caption = '&Open'\n    end\n"
                                           "    object Line1: TMenuItem\n      Caption = '-'\n    end\n"
                                           "    object Quit1: TMenuItem\n      Caption = 'Quit'\n    end\n"
                                           "  end";

class PopupMenuSkinnerTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(kFormWithPopupMenu);
    popup_ = FindIn<TPopupMenu>(*form_, L"Popup1");
    ASSERT_NE(popup_, nullptr);
    popup_->SetPopupComponent(form_.get());
    // Fonts and brushes the first menu makes live as long as the program.
    ASSERT_TRUE(WithPopupOpen(nullptr));
    PumpFor(30);
  }
  // Shows the form's popup menu over its client area.
  bool WithPopupOpen(const std::function<void(HWND)>& during) {
    const POINT at = ScreenPoint(80, 80);
    return WithMenuOpen([&] { popup_->Popup(at.x, at.y); }, during);
  }
  TMenuItem* Item(const wchar_t* name) const { return FindIn<TMenuItem>(*form_, name); }

  TPopupMenu* popup_ = nullptr;
};

TEST_F(PopupMenuSkinnerTest, OpenMenuHasASkinnerThatGoesWithItsWindowAndLeavesNoHandles) {
  const int gdi = framework::LiveGdiHandles();
  size_t listed = 0;
  HWND skinnedWindow = nullptr;
  HWND shown = nullptr;
  bool knowsItsMenu = false;
  bool itemsOwnerDrawn = false;
  ASSERT_TRUE(WithPopupOpen([&](HWND popup) {
    shown = popup;
    listed = SkinManager().PopupMenus().size();
    if (listed == 0) return;
    const TWinSkinPopMenu& skinner = *SkinManager().PopupMenus().front();
    skinnedWindow = skinner.hwnd;
    knowsItsMenu = skinner.hmenu == popup_->Items()->Handle();
    itemsOwnerDrawn = skinner.ownerdraw;
  }));
  EXPECT_EQ(listed, 1u);
  EXPECT_EQ(skinnedWindow, shown);
  EXPECT_TRUE(knowsItsMenu) << "the items drawn tell the skinner which menu it shows";
  EXPECT_TRUE(itemsOwnerDrawn);
  PumpFor(50);
  EXPECT_TRUE(SkinManager().PopupMenus().empty());
  EXPECT_EQ(TWinSkinPopMenu::Live(), 0) << "a popup menu skinner outlived its window";
  EXPECT_EQ(framework::LiveGdiHandles(), gdi);
}

TEST_F(PopupMenuSkinnerTest, PopupWindowAnswersTheSkinQueryAndWearsTheSkinBackgroundAroundItsItems) {
  e2e::Image shot;
  PixelImage background;
  LRESULT query = 0;
  ASSERT_TRUE(WithPopupOpen([&](HWND popup) {
    query = SendMessageW(popup, WM_SKINQUERY, 0, 0);
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Sleep(200);
    shot = e2e::CaptureWindow(popup);
    if (!SkinManager().PopupMenus().empty()) background = SkinManager().PopupMenus().front()->MenuBg.image.ToImage();
  }));
  EXPECT_EQ(query, 1);
  ASSERT_GT(shot.width, 6);
  ASSERT_EQ(background.Width(), shot.width) << "the background covers the whole window";
  ASSERT_EQ(background.Height(), shot.height);
  // Corners and edges lie outside every item: they show the skin exactly.
  for (const POINT p : {POINT{0, 0}, POINT{shot.width - 1, 0}, POINT{0, shot.height - 1},
                        POINT{shot.width - 1, shot.height - 1}, POINT{1, shot.height / 2}, POINT{shot.width / 2, 1}}) {
    EXPECT_EQ(shot.At(p.x, p.y) & 0xFFFFFF, background.At(p.x, p.y) & 0xFFFFFF) << "at " << p.x << "," << p.y;
  }
}

TEST_F(PopupMenuSkinnerTest, ItemsGetTheSkinHandlersExceptInAMenuTaggedToKeepItsOwnLook) {
  TMenuItem* open = Item(L"Open1");
  ASSERT_NE(open, nullptr);
  EXPECT_TRUE(popup_->OwnerDraw());
  EXPECT_TRUE(open->OnDrawItem);
  EXPECT_TRUE(open->OnMeasureItem);
  // A program's own measure handler stays; the draw handler is the skin's.
  bool ownMeasureRan = false;
  open->OnMeasureItem = [&](framework::TObject*, framework::TCanvas&, int&, int&) { ownMeasureRan = true; };
  Skinner()->InitPopMenu(form_.get(), true, false);
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, open->Command(), 0, 0, 0};
  open->MeasureItem(measure);
  EXPECT_TRUE(ownMeasureRan);
  Skinner()->InitPopMenu(form_.get(), false, false);
  EXPECT_FALSE(open->OnDrawItem);
  EXPECT_TRUE(open->OnMeasureItem) << "only the skin's own handlers come off";
  EXPECT_FALSE(popup_->OwnerDraw());

  popup_->SetTag(skin_->DisableTag());
  Skinner()->InitPopMenu(form_.get(), true, false);
  EXPECT_FALSE(open->OnDrawItem);
  EXPECT_FALSE(popup_->OwnerDraw());
}

TEST_F(PopupMenuSkinnerTest, UninstallWhileThePopupMenuIsOpenGivesEverythingBack) {
  const LONG_PTR classProc = GetClassLongPtrW(Window(), GCLP_WNDPROC);
  const int skinnedGdi = framework::LiveGdiHandles();
  TMenuItem* open = Item(L"Open1");
  bool handlersGone = false;
  ASSERT_TRUE(WithPopupOpen([&](HWND popup) {
    UninstallNow();
    handlersGone = !open->OnDrawItem && !open->OnMeasureItem;
    // The open menu goes on working: its items now draw themselves.
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  }));
  PumpFor(50);
  EXPECT_TRUE(handlersGone) << "handlers stayed bound to a released skinner";
  EXPECT_EQ(Skinner(), nullptr);
  EXPECT_EQ(SkinManager().LiveFrameSkinners(), 0);
  EXPECT_TRUE(SkinManager().PopupMenus().empty());
  EXPECT_EQ(TWinSkinPopMenu::Live(), 0);
  EXPECT_EQ(GetWindowLongPtrW(Window(), GWLP_WNDPROC), classProc);
  EXPECT_FALSE(popup_->OwnerDraw());
  EXPECT_EQ(MenuItemType(popup_->Handle(), open->Command()), static_cast<UINT>(MFT_STRING)) << "native items again";

  // Skinned again, the program holds as many handles as before.
  InstallNow();
  for (int i = 0; i < 50 && !(Skinner() && Skinner()->Skinstate == kFrameRunning); ++i) PumpFor(20);
  ASSERT_NE(Skinner(), nullptr);
  EXPECT_TRUE(open->OnDrawItem);
  EXPECT_EQ(framework::LiveGdiHandles(), skinnedGdi);
}

}  // namespace
}  // namespace lanvero::testing
