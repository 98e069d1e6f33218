// TSkinBitButton: a push button with a glyph (or an image-list image, or a
// picture property) beside its caption, laid out as the framework's glyph
// buttons do, over the skin's button frame.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Graphic.h"
#include "framework/services/ImageList.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/ButtonGlyphLayout.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/PropertyByName.h"

namespace lanvero {
namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

// What a glyph button shows beside its caption, read from its properties.
struct GlyphSource {
  const framework::TBitmap* glyph = nullptr;
  const framework::TGraphic* picture = nullptr;
  HIMAGELIST images = nullptr;
  int numGlyphs = 1;
  int64_t imageIndex = -1;
  int64_t disabledIndex = -1;

  SIZE Size() const {
    if (picture && !picture->Empty()) return {picture->Width(), picture->Height()};
    if (glyph && !glyph->Empty()) return {glyph->Width() / numGlyphs, glyph->Height()};
    int cx = 0, cy = 0;
    if (images && imageIndex != -1 && ImageList_GetIconSize(images, &cx, &cy)) return {cx, cy};
    return {0, 0};
  }
};

GlyphSource ReadGlyphSource(framework::TPersistent* control, const std::wstring& picField) {
  GlyphSource source;
  if (!picField.empty()) {
    const std::string name(picField.begin(), picField.end());
    source.picture = dynamic_cast<framework::TGraphic*>(
        GetObjectPropByName(control, name, framework::TPersistent::StaticClassInfo()));
    return source;
  }
  source.glyph =
      dynamic_cast<framework::TBitmap*>(GetObjectPropByName(control, "Glyph", framework::TBitmap::StaticClassInfo()));
  // A count below 1 would divide the glyph into nothing: one cell.
  source.numGlyphs = static_cast<int>(std::max<int64_t>(GetIntPropByName(control, "NumGlyphs"), 1));
  if (auto* list = dynamic_cast<framework::TImageList*>(
          GetObjectPropByName(control, "Images", framework::TImageList::StaticClassInfo()))) {
    source.images = list->Handle();
  }
  source.imageIndex = GetIntPropByName(control, "ImageIndex");
  source.disabledIndex = GetIntPropByName(control, "DisabledIndex");
  return source;
}

// The caption's extent in the room the glyph leaves.
SIZE MeasureCaption(HDC dc, const std::wstring& text, const RECT& client, SIZE glyph, GlyphSide side) {
  if (text.empty()) return {0, 0};
  RECT room = client;
  InflateRect(&room, -2, -2);
  if (side == GlyphSide::Left || side == GlyphSide::Right) {
    room.right -= glyph.cx + 2;
  } else {
    room.bottom -= glyph.cy + 2;
  }
  SkinDrawText(dc, text, room, DT_CALCRECT | DT_WORDBREAK);
  return {Width(room), Height(room)};
}

void DrawImageListImage(HDC dc, const GlyphSource& source, POINT at, bool enabled) {
  const int64_t index = !enabled && source.disabledIndex != -1 ? source.disabledIndex : source.imageIndex;
  if (!source.images || index == -1) return;
  const UINT style = enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50;
  ImageList_DrawEx(source.images, static_cast<int>(index), dc, at.x, at.y, 0, 0, CLR_NONE, CLR_DEFAULT, style);
}

void DrawPicture(HDC dc, const framework::TGraphic& picture, POINT at) {
  framework::TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Draw(at.x, at.y, picture);
  canvas.SetHandle(nullptr);
}

}  // namespace

void DrawGlyphCell(HDC dc, POINT pos, int numGlyphs, int index, const framework::TBitmap* glyph) {
  if (!glyph || glyph->Empty()) return;
  numGlyphs = std::max(numGlyphs, 1);
  // A single cell serves every state; its disabled look is made from it.
  const bool makeDisabled = index == 2 && numGlyphs == 1;
  if (numGlyphs < index || index < 1) index = 1;
  const PixelImage whole = glyph->ToPixels();
  const int cellWidth = whole.Width() / numGlyphs;
  if (cellWidth <= 0) return;
  PixelImage cell;
  if (makeDisabled) {
    cell = MakeDisabledGlyph(whole);
  } else {
    const PixelView view{cellWidth, whole.Height(), whole.Pixels().data() + (index - 1) * cellWidth, whole.Width()};
    cell = PixelImage::FromView(view);
  }
  const DibSection bitmap = DibSection::FromImage(cell);
  // The framework's automatic transparency: the bottom-left pixel's colour.
  const Color key = ColorFromPixel(cell.At(0, cell.Height() - 1) & 0xFFFFFF);
  TransparentBlit(dc, Rect{pos.x, pos.y, pos.x + cell.Width(), pos.y + cell.Height()}, bitmap.Handle(), key);
}

void TSkinBitButton::DrawControl(HDC dc, const RECT& rc) {
  const TDataSkinButton* button = ButtonDefinition();
  if (!button) return;
  ReadWindowState();
  // Picture buttons show frame 5 only for the focus, not for the default.
  const int frame = PushFrame(PicField.empty());
  const int cell = frame == kButtonPressed ? 3 : frame == kButtonDisabled ? 2 : 1;
  if (!PrepareBuffer(rc)) return;
  const RECT client{0, 0, Width(rc), Height(rc)};
  {
    BitmapDC target(btemp.Handle());
    if (!target) return;
    DrawSkinMap(target.Get(), client, button, FrameWithin(frame, button->frame), button->frame);
    framework::SavedDC saved(target.Get());
    SelectCaptionFont(target.Get());
    DrawGlyphAndCaption(target.Get(), client, cell, frame, false);
  }
  CopyBuffer(dc, rc);
}

void TSkinBitButton::DrawGlyphAndCaption(HDC dc, const RECT& client, int cell, int frame, bool speedLayout) {
  framework::TPersistent* owner = control ? static_cast<framework::TPersistent*>(control) : GControl;
  const GlyphSource source = ReadGlyphSource(owner, PicField);
  caption = ReplaceFirst(caption, L"||", L"\r\n");
  GlyphLayoutInput input;
  input.client = {Width(client), Height(client)};
  input.glyph = source.Size();
  input.side = GlyphSideFromName(GetEnumPropByName(owner, "Layout"));
  input.text = MeasureCaption(dc, caption, client, input.glyph, input.side);
  input.margin = static_cast<int>(GetIntPropByName(owner, "Margin"));
  input.spacing = static_cast<int>(GetIntPropByName(owner, "Spacing"));
  input.centred = !speedLayout && LowerName(GetEnumPropByName(owner, "Alignment")) == L"tacenter";
  input.speedButton = speedLayout;
  const GlyphLayout layout = LayOutGlyph(input);

  if (source.picture && !source.picture->Empty()) {
    DrawPicture(dc, *source.picture, layout.glyph);
  } else if (source.glyph && !source.glyph->Empty()) {
    DrawGlyphCell(dc, layout.glyph, source.numGlyphs, cell, source.glyph);
  } else {
    DrawImageListImage(dc, source, layout.glyph, enabled);
  }
  if (caption.empty()) return;
  RECT text{layout.text.x, layout.text.y, layout.text.x + input.text.cx, layout.text.y + input.text.cy};
  SetBkMode(dc, TRANSPARENT);
  ApplySkinTextColor(dc, frame, PicField.empty() && !speedLayout, enabled);
  SkinDrawText(dc, caption, text, CheckBiDi(DT_WORDBREAK | layout.textFlags));
  if (focused) DrawFocusAround(dc, text);
}

}  // namespace lanvero
