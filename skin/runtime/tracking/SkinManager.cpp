#include "skin/runtime/tracking/SkinManager.h"

#include <algorithm>
#include <cwctype>

#include "framework/controls/WinControl.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "skin/package/SkinNotifier.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/menus/PopupMenuSkinner.h"

namespace lanvero {
namespace {

std::unique_ptr<TSkinManage>& TrackerSlot() {
  static std::unique_ptr<TSkinManage> tracker;
  return tracker;
}

// Set once the tracker is gone: the hook passes everything on untouched.
bool g_hooksOff = false;

// The tag that keeps a form unskinned, whatever DisableTag says.
constexpr intptr_t kNeverSkinTag = 99;
constexpr UINT kRequestDelayMs = 250;

// Kinds of the popup menu about to open (menutype).
constexpr int32_t kPopupMenuKind = 0;
constexpr int32_t kMainMenuKind = 1;
constexpr int32_t kSystemMenuKind = 2;

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
  return text;
}

bool Contains(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }

bool IsPlainChildWindow(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  return (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD) && Lower(GetWindowClassStr(GetParent(hwnd))) != L"mdiclient";
}

// The framework form whose window is hwnd; else the framework control of
// the window; else nothing.
framework::TControl* FindFrameworkForm(HWND hwnd) {
  if (framework::TApplication* app = framework::Application()) {
    for (int i = 0; i < app->FormCount(); ++i) {
      framework::TCustomForm* form = app->Forms(i);
      if (form->HandleAllocated() && form->WindowHandle() == hwnd) return form;
    }
  }
  return framework::FindControlFromHandle(hwnd);
}

HINSTANCE WindowInstance(HWND hwnd) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)); }

// The package reader reports a skin it cannot use; the user sees it.
void ShowSkinMessage(const std::string& message) {
  std::wstring text = AnsiToWideCP(message);
  for (size_t at = text.find(L'\r'); at != std::wstring::npos; at = text.find(L'\r', at + 2))
    text.insert(at + 1, L"\n");
  std::wstring caption = L"Skin";
  if (framework::Application()) caption = framework::Application()->Title();
  MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace

TSkinManage& SkinManager() {
  auto& slot = TrackerSlot();
  if (!slot) {
    slot = std::make_unique<TSkinManage>();
    g_hooksOff = false;
  }
  return *slot;
}

bool SkinManagerExists() { return TrackerSlot() != nullptr; }

void ShutDownSkinEngine() {
  auto& slot = TrackerSlot();
  if (!slot) return;
  slot.reset();
  g_hooksOff = true;
}

TSkinManage::TSkinManage() {
  TSkinData::SetRuntime(this);
  SetSkinMessageNotifier(ShowSkinMessage);
}

TSkinManage::~TSkinManage() {
  state = kTrackerShuttingDown;
  active = false;
  StopTimer();
  while (!Flist.empty()) {
    std::unique_ptr<TWinSkinForm> skinner = TakeFrame(0);
    skinner->Skinstate = kFrameReleasing;
    skinner->UnSubclass3();
    CallDepthCounted::Retire(std::move(skinner));
  }
  while (!Mlist.empty()) ReleasePopupMenu(Mlist.size() - 1);
  RemoveHook();
  SetSkinMessageNotifier(nullptr);
  TSkinData::SetRuntime(nullptr);
}

// --- Components -------------------------------------------------------------

void TSkinManage::Started(TSkinData& data) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32 || !GetProcAddress(user32, "GetScrollBarInfo")) {
    data.SetSkinControls(data.SkinControls() & ~SetOf(xcScrollbar));
  }
  AddSkinData(data);
  if (data.SkinFormtype() != sfMainform) {
    active = true;
    if (state == kTrackerIdle) state = kTrackerRunning;
    auto* owner = dynamic_cast<framework::TWinControl*>(data.Owner());
    if (owner && data.Active() && owner->HandleAllocated()) AddForm(owner->WindowHandle());
    return;
  }
  InstallHook();
  if (data.Active()) {
    UpdateData = &data;
    SetAction(kActionInstall, kRequestDelayMs);
  }
}

