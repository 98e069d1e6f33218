#include "skin/runtime/controls/SkinControl.h"

#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Color.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

constexpr UINT CM_ENABLEDCHANGED_MESSAGE = 0xB00C;
constexpr UINT CM_MOUSELEAVE_MESSAGE = 0xB014;

framework::TColor SkinFace(const TSkinData& sd) { return static_cast<framework::TColor>(sd.Colors[kSchemeButtonFace]); }

}  // namespace

TSkinControl::TSkinControl(framework::TComponent* AOwner) : framework::TComponent(nullptr), ownerControl_(AOwner) {
  if (ownerControl_) ownerControl_->FreeNotification(this);
}

TSkinControl::~TSkinControl() {
  if (ownerControl_) ownerControl_->RemoveFreeNotification(this);
  if (control && OldWndProc) {
    control->WindowProc = OldWndProc;
    OldWndProc = nullptr;
  }
  if (GControl && OldWndProc) {
    GControl->WindowProc = OldWndProc;
    OldWndProc = nullptr;
  }
  if (rawSubclassed_) {
    DetachSubclass(hwnd, *this);
    rawSubclassed_ = false;
  }
  if (skinform) skinform->DeleteControl(this);
}

void TSkinControl::Release(TSkinControl* skinner) {
  if (!skinner) return;
  CallDepthCounted::Retire(std::unique_ptr<TSkinControl>(skinner));
}

void TSkinControl::Notification(framework::TComponent* component, framework::TOperation operation) {
  framework::TComponent::Notification(component, operation);
  if (operation != framework::TOperation::opRemove || component != ownerControl_) return;
  // The control is being destroyed (its own destructors already ran): its
  // message handler is no longer there to give back.
  RemoveFreeNotification(component);
  ownerControl_ = nullptr;
  control = nullptr;
  GControl = nullptr;
  OldWndProc = nullptr;
  skinstate = kSkinnerWindowGone;
  if (skinform) {
    skinform->DeleteControl(this);
    skinform = nullptr;
  }
  Release(this);
}

void TSkinControl::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  auto* owner = dynamic_cast<framework::TWinControl*>(ownerControl_);
  if (!owner) return;
  newColor = acolor;
  fsd = sd;
  skinform = sf;
  fCanvas = acanvas;
  control = owner;
  hwnd = control->Handle();
  isunicode = IsWindowUnicode(hwnd);
  OldWndProc = control->WindowProc;
  control->WindowProc = [this](framework::TMessage& message) {
    CallScope scope(*this);
    NewWndProc(message);
  };
  if (skinform) skinform->AddControlList(this);
  if (newColor && fsd) {
    oldcolor = control->Color();
    control->SetColor(SkinFace(*fsd));
  }
  if (parentbk) kind = 1;
  control->Invalidate();
  Inited = true;
  skinstate = kSkinnerAttached;
}

void TSkinControl::InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                                 TWinSkinForm* sf) {
  if (acontrol == ownerControl_) Init(sf, sd, acanvas, false);
}

void TSkinControl::InitGraphicControl(TWinSkinForm*, TSkinData*, framework::TCanvas*) {}

void TSkinControl::Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) {
  fsd = sd;
  fCanvas = acanvas;
  skinform = sf;
  hwnd = ahwnd;
  enabled = true;
  kind = 0;
  if (skinform) skinform->AddControlList(this);
  isunicode = IsWindowUnicode(hwnd);
  caption = GetWindowTextStr(hwnd);
  // Attaching again never chains the skinner to itself.
  if (!rawSubclassed_) rawSubclassed_ = AttachSubclass(hwnd, *this);
  if (hwnd) InvalidateRect(hwnd, nullptr, TRUE);
  Inited = true;
  skinstate = kSkinnerAttached;
}

void TSkinControl::Unsubclass() {
  if (!skinned) return;
  skinned = false;
  if (skinstate != kSkinnerWindowGone && newColor && control) control->SetColor(oldcolor);
}

LRESULT TSkinControl::SubclassMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  framework::TMessage message{msg, wParam, lParam, 0};
  NewWndProc(message);
  (void)window;
  return message.Result;
}

void TSkinControl::CallDefaultProc(framework::TMessage& message) {
  if ((control || GControl) && OldWndProc) {
    OldWndProc(message);
  } else if (rawSubclassed_) {
    message.Result = CallNextProc(hwnd, message.Msg, message.WParam, message.LParam);
  }
}

