#include "skin/runtime/menus/MenuItemPainter.h"

#include <array>

#include "framework/base/GdiObject.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/Menus.h"
#include "framework/services/ImageList.h"
#include "framework/services/Screen.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/geometry/MenuItemGeometry.h"
#include "skin/runtime/menus/PopupMenuSkinner.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

using framework::TMenuItem;

constexpr int kMenuItemFrames = 5;
constexpr int kItemFrame = 1;
constexpr int kSelectedItemFrame = 4;
constexpr int kMenuTextChars = 80;
constexpr int kCheckMarkGlyphSize = 16;
constexpr UINT kTextFlags = DT_SINGLELINE | DT_EXPANDTABS;
constexpr UINT kMirroredTextFlags = DT_RTLREADING | DT_RIGHT | DT_SINGLELINE | DT_EXPANDTABS;
// The system's check-mark bitmap (OBM_CHECK).
constexpr WORD kCheckMarkBitmap = 32760;

// Runs painting code, dropping whatever it throws: a menu keeps working
// when one item cannot be drawn.
template <typename Paint>
void PaintSafely(Paint&& paint) noexcept {
  try {
    paint();
  } catch (...) {
  }
}

HFONT MenuFont() { return framework::Screen().MenuFont().Handle(); }

// An off-screen item of the given size with the system menu font selected.
class ItemBitmap {
 public:
  ItemBitmap(int width, int height)
      : bitmap_(DibSection::Create(width, height)), dc_(bitmap_.Handle()), font_(dc_.Get(), MenuFont()) {}
  explicit operator bool() const { return static_cast<bool>(dc_); }
  HDC Get() const { return dc_.Get(); }
  Rect Area() const { return Rect{0, 0, bitmap_.Width(), bitmap_.Height()}; }
  void CopyTo(HDC target, const RECT& at) const {
    BitBlt(target, at.left, at.top, bitmap_.Width(), bitmap_.Height(), dc_.Get(), 0, 0, SRCCOPY);
  }

 private:
  DibSection bitmap_;
  BitmapDC dc_;
  framework::SelectGuard font_;
};

// The part of the popup window's background under the item, or the
// scheme's menu colour when the item's window has none.
void PaintItemBackground(HDC dc, const Rect& area, const RECT& item, const PopupMenuBackground* background,
                         Color menuColor) {
  if (!background || background->image.IsEmpty()) {
    FillSolid(dc, area, menuColor);
    return;
  }
  const BitmapDC source(background->image.Handle());
  if (!source) return FillSolid(dc, area, menuColor);
  BitBlt(dc, 0, 0, area.Width(), area.Height(), source.Get(), item.left + background->clientOrigin.x,
         item.top + background->clientOrigin.y, SRCCOPY);
}

// A checked glyph cell: a checkerboard of the button face and highlight.
void FillCheckerboard(HDC dc, const Rect& cell) {
  static const std::array<WORD, 8> kPattern{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const framework::UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, kPattern.data()));
  const framework::UniqueBrush brush(CreatePatternBrush(pattern.Get()));
  if (!brush) return;
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  const RECT r = ToRECT(cell);
  FillRect(dc, &r, brush.Get());
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

// A one-bit glyph (black marks on white) drawn in `color`, white left out.
void DrawMonochromeGlyph(HDC dc, int x, int y, HBITMAP glyph, COLORREF color) {
  const SIZE size = BitmapSize(glyph);
  const BitmapDC source(glyph);
  if (!source) return;
  // Marks become black, the rest white: ANDed, this cuts the marks' holes.
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, SRCAND);
  SetTextColor(dc, color);
  SetBkColor(dc, RGB(0, 0, 0));
  // Marks become `color`, the rest black: ORed into the holes cut above.
  BitBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, SRCPAINT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

// The font selected in `dc` made bold, for the menu's default item.
framework::UniqueFont BoldVersionOf(HDC dc) {
  LOGFONTW font{};
  if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font)) return {};
  font.lfWeight = FW_BOLD;
  return framework::UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace

