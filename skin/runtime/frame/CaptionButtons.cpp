// Caption buttons: the non-client mouse objects, which buttons are visible
// and enabled, where they sit, how they are drawn, what a click does, and
// the hint over them.
#include "framework/forms/Application.h"
#include "framework/services/HintWindow.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/geometry/CaptionButtonRules.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

constexpr int32_t kHintTickMs = 250;
constexpr int32_t kHintHidePauseMs = 2500;
constexpr int kHintMaxWidth = 500;
constexpr int32_t kMenuBarVisibility = 100;

bool Contains(const Rect& r, FramePoint p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

Rect FrameOfStrip(const TDataSkinSysButton& data) {
  const int32_t w = FrameExtent(data.Map.Width(), data.frame);
  return Rect{0, 0, w, data.Map.Height()};
}

}  // namespace

// --- Non-client mouse objects ------------------------------------------------

void TNCObject::MouseDown() {
  if (SF.ActiveBtn && SF.ActiveBtn != this) SF.ActiveBtn->MouseLeave();
  if (!visible) return;
  SF.ActiveBtn = this;
  state = 2;
  Draw();
}

void TNCObject::MouseUp() {
  if (!visible) return;
  state = 3;
  Draw();
}

void TNCObject::MouseEnter() {
  if (SF.ActiveBtn == this) return;
  if (SF.ActiveBtn) SF.ActiveBtn->MouseLeave();
  if (!visible) return;
  SF.ActiveBtn = this;
  state = 3;
  Draw();
}

void TNCObject::MouseLeave() {
  if (!visible) return;
  if (SF.ActiveBtn == this) SF.ActiveBtn = nullptr;
  state = 1;
  Draw();
  SF.HideCaptionHint();
}

void TWinSysButton::Draw() { SF.DrawSysButton(*this, state); }

// --- Visibility and layout -----------------------------------------------------

TWinSysButton* TWinSkinForm::SysButtonAt(FramePoint pt) {
  for (auto& button : SysBtn) {
    if (button->visible && !IsDecoration(button->data.Action) && Contains(button->bounds, pt)) return button.get();
  }
  return nullptr;
}

bool TWinSkinForm::IsSysButtonVisible(size_t i) {
  TWinSysButton& button = *SysBtn[i];
  CaptionWindowFacts facts;
  facts.maximised = Windowstate == swsMax;
  facts.active = FWindowActive;
  facts.systemMenu = (FormIcons & sbisystem) != 0;
  facts.minBox = (FormIcons & sbiMin) != 0;
  facts.maxBox = (FormIcons & sbiMax) != 0;
  facts.helpBox = (FormIcons & sbiHelp) != 0;
  facts.dialogFrame = FormBorder == sbsDialog;
  facts.messageBox = ismessagebox;
  facts.mdiChildMaximisedWithMenuBar = FormStyle == sfsMDIform && menu && MDIChildMax();
  const HWND window = Hwnd;
  const CaptionButtonState decided =
      DecideCaptionButton(button.data.Action, button.data.Visibility, button.data.Visibility1, facts,
                          [window](int32_t code, int32_t action) {
                            return SendMessageW(window, WM_SKINBUTTONVISIBLE, code, action) > 0;
                          });
  button.visible = decided.visible;
  button.enabled = decided.enabled;
  return button.visible;
}

void TWinSkinForm::LayoutSysButtons() {
  for (size_t i = 0; i < SysBtn.size(); ++i) {
    TWinSysButton& button = *SysBtn[i];
    if (!IsSysButtonVisible(i) || button.data.Map.Empty()) continue;
    CaptionPlacement place;
    place.align = button.data.Align;
    place.xCoord = button.data.XCoord;
    place.yCoord = button.data.YCoord;
    place.windowWidth = fwidth;
    place.captionText = ctr;
    place.rightBorder = bw.right;
    place.captionHeight = bw.top;
    place.menuHeight = MenuHeight;
    place.menuBarLeftTile = fsd->Menubar ? fsd->Menubar->r.left : 0;
    const Rect frame = FrameOfStrip(button.data);
    button.bounds = PlaceCaptionButton(place, frame.Width(), frame.Height());
  }
}

// --- Drawing ---------------------------------------------------------------------

