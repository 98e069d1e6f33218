// Owner-drawn menus of the framework: popup items drawn and measured through
// their handlers wherever the system sends the requests, the framework's
// own measuring, shortcut texts, and the native items an owner-drawn menu
// is built from.
#include "framework/menus/Menus.h"
#include "framework/services/ImageList.h"
#include "framework/services/Screen.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

MEASUREITEMSTRUCT MeasureRequest(UINT id) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = id;
  return measure;
}

TEST(OwnerDrawMenu, PopupItemsAreDrawnAndMeasuredThroughTheWindowThatOwnsThem) {
  auto form = MakeForm("object F: TTestForm\nend\n");
  form->Show();
  TPopupMenu menu(nullptr);
  auto* item = new TMenuItem(&menu);
  item->SetCaption(L"Open");
  menu.Items()->Add(item);
  int draws = 0;
  bool drawnSelected = false;
  item->OnDrawItem = [&](TObject* sender, TCanvas&, const RECT&, bool selected) {
    EXPECT_EQ(sender, item);
    ++draws;
    drawnSelected = selected;
  };
  item->OnMeasureItem = [](TObject*, TCanvas&, int& width, int&) { width += 100; };

  // A form and the application's own window (which owns popups shown
  // without a control) both hand the requests to the item.
  for (HWND owner : {form->Handle(), Application()->Handle()}) {
    MEASUREITEMSTRUCT measure = MeasureRequest(item->Command());
    EXPECT_EQ(SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
    WindowDC screen(nullptr);
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    canvas.Font().Assign(Screen().MenuFont());
    int width = 0, height = 0;
    item->MeasureDefault(canvas, width, height);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(static_cast<int>(measure.itemWidth), width + 100) << "the handler follows the framework's measuring";
    EXPECT_EQ(static_cast<int>(measure.itemHeight), height);

    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item->Command();
    draw.itemState = ODS_SELECTED;
    draw.hDC = screen.Get();
    draw.hwndItem = reinterpret_cast<HWND>(menu.Handle());
    EXPECT_EQ(SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
  }
  EXPECT_EQ(draws, 2);
  EXPECT_TRUE(drawnSelected);
  // A command no popup menu has is left to the window.
  MEASUREITEMSTRUCT unknown = MeasureRequest(0xF301);
  EXPECT_EQ(SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&unknown)), 0);
}

TEST(OwnerDrawMenu, FrameworkMeasuringMakesRoomForShortcutAndImages) {
  TPopupMenu menu(nullptr);
  auto* item = new TMenuItem(&menu);
  item->SetCaption(L"Save");
  menu.Items()->Add(item);
  auto* separator = new TMenuItem(&menu);
  separator->SetCaption(L"-");
  menu.Items()->Add(separator);

  WindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  int plainWidth = 0, plainHeight = 0;
  item->MeasureDefault(canvas, plainWidth, plainHeight);
  item->SetShortCut(scCtrl | 'S');
  int width = 0, height = 0;
  item->MeasureDefault(canvas, width, height);
  EXPECT_EQ(width, plainWidth + 16 + canvas.TextWidth(L"Ctrl+S"));

  TImageList images(nullptr);
  images.SetWidth(32);
  images.SetHeight(40);
  menu.SetImages(&images);
  EXPECT_EQ(item->GetImageList(), &images);
  item->MeasureDefault(canvas, width, height);
  EXPECT_EQ(width, plainWidth + 16 + canvas.TextWidth(L"Ctrl+S") + 16) << "a 32-pixel glyph instead of 16";
  EXPECT_EQ(height, 44);
  separator->MeasureDefault(canvas, width, height);
  EXPECT_EQ(height, 8);
  canvas.SetHandle(nullptr);
}

TEST(OwnerDrawMenu, ShortcutsReadAsModifiersAndKey) {
  EXPECT_EQ(ShortCutToText(scCtrl | 'S'), L"Ctrl+S");
  EXPECT_EQ(ShortCutToText(scAlt | VK_F4), L"Alt+F4");
  EXPECT_EQ(ShortCutToText(scCtrl | scShift | '1'), L"Ctrl+Shift+1");
  EXPECT_EQ(ShortCutToText(VK_DELETE), L"Del");
  EXPECT_EQ(ShortCutToText(0), L"");
}

TEST(OwnerDrawMenu, OwnerDrawnMenusKeepTheirTextsSeparatorsAndDefaultItem) {
  TPopupMenu menu(nullptr);
  auto* item = new TMenuItem(&menu);
  item->SetCaption(L"&Open");
  item->SetDefault(true);
  menu.Items()->Add(item);
  auto* separator = new TMenuItem(&menu);
  separator->SetCaption(L"-");
  menu.Items()->Add(separator);
  EXPECT_EQ(MenuItemType(menu.Handle(), separator->Command()), static_cast<UINT>(MFT_SEPARATOR));

  menu.SetOwnerDraw(true);
  EXPECT_EQ(MenuItemType(menu.Handle(), item->Command()), static_cast<UINT>(MFT_OWNERDRAW));
  EXPECT_EQ(MenuItemType(menu.Handle(), separator->Command()), static_cast<UINT>(MFT_SEPARATOR | MFT_OWNERDRAW))
      << "an owner-drawn separator is drawn by its item and still skipped by the keyboard";
  wchar_t text[16]{};
  GetMenuStringW(menu.Handle(), item->Command(), text, 16, MF_BYCOMMAND);
  EXPECT_STREQ(text, L"&Open");
  EXPECT_EQ(GetMenuDefaultItem(menu.Handle(), FALSE, 0), item->Command());
  EXPECT_EQ(TPopupMenu::FindPopupItem(item->Command()), item);
}

TEST(OwnerDrawMenu, ImageListCopiesAnotherListAndItsSize) {
  TImageList source(nullptr);
  source.SetWidth(12);
  source.SetHeight(10);
  TBitmap strip;
  strip.SetSize(36, 10);
  source.AddMasked(strip, clFuchsia);
  TImageList copy(nullptr);
  copy.CopyFrom(source.Handle());
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Width(), 12);
  EXPECT_EQ(copy.Height(), 10);
  EXPECT_NE(copy.Handle(), source.Handle());
}

}  // namespace
}  // namespace lanvero::framework::testing
