#include "framework/controls/GraphicControl.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

const ClassInfo& TGraphicControl::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TGraphicControl", &TControl::StaticClassInfo());
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { SetParentColor(true); }

void TGraphicControl::Dispatch(TMessage& message) {
  if (message.Msg == WM_PAINT) return WMPaint(message);
  TControl::Dispatch(message);
}

void TGraphicControl::WMPaint(TMessage& message) {
  if (!message.WParam) return;
  canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
  canvas_.Font().Assign(*Font());
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

const ClassInfo& TCustomControl::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TCustomControl", &TWinControl::StaticClassInfo());
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::WMPaint(TMessage& message) {
  PAINTSTRUCT paint{};
  HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : BeginPaint(handle_, &paint);
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(*Font());
  canvas_.Brush().SetColor(Color());
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    if (!message.WParam) EndPaint(handle_, &paint);
    throw;
  }
  canvas_.SetHandle(nullptr);
  PaintControls(dc);
  if (!message.WParam) EndPaint(handle_, &paint);
}

}  // namespace lanvero::framework