// Copies a whole cached piece to `rect` of `dc`.
static void CopyPiece(HDC dc, const Rect& rect, const DibSection& image) {
  if (image.IsEmpty()) return;
  BitmapDC source(image.Handle());
  BitBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), source.Get(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawSysButtons(HDC dc) {
  buttonPieces_.resize(SysBtn.size());
  for (size_t i = 0; i < SysBtn.size(); ++i) {
    TWinSysButton* button = SysBtn[i].get();
    const TDataSkinSysButton& data = button->data;
    if (!button->visible || data.Map.Empty() || data.Visibility == kMenuBarVisibility) continue;
    if (IsWindowIconAction(data.Action)) {
      DrawAppIcon(dc, button->bounds);
      continue;
    }
    const int32_t frame = IdleButtonFrame(FWindowActive, button->enabled, data.frame);
    const Rect& b = button->bounds;
    const DibSection& image =
        CachedPiece(buttonPieces_[i], PieceKey{b.Width(), b.Height(), frame}, [&](HDC target, const Rect& whole) {
          DrawSkinFrameStretched(target, whole, MapHandle(data.Map), frame, data.frame, false);
        });
    CopyPiece(dc, b, image);
  }
}

void TWinSkinForm::DrawSysButton(TWinSysButton& button, int32_t s) {
  const TDataSkinSysButton& data = button.data;
  if (!button.visible || data.Map.Empty()) return;
  framework::WindowDC dc(Hwnd, true);
  if (IsWindowIconAction(data.Action)) {
    DrawAppIcon(dc.Get(), button.bounds);
    return;
  }
  const int32_t frame = ButtonFrameForState(s, button.enabled, data.Visibility == kMenuBarVisibility, data.frame);
  DrawSkinFrameStretched(dc.Get(), button.bounds, MapHandle(data.Map), frame, data.frame, false);
}

void TWinSkinForm::DrawAppIcon(HDC dc, const Rect& rect) {
  HWND appWindow = framework::Application() ? framework::Application()->Handle() : nullptr;
  HICON icon = appWindow ? reinterpret_cast<HICON>(SendMessageW(appWindow, WM_GETICON, ICON_SMALL, 0)) : nullptr;
  if (!icon && appWindow) icon = reinterpret_cast<HICON>(SendMessageW(appWindow, WM_GETICON, ICON_BIG, 0));
  if (!icon) {
    if (!IconBmp.IsEmpty()) TransparentBlit(dc, rect, IconBmp.Handle(), kMagentaKey);
    return;
  }
  const framework::UniqueIcon copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, Iconx, Iconx, LR_COPYFROMRESOURCE)));
  if (!copy) return;
  const int y = FTitleRect.top + FTitleRect.Height() / 2 - Iconx / 2;
  DrawIconEx(dc, 8, y, copy.Get(), Iconx, Iconx, 0, nullptr, DI_NORMAL);
}

// --- Actions -----------------------------------------------------------------------

void TWinSkinForm::PerformButtonAction(int x, int y) {
  auto* button = dynamic_cast<TWinSysButton*>(ActiveBtn);
  if (!button) return;
  const int32_t action = button->data.Action;
  switch (action) {
    case 0:
      if (HasCloseCommand()) {
        StartTimer(false);
        PostMessageW(Hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return;
    case 1:
    case 22:
      if (button->enabled) Maximize();
      return;
    case 2:
    case 23:
      if (button->enabled) Minimize();
      return;
    case 3:
    case 11:
    case 12: PopupSysMenu(POINT{x + 1, y + 1}); return;
    case 4: PostMessageW(Hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); return;
    case 7:
    case 60: SendToActiveChild(SC_MINIMIZE); return;
    case 8:
    case 61: SendToActiveChild(SC_RESTORE); return;
    case 9:
    case 62: SendToActiveChild(SC_CLOSE); return;
    default: PostMessageW(Hwnd, WM_SKINBUTTONACTION, static_cast<WPARAM>(action), 0); return;
  }
}

void TWinSkinForm::SendToActiveChild(WPARAM cmd) {
  if (FormStyle != sfsMDIform || !ClientHwnd) return;
  const HWND child = reinterpret_cast<HWND>(SendMessageW(ClientHwnd, WM_MDIGETACTIVE, 0, 0));
  if (child) SendMessageW(child, WM_SYSCOMMAND, cmd, 0);
}

bool TWinSkinForm::HasCloseCommand() const {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  return hsysmenu && GetMenuItemInfoW(hsysmenu, SC_CLOSE, FALSE, &info);
}

// --- Hint ----------------------------------------------------------------------------

void TWinSkinForm::HideCaptionHint() {
  hintCounter_ = 0;
  framework::TApplication* app = framework::Application();
  if (app && app->HintWindow() && app->HintWindow()->Showing()) app->HintWindow()->ReleaseHint();
}

// Each timer tick on a caption button counts towards its hint: shown after
// twice the application's hint pause, hidden again after the hide pause.
void TWinSkinForm::AdvanceCaptionHint() {
  auto* button = dynamic_cast<TWinSysButton*>(ActiveBtn);
  framework::TApplication* app = framework::Application();
  if (!button || !app || !app->HintWindow()) return;
  framework::THintWindow& hint = *app->HintWindow();
  hintCounter_ += kHintTickMs;
  const int32_t pause = static_cast<int32_t>(app->HintPause()) * 2;
  const std::wstring text = ButtonHintText(button->data.Action);
  if (hintCounter_ < pause) return;
  if (hintCounter_ >= pause + kHintHidePauseMs || text.empty()) {
    if (hint.Showing()) hint.ReleaseHint();
    return;
  }
  if (!(fsd->Options() & SetOf(xoCaptionButtonHint)) || hint.Showing()) return;
  RECT window{};
  GetWindowRect(Hwnd, &window);
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT rect = hint.CalcHintRect(kHintMaxWidth, text);
  OffsetRect(&rect, button->bounds.left + window.left, cursor.y + 24);
  hint.ActivateHint(rect, text);
}

}  // namespace lanvero
