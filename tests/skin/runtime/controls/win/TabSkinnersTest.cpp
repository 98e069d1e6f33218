// The tab and page skinners on real page and tab controls: the tab strip
// and the page border from the skin's frames, the pages in the face
// colour, switching pages by mouse and keyboard under the skin, close
// marks, and the controls' lifetime.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "framework/controls/PageControl.h"
#include "framework/controls/TabControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "skin/runtime/controls/TabSkinner.h"
#include "tests/skin/runtime/controls/win/TabFamilyPixels.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::TPageControl;
using framework::TTabSheet;
using framework::testing::FindIn;

using TabSkinnersTest = SkinnedFormTest;

std::string PagesLayout(const std::string& extra = "") {
  return "object Pages: TPageControl\n Left = 10\n Top = 10\n Width = 320\n Height = 200\n" + extra +
         " object Sheet1: TTabSheet\n Caption = 'One'\n end\n"
         " object Sheet2: TTabSheet\n Caption = 'Two'\n end\n"
         " object Sheet3: TTabSheet\n Caption = 'Three'\n end\n"
         "end\n";
}

RECT TabRect(HWND tabs, int i) {
  RECT r{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
  return r;
}

LPARAM CentreOf(const RECT& r) { return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

// A point in the tab's top band (above its caption) where frames 1 and 2
// of the tab image differ and neither is transparent: what the strip shows
// there tells the frame apart.
struct FrameProbe {
  int x, y;
  Color normal, current;
};

std::optional<FrameProbe> TellingPoint(const TDataSkinBorder& tab, int width, int height) {
  DibSection normal = BuiltFrame(MapHandle(tab.Map), tab.r, 1, tab.frame, width, height);
  DibSection current = BuiltFrame(MapHandle(tab.Map), tab.r, 2, tab.frame, width, height);
  for (int y = 0; y < std::min(height, 5); ++y) {
    for (int x = width / 4; x < width * 3 / 4; ++x) {
      const Color a = PixelAt(normal, x, y), b = PixelAt(current, x, y);
      if (a != b && a != 0xFF00FF && b != 0xFF00FF) return FrameProbe{x, y, a, b};
    }
  }
  return std::nullopt;
}

// The frame (1 or 2) the strip shows for tab `i`, 0 for neither.
int ShownFrame(HWND tabs, int i, const TDataSkinBorder& tab) {
  const RECT r = TabRect(tabs, i);
  const auto probe = TellingPoint(tab, r.right - r.left, r.bottom - r.top);
  if (!probe) return -1;
  DibSection painted = PaintedBy(tabs);
  const Color seen = PixelAt(painted, r.left + probe->x, r.top + 1 + probe->y);
  return seen == probe->normal ? 1 : seen == probe->current ? 2 : 0;
}

TEST_F(TabSkinnersTest, StripShowsTheCurrentTabInFrameTwoAndTheOthersInFrameOneAndThePageBorder) {
  MakeSkinnedForm(PagesLayout(" ActivePage = Sheet2\n"));
  auto* pages = FindIn<TPageControl>(*form_, L"Pages");
  ASSERT_TRUE(pages);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(pages)), L"TSkinTab");
  const HWND tabs = pages->WindowHandle();
  const TDataSkinBorder& tab = *skin_->tab;
  EXPECT_EQ(ShownFrame(tabs, 0, tab), 1);
  EXPECT_EQ(ShownFrame(tabs, 1, tab), 2);
  EXPECT_EQ(ShownFrame(tabs, 2, tab), 1);

  // A tab under the mouse keeps its frame: the skin has no hot tab.
  SendMessageW(tabs, WM_MOUSEMOVE, 0, CentreOf(TabRect(tabs, 2)));
  EXPECT_EQ(ShownFrame(tabs, 2, tab), 1);

  // The page border: the page image with its fixed borders at the page
  // rectangle (display area grown by 4, one pixel up under the tabs).
  RECT window{};
  GetWindowRect(tabs, &window);
  RECT page{0, 0, window.right - window.left, window.bottom - window.top};
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  InflateRect(&page, 4, 4);
  page.top += 1;
  DibSection border =
      BuiltFrame(MapHandle(tab.MaskMap), Margins{4, 5, 4, 4}, 1, 1, page.right - page.left, page.bottom - page.top);
  DibSection painted = PaintedBy(tabs);
  for (const POINT at : {POINT{1, 30}, POINT{page.right - page.left - 2, 40}, POINT{60, page.bottom - page.top - 2}}) {
    EXPECT_EQ(PixelAt(painted, page.left + at.x, page.top + at.y), PixelAt(border, at.x, at.y)) << at.x << "," << at.y;
  }
}

