// Life of a frame skinner: preparing and subclassing the window, the
// activation that finishes skinning it, skin changes, and the three ways of
// giving the window back.
#include "skin/runtime/frame/WinSkinForm.h"

#include <algorithm>

#include "framework/controls/ToolBar.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"
#include "framework/services/ImageList.h"
#include "skin/image/win/SkinText.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/geometry/CaptionButtonRules.h"
#include "skin/runtime/menus/MenuBar.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

// Id of the frame skinner's 250 ms window timer; WM_TIMER with this id is
// the skinner's own and never reaches the window.
constexpr UINT_PTR kFrameTimerId = 0x5A4B;
constexpr UINT kFrameTimerMs = 250;

framework::UniqueFont MakeCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
  return framework::UniqueFont(CreateFontIndirectW(&metrics.lfCaptionFont));
}

bool HasControl(TSkinControlTypes controls, TSkinControlType type) { return (controls & SetOf(type)) != 0; }

}  // namespace

TWinSkinForm::TWinSkinForm(HWND window, std::wstring className) : Hwnd(window), formclass(std::move(className)) {
  DoubleTime = GetDoubleClickTime();
  CaptionFont = MakeCaptionFont();
  SkinManager().CountFrameSkinner(+1);
}

TWinSkinForm::~TWinSkinForm() {
  // The window may outlive its skinner (uninstall): nothing of ours stays
  // bound to it.
  if (subclassed_) UnSubclass3();
  FreeSkinners();
  DeleteSysbtn();
  // Skinners freed while the tracker itself goes must not make a new one.
  if (SkinManagerExists()) SkinManager().CountFrameSkinner(-1);
}

void TWinSkinForm::InitTform(TSkinData& afsd, framework::TCustomForm* aform) {
  FForm = aform;
  if (afsd.OnBeforeSkinForm) afsd.OnBeforeSkinForm(FForm, Hwnd, formclass);
  if (HasControl(afsd.SkinControls(), xcMenuItem)) FForm->SetAutoScroll(false);
  InitWindow(afsd);
  // Handlers go on only where giving the window back takes them off again.
  if (subclassed_ && HasControl(afsd.SkinControls(), xcMenuItem)) InitMainMenu(FForm, true, false);
  if (sMainMenu) InstallFormHook();
  formcolor = FForm->Color();
  FForm->SetColor(static_cast<framework::TColor>(afsd.Colors[kSchemeButtonFace]));
}

void TWinSkinForm::InitDlg(TSkinData& afsd) { InitWindow(afsd); }