void TSkinManage::ActiveChanged(TSkinData& data) {
  switch (data.SkinFormtype()) {
    case sfMainform:
      UpdateData = &data;
      if (data.Active()) {
        if (data.Empty) return;
        SetAction(kActionInstall, kRequestDelayMs);
        state = kTrackerRunning;
      } else {
        SetAction(kActionUninstall, kRequestDelayMs);
      }
      return;
    case sfOnlyThisForm:
      UpdateData = &data;
      if (!data.Active()) {
        SetAction(kActionUninstall, kRequestDelayMs);
      } else if (!data.Empty) {
        SetAction(kActionInstall, kRequestDelayMs);
      }
      return;
    default: return;
  }
}

void TSkinManage::SkinLoaded(TSkinData& data) {
  // A component made by code was never read with a form: it registers now,
  // and an install it asks for skins with the new skin.
  if (std::find(Dlist.begin(), Dlist.end(), &data) == Dlist.end()) {
    Started(data);
    if (data.Active() && action == kActionInstall && UpdateData == &data) return;
  }
  UpdateData = &data;
  DeleteSysbtn();
  if (state == kTrackerRunning) SetAction(kActionSkinChanged, kRequestDelayMs);
}

void TSkinManage::Destroying(TSkinData& data) { RemoveSkinData(data); }

SkinWindowHandle TSkinManage::ApplicationWindow() {
  return framework::Application() ? framework::Application()->Handle() : nullptr;
}

void TSkinManage::AddSkinData(TSkinData& adata) {
  if (std::find(Dlist.begin(), Dlist.end(), &adata) != Dlist.end()) return;
  Dlist.push_back(&adata);
  if (!MainData && adata.SkinFormtype() == sfMainform) MainData = &adata;
}

// A component that goes away takes its windows' skinning with it: no frame
// skinner and no pending request may point at it afterwards.
void TSkinManage::RemoveSkinData(TSkinData& adata) {
  std::erase(Dlist, &adata);
  if (MainData == &adata) MainData = nullptr;
  if (UpdateData == &adata) {
    UpdateData = nullptr;
    StopTimer();
  }
  for (size_t i = Flist.size(); i-- > 0;) {
    if (Flist[i]->fsd == &adata) ReleaseFrame(i);
  }
  for (size_t i = Mlist.size(); i-- > 0;) {
    if (Mlist[i]->fsd == &adata) ReleasePopupMenu(i);
  }
}

void TSkinManage::Install(TSkinData& data) {
  UpdateData = &data;
  SetAction(kActionInstall, kRequestDelayMs);
}

void TSkinManage::Uninstall(TSkinData& data) {
  UpdateData = &data;
  SetAction(kActionUninstall, kRequestDelayMs);
}

void TSkinManage::ChangeForm(TSkinData& data, HWND window) {
  UpdateData = &data;
  lpara = window;
  SetAction(kActionReskinWindow, kRequestDelayMs);
}

void TSkinManage::SkinForm(HWND window) {
  skinchildform = true;
  AddForm(window);
  skinchildform = false;
}

// --- Requests -----------------------------------------------------------------

void TSkinManage::SetAction(int32_t acode, UINT interval) {
  action = acode;
  if (state != kTrackerIdle) {
    StartTimer(interval);
  } else if (acode == kActionInstall || acode == kActionUninstall) {
    active = acode == kActionInstall;
  }
}

void TSkinManage::StartTimer(UINT interval) {
  StopTimer();
  timer_ = SetTimer(nullptr, 0, interval, TimerFired);
}

void TSkinManage::StopTimer() {
  if (timer_) KillTimer(nullptr, timer_);
  timer_ = 0;
}

void CALLBACK TSkinManage::TimerFired(HWND, UINT, UINT_PTR, DWORD) {
  if (SkinManagerExists()) SkinManager().DoAction();
}

void TSkinManage::DoAction() {
  StopTimer();
  if (!UpdateData) return;
  if (action == kActionReskinWindow) {
    if (TWinSkinForm* skinner = FrameSkinnerOf(lpara)) {
      skinner->UnSubclass();
      skinner->Skinstate = kFrameDestroyed;
      PurgeForms();
      AddForm(lpara);
    }
    return;
  }
  if (UpdateData->SkinFormtype() == sfOnlyThisForm) {
    ActionForOneForm();
  } else {
    ActionForAll();
  }
  if (UpdateData) UpdateData->DoSkinChanged();
  UpdateData = nullptr;
}

