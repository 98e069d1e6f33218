#include "framework/controls/RangeControls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

const EnumInfo& ScrollBarKindEnum() {
  static const EnumInfo info{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
  return info;
}

const EnumInfo& OrientationEnum() {
  static const EnumInfo info{"TOrientation", {"trHorizontal", "trVertical"}};
  return info;
}

const EnumInfo& ProgressOrientationEnum() {
  static const EnumInfo info{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};
  return info;
}

}  // namespace

// ----- TScrollBar -----------------------------------------------------------

const ClassInfo& TScrollBar::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TScrollBar>("TScrollBar", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Enumeration("Kind", ScrollBarKindEnum(), &TScrollBar::Kind, &TScrollBar::SetKind)
                                    .Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin)
                                    .Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax)
                                    .Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
                                    .Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
                                    .Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
                                    .Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
                                    .Event("OnChange", &TScrollBar::OnChange)
                                    .Event("OnScroll", &TScrollBar::OnScroll)
                                    .Build();
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = L"SCROLLBAR";
  params.style |= kind_ == TScrollBarKind::sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateHandleState() {
  TWinControl::CreateHandleState();
  ApplyScrollInfo();
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetPageSize(int value) {
  pageSize_ = std::max(0, value);
  ApplyScrollInfo();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min && !IsLoading()) throw FrameworkError(L"Scroll bar property out of range");
  position = std::clamp(position, min, std::max(min, max));
  const bool changed = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  ApplyScrollInfo();
  if (changed && OnChange && !IsLoading()) OnChange(this);
}

void TScrollBar::ApplyScrollInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(handle_, SB_CTL, &info, TRUE);
}

void TScrollBar::Dispatch(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) return CNScroll(message);
  TWinControl::Dispatch(message);
}

void TScrollBar::CNScroll(TMessage& message) {
  int position = position_;
  TScrollCode code = TScrollCode::scEndScroll;
  switch (LOWORD(message.WParam)) {
    case SB_LINEUP:
      code = TScrollCode::scLineUp;
      position -= smallChange_;
      break;
    case SB_LINEDOWN:
      code = TScrollCode::scLineDown;
      position += smallChange_;
      break;
    case SB_PAGEUP:
      code = TScrollCode::scPageUp;
      position -= largeChange_;
      break;
    case SB_PAGEDOWN:
      code = TScrollCode::scPageDown;
      position += largeChange_;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(handle_, SB_CTL, &info);
      position = info.nTrackPos;
      code = LOWORD(message.WParam) == SB_THUMBTRACK ? TScrollCode::scTrack : TScrollCode::scPosition;
      break;
    }
    case SB_TOP:
      code = TScrollCode::scTop;
      position = min_;
      break;
    case SB_BOTTOM:
      code = TScrollCode::scBottom;
      position = max_;
      break;
    default: break;
  }
  position = std::clamp(position, min_, std::max(min_, max_ - std::max(0, pageSize_ - 1)));
  if (OnScroll) OnScroll(this, code, position);
  SetPosition(position);
}

// ----- TPositionControl -----------------------------------------------------

void TPositionControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  SendRange();
  SendPosition();
}

void TPositionControl::SetMin(int value) {
  min_ = value;
  if (HandleAllocated()) SendRange();
}

void TPositionControl::SetMax(int value) {
  max_ = value;
  if (HandleAllocated()) SendRange();
}

int TPositionControl::Position() const {
  if (HandleAllocated()) position_ = ReadPosition();
  return position_;
}

void TPositionControl::SetPosition(int value) {
  const int old = Position();
  position_ = std::clamp(value, min_, std::max(min_, max_));
  if (HandleAllocated()) SendPosition();
  if (old != position_ && OnChange && !IsLoading()) OnChange(this);
}

void TPositionControl::SetOrientation(TOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  RecreateWnd();
}

// ----- TProgressBar ---------------------------------------------------------

const ClassInfo& TProgressBar::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TProgressBar>("TProgressBar", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin)
                                    .Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax)
                                    .Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
                                    .Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep)
                                    .Enumeration("Orientation", ProgressOrientationEnum(), &TProgressBar::Orientation,
                                                 &TProgressBar::SetOrientation)
                                    .Boolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
                                    .Build();
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TPositionControl(owner) { SetBounds(0, 0, 150, 17); }

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = PROGRESS_CLASSW;
  if (orientation_ == TOrientation::trVertical) params.style |= PBS_VERTICAL;
  if (smooth_) params.style |= PBS_SMOOTH;
}

void TProgressBar::SendRange() { SendToWindow(PBM_SETRANGE32, static_cast<WPARAM>(min_), max_); }
void TProgressBar::SendPosition() { SendToWindow(PBM_SETPOS, static_cast<WPARAM>(position_), 0); }
int TProgressBar::ReadPosition() const { return static_cast<int>(SendToWindow(PBM_GETPOS, 0, 0)); }

void TProgressBar::SetSmooth(bool value) {
  if (value == smooth_) return;
  smooth_ = value;
  RecreateWnd();
}

// ----- TTrackBar ------------------------------------------------------------

const ClassInfo& TTrackBar::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TTrackBar>("TTrackBar", &TWinControl::StaticClassInfo())
          .Creatable()
          .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin)
          .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax)
          .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
          .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
          .Enumeration("Orientation", OrientationEnum(), &TTrackBar::Orientation, &TTrackBar::SetOrientation)
          .Event("OnChange", &TTrackBar::OnChange)
          .Build();
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TPositionControl(owner) {
  max_ = 10;
  SetTabStop(true);
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = TRACKBAR_CLASSW;
  params.style |= TBS_AUTOTICKS | (orientation_ == TOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::CreateHandleState() {
  TPositionControl::CreateHandleState();
  SendToWindow(TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::SendRange() {
  SendToWindow(TBM_SETRANGEMIN, FALSE, min_);
  SendToWindow(TBM_SETRANGEMAX, TRUE, max_);
}
void TTrackBar::SendPosition() { SendToWindow(TBM_SETPOS, TRUE, position_); }
int TTrackBar::ReadPosition() const { return static_cast<int>(SendToWindow(TBM_GETPOS, 0, 0)); }

void TTrackBar::SetFrequency(int value) {
  frequency_ = value;
  SendToWindow(TBM_SETTICFREQ, static_cast<WPARAM>(value), 0);
}

void TTrackBar::Dispatch(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    // The user moved the thumb: the window holds the new position already.
    const int before = position_;
    if (Position() != before && OnChange) OnChange(this);
    return;
  }
  TWinControl::Dispatch(message);
}

}  // namespace lanvero::framework