const TDataSkinObject* TMenuItemPainter::ItemDefinition() const {
  if (!fsd_ || fsd_->Empty || !fsd_->MenuItem || fsd_->MenuItem->Map.Empty()) return nullptr;
  return fsd_->MenuItem.get();
}

int32_t TMenuItemPainter::GlyphColumn() const {
  const TDataSkinObject* definition = ItemDefinition();
  return definition ? definition->r.left : 0;
}

// --- Handlers of framework items ---------------------------------------------------

void TMenuItemPainter::DrawMenuItem(framework::TObject* sender, framework::TCanvas& canvas, const RECT& rect,
                                    bool selected) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !fsd_) return;
  PaintSafely([&] {
    if (SkinManagerExists()) SkinManager().SetPopMenu();
    if (!ItemDefinition()) return DrawFlatMenuItem(*item, canvas.Handle(), selected, rect);
    // The popup window now drawn learns which menu it shows.
    const HMENU menu = item->Parent() ? item->Parent()->Handle() : nullptr;
    const PopupMenuBackground* background = nullptr;
    if (menu && SkinManagerExists()) {
      SkinManager().SetHMenu(menu);
      background = SkinManager().GetMenuBg(menu);
    }
    ComposeItem(*item, selected, rect, canvas.Handle(), background, item->IsSeparator());
  });
}

void TMenuItemPainter::MeasureItem(framework::TObject* sender, framework::TCanvas& canvas, int& width,
                                   int& height) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item) return;
  item->MeasureDefault(canvas, width, height);
  width += MenuItemExtraWidth(MenuMeasure::kMainMenu, GlyphColumn(), item->GetImageList() != nullptr);
}

void TMenuItemPainter::MeasurePopupItem(framework::TObject* sender, framework::TCanvas&, int& width, int&) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !fsd_) return;
  width += MenuItemExtraWidth(MenuMeasure::kPopupMenu, GlyphColumn(), item->GetImageList() != nullptr);
}

// --- Native items ---------------------------------------------------------------------

void TMenuItemPainter::DrawNativeMenuItem(HMENU hmenu, TMenuItem& item, bool selected, const RECT& rect, HDC dc) const {
  PaintSafely([&] {
    if (!ItemDefinition()) return DrawFlatMenuItem(item, dc, selected, rect);
    const PopupMenuBackground* background = SkinManagerExists() ? SkinManager().GetMenuBg(hmenu) : nullptr;
    ComposeItem(item, selected, rect, dc, background, false);
  });
}

void TMenuItemPainter::MeasureNativeItem(HMENU hmenu, MEASUREITEMSTRUCT& measure) const {
  wchar_t text[kMenuTextChars] = {};
  if (hmenu) GetMenuStringW(hmenu, measure.itemID, text, kMenuTextChars, MF_BYCOMMAND);
  const std::wstring caption = text;
  int32_t textWidth = 0;
  if (!caption.empty()) {
    const framework::WindowDC screen(nullptr);
    const framework::SelectGuard font(screen.Get(), MenuFont());
    RECT extent{};
    SkinDrawText(screen.Get(), caption, extent, DT_CALCRECT | kTextFlags);
    textWidth = extent.right - extent.left;
  }
  const NativeItemSize size =
      NativeMenuItemSize(textWidth, !caption.empty(), static_cast<int32_t>(measure.itemHeight), GlyphColumn());
  measure.itemWidth = static_cast<UINT>(size.width);
  measure.itemHeight = static_cast<UINT>(size.height);
}

std::unique_ptr<TMenuItem> MakeTempMenuItem(HMENU hmenu, UINT id) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  GetMenuItemInfoW(hmenu, id, FALSE, &info);
  wchar_t text[kMenuTextChars] = {};
  GetMenuStringW(hmenu, id, text, kMenuTextChars, MF_BYCOMMAND);
  auto item = std::make_unique<TMenuItem>(nullptr);
  item->SetCaption(text[0] ? std::wstring(text) : std::wstring(L"-"));
  item->SetEnabled((info.fState & MFS_GRAYED) == 0);
  item->SetChecked((info.fState & MFS_CHECKED) != 0);
  return item;
}

