#include "framework/controls/Labels.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/TextMeasure.h"

namespace lanvero::framework {

// ----- TLabel ---------------------------------------------------------------

const ClassInfo& TLabel::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClassInfo())
          .Creatable()
          .String("Caption", &TLabel::Caption, &TLabel::SetCaption)
          .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
          .Enumeration("Alignment", AlignmentEnum(), &TLabel::Alignment, &TLabel::SetAlignment)
          .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
          .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
          .Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
          .Build();
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  SetControlStyle(value ? Style() & ~static_cast<uint32_t>(csOpaque) : Style() | csOpaque);
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::CMTextChanged(TMessage& message) {
  TGraphicControl::CMTextChanged(message);
  AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& message) {
  TGraphicControl::CMFontChanged(message);
  AdjustBounds();
}

UINT TLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  return DrawTextBiDiModeFlags(flags);
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) return;
  std::wstring text = GetText();
  if (text.empty()) text = L" ";
  const RECT rect = TextMeasureDC(Font()->Handle()).Measure(text, TextFlags(), RECT{0, 0, wordWrap_ ? Width() : 0, 0});
  int left = Left();
  if (alignment_ == TAlignment::taRightJustify) left += Width() - rect.right;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT rect = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(GetText(), rect, TextFlags());
}

// ----- TImage ---------------------------------------------------------------

const ClassInfo& TImage::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TImage>("TImage", &TGraphicControl::StaticClassInfo())
                                    .Creatable()
                                    .Object("Picture", &TImage::Picture)
                                    .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch)
                                    .Boolean("Center", &TImage::Center, &TImage::SetCenter)
                                    .Boolean("Proportional", &TImage::Proportional, &TImage::SetProportional)
                                    .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent)
                                    .Build();
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  picture_->OnChange = [this] {
    if (picture_->Graphic()) picture_->Graphic()->SetTransparent(transparent_);
    Invalidate();
  };
  SetBounds(0, 0, 105, 105);
}

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetProportional(bool value) {
  proportional_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  if (picture_->Graphic()) picture_->Graphic()->SetTransparent(value);
  Invalidate();
}

RECT TImage::DestRect() const {
  int w = picture_->Width();
  int h = picture_->Height();
  const int cw = Width();
  const int ch = Height();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      if (static_cast<int64_t>(cw) * h > static_cast<int64_t>(ch) * w) {
        w = ch * w / h;
        h = ch;
      } else {
        h = cw * h / w;
        w = cw;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  RECT rect{0, 0, w, h};
  if (center_) OffsetRect(&rect, (cw - w) / 2, (ch - h) / 2);
  return rect;
}

void TImage::Paint() {
  if (TGraphic* graphic = picture_->Graphic()) Canvas().StretchDraw(DestRect(), *graphic);
}

}  // namespace lanvero::framework
