#pragma once
// TSkinManage: the one window tracker of the process (SkinManager()). It
// watches the creation, activation and destruction of windows through a
// WH_CBT hook, decides for each window whether it is skinned and by which
// TSkinData, owns the frame skinners and the popup menu window skinners it
// creates, and carries out the install, uninstall and skin-change requests
// of the TSkinData components, collapsed by a one-shot timer.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/definitions/SkinData.h"

namespace lanvero::framework {
class TCustomForm;
}

namespace lanvero {

class TWinSkinForm;
class TWinSkinPopMenu;
struct PopupMenuBackground;

enum TrackerState : int32_t { kTrackerIdle = 0, kTrackerRunning = 1, kTrackerShuttingDown = 4 };

// Requests of the TSkinData components.
enum TrackerAction : int32_t {
  kActionNone = 0,
  kActionInstall = 1,
  kActionUninstall = 2,
  kActionSkinChanged = 3,
  kActionReskinWindow = 7,
};

class TSkinManage : public SkinDataRuntime {
 public:
  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // What the TSkinData components report.
  void Started(TSkinData& data) override;
  void ActiveChanged(TSkinData& data) override;
  void SkinLoaded(TSkinData& data) override;
  void Destroying(TSkinData& data) override;
  SkinWindowHandle ApplicationWindow() override;

  // Public operations of the components that act on skinned windows.
  void Install(TSkinData& data) override;
  void Uninstall(TSkinData& data) override;
  void UpdateSkinControl(TSkinData& data, framework::TComponent* parent, framework::TComponent* control) override;
  void UpdateMenu(TSkinData& data, framework::TComponent* parent) override;
  void AddNestForm(TSkinData& data, framework::TComponent* parent, framework::TComponent* nested) override;
  void DeleteGraphicControl(TSkinData& data, framework::TComponent* parent, framework::TComponent* control) override;
  void ChangeForm(TSkinData& data, HWND window);
  void SkinForm(HWND window);

  bool AddForm(HWND aHwnd);
  bool DeleteForm(HWND aHwnd);
  void AddSkinData(TSkinData& adata);
  void RemoveSkinData(TSkinData& adata);
  void SetAction(int32_t acode, UINT interval);
  void DoAction();
  void InstallHook();
  void RemoveHook();
  void DeleteSysbtn();
  // The active MDI child was maximised (true) or restored: the children
  // drop or get back their window regions.
  void SetMDIMax(bool b);
  void PurgeForms();
  TSkinData* SelectSkinData(HWND hwnd) const;
  TWinSkinForm* FrameSkinnerOf(HWND hwnd) const;

  // Popup menu windows (class "#32768") and what the item painter asks.
  void AddPopupMenu(HWND hwnd);
  void RemovePopupMenu(HWND hwnd);
  // Every popup menu skinner learns that its items are owner-drawn.
  void SetPopMenu();
  // The newest popup menu skinner that does not know its menu yet shows `hmenu`.
  void SetHMenu(HMENU hmenu);
  // The background of the popup menu window showing `amenu`, or null.
  const PopupMenuBackground* GetMenuBg(HMENU amenu) const;
  const std::vector<std::unique_ptr<TWinSkinPopMenu>>& PopupMenus() const { return Mlist; }

  // Called by a frame skinner.
  void FrameWindowGone(TWinSkinForm& skinner);
  void CountFrameSkinner(int delta) { liveFrameSkinners_ += delta; }

  // For tests and leak checks: frame skinners alive, listed or not.
  int LiveFrameSkinners() const { return liveFrameSkinners_; }
  const std::vector<std::unique_ptr<TWinSkinForm>>& Frames() const { return Flist; }
  const std::vector<TSkinData*>& Components() const { return Dlist; }
  bool HookInstalled() const { return hook_ != nullptr; }

  // Shared state of the frame skinners.
  bool active = false;
  bool skinchildform = false;
  int32_t state = kTrackerIdle;
  int32_t menutype = 0;
  bool menuactive = false;
  bool MDIMax = false;
  bool WMSetDraw = false;
  HWND clienthwnd = nullptr;
  framework::TCustomForm* MDIForm = nullptr;
  int32_t action = kActionNone;
  TSkinData* UpdateData = nullptr;
  TSkinData* MainData = nullptr;
  HWND lpara = nullptr;

 private:
  static LRESULT CALLBACK MainThreadCbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK TimerFired(HWND, UINT, UINT_PTR, DWORD);
  void OnCreateWindow(HWND window, const CBT_CREATEWNDW& create);
  void StartTimer(UINT interval);
  void StopTimer();
  bool ShouldSkinWindow(HWND aHwnd, const std::wstring& cls) const;
  // The first frame skinner of the window of `parent` (a windowed control).
  TWinSkinForm* FrameSkinnerOfParent(framework::TComponent* parent) const;
  void AddVisibleForm(framework::TCustomForm* form);
  void ReleaseFrame(size_t index);
  void ActionForOneForm();
  void ActionForAll();
  std::unique_ptr<TWinSkinForm> TakeFrame(size_t index);
  void ReleasePopupMenu(size_t index);
  void NotifyOlderSkin(TSkinData& data);

  std::vector<std::unique_ptr<TWinSkinForm>> Flist;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> Mlist;
  std::vector<TSkinData*> Dlist;
  HHOOK hook_ = nullptr;
  UINT_PTR timer_ = 0;
  int liveFrameSkinners_ = 0;
};

// The tracker, created on first use and destroyed with ShutDownSkinEngine.
TSkinManage& SkinManager();
bool SkinManagerExists();
// Unhooks and frees every frame skinner and removes the hooks; the
// components stay as they are. Safe to call more than once.
void ShutDownSkinEngine();

}  // namespace lanvero
