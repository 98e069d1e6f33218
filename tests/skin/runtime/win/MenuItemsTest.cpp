// Menu items drawn and measured by the skin: framework items widened by the
// glyph column, the skinned system menu's entries with the skin's glyphs,
// native items the framework does not know (measured and drawn from their
// text, and native again once the engine lets go), check marks, disabled
// and default items, and separators keyed over the background.
#include <optional>

#include "framework/base/GdiObject.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/Menus.h"
#include "framework/services/ImageList.h"
#include "framework/services/Screen.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/menus/MenuHandlers.h"
#include "skin/runtime/menus/PopupMenuSkinner.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::TMenuItem;
using framework::TPopupMenu;

constexpr Color kWhite = 0xFFFFFF;
constexpr UINT kNativeItem = 0xF301;  // outside the framework's command range
constexpr UINT kNativeSubItem = 0xF302;

// How far apart two pixels are in their largest channel.
int ChannelDistance(Pixel a, Pixel b) {
  int largest = 0;
  for (int shift : {0, 8, 16})
    largest = std::max(largest, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return largest;
}

// Pixels of `image` inside `area` that are within `tolerance` of `color`.
int PixelsNear(const PixelImage& image, const Rect& area, Color color, int tolerance = 40) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (ChannelDistance(image.At(x, y), PixelFromColor(color)) <= tolerance) ++count;
    }
  }
  return count;
}

// A white bitmap the test draws an item into.
class ItemCanvas {
 public:
  ItemCanvas(int width, int height) : bitmap_(DibSection::Create(width, height)), dc_(bitmap_.Handle()) {
    FillSolid(dc_.Get(), Rect{0, 0, width, height}, kWhite);
    canvas_.SetHandle(dc_.Get());
    font_.emplace(dc_.Get(), framework::Screen().MenuFont().Handle());
  }
  ~ItemCanvas() { canvas_.SetHandle(nullptr); }
  HDC Dc() const { return dc_.Get(); }
  framework::TCanvas& Canvas() { return canvas_; }
  RECT Whole() const { return RECT{0, 0, bitmap_.Width(), bitmap_.Height()}; }
  PixelImage Pixels() const { return bitmap_.ToImage(); }

 private:
  DibSection bitmap_;
  BitmapDC dc_;
  framework::TCanvas canvas_;
  std::optional<framework::SelectGuard> font_;
};

int MeasuredWidthWithoutSkin(TMenuItem& item) {
  framework::WindowDC screen(nullptr);
  framework::TCanvas canvas;
  canvas.SetHandle(screen.Get());
  canvas.Font().Assign(framework::Screen().MenuFont());
  int width = 0, height = 0;
  item.MeasureDefault(canvas, width, height);
  canvas.SetHandle(nullptr);
  return width;
}

class MenuItemsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    MakeSkinnedForm();
    column_ = skin_->MenuItem->r.left;
  }
  TMenuItem* AddItem(TPopupMenu& menu, const std::wstring& caption) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    menu.Items()->Add(item);
    return item;
  }
  const TMenuItemPainter& Painter() const { return Skinner()->MenuPainter(); }

  int column_ = 0;
};

TEST_F(MenuItemsTest, ItemsAreMeasuredWiderByTheGlyphColumnAndTheGlyphRoom) {
  TPopupMenu menu(nullptr);
  TMenuItem* item = AddItem(menu, L"Open the record");
  BindSkinHandlers(*item, *Skinner(), MenuMeasure::kPopupMenu, false);
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, item->Command(), 0, 0, 0};
  item->MeasureItem(measure);
  EXPECT_EQ(static_cast<int>(measure.itemWidth), MeasuredWidthWithoutSkin(*item) + column_ + 35);

  framework::TImageList images(nullptr);
  menu.SetImages(&images);
  item->MeasureItem(measure);
  EXPECT_EQ(static_cast<int>(measure.itemWidth), MeasuredWidthWithoutSkin(*item) + column_ + 12);

  // Main-menu items are measured by the skin itself, the framework's way first.
  BindSkinHandlers(*item, *Skinner(), MenuMeasure::kMainMenu, false);
  item->MeasureItem(measure);
  EXPECT_EQ(static_cast<int>(measure.itemWidth), MeasuredWidthWithoutSkin(*item) + column_ + 10);
}

// What the open system menu shows: its close and move entries drawn and
// the close entry measured through the window.
struct OpenSystemMenu {
  TPopupMenu* menu = nullptr;
  HMENU shown = nullptr;  // the menu the popup window's skinner shows
  PixelImage close, move;
  int closeWidth = 0;
  int closeWidthWithoutSkin = 0;
};

// Item `id` of `menu` drawn at 160 x 22 through the window, as a menu asks.
PixelImage DrawnThroughWindow(HWND window, UINT id, HMENU menu) {
  ItemCanvas canvas(160, 22);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = id;
  draw.itemAction = ODA_DRAWENTIRE;
  draw.hwndItem = reinterpret_cast<HWND>(menu);
  draw.hDC = canvas.Dc();
  draw.rcItem = canvas.Whole();
  SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  return canvas.Pixels();
}