TEST_F(TabSkinnersTest, ClickingATabOrPressingCtrlTabSwitchesPagesUnderTheSkin) {
  MakeSkinnedForm(PagesLayout());
  auto* pages = FindIn<TPageControl>(*form_, L"Pages");
  ASSERT_TRUE(pages);
  int changes = 0;
  pages->OnChange = [&](framework::TObject*) { ++changes; };
  const HWND tabs = pages->WindowHandle();
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(TabRect(tabs, 2)));
  SendMessageW(tabs, WM_LBUTTONUP, 0, CentreOf(TabRect(tabs, 2)));
  EXPECT_EQ(pages->ActivePage(), FindIn<TTabSheet>(*form_, L"Sheet3"));
  EXPECT_EQ(ShownFrame(tabs, 2, *skin_->tab), 2) << "the strip follows the selection";

  pages->SetFocus();
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  PumpFor(30);
  EXPECT_EQ(pages->ActivePage(), FindIn<TTabSheet>(*form_, L"Sheet1")) << "Ctrl+Tab goes round past the last page";
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  PumpFor(30);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(pages->ActivePage(), FindIn<TTabSheet>(*form_, L"Sheet3")) << "Ctrl+Shift+Tab goes back";
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(ShownFrame(tabs, 2, *skin_->tab), 2);
}

TEST_F(TabSkinnersTest, CloseMarkFreesThePageOfTheClickedTabEvenWithHiddenTabsUnlessTheWindowKeepsIt) {
  MakeSkinnedForm(PagesLayout(" Tag = 7777\n"));
  auto* pages = FindIn<TPageControl>(*form_, L"Pages");
  ASSERT_TRUE(pages);
  FindIn<TTabSheet>(*form_, L"Sheet2")->SetTabVisible(false);
  auto* skinner = dynamic_cast<TSkinTab*>(SkinnerOfControl(pages));
  ASSERT_TRUE(skinner);
  ASSERT_TRUE(skinner->showclose);
  const HWND tabs = pages->WindowHandle();
  DibSection painted = PaintedBy(tabs);
  ASSERT_EQ(skinner->CloseRect.size(), 2u);
  const RECT mark = skinner->CloseRect[1];
  EXPECT_EQ(PixelAt(painted, mark.left, mark.top), 0u) << "the mark's outline";
  EXPECT_EQ(PixelAt(painted, (mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2), 0u) << "its diagonals";

  // The program keeps the page by answering the notification.
  std::vector<LPARAM> asked;
  framework::TWndMethod previous = form_->WindowProc;
  form_->WindowProc = [&](framework::TMessage& message) {
    if (message.Msg != WM_SKINTABCLOSE) return previous(message);
    asked.push_back(message.LParam);
    message.Result = asked.size() == 1 ? 1 : 0;
  };
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(mark));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], 1);
  EXPECT_EQ(pages->PageCount(), 3);

  // Tab 1 is the third page: the second is hidden and has no tab.
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(mark));
  form_->WindowProc = previous;
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(FindIn<TTabSheet>(*form_, L"Sheet3"), nullptr);
  EXPECT_NE(FindIn<TTabSheet>(*form_, L"Sheet2"), nullptr);
  EXPECT_EQ(pages->ActivePage(), FindIn<TTabSheet>(*form_, L"Sheet1")) << "a press off the marks selects as usual";
}

TEST_F(TabSkinnersTest, PagesShowTheFaceColourAndSkinningSwitchesOffAndOnPerControl) {
  MakeSkinnedForm(PagesLayout());
  auto* pages = FindIn<TPageControl>(*form_, L"Pages");
  auto* sheet = FindIn<TTabSheet>(*form_, L"Sheet1");
  ASSERT_TRUE(pages && sheet);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(sheet)), L"TSkinTabSheet");
  DibSection page = PaintedBy(sheet->WindowHandle());
  EXPECT_EQ(PixelAt(page, page.Width() / 2, page.Height() / 2), AsPixel(skin_->Colors[kSchemeButtonFace]));

  const HWND tabs = pages->WindowHandle();
  EXPECT_EQ(SendMessageW(tabs, WM_SKINQUERY, 0, 0), 1);
  SendMessageW(tabs, WM_SKINENABLE, 0, 0);
  EXPECT_EQ(ShownFrame(tabs, 0, *skin_->tab), 0) << "the system draws the tabs";
  SendMessageW(tabs, WM_SKINENABLE, 1, 0);
  EXPECT_EQ(ShownFrame(tabs, 0, *skin_->tab), 2);
}

// The program frees the whole page control while the skinner asks it about
// a close mark: the skinner's own call is still running then.
TEST_F(TabSkinnersTest, APageControlFreedWhileItsSkinnerAsksAboutACloseMarkTakesItsSkinnersAlong) {
  MakeSkinnedForm(PagesLayout(" Tag = 7777\n"));
  auto* pages = FindIn<TPageControl>(*form_, L"Pages");
  ASSERT_TRUE(pages);
  auto* skinner = dynamic_cast<TSkinTab*>(SkinnerOfControl(pages));
  ASSERT_TRUE(skinner);
  const HWND tabs = pages->WindowHandle();
  PaintedBy(tabs);
  ASSERT_FALSE(skinner->CloseRect.empty());
  const RECT mark = skinner->CloseRect[0];
  const size_t before = Skinner()->Controls().size();
  framework::TWndMethod previous = form_->WindowProc;
  form_->WindowProc = [&](framework::TMessage& message) {
    if (message.Msg != WM_SKINTABCLOSE) return previous(message);
    delete pages;
    message.Result = 0;
  };
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(mark));
  form_->WindowProc = previous;
  PumpFor(20);
  EXPECT_FALSE(IsWindow(tabs));
  EXPECT_EQ(FindIn<TPageControl>(*form_, L"Pages"), nullptr);
  EXPECT_EQ(Skinner()->Controls().size(), before - 4) << "the tab skinner and the three page skinners left";
}