void TSkinManage::ActionForOneForm() {
  switch (action) {
    case kActionInstall: {
      active = true;
      skinchildform = true;
      framework::TApplication* app = framework::Application();
      for (int i = app ? app->FormCount() - 1 : -1; i >= 0; --i) {
        if (app->Forms(i) == UpdateData->Owner()) {
          AddVisibleForm(app->Forms(i));
          break;
        }
      }
      skinchildform = false;
      return;
    }
    case kActionUninstall:
      active = false;
      PurgeForms();
      for (size_t i = Flist.size(); i-- > 0;) {
        if (Flist[i]->fsd == UpdateData) {
          ReleaseFrame(i);
          break;
        }
      }
      return;
    case kActionSkinChanged:
      PurgeForms();
      for (auto& skinner : Flist) {
        if (skinner->fsd != UpdateData) continue;
        skinner->DeleteSysbtn();
        skinner->InitSkinData();
        skinner->SkinChange();
        break;
      }
      return;
    default: return;
  }
}

void TSkinManage::ActionForAll() {
  switch (action) {
    case kActionInstall: {
      active = true;
      WMSetDraw = false;
      skinchildform = true;
      PurgeForms();
      framework::TApplication* app = framework::Application();
      for (int i = app ? app->FormCount() - 1 : -1; i >= 0; --i) AddVisibleForm(app->Forms(i));
      skinchildform = false;
      return;
    }
    case kActionUninstall:
      active = false;
      PurgeForms();
      while (!Flist.empty()) ReleaseFrame(0);
      return;
    case kActionSkinChanged: {
      PurgeForms();
      // The list may change while windows are repainted: work on a copy of
      // the skinners of this component.
      std::vector<HWND> windows;
      for (auto& skinner : Flist) {
        if (skinner->fsd != UpdateData) continue;
        skinner->DeleteSysbtn();
        skinner->InitSkinData();
        windows.push_back(skinner->Hwnd);
      }
      for (HWND window : windows) {
        if (TWinSkinForm* skinner = FrameSkinnerOf(window)) skinner->SkinChange();
      }
      return;
    }
    default: return;
  }
}

void TSkinManage::AddVisibleForm(framework::TCustomForm* form) {
  if (!form || !form->HandleAllocated() || !IsWindowVisible(form->WindowHandle())) return;
  if (GetWindowLongPtrW(form->WindowHandle(), GWL_STYLE) & WS_CHILD) return;
  AddForm(form->WindowHandle());
}

void TSkinManage::DeleteSysbtn() {
  for (auto& skinner : Flist) {
    if (skinner->fsd == UpdateData) skinner->DeleteSysbtn();
  }
}

// --- Frame skinners -------------------------------------------------------------

std::unique_ptr<TWinSkinForm> TSkinManage::TakeFrame(size_t index) {
  std::unique_ptr<TWinSkinForm> skinner = std::move(Flist[index]);
  Flist.erase(Flist.begin() + static_cast<std::ptrdiff_t>(index));
  return skinner;
}

// Gives the window back, repaints it and frees the skinner once none of
// its calls is running.
void TSkinManage::ReleaseFrame(size_t index) {
  std::unique_ptr<TWinSkinForm> skinner = TakeFrame(index);
  const HWND window = skinner->Hwnd;
  if (skinner->Skinstate != kFrameDestroyed) {
    skinner->UnSubclass();
    if (IsWindow(window)) TWinSkinForm::RePaint(window);
  }
  CallDepthCounted::Retire(std::move(skinner));
}

void TSkinManage::PurgeForms() {
  if (state == kTrackerShuttingDown) return;
  for (size_t i = Flist.size(); i-- > 0;) {
    if (Flist[i]->Skinstate == kFrameDestroyed) CallDepthCounted::Retire(TakeFrame(i));
  }
}

void TSkinManage::FrameWindowGone(TWinSkinForm&) { PurgeForms(); }

void TSkinManage::SetMDIMax(bool b) {
  if (b == MDIMax) return;
  MDIMax = b;
  if (MainData && (MainData->Options() & SetOf(xoMDIChildBorder))) return;
  for (const auto& skinner : Flist) {
    if (skinner->FormStyle != sfsMDIChild || skinner->Skinstate == kFrameDestroyed) continue;
    if (b) {
      skinner->Uncropwindow();
    } else if (skinner->Windowstate != swsMin) {
      skinner->Windowstate = swsNormal;
      skinner->Cropwindow();
      if (!skinner->crop) skinner->Refresh();
    }
  }
}

