#include "framework/controls/Containers.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

const EnumInfo& BevelCutEnum() {
  static const EnumInfo info{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
  return info;
}

void DrawBevel(HDC dc, RECT& rect, TBevelCut cut, int width) {
  if (cut == TBevelCut::bvNone) return;
  const COLORREF topLeft = ColorToRGB(cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight);
  const COLORREF bottomRight = ColorToRGB(cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow);
  for (int i = 0; i < width; ++i) {
    if (cut != TBevelCut::bvSpace) {
      UniquePen light(CreatePen(PS_SOLID, 1, topLeft));
      UniquePen dark(CreatePen(PS_SOLID, 1, bottomRight));
      SelectGuard first(dc, light.Get());
      MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
      LineTo(dc, rect.left, rect.top);
      LineTo(dc, rect.right - 1, rect.top);
      SelectGuard second(dc, dark.Get());
      LineTo(dc, rect.right - 1, rect.bottom - 1);
      LineTo(dc, rect.left, rect.bottom - 1);
    }
    InflateRect(&rect, -1, -1);
  }
}

}  // namespace

// ----- group box ------------------------------------------------------------

const ClassInfo& TCustomGroupBox::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TCustomGroupBox>("TCustomGroupBox", &TWinControl::StaticClassInfo())
                                    .String("Caption", &TCustomGroupBox::Caption, &TCustomGroupBox::SetCaption)
                                    .Build();
  return info;
}

const ClassInfo& TGroupBox::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TGroupBox>("TGroupBox", &TCustomGroupBox::StaticClassInfo()).Creatable().Build();
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(Style() | csAcceptsControls);
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = L"BUTTON";
  params.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

// The system group box is transparent to hit testing, which would send the
// mouse to the window beneath it; as a container it owns its inside, so the
// window-less controls it paints (labels, images) get their clicks.
void TCustomGroupBox::Dispatch(TMessage& message) {
  TWinControl::Dispatch(message);
  if (message.Msg == WM_NCHITTEST && message.Result == HTTRANSPARENT) message.Result = HTCLIENT;
}

RECT TCustomGroupBox::AlignClientRect() {
  RECT rect = ClientRect();
  const int captionHeight = Font()->Height() < 0 ? -Font()->Height() : Font()->Height();
  rect.top += captionHeight;
  InflateRect(&rect, -1, -1);
  return rect;
}

// ----- panel ----------------------------------------------------------------

const ClassInfo& TCustomPanel::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TCustomPanel>("TCustomPanel", &TCustomControl::StaticClassInfo())
          .String("Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption)
          .Enumeration("BevelOuter", BevelCutEnum(), &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
          .Enumeration("BevelInner", BevelCutEnum(), &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
          .Integer("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
          .Enumeration("Alignment", AlignmentEnum(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment)
          .Boolean("Transparent", &TCustomPanel::Transparent, &TCustomPanel::SetTransparent)
          .Build();
  return info;
}

const ClassInfo& TPanel::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TPanel>("TPanel", &TCustomPanel::StaticClassInfo()).Creatable().Build();
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(Style() | csAcceptsControls | csOpaque);
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TCustomPanel::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
  bevelWidth_ = width;
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TCustomPanel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

int TCustomPanel::BorderWidth() const {
  return (bevelOuter_ != TBevelCut::bvNone ? bevelWidth_ : 0) + (bevelInner_ != TBevelCut::bvNone ? bevelWidth_ : 0);
}

RECT TCustomPanel::AlignClientRect() {
  RECT rect = ClientRect();
  InflateRect(&rect, -BorderWidth(), -BorderWidth());
  return rect;
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT rect = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
  }
  DrawBevel(canvas.Handle(), rect, bevelOuter_, bevelWidth_);
  DrawBevel(canvas.Handle(), rect, bevelInner_, bevelWidth_);
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.DrawText(GetText(), rect, DrawTextBiDiModeFlags(flags));
}

}  // namespace lanvero::framework