void LookAtSystemMenu(HWND window, TPopupMenu* menu, OpenSystemMenu& seen) {
  seen.menu = menu;
  if (!SkinManager().PopupMenus().empty()) seen.shown = SkinManager().PopupMenus()[0]->hmenu;
  if (!menu) return;
  for (int i = 0; i < menu->Count(); ++i) {
    TMenuItem& item = *menu->Items()->Items(i);
    if (item.Tag() == SC_MOVE) seen.move = DrawnThroughWindow(window, item.Command(), menu->Items()->Handle());
    if (item.Tag() != SC_CLOSE) continue;
    seen.close = DrawnThroughWindow(window, item.Command(), menu->Items()->Handle());
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.Command(), 0, 0, 0};
    SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    seen.closeWidth = static_cast<int>(measure.itemWidth);
    seen.closeWidthWithoutSkin = MeasuredWidthWithoutSkin(item);
  }
}

TEST_F(MenuItemsTest, SystemMenuEntriesAreOwnerDrawnWithTheSkinGlyphs) {
  OpenSystemMenu seen;
  ASSERT_TRUE(WithMenuOpen([&] { SendMessageW(Window(), WM_NCRBUTTONDOWN, HTCAPTION, ScreenLParam(60, 10)); },
                           [&](HWND) { LookAtSystemMenu(Window(), Skinner()->SystemMenu(), seen); }));
  TPopupMenu* sysmenu = seen.menu;
  ASSERT_NE(sysmenu, nullptr);
  EXPECT_EQ(seen.shown, sysmenu->Items()->Handle()) << "the popup window's skinner learnt the menu it shows";
  EXPECT_TRUE(sysmenu->OwnerDraw());
  ASSERT_NE(sysmenu->Images(), nullptr);
  EXPECT_EQ(sysmenu->Images()->Count(), 4);
  for (int i = 0; i < sysmenu->Count(); ++i) {
    const TMenuItem& item = *sysmenu->Items()->Items(i);
    EXPECT_TRUE(HasSkinDrawHandler(item, *Skinner())) << "entry " << i;
    const int expectedGlyph = item.Tag() == SC_CLOSE      ? kGlyphClose
                              : item.Tag() == SC_MINIMIZE ? kGlyphMinimise
                              : item.Tag() == SC_MAXIMIZE ? kGlyphMaximise
                              : item.Tag() == SC_RESTORE  ? kGlyphRestore
                                                          : -1;
    EXPECT_EQ(item.ImageIndex(), expectedGlyph) << "entry " << i;
  }
  EXPECT_EQ(seen.closeWidth, seen.closeWidthWithoutSkin + column_ + 12);
  // Drawn in the same place over the same background, the close entry
  // differs from the move entry (which has no glyph) in its glyph cell.
  ASSERT_FALSE(seen.close.IsEmpty());
  ASSERT_FALSE(seen.move.IsEmpty());
  int differing = 0;
  for (int y = 3; y < 19; ++y) {
    for (int x = column_ + 1; x < column_ + 17; ++x) differing += seen.close.At(x, y) != seen.move.At(x, y) ? 1 : 0;
  }
  EXPECT_GT(differing, 10) << "the close glyph is missing";
}