TWinSkinForm* TSkinManage::FrameSkinnerOf(HWND hwnd) const {
  for (const auto& skinner : Flist) {
    if (skinner->Hwnd == hwnd && skinner->Skinstate != kFrameDestroyed) return skinner.get();
  }
  return nullptr;
}

bool TSkinManage::DeleteForm(HWND aHwnd) {
  if (state == kTrackerShuttingDown) return false;
  for (size_t i = 0; i < Flist.size(); ++i) {
    if (Flist[i]->Hwnd != aHwnd) continue;
    if (!Flist[i]->FForm) return false;
    Flist[i]->Skinstate = kFrameReleasing;
    Flist[i]->UnSubclass();
    CallDepthCounted::Retire(TakeFrame(i));
    return true;
  }
  return false;
}

TSkinData* TSkinManage::SelectSkinData(HWND hwnd) const {
  TSkinData* found = nullptr;
  for (TSkinData* data : Dlist) {
    auto* owner = dynamic_cast<framework::TWinControl*>(data->Owner());
    if (data->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() && owner->WindowHandle() == hwnd) {
      found = data;
    }
  }
  if (found) return found;
  const std::wstring cls = Lower(GetWindowClassStr(hwnd));
  if (cls == L"tmessageform" || cls == L"#32770") {
    for (TSkinData* data : Dlist) {
      if (data->SkinFormtype() == sfDialog) found = data;
    }
    if (found) return found;
  }
  for (TSkinData* data : Dlist) {
    if (data->SkinFormtype() == sfMainform) found = data;
  }
  if (found) return found;
  return Dlist.empty() ? nullptr : Dlist.front();
}

bool TSkinManage::ShouldSkinWindow(HWND aHwnd, const std::wstring& cls) const {
  bool doSkin = true;
  if (!MainData) return doSkin;
  const std::wstring lower = Lower(cls);
  if (!(MainData->Options() & SetOf(xoPreview)) && Contains(lower, L"preview")) doSkin = false;
  if (cls == L"#32770" && (GetWindowLongPtrW(aHwnd, GWL_STYLE) & DS_SETFOREGROUND)) doSkin = false;
  if (lower == L"tpopupdbtreeview") doSkin = false;
  MainData->formhwnd = aHwnd;
  if (MainData->OnFormSkin) {
    MainData->OnFormSkin(MainData, cls, doSkin);
  } else if (cls == L"SysMonthCal32" ||
             ((MainData->SkinControls() & SetOf(xcFastReport)) && cls.rfind(L"Tfr", 0) == 0)) {
    doSkin = false;
  }
  return doSkin;
}