void TSkinControl::NewWndProc(framework::TMessage& message) {
  done = false;
  if (message.Msg == WM_SKINENABLE) {
    skinned = message.WParam != 0;
    SkinningSwitched();
    if (skinned) Redraw();
    return;
  }
  if (!skinned) {
    CallDefaultProc(message);
    return;
  }
  if (BeforeProc(message)) {
    CallDefaultProc(message);
    // The control's own handling may have destroyed its window (a click
    // handler freeing the control): nothing is left to repaint.
    if (skinstate != kSkinnerWindowGone) AfterProc(message);
  }
}

bool TSkinControl::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY: {
      skinstate = kSkinnerWindowGone;
      CallDefaultProc(message);
      if (rawSubclassed_) {
        DetachSubclass(hwnd, *this);
        rawSubclassed_ = false;
      }
      if (skinned) Unsubclass();
      return false;
    }
    case WM_SKINQUERY: message.Result = 1; return false;
    case framework::CM_RECREATEWND:
      // The control's window is destroyed and made anew by the default
      // handling; once the new one exists the frame gives it a skinner.
      if (skinform && skinform->Hwnd) {
        PostMessageW(skinform->Hwnd, WM_SKINRESETSCROLLBAR, reinterpret_cast<WPARAM>(hwnd), 0);
      }
      return true;
    default: return true;
  }
}

void TSkinControl::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED_MESSAGE: Redraw(); break;
    case WM_PAINT: PaintControl(reinterpret_cast<HDC>(message.WParam)); break;
    default: break;
  }
}

void TSkinControl::PaintControl(HDC adc) {
  if (!hwnd || !GetWindowRect(hwnd, &boundsrect)) return;
  RECT rect = boundsrect;
  OffsetRect(&rect, -rect.left, -rect.top);
  try {
    if (adc) {
      DrawControl(adc, rect);
    } else {
      framework::WindowDC dc(hwnd, true);
      DrawControl(dc.Get(), rect);
    }
  } catch (...) {
    // The control shows what was painted so far.
  }
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::SkinChange() {
  if (newColor && control && fsd) control->SetColor(SkinFace(*fsd));
  Redraw();
}

void TSkinControl::MouseLeave() {
  if (hwnd) SendMessageW(hwnd, CM_MOUSELEAVE_MESSAGE, 0, 0);
}

void TSkinControl::Redraw() {
  if (GControl) {
    GControl->Invalidate();
  } else if (hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
  }
}

void TSkinControl::FillFace(HDC dc, const RECT& rc) {
  if (fsd) FillSolid(dc, FromRECT(rc), fsd->Colors[kSchemeButtonFace]);
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rc) {
  const framework::TColor face = fsd ? SkinFace(*fsd) : 0;
  FillSolid(dc, FromRECT(rc), static_cast<Color>(GetParentColor(face)));
}

void TSkinControl::ForwardMouseDown(const framework::TMessage& message) {
  framework::TControl* target = control ? static_cast<framework::TControl*>(control) : GControl;
  if (!target) return;
  int x = static_cast<int16_t>(LOWORD(message.LParam));
  int y = static_cast<int16_t>(HIWORD(message.LParam));
  // Beyond 32768 pixels the packed coordinates wrap: ask the cursor.
  if (target->Width() > 32768 || target->Height() > 32768) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT client = target->ScreenToClient(cursor);
    x = client.x;
    y = client.y;
  }
  target->MouseDown(framework::TMouseButton::mbLeft, framework::KeysToShiftState(message.WParam), x, y);
}

void TSkinControl::WMPaint(framework::TMessage& message) {
  PAINTSTRUCT paint{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool ownPaint = dc == nullptr;
  if (ownPaint) dc = BeginPaint(hwnd, &paint);
  GetWindowRect(hwnd, &boundsrect);
  RECT rect = boundsrect;
  OffsetRect(&rect, -rect.left, -rect.top);
  try {
    DrawControl(dc, rect);
  } catch (...) {
  }
  if (ownPaint) EndPaint(hwnd, &paint);
}

void TSkinControl::WMEraseBkgnd(framework::TMessage& message) {
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (control) {
    DrawParentBackground(hwnd, dc);
  } else {
    RECT client{};
    GetClientRect(hwnd, &client);
    FillParentColor(dc, client);
  }
  message.Result = 1;
}

}  // namespace lanvero