TEST_F(MenuItemsTest, NativeItemsTheFrameworkDoesNotKnowAreMeasuredAndDrawnFromTheirTextUntilTheEngineLetsGo) {
  framework::UniqueMenu menu(CreatePopupMenu());
  framework::UniqueMenu sub(CreatePopupMenu());
  AppendMenuW(sub.Get(), MF_STRING, kNativeSubItem, L"Deeper");
  AppendMenuW(menu.Get(), MF_STRING, kNativeItem, L"Native entry");
  AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Get()), L"More");
  HMENU subMenu = sub.Get();
  static_cast<void>(sub.Release());  // the parent menu owns it now
  Skinner()->MakeMenuOwnerDraw(menu.Get());
  EXPECT_TRUE(GetMenuState(menu.Get(), kNativeItem, MF_BYCOMMAND) & MF_OWNERDRAW);
  EXPECT_TRUE(GetMenuState(subMenu, kNativeSubItem, MF_BYCOMMAND) & MF_OWNERDRAW) << "sub-menus too";
  wchar_t text[32]{};
  GetMenuStringW(menu.Get(), kNativeItem, text, 32, MF_BYCOMMAND);
  EXPECT_STREQ(text, L"Native entry") << "the item keeps its text";

  MEASUREITEMSTRUCT measure{ODT_MENU, 0, kNativeItem, 0, 15, 0};
  EXPECT_EQ(SendMessageW(Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
  int textWidth = 0;
  {
    framework::WindowDC screen(nullptr);
    framework::SelectGuard font(screen.Get(), framework::Screen().MenuFont().Handle());
    RECT extent{};
    DrawTextW(screen.Get(), L"Native entry", -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    textWidth = extent.right;
  }
  EXPECT_EQ(static_cast<int>(measure.itemWidth), textWidth + 26 + column_);
  EXPECT_EQ(measure.itemHeight, 19u);
  MEASUREITEMSTRUCT separator{ODT_MENU, 0, 0, 0, 15, 0};
  SendMessageW(Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&separator));
  EXPECT_EQ(separator.itemHeight, 8u);

  const PixelImage drawn = DrawnThroughWindow(Window(), kNativeItem, menu.Get());
  const Rect textArea{column_ + 20, 0, 160, 22};
  EXPECT_GT(PixelsNear(drawn, textArea, skin_->Colors[kSchemeMenuText], 60), 20) << "no text was drawn";

  UninstallNow();
  EXPECT_FALSE(GetMenuState(menu.Get(), kNativeItem, MF_BYCOMMAND) & MF_OWNERDRAW);
  EXPECT_FALSE(GetMenuState(subMenu, kNativeSubItem, MF_BYCOMMAND) & MF_OWNERDRAW);
}

TEST_F(MenuItemsTest, CheckMarkDisabledAndDefaultItemsFollowTheRules) {
  TPopupMenu menu(nullptr);
  TMenuItem* checked = AddItem(menu, L"Checked");
  checked->SetChecked(true);
  TMenuItem* plain = AddItem(menu, L"Plain");
  const Rect cell{column_ + 1, 1, column_ + 17, 21};
  {
    ItemCanvas withMark(140, 22), without(140, 22);
    Painter().DrawMenuItem(checked, withMark.Canvas(), withMark.Whole(), false);
    Painter().DrawMenuItem(plain, without.Canvas(), without.Whole(), false);
    const Color mark = SystemColor(COLOR_BTNTEXT);
    EXPECT_GT(PixelsNear(withMark.Pixels(), cell, mark, 60), 4) << "a checked item without image shows the check mark";
    EXPECT_EQ(PixelsNear(without.Pixels(), cell, mark, 60), 0);
  }

  // Disabled text is drawn in ButtonShadow, or in the system's button
  // shadow when the skin gives ButtonShadow the colour of MenuText.
  TMenuItem* disabled = AddItem(menu, L"WWWWWW");
  disabled->SetEnabled(false);
  const Color red = 0x0000FF, blue = 0xFF0000;
  skin_->Colors[kSchemeButtonShadow] = red;
  skin_->Colors[kSchemeMenuText] = blue;
  auto drawText = [&](const Rect& area) {
    ItemCanvas canvas(140, 22);
    RECT r = canvas.Whole();
    Painter().DrawMenuItemText(*disabled, canvas.Dc(), DT_SINGLELINE, false, r, disabled->Caption());
    return PixelsNear(canvas.Pixels(), area, red, 60);
  };
  const Rect textArea{0, 0, 140, 22};
  EXPECT_GT(drawText(textArea), 10);
  skin_->Colors[kSchemeButtonShadow] = blue;
  skin_->Colors[kSchemeMenuText] = blue;
  {
    ItemCanvas canvas(140, 22);
    RECT r = canvas.Whole();
    Painter().DrawMenuItemText(*disabled, canvas.Dc(), DT_SINGLELINE, false, r, disabled->Caption());
    EXPECT_EQ(PixelsNear(canvas.Pixels(), textArea, blue, 60), 0) << "disabled text vanished into normal text";
  }

  // The default item is bold: it measures wider.
  auto measuredWidth = [&](TMenuItem& item) {
    ItemCanvas canvas(200, 22);
    RECT r = canvas.Whole();
    Painter().DrawMenuItemText(item, canvas.Dc(), DT_SINGLELINE | DT_CALCRECT, false, r, L"Default entry");
    return r.right - r.left;
  };
  const int normal = measuredWidth(*plain);
  plain->SetDefault(true);
  EXPECT_GT(measuredWidth(*plain), normal);
  // An empty text measures one line high.
  ItemCanvas canvas(200, 40);
  RECT empty = canvas.Whole();
  Painter().DrawMenuItemText(*plain, canvas.Dc(), DT_SINGLELINE | DT_CALCRECT, false, empty, L"");
  EXPECT_GT(empty.bottom - empty.top, 0);
}

TEST_F(MenuItemsTest, SeparatorComesFromTheSecondFrameKeyedOverTheBackground) {
  TPopupMenu menu(nullptr);
  AddItem(menu, L"Above");
  TMenuItem* separator = AddItem(menu, L"-");
  menu.SetOwnerDraw(true);
  static_cast<void>(menu.Handle());
  ItemCanvas canvas(120, 8);
  Painter().DrawMenuItem(separator, canvas.Canvas(), canvas.Whole(), false);
  const PixelImage drawn = canvas.Pixels();
  EXPECT_EQ(PixelsNear(drawn, Rect{0, 0, 120, 8}, kMagentaKey, 0), 0) << "the key colour shows";
  // Paleglass draws its line 5 pixels above the bottom of a 20-pixel frame:
  // an 8-pixel item shows the frame's bottom rows, the line in its row 3.
  EXPECT_EQ(drawn.At(60, 3), 0xBCC5D2u);
  EXPECT_EQ(drawn.At(60, 0), PixelFromColor(ResolveColor(skin_->Colors[kSchemeMenu])))
      << "no popup window: the background is the scheme's menu colour";
}

}  // namespace
}  // namespace lanvero::testing
