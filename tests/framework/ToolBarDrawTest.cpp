// The tool bar's custom-draw events, its Flat style and a main menu shown
// as drop-down buttons.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/ToolBar.h"
#include "framework/core/PropertyAccess.h"
#include "framework/graphics/Graphic.h"
#include "framework/menus/Menus.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  ClientWidth = 400
  ClientHeight = 200
  object Tools: TToolBar
    ShowCaptions = True
    object Open: TToolButton
      Caption = 'Open'
    end
    object Bold: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Down = True
    end
    object Gone: TToolButton
      Caption = 'Gone'
      Enabled = False
    end
  end
  object MenuBar: TToolBar
    Top = 40
    Menu = Main
  end
  object Main: TMainMenu
    object FileItem: TMenuItem
      Caption = 'File'
      object OpenItem: TMenuItem
        Caption = 'Open'
        OnClick = ButtonClick
      end
    end
    object HiddenItem: TMenuItem
      Caption = 'Hidden'
      Visible = False
    end
    object HelpItem: TMenuItem
      Caption = 'Help'
      OnClick = ButtonClick
    end
  end
end
)";

class ToolBarDrawTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    bar = Find<TToolBar>(L"Tools");
  }
  // The bar as its window paints it, custom drawing included.
  std::unique_ptr<TBitmap> PaintBar() {
    auto image = std::make_unique<TBitmap>(bar->Width(), bar->Height());
    SendMessageW(bar->WindowHandle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image->Canvas().Handle()), PRF_CLIENT);
    return image;
  }
  RECT ButtonRect(int index) {
    RECT rect{};
    bar->SendButtonMessage(TB_GETRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }
  LRESULT SendCustomDraw(DWORD stage, DWORD_PTR item, NMTBCUSTOMDRAW& draw) {
    draw.nmcd.hdr = {bar->WindowHandle(), 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.dwItemSpec = item;
    return SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw));
  }
  TToolBar* bar = nullptr;
};

TEST_F(ToolBarDrawTest, CustomDrawAsksForButtonsOnlyWhenSomeoneDrawsThem) {
  TBitmap scratch(8, 8);
  NMTBCUSTOMDRAW draw{};
  draw.nmcd.hdc = scratch.Canvas().Handle();
  EXPECT_EQ(SendCustomDraw(CDDS_PREPAINT, 0, draw), CDRF_DODEFAULT);
  bool keepDefault = true;
  bar->OnCustomDraw = [&](TToolBar*, const RECT&, bool& defaultDraw) { defaultDraw = keepDefault; };
  EXPECT_EQ(SendCustomDraw(CDDS_PREPAINT, 0, draw), CDRF_DODEFAULT);
  bar->OnCustomDrawButton = [](TToolBar* sender, TToolButton*, TCustomDrawState, bool&) {
    sender->Canvas().Font().SetColor(RGB(0, 0, 250));
  };
  EXPECT_EQ(SendCustomDraw(CDDS_PREPAINT, 0, draw), CDRF_NOTIFYITEMDRAW);
  keepDefault = false;  // the background handler painted everything
  EXPECT_EQ(SendCustomDraw(CDDS_PREPAINT, 0, draw), CDRF_SKIPDEFAULT);

  // The colour the button handler leaves in the canvas font colours the caption.
  EXPECT_EQ(SendCustomDraw(CDDS_ITEMPREPAINT, TToolBar::CommandOf(0), draw), CDRF_DODEFAULT);
  EXPECT_EQ(draw.clrText, RGB(0, 0, 250));
  EXPECT_EQ(SendCustomDraw(CDDS_ITEMPREPAINT, 77, draw), CDRF_DODEFAULT);  // no such button
  EXPECT_EQ(SendCustomDraw(CDDS_POSTPAINT, 0, draw), CDRF_DODEFAULT);
}