void TWinSkinForm::InitWindow(TSkinData& afsd) {
  if (subclassed_) return;
  SkinManager().state = kTrackerRunning;
  fsd = &afsd;
  menuPainter_.SetSkin(&afsd);
  sMainMenu = HasControl(afsd.SkinControls(), xcMainMenu);
  dwstyle = GetWindowLongPtrW(Hwnd, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(Hwnd, GWL_EXSTYLE);
  bidileft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  ischildform = (dwstyle & WS_CHILD) != 0;
  classname = GetWindowClassStr(Hwnd);
  parenthwnd = GetWindow(Hwnd, GW_OWNER);
  hsysmenu = GetSystemMenu(Hwnd, FALSE);
  FormIcons = 0;
  if ((dwstyle & WS_SYSMENU) || hsysmenu) FormIcons |= sbisystem;
  if (dwstyle & WS_MINIMIZEBOX) FormIcons |= sbiMin;
  if (dwstyle & WS_MAXIMIZEBOX) FormIcons |= sbiMax;
  if (exStyle & WS_EX_CONTEXTHELP) FormIcons |= sbiHelp;
  ReadWindowState();
  FindMDIClient();
  if (exStyle & WS_EX_MDICHILD) {
    FormStyle = sfsMDIChild;
    if (afsd.Options() & SetOf(xoMDIChildBorder)) sMainMenu = false;
  }
  if ((dwstyle & WS_CAPTION) == 0) {
    FormBorder = sbsNone;
  } else if (dwstyle & WS_THICKFRAME) {
    FormBorder = sbsSizeable;
  } else if (dwstyle & DS_MODALFRAME) {
    FormBorder = sbsDialog;
  } else {
    FormBorder = sbsSingle;
  }
  if (exStyle & WS_EX_DLGMODALFRAME) FormBorder = sbsDialog;
  isunicode = IsWindowUnicode(Hwnd);
  if (classname == L"#32770" || classname == L"TMessageForm") {
    FormBorder = sbsDialog;
    ismessagebox = true;
  }
  if (SkinManager().WMSetDraw && !ischildform && sMainMenu && FormBorder != sbsNone) {
    SetWindowLongPtrW(Hwnd, GWL_STYLE, dwstyle & ~static_cast<LONG_PTR>(WS_VISIBLE));
  }
  subclassed_ = AttachSubclass(Hwnd, *this);
  if (FormStyle == sfsMDIform) SubclassClient();
  if (sMainMenu) {
    CreateMenuBar();
    InitSkinData();
  } else {
    Skinstate = kFrameRunning;
  }
}

void TWinSkinForm::InitSkinData() {
  if (!fsd || fsd->Empty) return;
  DropFrameCache();
  if (FormBorder == sbsNone) {
    bw = {};
    MenuHeight = 0;
  } else {
    const auto& border = fsd->border;
    bw.top = FrameExtent(border[kEdgeTop]->Map.Height(), border[kEdgeTop]->frame);
    bw.left = FrameExtent(border[kEdgeLeft]->Map.Width(), border[kEdgeLeft]->frame);
    bw.right = FrameExtent(border[kEdgeRight]->Map.Width(), border[kEdgeRight]->frame);
    bw.bottom = FrameExtent(border[kEdgeBottom]->Map.Height(), border[kEdgeBottom]->frame);
  }
  DeleteSysbtn();
  for (auto& definition : fsd->SysBtn) {
    SysBtn.push_back(std::make_unique<TWinSysButton>(*this, *fsd, *definition));
  }
  BuildIconBitmap();
  // Window-icon buttons without an image of their own show the window's
  // icon (the first window to need one gives it to the skin).
  for (auto& definition : fsd->SysBtn) {
    if (!IsWindowIconAction(definition->Action) || IconBmp.IsEmpty()) continue;
    if (definition->Map.Empty()) {
      definition->Map.SetImage(IconBmp.ToImage());
      definition->Map.Realize();
    }
    if (fsd->SysIcon.Empty()) {
      fsd->SysIcon.SetImage(IconBmp.ToImage());
      fsd->SysIcon.Realize();
    }
    definition->frame = 1;
  }
}

// The window's menu bar becomes a skinned one in the menu band; the
// system's own bar is taken away. MDI children show no menu bar.
void TWinSkinForm::CreateMenuBar() {
  hmenu = GetMenu(Hwnd);
  if (!hmenu || FormStyle == sfsMDIChild || ischildform) return;
  menu = std::make_unique<TWinSkinMenu>(*this, *fsd);
  MenuHeight = GetSystemMetrics(SM_CYMENU);
  menu->menu = FForm ? FForm->Menu() : nullptr;
  menu->UpdataBtn();
}

// The window gets its menu bar back (the framework's current menu for a
// form). Not while the window is being destroyed: its menu would go with it.
void TWinSkinForm::GiveMenuBack() {
  if (!menu) return;
  HMENU back = menu->hmenu;
  if (FForm && FForm->Menu()) back = FForm->Menu()->Handle();
  menu.reset();
  MenuHeight = 0;
  if (Skinstate != kFrameReleasing && IsWindow(Hwnd) && back && IsMenu(back)) SetMenu(Hwnd, back);
}

void TWinSkinForm::DeleteSysbtn() {
  ActiveBtn = nullptr;
  SysBtn.clear();
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(Hwnd, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: Windowstate = swsMin; break;
    case SW_SHOWMAXIMIZED: Windowstate = swsMax; break;
    default: Windowstate = swsNormal; break;
  }
}

void TWinSkinForm::FindMDIClient() {
  FormStyle = sfsNormal;
  for (HWND child = GetTopWindow(Hwnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowClassStr(child) == L"MDIClient") {
      FormStyle = sfsMDIform;
      ClientHwnd = child;
      SkinManager().clienthwnd = child;
      SkinManager().MDIForm = FForm;
      return;
    }
  }
}

// --- Activation ------------------------------------------------------------

void TWinSkinForm::Activate() {
  hsysmenu = GetSystemMenu(Hwnd, FALSE);
  BuildIconBitmap();
  SaveClientMetrics();
  if (SkinManager().WMSetDraw) {
    SkinManager().WMSetDraw = false;
    const LONG_PTR style = GetWindowLongPtrW(Hwnd, GWL_STYLE);
    if (!(style & WS_VISIBLE)) SetWindowLongPtrW(Hwnd, GWL_STYLE, style | WS_VISIBLE);
  }
  if (FForm) {
    InitControls(FForm);
  } else {
    InitHwndControls(Hwnd);
  }
  if (Skinstate == kFrameCreated && sMainMenu) {
    if (FormStyle == sfsMDIChild) {
      if (Windowstate == swsMax) {
        PostMessageW(SkinManager().clienthwnd, WM_SKINREDRAWFRAME, reinterpret_cast<WPARAM>(Hwnd), 0);
      } else if (Windowstate == swsNormal) {
        Skinstate = kFrameResizing;
        ResizeToClient(false);
        Skinstate = kFrameRunning;
        Cropwindow();
      }
    } else if (!ischildform && FormBorder != sbsNone && Windowstate == swsMax) {
      Skinstate = kFrameResizing;
      ResizeToClient(false);
      Skinstate = kFrameRunning;
      Refresh();
    } else if (!ischildform && FormBorder != sbsNone && Windowstate == swsNormal) {
      ReframeShownWindow();
    }
  }
  if (FForm) InitPopMenu(FForm, true, false);
  NotifySkinned();
  Skinstate = kFrameRunning;
  StartTimer(GetActiveWindow() == Hwnd);
}

void TWinSkinForm::SaveClientMetrics() {
  RECT client{}, window{};
  GetClientRect(Hwnd, &client);
  GetWindowRect(Hwnd, &window);
  fClientRect = FromRECT(client);
  oldsize = Rect{0, 0, (window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

void TWinSkinForm::ResizeToClient(bool refresh, UINT extraFlags) {
  if (Windowstate == swsMax) {
    Refresh(extraFlags & SWP_NOREDRAW);
    return;
  }
  RECT window{};
  GetWindowRect(Hwnd, &window);
  if (ismessagebox || Skinstate == kFrameChanging) {
    RECT client{};
    GetClientRect(Hwnd, &client);
    fClientRect = FromRECT(client);
  }
  int width = fClientRect.right + bw.left + bw.right;
  if (refresh) {
    RECT client{};
    GetClientRect(Hwnd, &client);
    fClientRect = FromRECT(client);
  } else if (FForm) {
    width = FForm->ClientWidth() + bw.left + bw.right;
    fClientRect.bottom = FForm->ClientHeight() - MenuHeight + (FormStyle == sfsMDIChild ? MenuHeight : 0);
  }
  const int height = fClientRect.bottom + bw.top + bw.bottom + MenuHeight;
  if (ismessagebox && !refresh) {
    // The caption text of a message box must fit: grow the box and move its
    // controls right by half the growth.
    framework::WindowDC dc(Hwnd, true);
    framework::SelectGuard font(dc.Get(), CaptionFont.Get());
    const std::wstring text = bstr + GetWindowTextStr(Hwnd) + astr;
    SIZE extent{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    charwidth = extent.cx;
    const int needed = fsd->Title->r.left + charwidth + fsd->Title->r.right;
    if (width < needed) {
      const int shift = (needed - width) / 2;
      for (HWND child = GetTopWindow(Hwnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Hwnd, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
      width = needed;
    }
  }
  SetWindowPos(Hwnd, nullptr, window.left, window.top, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | extraFlags);
}

void TWinSkinForm::NotifySkinned() {
  SendMessageW(Hwnd, WM_SKINNOTIFY, 0, SKIN_SIGNATURE);
  if (fsd && fsd->OnAfterSkinForm) fsd->OnAfterSkinForm(FForm, Hwnd, formclass);
}

void TWinSkinForm::StartTimer(bool on) {
  if (on && !timerOn_ && IsWindow(Hwnd)) {
    timerOn_ = SetTimer(Hwnd, kFrameTimerId, kFrameTimerMs, nullptr) != 0;
  } else if (!on && timerOn_) {
    KillTimer(Hwnd, kFrameTimerId);
    timerOn_ = false;
  }
}

void TWinSkinForm::Refresh(UINT extraFlags) {
  SetWindowPos(Hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | extraFlags);
}

void TWinSkinForm::RePaint(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
}

// --- Skin changes ------------------------------------------------------------

void TWinSkinForm::SkinChange() {
  const auto face = static_cast<framework::TColor>(fsd->Colors[kSchemeButtonFace]);
  if (FForm) FForm->SetColor(face);
  for (TSkinControl* skinner : std::vector<TSkinControl*>(Controllist)) skinner->SkinChange();
  if (FForm) InitPopMenu(FForm, true, false);
  Skinstate = kFrameChanging;
  if (sMainMenu && IsWindow(Hwnd)) {
    // The new frame's size (a frame change, also when the size stays) and
    // region go in without painting; the window is then painted once, in
    // the new skin.
    RECT before{};
    GetWindowRect(Hwnd, &before);
    ResizeToClient(true, SWP_NOREDRAW | SWP_NOCOPYBITS);
    Cropwindow(false);
    RepaintReframed(before, false);
  }
  NotifySkinned();
  Skinstate = kFrameRunning;
}

// --- Control skinners ----------------------------------------------------------

bool TWinSkinForm::AddControlList(TSkinControl* acontrol) {
  if (std::find(Controllist.begin(), Controllist.end(), acontrol) != Controllist.end()) return true;
  Controllist.push_back(acontrol);
  return false;
}

void TWinSkinForm::DeleteControl(TSkinControl* c) {
  auto found = std::find(Controllist.rbegin(), Controllist.rend(), c);
  if (found != Controllist.rend()) Controllist.erase(std::next(found).base());
}

void TWinSkinForm::FreeSkinners() {
  while (!Controllist.empty()) {
    TSkinControl* skinner = Controllist.front();
    if (auto* bar = dynamic_cast<framework::TToolBar*>(skinner->control)) UnskinToolBar(*bar);
    if (Skinstate != kFrameReleasing && skinner->skinstate != kSkinnerWindowGone) skinner->Unsubclass();
    Controllist.erase(Controllist.begin());
    skinner->skinform = nullptr;
    TSkinControl::Release(skinner);
  }
}

// --- Giving the window back ------------------------------------------------------

void TWinSkinForm::InstallFormHook() {
  if (formHooked_ || !FForm) return;
  OldWndProc = FForm->WindowProc;
  FForm->WindowProc = [this](framework::TMessage& message) {
    CallScope scope(*this);
    FormMessageHook(message);
  };
  formHooked_ = true;
}

void TWinSkinForm::RemoveFormHook() {
  if (!formHooked_) return;
  if (FForm) FForm->WindowProc = OldWndProc;
  OldWndProc = nullptr;
  formHooked_ = false;
}

// The part the two ways of giving back a skinned frame share: timer, menus,
// form hook, subclass and control skinners. False when there was nothing
// to undo.
bool TWinSkinForm::DetachFrame() {
  StartTimer(false);
  ReleaseMenus();
  if (!sMainMenu) {
    UnSubclass2();
    return false;
  }
  if (!subclassed_) return false;
  RemoveFormHook();
  UnsubclassClient();
  DetachSubclass(Hwnd, *this);
  subclassed_ = false;
  FreeSkinners();
  GiveMenuBack();
  return true;
}

void TWinSkinForm::UnSubclass() {
  if (!DetachFrame()) return;
  if (FForm && Skinstate != kFrameReleasing) FForm->SetColor(formcolor);
  SetSysMenuStyle(false);
  GiveNativeSizeBack();
  SetWindowRgn(Hwnd, nullptr, TRUE);
  crop = false;
}

void TWinSkinForm::GiveNativeSizeBack() {
  if (Skinstate == kFrameReleasing) return;
  if (ischildform && FormStyle != sfsMDIChild) return;
  RECT window{};
  if (!GetWindowRect(Hwnd, &window)) return;
  const int width = (window.right - window.left) + oldsize.right - bw.left - bw.right;
  const int height = (window.bottom - window.top) + oldsize.bottom - bw.top - bw.bottom;
  POINT topLeft{window.left, window.top};
  if (FormStyle == sfsMDIChild) ScreenToClient(SkinManager().clienthwnd, &topLeft);
  SetWindowPos(Hwnd, nullptr, topLeft.x, topLeft.y, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::UnSubclass3() { DetachFrame(); }

void TWinSkinForm::UnSubclass2() {
  FreeSkinners();
  if (FForm && Skinstate != kFrameReleasing) FForm->SetColor(formcolor);
  RemoveFormHook();
  if (subclassed_) {
    DetachSubclass(Hwnd, *this);
    subclassed_ = false;
  }
  if (FForm && Skinstate != kFrameReleasing) RedrawWindow(Hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace lanvero