TEST_F(TabSkinnersTest, ButtonStyleTabsUseTheButtonFramesAndPlainTabControlsTheTabStrip) {
  MakeSkinnedForm(PagesLayout(" Style = tsButtons\n") +
                  "object Tabs: TTabControl\n Left = 10\n Top = 220\n Width = 300\n Height = 60\n"
                  " Tabs.Strings = ('First' 'Second')\n TabIndex = 0\n end\n");
  auto* pages = FindIn<TPageControl>(*form_, L"Pages");
  auto* tabControl = FindIn<framework::TTabControl>(*form_, L"Tabs");
  ASSERT_TRUE(pages && tabControl);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(pages)), L"TSkinTabBtn");
  TSkinControl* plain = SkinnerOfControl(tabControl);
  EXPECT_EQ(SkinnerKindOf(plain), L"TSkinTab");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->kind, 2);
  EXPECT_EQ(ShownFrame(tabControl->WindowHandle(), 0, *skin_->tab), 2);

  // Button tabs: the current one pressed (frame 2), the others frame 1.
  const TDataSkinButton& button = *skin_->Button;
  const HWND tabs = pages->WindowHandle();
  DibSection painted = PaintedBy(tabs);
  for (int i = 0; i < 2; ++i) {
    const RECT r = TabRect(tabs, i);
    DibSection expected =
        BuiltFrame(MapHandle(button.Map), button.r, i == 0 ? 2 : 1, button.frame, r.right - r.left, r.bottom - r.top);
    const Color want = PixelAt(expected, (r.right - r.left) / 2, 1);
    if (want == 0xFF00FF) continue;
    EXPECT_EQ(PixelAt(painted, (r.left + r.right) / 2, r.top + 2), want) << "tab " << i;
  }
}

// A raw tab control (no framework control) with its tabs on the left or at
// the bottom: the strip is composed lying flat from the working tab image
// (flipped for the bottom) and turned into place.
TEST_F(TabSkinnersTest, TabsOnTheLeftAreTurnedAndTabsAtTheBottomFlipped) {
  MakeSkinnedForm();
  struct Case {
    DWORD style;
    TSkinTabPosition position;
  };
  for (const Case c :
       {Case{TCS_VERTICAL | TCS_MULTILINE, TSkinTabPosition::Stleft}, Case{TCS_BOTTOM, TSkinTabPosition::Stbottom}}) {
    SCOPED_TRACE(c.style);
    const HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | c.style, 10, 10, 260, 200,
                                      Window(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(tabs);
    for (const wchar_t* text : {L"One", L"Two"}) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(text);
      SendMessageW(tabs, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    Skinner()->AddControlh(tabs);
    auto* skinner = dynamic_cast<TSkinTab*>(SkinnerOfWindow(tabs));
    ASSERT_TRUE(skinner);
    EXPECT_EQ(skinner->Position, c.position);
    const TDataSkinBorder& tab = *skin_->tab;
    DibSection painted = PaintedBy(tabs);
    const RECT r = TabRect(tabs, 1);
    const bool left = c.position == TSkinTabPosition::Stleft;
    // Built lying flat: a left tab is as wide as the rectangle is high.
    const int flatWidth = left ? r.bottom - r.top : r.right - r.left;
    const int flatHeight = left ? r.right - r.left : r.bottom - r.top;
    DibSection flat = BuiltFrame(skinner->tabbmp.Handle(), tab.r, 1, tab.frame, flatWidth, flatHeight);
    int compared = 0;
    for (int fy = 0; fy < flatHeight; fy += 3) {
      for (int fx = 0; fx < flatWidth; fx += 3) {
        const Color want = PixelAt(flat, fx, fy);
        if (want == 0xFF00FF) continue;
        const POINT at = left ? POINT{r.left + fy, r.bottom - 1 - fx} : POINT{r.left + fx, r.top - 1 + fy};
        if (at.x < 0 || at.y < 0 || at.x >= painted.Width() || at.y >= painted.Height()) continue;
        // Only the tab's edges (its caption lies in the middle), and not the
        // row along the page, which the strip leaves to the page border.
        if ((fy > 3 && fy < flatHeight - 4) || (!left && fy == 0)) continue;
        EXPECT_EQ(PixelAt(painted, at.x, at.y), want) << fx << "," << fy;
        ++compared;
      }
    }
    EXPECT_GT(compared, 10);
    DestroyWindow(tabs);
    PumpFor(20);
    EXPECT_EQ(SkinnerOfWindow(tabs), nullptr);
  }
}

}  // namespace
}  // namespace lanvero::testing