// --- Composing an item -----------------------------------------------------------------

void TMenuItemPainter::ComposeItem(TMenuItem& item, bool selected, const RECT& rect, HDC dc,
                                   const PopupMenuBackground* background, bool skinSeparator) const {
  const ItemBitmap bitmap(rect.right - rect.left, rect.bottom - rect.top);
  if (!bitmap) return;
  const Rect area = bitmap.Area();
  PaintItemBackground(bitmap.Get(), area, rect, background, fsd_->Colors[kSchemeMenu]);
  if (skinSeparator) {
    bitmap.CopyTo(dc, rect);
    DrawMenuSeparator(dc, rect);
    return;
  }
  const TDataSkinObject& definition = *ItemDefinition();
  DrawSkinFrame(bitmap.Get(), area, MapHandle(definition.Map), definition.r, selected ? kSelectedItemFrame : kItemFrame,
                kMenuItemFrames, definition.trans != 0, definition.Tile == 1, false);
  DrawMenuItemContent(item, bitmap.Get(), selected, area);
  bitmap.CopyTo(dc, rect);
}

void TMenuItemPainter::DrawFlatMenuItem(TMenuItem& item, HDC dc, bool selected, const RECT& rect) const {
  PaintSafely([&] {
    const ItemBitmap bitmap(rect.right - rect.left, rect.bottom - rect.top);
    if (!bitmap || !fsd_) return;
    FillSolid(bitmap.Get(), bitmap.Area(), fsd_->Colors[selected ? kSchemeHilight : kSchemeMenu]);
    DrawMenuItemContent(item, bitmap.Get(), selected, bitmap.Area());
    bitmap.CopyTo(dc, rect);
  });
}

void TMenuItemPainter::DrawMenuSeparator(HDC dc, const RECT& rect) const {
  const TDataSkinObject* definition = ItemDefinition();
  if (!definition) return;
  const int32_t width = rect.right - rect.left;
  const int32_t height = rect.bottom - rect.top;
  DibSection pieces = DibSection::Create(width, height);
  {
    // Released before the keyed copy below selects the bitmap itself.
    const BitmapDC target(pieces.Handle());
    const BitmapDC strip(MapHandle(definition->Map));
    if (!target || !strip) return;
    SetStretchBltMode(target.Get(), COLORONCOLOR);
    for (const StretchPiece& piece : MenuSeparatorPieces(definition->Map.Width(), definition->Map.Height(),
                                                         kMenuItemFrames, definition->r, width, height)) {
      const Rect& to = piece.destination;
      const Rect& from = piece.source;
      StretchBlt(target.Get(), to.left, to.top, to.Width(), to.Height(), strip.Get(), from.left, from.top, from.Width(),
                 from.Height(), SRCCOPY);
    }
  }
  TransparentBlit(dc, FromRECT(rect), pieces.Handle(), kMagentaKey);
}

void TMenuItemPainter::DrawMenuItemContent(TMenuItem& item, HDC dc, bool selected, const Rect& rect) const {
  const framework::TMenu* menu = item.Menu() ? item.Menu() : barMenu_;
  const framework::TImageList* list = item.GetImageList();
  const bool rightToLeft = menu && menu->BiDiModeRightToLeft();
  const int32_t glyphWidth = MenuGlyphWidth(list != nullptr, list ? list->Width() : 0, item.Checked());
  const Rect glyph = MenuGlyphCell(rect, glyphWidth, GlyphColumn(), item.IsSeparator(), rightToLeft);
  if (!item.IsSeparator()) DrawGlyph(item, dc, glyph, rect, rightToLeft);

  const Rect text = MenuTextRect(rect, glyph, rightToLeft);
  const UINT flags = rightToLeft ? kMirroredTextFlags : kTextFlags;
  RECT measured = ToRECT(text);
  DrawMenuItemText(item, dc, flags | DT_CALCRECT | DT_NOCLIP, selected, measured, item.Caption());
  const Rect placed = PlaceMeasuredText(text, FromRECT(measured), rightToLeft);
  RECT drawn = ToRECT(placed);
  DrawMenuItemText(item, dc, flags, selected, drawn, item.Caption());
  if (item.ShortCut()) {
    RECT shortcut = ToRECT(MenuShortcutRect(rect, placed, rightToLeft));
    DrawMenuItemText(item, dc, (rightToLeft ? DT_LEFT : DT_RIGHT) | DT_SINGLELINE, selected, shortcut,
                     framework::ShortCutToText(item.ShortCut()));
  }
}

