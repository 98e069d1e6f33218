#include "framework/services/HintWindow.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/graphics/TextMeasure.h"

namespace lanvero::framework {

namespace {
constexpr int kMargin = 2;
}

const ClassInfo& THintWindow::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("THintWindow", &TCustomControl::StaticClassInfo());
  return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    Font()->AssignLogFont(metrics.lfStatusFont);
  }
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style = WS_POPUP | WS_BORDER;
  params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.classStyle |= CS_SAVEBITS;
  params.parentWindow = Application() ? Application()->Handle() : nullptr;
  params.menuOrId = nullptr;
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::wstring& hint) {
  RECT rect = TextMeasureDC(Font()->Handle()).Measure(hint, kTextFlags, RECT{0, 0, maxWidth, 0});
  // Room for the border and the margin on every side.
  rect.right += 2 * (kMargin + 1) + 4;
  rect.bottom += 2 * (kMargin + 1);
  return rect;
}

void THintWindow::ActivateHint(const RECT& rect, const std::wstring& hint) {
  SetText(hint);
  HandleNeeded();
  left_ = rect.left;
  top_ = rect.top;
  width_ = rect.right - rect.left;
  height_ = rect.bottom - rect.top;
  SetWindowPos(WindowHandle(), HWND_TOPMOST, rect.left, rect.top, width_, height_, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHint() {
  if (HandleAllocated()) ShowWindow(WindowHandle(), SW_HIDE);
}

bool THintWindow::Showing() const { return HandleAllocated() && IsWindowVisible(WindowHandle()); }

void THintWindow::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTTRANSPARENT;
    return;
  }
  TCustomControl::Dispatch(message);
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  RECT rect = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(rect);
  InflateRect(&rect, -kMargin, -kMargin);
  rect.left += 2;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetColor(Font()->Color());
  canvas.DrawText(GetText(), rect, DrawTextBiDiModeFlags(kTextFlags));
}

}  // namespace lanvero::framework
