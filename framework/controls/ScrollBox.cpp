#include "framework/controls/ScrollBox.h"

#include <algorithm>
#include <utility>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

// ----- TControlScrollBar ----------------------------------------------------

const ClassInfo& TControlScrollBar::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TControlScrollBar>("TControlScrollBar", &TPersistent::StaticClassInfo())
          .Integer("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange)
          .Integer("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition)
          .Integer("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement)
          .Boolean("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible)
          .Build();
  return info;
}

void TControlScrollBar::SetRange(int range) {
  range_ = std::max(range, 0);
  control_.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
  visible_ = value;
  control_.UpdateScrollBars();
}

int TControlScrollBar::PageSize() const {
  const RECT client = control_.ClientRect();
  return kind_ == TScrollBarKind::sbHorizontal ? client.right - client.left : client.bottom - client.top;
}

int TControlScrollBar::MaxPosition() const { return visible_ ? std::max(range_ - PageSize(), 0) : 0; }

void TControlScrollBar::SetPosition(int position) {
  position = std::clamp(position, 0, MaxPosition());
  const int delta = position - position_;
  if (delta == 0) return;
  position_ = position;
  if (kind_ == TScrollBarKind::sbHorizontal) {
    control_.ScrollBy(delta, 0);
  } else {
    control_.ScrollBy(0, delta);
  }
  if (control_.HandleAllocated()) SetScrollPos(control_.WindowHandle(), Bar(), position_, TRUE);
}

bool TControlScrollBar::IsScrollBarVisible() const {
  if (!control_.HandleAllocated()) return false;
  const auto style = GetWindowLongPtrW(control_.WindowHandle(), GWL_STYLE);
  return (style & (kind_ == TScrollBarKind::sbHorizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

// The window shows the bar exactly when the range exceeds the page.
void TControlScrollBar::Apply() {
  SetPosition(position_);  // a smaller range or a larger page may pull it back
  if (!control_.HandleAllocated()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = visible_ && range_ > 0 ? range_ - 1 : 0;
  info.nPage = static_cast<UINT>(visible_ ? PageSize() : 0);
  info.nPos = position_;
  SetScrollInfo(control_.WindowHandle(), Bar(), &info, TRUE);
}

int TControlScrollBar::PositionFor(WORD code) const {
  switch (code) {
    case SB_LINEUP: return position_ - increment_;
    case SB_LINEDOWN: return position_ + increment_;
    case SB_PAGEUP: return position_ - PageSize();
    case SB_PAGEDOWN: return position_ + PageSize();
    case SB_TOP: return 0;
    case SB_BOTTOM: return MaxPosition();
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit track position; the message carries only 16 bits.
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(control_.WindowHandle(), Bar(), &info);
      return info.nTrackPos;
    }
    default: return position_;
  }
}

// ----- TScrollingWinControl ---------------------------------------------------

const ClassInfo& TScrollingWinControl::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TScrollingWinControl>("TScrollingWinControl", &TWinControl::StaticClassInfo())
          .Boolean("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
          .Object("HorzScrollBar", &TScrollingWinControl::HorzScrollBar)
          .Object("VertScrollBar", &TScrollingWinControl::VertScrollBar)
          .Build();
  return info;
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      horzScrollBar_(std::make_unique<TControlScrollBar>(*this, TScrollBarKind::sbHorizontal)),
      vertScrollBar_(std::make_unique<TControlScrollBar>(*this, TScrollBarKind::sbVertical)) {
  SetControlStyle(Style() | csAcceptsControls);
}

TScrollingWinControl::~TScrollingWinControl() {
  MarkDestroying();
  DestroyComponents();
  // Children leave while the scroll bars still exist.
  while (ControlCount() > 0) delete Controls(ControlCount() - 1);
}

void TScrollingWinControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TScrollingWinControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  UpdateScrollBars();
}

void TScrollingWinControl::SetAutoScroll(bool value) {
  autoScroll_ = value;
  UpdateScrollBars();
}

int TScrollingWinControl::ContentExtent(TScrollBarKind kind) const {
  const bool horizontal = kind == TScrollBarKind::sbHorizontal;
  int extent = 0;
  for (const TControl* child : ControlList()) {
    if (!child->Visible() || child->Align() != TAlign::alNone) continue;
    extent = std::max(extent, horizontal ? child->Left() + child->Width() : child->Top() + child->Height());
  }
  return extent + (horizontal ? horzScrollBar_->Position() : vertScrollBar_->Position());
}

void TScrollingWinControl::UpdateScrollBars() {
  if (updating_ || IsDestroying() || !horzScrollBar_ || !vertScrollBar_) return;
  updating_ = true;
  // Showing one bar narrows the client area, which may call for the other:
  // the second pass settles that.
  for (int pass = 0; pass < 2; ++pass) {
    if (autoScroll_) {
      horzScrollBar_->range_ = ContentExtent(TScrollBarKind::sbHorizontal);
      vertScrollBar_->range_ = ContentExtent(TScrollBarKind::sbVertical);
    }
    horzScrollBar_->Apply();
    vertScrollBar_->Apply();
  }
  updating_ = false;
}

void TScrollingWinControl::AlignControls(RECT& rect) {
  TWinControl::AlignControls(rect);
  UpdateScrollBars();
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
  const bool wasUpdating = std::exchange(updating_, true);
  for (TControl* child : std::vector<TControl*>(ControlList())) {
    if (child->Align() != TAlign::alNone) continue;
    child->SetBounds(child->Left() - dx, child->Top() - dy, child->Width(), child->Height());
  }
  updating_ = wasUpdating;
  Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
  if (!control || control->Parent() != this) return;
  // start and end are the child's edges in client coordinates; a child
  // larger than the view shows its start.
  auto bring = [](TControlScrollBar& bar, int start, int end) {
    if (start < 0) {
      bar.SetPosition(bar.Position() + start);
    } else if (end > bar.PageSize()) {
      bar.SetPosition(bar.Position() + std::min(end - bar.PageSize(), start));
    }
  };
  bring(*horzScrollBar_, control->Left(), control->Left() + control->Width());
  bring(*vertScrollBar_, control->Top(), control->Top() + control->Height());
}

void TScrollingWinControl::Dispatch(TMessage& message) {
  // The window's own bars send WM_HSCROLL / WM_VSCROLL without a bar window.
  if ((message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) && message.LParam == 0) return WMScroll(message);
  TWinControl::Dispatch(message);
}

void TScrollingWinControl::WMScroll(TMessage& message) {
  TControlScrollBar& bar = message.Msg == WM_HSCROLL ? *horzScrollBar_ : *vertScrollBar_;
  bar.SetPosition(bar.PositionFor(LOWORD(message.WParam)));
  message.Result = 0;
}

// ----- TScrollBox -------------------------------------------------------------

const ClassInfo& TScrollBox::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TScrollBox>("TScrollBox", &TScrollingWinControl::StaticClassInfo())
          .Creatable()
          .Enumeration("BorderStyle", BorderStyleEnum(), &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle)
          .Build();
  return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  SetTabStop(false);
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

}  // namespace lanvero::framework