// A checked radio item: a round bullet in the text colour, a third of the
// glyph cell wide, centred in it.
static void DrawRadioBullet(HDC dc, const Rect& cell) {
  const int size = std::max(4, std::min(cell.Width(), cell.Height()) / 3);
  const int x = cell.left + (cell.Width() - size) / 2;
  const int y = cell.top + (cell.Height() - size) / 2;
  const framework::UniqueBrush brush(CreateSolidBrush(GetSysColor(COLOR_BTNTEXT)));
  const framework::SelectGuard selectBrush(dc, brush.Get());
  const framework::SelectGuard selectPen(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, x, y, x + size + 1, y + size + 1);
}

void TMenuItemPainter::DrawGlyph(TMenuItem& item, HDC dc, Rect glyph, const Rect& rect, bool rightToLeft) const {
  framework::TImageList* list = item.GetImageList();
  const int index = item.ImageIndex();
  if (list && index >= 0 && index < list->Count()) {
    if (item.Checked()) {
      if (!rightToLeft) glyph = glyph.Offset(0, CentredTop(rect, kCheckMarkGlyphSize) - glyph.top);
      FillCheckerboard(dc, glyph);
      RECT edge = ToRECT(glyph);
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    } else if (!rightToLeft) {
      glyph.top = CentredTop(rect, list->Height());
    }
    framework::TCanvas canvas;
    canvas.SetHandle(dc);
    list->Draw(canvas, glyph.left, glyph.top, index, item.Enabled());
    canvas.SetHandle(nullptr);
    return;
  }
  if (!item.Checked()) return;
  if (item.RadioItem()) {
    DrawRadioBullet(dc, rightToLeft ? glyph
                                    : Rect{glyph.left, CentredTop(rect, glyph.Width()), glyph.right,
                                           CentredTop(rect, glyph.Width()) + glyph.Width()});
    return;
  }
  const framework::UniqueBitmap check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap)));
  const SIZE size = BitmapSize(check.Get());
  const int x = glyph.left + (glyph.Width() - size.cx) / 2 + 1;
  const int y = rightToLeft ? glyph.top + (glyph.Height() - size.cy) / 2 + 1 : CentredTop(rect, size.cy) + 1;
  DrawMonochromeGlyph(dc, x, y, check.Get(), GetSysColor(COLOR_BTNTEXT));
}

Color TMenuItemPainter::TextColor(const TMenuItem& item, bool selected) const {
  if (item.Enabled()) return fsd_->Colors[selected ? kSchemeHilightText : kSchemeMenuText];
  // Disabled text must not vanish into normal text of the same colour.
  const Color shadow = fsd_->Colors[kSchemeButtonShadow];
  return shadow == fsd_->Colors[kSchemeMenuText] ? SystemColor(COLOR_BTNSHADOW) : shadow;
}

void TMenuItemPainter::DrawMenuItemText(TMenuItem& item, HDC dc, UINT flags, bool selected, RECT& rect,
                                        std::wstring text) const {
  const bool measuring = (flags & DT_CALCRECT) != 0;
  // An empty text measures as one line high.
  if (measuring && (text.empty() || text == L"&")) text += L" ";
  if (text == L"-") {
    if (measuring) return;
    RECT line{rect.left, rect.top + 4, rect.right, rect.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const framework::UniqueFont bold = item.Default() ? BoldVersionOf(dc) : framework::UniqueFont();
  const framework::SelectGuard font(dc, bold.Get());
  const COLORREF oldColor =
      SetTextColor(dc, ResolveColor(fsd_ ? TextColor(item, selected) : SystemColor(COLOR_MENUTEXT)));
  SkinDrawText(dc, text, rect, flags);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

}  // namespace lanvero
