// Bounds and alignment: the window follows the control's bounds, and
// aligned children share the client area (top, bottom, left, right, client).
#include "framework/controls/WinControl.h"

#include <algorithm>

namespace lanvero::framework {

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyWindowBounds();
  if (resized) Realign();
  RequestAlign();
  BoundsChanged();
  if (OnResize) OnResize(this);
}

void TWinControl::ApplyWindowBounds() {
  if (handle_) SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::BoundsChanged() {}

RECT TWinControl::ClientRect() const {
  RECT rect{0, 0, width_, height_};
  if (handle_) GetClientRect(handle_, &rect);
  return rect;
}

RECT TWinControl::AlignClientRect() { return ClientRect(); }

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || aligning_) return;
  aligning_ = true;
  RECT rect = AlignClientRect();
  AlignControls(rect);
  aligning_ = false;
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::AlignOrderedBy(std::vector<TControl*>& controls, TAlign align) {
  controls.clear();
  for (TControl* control : controls_) {
    if (control->Visible() && control->Align() == align) controls.push_back(control);
  }
  auto key = [align](const TControl* c) {
    switch (align) {
      case TAlign::alTop: return c->Top();
      case TAlign::alBottom: return -(c->Top() + c->Height());
      case TAlign::alLeft: return c->Left();
      case TAlign::alRight: return -(c->Left() + c->Width());
      default: return 0;
    }
  };
  std::stable_sort(controls.begin(), controls.end(),
                   [&](const TControl* a, const TControl* b) { return key(a) < key(b); });
}

void TWinControl::AlignControls(RECT& rect) {
  std::vector<TControl*> group;
  for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    AlignOrderedBy(group, align);
    for (TControl* c : group) {
      const int w = rect.right - rect.left;
      const int h = rect.bottom - rect.top;
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(rect.left, rect.top, w, c->Height());
          rect.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(rect.left, rect.bottom - c->Height(), w, c->Height());
          rect.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(rect.left, rect.top, c->Width(), h);
          rect.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), h);
          rect.right -= c->Width();
          break;
        default: c->SetBounds(rect.left, rect.top, w, h); break;
      }
    }
  }
}

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  if (!parent_) return handle_ && IsWindowVisible(handle_) != FALSE;
  return parent_->Showing();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Siblings read later may have pushed this control away from its place.
  if (loadedTabOrder_ >= 0) SetTabOrder(loadedTabOrder_);
  loadedTabOrder_ = -1;
  Realign();
}

POINT TWinControl::ClientToScreen(POINT point) const {
  if (handle_) {
    ::ClientToScreen(handle_, &point);
    return point;
  }
  return TControl::ClientToScreen(point);
}

POINT TWinControl::ScreenToClient(POINT point) const {
  if (handle_) {
    ::ScreenToClient(handle_, &point);
    return point;
  }
  return TControl::ScreenToClient(point);
}

}  // namespace lanvero::framework
