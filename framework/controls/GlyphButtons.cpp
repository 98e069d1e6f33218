#include "framework/controls/GlyphButtons.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/services/ImageList.h"

namespace lanvero::framework {

namespace {

const EnumInfo& ButtonLayoutEnum() {
  static const EnumInfo info{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
  return info;
}

const EnumInfo& BitBtnKindEnum() {
  static const EnumInfo info{"TBitBtnKind",
                             {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort",
                              "bkRetry", "bkIgnore", "bkAll"}};
  return info;
}

SIZE MeasureText(TCanvas& canvas, const std::wstring& text, UINT flags) {
  if (text.empty()) return SIZE{0, 0};
  RECT rect{0, 0, 0, 0};
  canvas.DrawText(text, rect, flags | DT_CALCRECT | DT_SINGLELINE);
  return SIZE{rect.right, rect.bottom};
}

}  // namespace

bool ButtonFace::HasGlyphBitmap() const { return glyph && !glyph->Empty() && numGlyphs > 0; }

bool ButtonFace::HasListImage(int index) const { return images && index >= 0 && index < images->Count(); }

SIZE ButtonFace::GlyphSize() const {
  if (HasGlyphBitmap()) return SIZE{glyph->Width() / numGlyphs, glyph->Height()};
  if (HasListImage(imageIndex) || HasListImage(disabledIndex)) return SIZE{images->Width(), images->Height()};
  return SIZE{0, 0};
}

void ButtonFace::DrawGlyph(TCanvas& canvas, POINT at, SIZE size, int cell, bool enabled) const {
  if (!HasGlyphBitmap()) {
    if (!enabled && HasListImage(disabledIndex)) {
      images->Draw(canvas, at.x, at.y, disabledIndex, true);
    } else if (HasListImage(imageIndex)) {
      images->Draw(canvas, at.x, at.y, imageIndex, enabled);
    }
    return;
  }
  const int index = cell >= 0 && cell < numGlyphs ? cell : 0;
  // Through the glyph's own canvas: the bitmap may be selected there already.
  TransparentBlt(canvas.Handle(), at.x, at.y, size.cx, size.cy, glyph->Canvas().Handle(), index * size.cx, 0, size.cx,
                 size.cy, glyph->TransparentColor());
}

void ButtonFace::Draw(TCanvas& canvas, const RECT& rect, const std::wstring& caption, int cell, bool enabled,
                      UINT textFlags) const {
  const SIZE glyphSize = GlyphSize();
  const bool hasGlyph = glyphSize.cx > 0;
  const SIZE textSize = MeasureText(canvas, caption, textFlags);
  const int gap = hasGlyph && !caption.empty() ? spacing : 0;
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int total = horizontal ? glyphSize.cx + gap + textSize.cx : glyphSize.cy + gap + textSize.cy;
  const int start = margin < 0 ? ((horizontal ? width : height) - total) / 2 : margin;
  POINT glyphAt{}, textAt{};
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      glyphAt = {start, (height - glyphSize.cy) / 2};
      textAt = {start + glyphSize.cx + gap, (height - textSize.cy) / 2};
      break;
    case TButtonLayout::blGlyphRight:
      textAt = {start, (height - textSize.cy) / 2};
      glyphAt = {start + textSize.cx + gap, (height - glyphSize.cy) / 2};
      break;
    case TButtonLayout::blGlyphTop:
      glyphAt = {(width - glyphSize.cx) / 2, start};
      textAt = {(width - textSize.cx) / 2, start + glyphSize.cy + gap};
      break;
    case TButtonLayout::blGlyphBottom:
      textAt = {(width - textSize.cx) / 2, start};
      glyphAt = {(width - glyphSize.cx) / 2, start + textSize.cy + gap};
      break;
  }
  if (hasGlyph) DrawGlyph(canvas, POINT{rect.left + glyphAt.x, rect.top + glyphAt.y}, glyphSize, cell, enabled);
  if (!caption.empty()) {
    RECT textRect{rect.left + textAt.x, rect.top + textAt.y, rect.left + textAt.x + textSize.cx,
                  rect.top + textAt.y + textSize.cy};
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (!enabled) canvas.Font().SetColor(clGrayText);
    canvas.DrawText(caption, textRect, textFlags | DT_SINGLELINE);
  }
}

// ----- glyph settings -------------------------------------------------------

GlyphSettings::GlyphSettings() : glyph_(std::make_unique<TBitmap>()) {
  face_.glyph = glyph_.get();
  glyph_->OnChange = [this] { GlyphChanged(); };
}

void GlyphSettings::SetNumGlyphs(int count) {
  face_.numGlyphs = std::clamp(count, 1, 4);
  GlyphChanged();
}

void GlyphSettings::SetLayout(TButtonLayout layout) {
  face_.layout = layout;
  GlyphChanged();
}

void GlyphSettings::SetMargin(int margin) {
  face_.margin = margin;
  GlyphChanged();
}

void GlyphSettings::SetSpacing(int spacing) {
  face_.spacing = spacing;
  GlyphChanged();
}

// ----- TSpeedButton ---------------------------------------------------------

const ClassInfo& TSpeedButton::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TSpeedButton>("TSpeedButton", &TGraphicControl::StaticClassInfo())
          .Creatable()
          .String("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption)
          .Object("Glyph", &TSpeedButton::Glyph)
          .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
          .Enumeration("Layout", ButtonLayoutEnum(), &TSpeedButton::Layout, &TSpeedButton::SetLayout)
          .Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
          .Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
          .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
          .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
          .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
          .Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
          .Build();
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(Style() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (!value && !allowAllUp_ && !IsLoading()) return;  // one of a group stays down
  down_ = value;
  if (down_ && Parent()) {
    for (TControl* sibling : Parent()->ControlList()) {
      auto* other = dynamic_cast<TSpeedButton*>(sibling);
      if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
        other->down_ = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_ ? true : false);
  TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && Enabled()) {
    pressed_ = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  Invalidate();
  TGraphicControl::MouseUp(button, shift, x, y);
  const RECT client = ClientRect();
  if (wasPressed && button == TMouseButton::mbLeft && PtInRect(&client, POINT{x, y})) Click();
}

void TSpeedButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      hot_ = message.Msg == CM_MOUSEENTER;
      if (flat_) Invalidate();
      break;
    default: break;
  }
  TGraphicControl::Dispatch(message);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  RECT rect = ClientRect();
  const bool sunken = pressed_ || down_;
  canvas.Brush().SetColor(Color());
  canvas.FillRect(rect);
  if (!flat_) {
    DrawFrameControl(canvas.Handle(), &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (sunken ? DFCS_PUSHED : 0));
  } else if (sunken || hot_) {
    DrawEdge(canvas.Handle(), &rect, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  if (sunken) OffsetRect(&rect, 1, 1);
  const int cell = !Enabled() ? 1 : down_ ? 3 : pressed_ ? 2 : 0;
  Face().Draw(canvas, rect, Caption(), cell, Enabled(), DrawTextBiDiModeFlags(0));
}

// ----- TBitBtn --------------------------------------------------------------

const ClassInfo& TBitBtn::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TBitBtn>("TBitBtn", &TButton::StaticClassInfo())
                                    .Creatable()
                                    .Object("Glyph", &TBitBtn::Glyph)
                                    .Integer("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
                                    .Enumeration("Layout", ButtonLayoutEnum(), &TBitBtn::Layout, &TBitBtn::SetLayout)
                                    .Integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
                                    .Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)
                                    .Enumeration("Kind", BitBtnKindEnum(), &TBitBtn::Kind, &TBitBtn::SetKind)
                                    .Reference("Images", &TBitBtn::Images, &TBitBtn::SetImages)
                                    .Integer("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex)
                                    .Integer("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex)
                                    .Build();
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style &= ~static_cast<DWORD>(BS_DEFPUSHBUTTON | BS_PUSHBUTTON);
  params.style |= BS_OWNERDRAW;
}

void TBitBtn::SetImages(TImageList* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  Invalidate();
}

void TBitBtn::SetImageIndex(int index) {
  imageIndex_ = index;
  Invalidate();
}

void TBitBtn::SetDisabledIndex(int index) {
  disabledIndex_ = index;
  Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
  TButton::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) {
    images_ = nullptr;
    if (!IsDestroying()) Invalidate();
  }
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  struct Standard {
    const wchar_t* caption;
    int modalResult;
  };
  static constexpr Standard kStandard[] = {
      {L"", 0},       {L"OK", IDOK},  {L"Cancel", IDCANCEL}, {L"&Help", 0},        {L"&Yes", IDYES},
      {L"&No", IDNO}, {L"&Close", 0}, {L"Abort", IDABORT},   {L"&Retry", IDRETRY}, {L"&Ignore", IDIGNORE},
      {L"&All", 0}};
  if (kind == TBitBtnKind::bkCustom || IsLoading()) return;
  const Standard& standard = kStandard[static_cast<int>(kind)];
  SetCaption(standard.caption);
  SetModalResult(standard.modalResult);
  if (kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes) SetDefault(true);
  if (kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo) SetCancel(true);
}

void TBitBtn::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM: return CNDrawItem(message);
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports double clicks; treat them as presses.
      message.Msg = WM_LBUTTONDOWN;
      break;
    default: break;
  }
  TButton::Dispatch(message);
}

void TBitBtn::CNDrawItem(TMessage& message) {
  const auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  TCanvas canvas;
  canvas.SetHandle(draw.hDC);
  canvas.Font().Assign(*Font());
  RECT rect = draw.rcItem;
  const bool pressed = (draw.itemState & ODS_SELECTED) != 0;
  const bool focused = (draw.itemState & ODS_FOCUS) != 0;
  if (Active() || focused) {
    canvas.Brush().SetColor(SystemColor(COLOR_WINDOWFRAME));
    canvas.FrameRect(rect);
    InflateRect(&rect, -1, -1);
  }
  DrawFrameControl(draw.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  if (pressed) OffsetRect(&rect, 1, 1);
  const int cell = !Enabled() ? 1 : pressed ? 2 : 0;
  ButtonFace face = Face();
  face.images = images_;
  face.imageIndex = imageIndex_;
  face.disabledIndex = disabledIndex_;
  face.Draw(canvas, rect, Caption(), cell, Enabled(), DrawTextBiDiModeFlags(0));
  if (focused) {
    RECT focus = draw.rcItem;
    InflateRect(&focus, -4, -4);
    ::DrawFocusRect(draw.hDC, &focus);
  }
  canvas.SetHandle(nullptr);
  message.Result = 1;
}

}  // namespace lanvero::framework
