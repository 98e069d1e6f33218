// TSkinSpeedButton: a window-less speed button painted from the skin on
// its parent's device context. It keeps the button's own press handling
// (the button raises its click itself) and only adds the skin's states;
// a flat button shows its frame only while hot or pressed.
#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Graphic.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

bool PropertyIsTrue(framework::TPersistent* control, std::string_view name) {
  return LowerName(GetEnumPropByName(control, name)) == L"true";
}

// Clears a re-entrance flag on every way out.
class ReentranceGuard {
 public:
  explicit ReentranceGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ReentranceGuard(const ReentranceGuard&) = delete;
  ReentranceGuard& operator=(const ReentranceGuard&) = delete;
  ~ReentranceGuard() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

void TSkinSpeedButton::InitGraphicControl(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas) {
  if (Inited) return;
  auto* owner = dynamic_cast<framework::TGraphicControl*>(OwnerControl());
  if (!owner) return;
  fsd = sd;
  skinform = sf;
  fCanvas = acanvas;
  GControl = owner;
  OldWndProc = GControl->WindowProc;
  GControl->WindowProc = [this](framework::TMessage& message) {
    CallScope scope(*this);
    NewWndProc(message);
  };
  if (skinform) skinform->AddControlList(this);
  trans = owner->Tag() == kTransparentButtonTag || HasOption(xoTransparent);
  Inited = true;
  skinstate = kSkinnerAttached;
  GControl->Invalidate();
}

bool TSkinSpeedButton::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (ButtonDefinition()) {
        WMPaintSpeed(message);
      } else {
        // Nothing to draw from: the button paints itself, and nothing of
        // the skinner follows (a repaint asked for after a paint would
        // come back for ever).
        CallDefaultProc(message);
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefaultProc(message);  // the button's own press handling
      state |= kSkinPressed;
      PaintControl(nullptr);
      return false;
    case WM_LBUTTONUP: return true;
    default: return TSkinButton::BeforeProc(message);
  }
}

void TSkinSpeedButton::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_ENABLE:
    case framework::CM_FOCUSCHANGED:
    case framework::CM_ENABLEDCHANGED: break;
    case WM_KEYDOWN:
      if (message.WParam != VK_SPACE) break;
      state |= kSkinPressed;
      PaintControl(nullptr);
      break;
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;
      [[fallthrough]];
    case WM_LBUTTONUP:
      state &= ~kSkinPressed;
      PaintControl(nullptr);
      break;
    case framework::CM_MOUSEENTER:
      state |= kSkinHot;
      PaintControl(nullptr);
      break;
    case framework::CM_MOUSELEAVE:
      state &= ~(kSkinHot | kSkinPressed);
      if (GControl && GControl->Visible()) PaintControl(nullptr);
      break;
    default: TSkinButton::AfterProc(message); break;
  }
}

void TSkinSpeedButton::PaintControl(HDC) {
  if (!GControl) return;  // the button went away during its own click
  framework::TCanvas& canvas = GControl->Canvas();
  if (!canvas.HandleAllocated()) {
    // Outside its parent's painting the button has no surface: ask for a
    // repaint, or a hot or pressed state would never show.
    GControl->Invalidate();
    return;
  }
  canvas.Lock();
  DrawSpeedbtn(canvas.Handle(), GControl->ClientRect());
  canvas.Unlock();
}

void TSkinSpeedButton::WMPaintSpeed(framework::TMessage& message) {
  message.Result = 1;
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc || !GControl) return;
  framework::TCanvas& canvas = GControl->Canvas();
  canvas.Lock();
  canvas.SetHandle(dc);
  DrawSpeedbtn(dc, GControl->ClientRect());
  canvas.SetHandle(nullptr);
  canvas.Unlock();
}

void TSkinSpeedButton::DrawSpeedbtn(HDC dc, const RECT& rc) {
  const TDataSkinButton* button = ButtonDefinition();
  if (!button || !GControl || FReentr) return;
  if (LowerName(GetEnumPropByName(GControl, "Visible")) == L"false") return;
  const ReentranceGuard guard(FReentr);
  enabled = PropertyIsTrue(GControl, "Enabled");
  focused = false;
  const bool down = PropertyIsTrue(GControl, "Down");
  int frame = state & kSkinPressed ? kButtonPressed : state & kSkinHot ? kButtonHot : kButtonNormal;
  if (!enabled) frame = kButtonDisabled;
  if (down) frame = kButtonPressed;
  int cell = frame == kButtonPressed ? 3 : frame == kButtonDisabled ? 2 : 1;
  if (down) cell = 4;
  caption = GetTextPropByName(GControl, "Caption");
  if (Width(rc) < 1 || Height(rc) < 1 || !PrepareBuffer(rc)) return;
  {
    BitmapDC target(btemp.Handle());
    if (!target) return;
    const RECT client{0, 0, Width(rc), Height(rc)};
    const bool flat = PropertyIsTrue(GControl, "Flat");
    if (frame == kButtonPressed || frame == kButtonHot || !flat) {
      DrawSkinMap(target.Get(), client, button, FrameWithin(frame, button->frame), button->frame);
    }
    framework::SavedDC saved(target.Get());
    SelectCaptionFont(target.Get());
    DrawSpeedFace(target.Get(), client, frame, cell);
  }
  CopyBuffer(dc, rc);
}

void TSkinSpeedButton::DrawSpeedFace(HDC dc, const RECT& client, int frame, int cell) {
  auto* glyph =
      dynamic_cast<framework::TBitmap*>(GetObjectPropByName(GControl, "Glyph", framework::TBitmap::StaticClassInfo()));
  auto* picture = PicField.empty() ? nullptr
                                   : GetObjectPropByName(GControl, std::string(PicField.begin(), PicField.end()),
                                                         framework::TPersistent::StaticClassInfo());
  if ((glyph && !glyph->Empty()) || picture) {
    DrawGlyphAndCaption(dc, client, cell, frame, true);
    return;
  }
  ApplySkinTextColor(dc, frame, true, enabled);
  DrawButtonCaption(dc, client, DT_CENTER);
}

}  // namespace lanvero
