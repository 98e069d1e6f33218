#include "skin/runtime/controls/EditSkinner.h"

#include "framework/controls/WinControl.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/EditBorder.h"
#include "skin/runtime/controls/SkinnerFactory.h"
#include "skin/runtime/controls/UpDownSkinner.h"

namespace lanvero {
namespace {

constexpr int kSkinnedBorderWidth = 2;

bool IsUpDownClass(const std::wstring& lowerName) {
  return lowerName == L"msctls_updown32" || lowerName.find(L"spin") != std::wstring::npos ||
         lowerName.find(L"updown") != std::wstring::npos;
}

}  // namespace

bool TSkinEdit::BorderIsSkinnedWhole() const {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  return !(style & (WS_HSCROLL | WS_VSCROLL)) && !BorderWiderThan(hwnd, kSkinnedBorderWidth);
}

bool TSkinEdit::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      // The skin's border covers the whole non-client area: drawing it
      // alone keeps the native edge from showing first.
      if (!BorderIsSkinnedWhole()) return true;
      PaintControl(nullptr);
      message.Result = 0;
      return false;
    case WM_SKINPAINTCLIENT:
      if (message.LParam != SKIN_SIGNATURE) return true;
      if (message.WParam) {
        framework::TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallDefaultProc(paint);
      }
      message.Result = SKIN_SIGNATURE;
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinEdit::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintControl(reinterpret_cast<HDC>(message.WParam)); break;
    case WM_NCPAINT: PaintControl(nullptr); break;
    case WM_PRINT: PrintFrame(reinterpret_cast<HDC>(message.WParam)); break;
    default: TSkinControl::AfterProc(message); break;
  }
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rc) {
  if (!fsd) return;
  if ((fsd->SkinControls() & SetOf(xcSpin)) && !updownSearched_) FindUpDown();
  if (HasOwnBorder(hwnd, rc)) DrawSunkenBorder(dc, rc, fsd->Colors[kSchemeButtonShadow], 2);
}

void TSkinEdit::FindUpDown() {
  updownSearched_ = true;
  for (HWND child = GetTopWindow(hwnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUpDownClass(LowerName(GetWindowClassStr(child)))) continue;
    auto* skinner = static_cast<TSkinUpDown*>(NewSkinner(SkinnerClass::UpDown, control));
    if (!skinner) return;
    skinner->Inithwnd(child, fsd, fCanvas, skinform);
    skinner->inedit = true;
    updown = skinner;
    FreeNotification(updown);
    return;
  }
}

void TSkinEdit::Notification(framework::TComponent* component, framework::TOperation operation) {
  if (operation == framework::TOperation::opRemove && component == updown) updown = nullptr;
  TSkinControl::Notification(component, operation);
}

// WM_PRINT: the control printed itself with its native edge; the border
// line goes over it in the edge's own brush and the skin's shadow colour.
void TSkinEdit::PrintFrame(HDC dc) {
  if (!hwnd || !GetWindowRect(hwnd, &boundsrect)) return;
  RECT rect = boundsrect;
  OffsetRect(&rect, -rect.left, -rect.top);
  RECT client{};
  GetClientRect(hwnd, &client);
  if (client.right >= rect.right - 2 || client.bottom >= rect.bottom - 2) return;
  const auto draw = [&](HDC target) {
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameRect(target, &inner, static_cast<HBRUSH>(GetCurrentObject(target, OBJ_BRUSH)));
    FrameSolid(target, rect, fsd ? fsd->Colors[kSchemeButtonShadow] : 0);
  };
  if (dc) {
    draw(dc);
  } else {
    framework::WindowDC window(hwnd, true);
    draw(window.Get());
  }
}

}  // namespace lanvero