bool TSkinManage::AddForm(HWND aHwnd) {
  if (!active) return false;
  PurgeForms();
  if (SendMessageW(aHwnd, WM_SKINQUERY, 0, 0) == 1) return false;
  if (FrameSkinnerOf(aHwnd)) return false;
  framework::TControl* control = FindFrameworkForm(aHwnd);
  if (!skinchildform && IsPlainChildWindow(aHwnd)) return false;
  const std::wstring cls = GetWindowClassStr(aHwnd);
  if (!control && WindowInstance(aHwnd) != GetModuleHandleW(nullptr) && cls != L"#32770") return false;
  RECT rect{};
  GetWindowRect(aHwnd, &rect);
  const bool mdiChild = (GetWindowLongPtrW(aHwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  if ((rect.right - rect.left) * (rect.bottom - rect.top) == 0 && !mdiChild) return false;
  if (control && control->Tag() == kNeverSkinTag) return false;
  if (Contains(cls, L"TcxPopupEditPopupWindow") || Contains(cls, L"TTERenderWindow") || cls == L"TApplication") {
    return false;
  }
  if (!ShouldSkinWindow(aHwnd, cls)) return false;
  TSkinData* skin = SelectSkinData(aHwnd);
  if (!skin || skin->Empty) return false;
  auto skinner = std::make_unique<TWinSkinForm>(aHwnd, cls);
  auto* form = dynamic_cast<framework::TCustomForm*>(control);
  if (form) {
    skinner->InitTform(*skin, form);
  } else {
    skinner->InitDlg(*skin);
  }
  Flist.push_back(std::move(skinner));
  PostMessageW(aHwnd, WM_SKINACTIVATE, 0, 1000);
  return true;
}

// --- Popup menu windows -------------------------------------------------------------

void TSkinManage::AddPopupMenu(HWND hwnd) {
  if (!active) return;
  if (SendMessageW(hwnd, WM_SKINQUERY, 0, 0) == 1) return;
  for (const auto& skinner : Mlist) {
    if (skinner->hwnd == hwnd) return;
  }
  TSkinData* skin = SelectSkinData(hwnd);
  if (!skin || skin->Empty) return;
  const TSkinControlTypes controls = skin->SkinControls();
  const bool familyOn = menutype == kPopupMenuKind    ? (controls & SetOf(xcPopupMenu)) != 0
                        : menutype == kMainMenuKind   ? (controls & (SetOf(xcMainMenu) | SetOf(xcMenuItem))) != 0
                        : menutype == kSystemMenuKind ? (controls & SetOf(xcSystemMenu)) != 0
                                                      : false;
  if (!familyOn) return;
  auto skinner = std::make_unique<TWinSkinPopMenu>();
  skinner->InitSkin(hwnd, *skin, nullptr);
  if (menuactive) skinner->ownerdraw = true;
  Mlist.push_back(std::move(skinner));
}

void TSkinManage::RemovePopupMenu(HWND hwnd) {
  for (size_t i = 0; i < Mlist.size(); ++i) {
    if (Mlist[i]->hwnd != hwnd) continue;
    ReleasePopupMenu(i);
    break;
  }
  if (Mlist.empty()) {
    menuactive = false;
    menutype = kPopupMenuKind;
  }
}

// Unhooks the skinner and frees it once none of its calls is running.
void TSkinManage::ReleasePopupMenu(size_t index) {
  std::unique_ptr<TWinSkinPopMenu> skinner = std::move(Mlist[index]);
  Mlist.erase(Mlist.begin() + static_cast<std::ptrdiff_t>(index));
  skinner->UnSubClass();
  CallDepthCounted::Retire(std::move(skinner));
}

void TSkinManage::SetPopMenu() {
  for (auto& skinner : Mlist) skinner->ownerdraw = true;
}

void TSkinManage::SetHMenu(HMENU hmenu) {
  for (size_t i = Mlist.size(); i-- > 0;) {
    if (Mlist[i]->hmenu) continue;
    Mlist[i]->hmenu = hmenu;
    return;
  }
}

const PopupMenuBackground* TSkinManage::GetMenuBg(HMENU amenu) const {
  for (const auto& skinner : Mlist) {
    if (amenu && skinner->hmenu == amenu) return &skinner->MenuBg;
  }
  return nullptr;
}

// --- Hooks ------------------------------------------------------------------------

void TSkinManage::InstallHook() {
  if (hook_) return;
  hook_ = SetWindowsHookExW(WH_CBT, MainThreadCbtHook, nullptr, GetCurrentThreadId());
}

void TSkinManage::RemoveHook() {
  if (hook_) UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
}

void TSkinManage::OnCreateWindow(HWND window, const CBT_CREATEWNDW& create) {
  if (!(create.lpcs->style & WS_CHILD) && GetWindowClassStr(window) == L"#32768") AddPopupMenu(window);
  if (create.lpcs->dwExStyle & WS_EX_MDICHILD) AddForm(window);
}

LRESULT CALLBACK TSkinManage::MainThreadCbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (!g_hooksOff && code >= 0 && SkinManagerExists()) {
    TSkinManage& tracker = SkinManager();
    const HWND window = reinterpret_cast<HWND>(wParam);
    try {
      switch (code) {
        case HCBT_CREATEWND: tracker.OnCreateWindow(window, *reinterpret_cast<CBT_CREATEWNDW*>(lParam)); break;
        case HCBT_DESTROYWND: tracker.RemovePopupMenu(window); break;
        case HCBT_ACTIVATE:
          if (tracker.state == kTrackerIdle) tracker.state = kTrackerRunning;
          tracker.AddForm(window);
          break;
        default: break;
      }
    } catch (...) {
      // A window that cannot be skinned stays native; the hook goes on.
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace lanvero