TEST_F(ToolBarDrawTest, PaintingRunsTheHandlersWithEachButtonsState) {
  constexpr COLORREF kBack = RGB(10, 200, 30);
  constexpr COLORREF kFace = RGB(200, 20, 160);
  RECT background{};
  std::vector<std::pair<std::wstring, TCustomDrawState>> buttons;
  bar->OnCustomDraw = [&](TToolBar* sender, const RECT& rect, bool&) {
    background = rect;
    sender->Canvas().Brush().SetColor(static_cast<TColor>(kBack));
    sender->Canvas().FillRect(rect);
  };
  bar->OnCustomDrawButton = [&](TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw) {
    buttons.emplace_back(button->Name(), state);
    if (button->Name() != L"Open") return;
    // The first button is drawn here alone: a plain face, no caption.
    defaultDraw = false;
    sender->Canvas().Brush().SetColor(static_cast<TColor>(kFace));
    sender->Canvas().FillRect(ButtonRect(0));
  };
  auto image = PaintBar();

  EXPECT_EQ(background.right, bar->ClientWidth());
  EXPECT_EQ(background.bottom, bar->ClientHeight());
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(buttons[0].first, L"Open");
  EXPECT_EQ(buttons[1].second & CDIS_CHECKED, static_cast<UINT>(CDIS_CHECKED));
  EXPECT_EQ(buttons[0].second & CDIS_CHECKED, 0u);
  EXPECT_NE(buttons[2].second & (CDIS_DISABLED | CDIS_GRAYED), 0u);

  const RECT open = ButtonRect(0);
  for (int x = open.left + 1; x < open.right - 1; ++x) {
    ASSERT_EQ(image->Canvas().Pixel(x, (open.top + open.bottom) / 2), kFace) << x;
  }
  const RECT last = ButtonRect(2);
  EXPECT_EQ(image->Canvas().Pixel(last.right + 20, bar->Height() / 2), kBack);
}

TEST_F(ToolBarDrawTest, FlatFollowsThePropertyInTheLiveWindow) {
  auto style = [&] { return GetWindowLongPtrW(bar->WindowHandle(), GWL_STYLE) & TBSTYLE_FLAT; };
  EXPECT_EQ(GetEnumProperty(bar, "Flat"), "False");
  EXPECT_EQ(style(), 0);
  HWND window = bar->WindowHandle();
  EXPECT_TRUE(SetPropertyFromText(bar, "Flat", L"True"));
  EXPECT_EQ(bar->WindowHandle(), window);
  EXPECT_NE(style(), 0);
  bar->RecreateWnd();  // a new window keeps it
  EXPECT_NE(style(), 0);
  bar->SetFlat(false);
  EXPECT_EQ(style(), 0);
}

TEST_F(ToolBarDrawTest, MainMenuBecomesOneButtonPerVisibleTopItem) {
  auto* menuBar = FindIn<TToolBar>(*form, L"MenuBar");
  auto* menu = FindIn<TMainMenu>(*form, L"Main");
  EXPECT_EQ(GetObjectProperty(menuBar, "Menu"), menu);
  ASSERT_EQ(menuBar->ButtonCount(), 2);
  EXPECT_EQ(menuBar->Buttons(0)->Caption(), L"File");
  EXPECT_EQ(menuBar->Buttons(0)->MenuItem(), FindIn<TMenuItem>(*form, L"FileItem"));
  EXPECT_EQ(menuBar->Buttons(1)->MenuItem(), FindIn<TMenuItem>(*form, L"HelpItem"));
  EXPECT_TRUE(menuBar->ShowCaptions());
  wchar_t text[16]{};
  SendMessageW(menuBar->WindowHandle(), TB_GETBUTTONTEXTW, TToolBar::CommandOf(1), reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Help");

  // An item without sub-items is clicked.
  form->calls.clear();
  menuBar->Buttons(1)->Click();
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click HelpItem"});

  menuBar->SetMenu(nullptr);
  EXPECT_EQ(menuBar->ButtonCount(), 0);
  menuBar->SetMenu(menu);
  EXPECT_EQ(menuBar->ButtonCount(), 2);
  delete menu;  // the buttons go with the menu
  EXPECT_EQ(menuBar->Menu(), nullptr);
  EXPECT_EQ(menuBar->ButtonCount(), 0);
}

HWND g_menuOwner = nullptr;

// A timer callback must be stdcall on 32-bit Windows: a named CALLBACK
// function, not a lambda.
void CALLBACK PickFirstMenuItem(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND popup = FindWindowW(L"#32768", nullptr);
  PostMessageW(popup ? popup : g_menuOwner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(popup ? popup : g_menuOwner, WM_KEYDOWN, VK_RETURN, 0);
}

// While the sub-menu shows, a timer picks its first item with the keyboard.
TEST_F(ToolBarDrawTest, MenuButtonDropsItsSubMenuDownAndRunsTheChoice) {
  auto* menuBar = FindIn<TToolBar>(*form, L"MenuBar");
  MessageRecorder recorder(*menuBar);
  g_menuOwner = menuBar->WindowHandle();
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, PickFirstMenuItem);
  form->calls.clear();
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(TToolBar::CommandOf(0), BN_CLICKED),
               reinterpret_cast<LPARAM>(menuBar->WindowHandle()));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(recorder.SawInOrder({WM_INITMENUPOPUP}));
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click OpenItem"});
  EXPECT_EQ(SendMessageW(menuBar->WindowHandle(), TB_ISBUTTONPRESSED, TToolBar::CommandOf(0), 0), 0);
}

}  // namespace
}  // namespace lanvero::framework::testing
