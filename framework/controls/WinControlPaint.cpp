// The window's text, invalidation, the background brush and the painting
// of window-less children.
#include "framework/controls/WinControl.h"

#include <algorithm>

namespace lanvero::framework {

std::wstring TWinControl::GetText() const {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
  return text;
}

void TWinControl::SetText(const std::wstring& text) {
  if (handle_) {
    if (GetText() == text) return;
    SetWindowTextW(handle_, text.c_str());
    text_ = text;
    Perform(CM_TEXTCHANGED);
    return;
  }
  TControl::SetText(text);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

HBRUSH TWinControl::BackgroundBrush() {
  if (!brush_ || brushColor_ != Color()) {
    brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    brushColor_ = Color();
  }
  return brush_.Get();
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : controls_) {
    if (control->IsWindowed() || !control->Visible()) continue;
    const RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::WMPaint(TMessage& message) {
  const bool hasGraphicChildren = std::any_of(controls_.begin(), controls_.end(),
                                              [](const TControl* c) { return !c->IsWindowed() && c->Visible(); });
  if (!hasGraphicChildren) return DefaultHandler(message);
  DefaultHandler(message);
  if (message.WParam) {
    PaintControls(reinterpret_cast<HDC>(message.WParam));
  } else {
    WindowDC dc(handle_);
    PaintControls(dc.Get());
  }
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  if (!WantsErase()) return DefaultHandler(message);
  RECT client{};
  GetClientRect(handle_, &client);
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
  message.Result = 1;
}

}  // namespace lanvero::framework
