#pragma once
// TWinSkinForm: the frame skinner of one top-level window. It subclasses
// the window, answers its non-client messages itself (frame size, hit
// testing, painting, activation, non-client mouse), paints the frame from
// the skin's border images and caption bar, cuts the window region along
// their magenta pixels, routes non-client mouse input to the caption
// buttons, shows the skinned system menu, has the menu items of its form
// drawn by the item painter and keeps the control skinners of the window.
//
// The tracker (SkinManager) owns every frame skinner; a window's
// destruction or an uninstall only marks or unhooks it, and the object is
// freed once no call of it is on the stack (CallDepth.h).

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/GdiObject.h"
#include "framework/base/Messages.h"
#include "framework/graphics/Color.h"
#include "skin/image/win/DibSection.h"
#include "skin/definitions/SkinData.h"
#include "framework/graphics/Canvas.h"
#include "skin/runtime/controls/SkinnerFactory.h"
#include "skin/runtime/geometry/FrameGeometry.h"
#include "skin/runtime/menus/MenuItemPainter.h"
#include "skin/runtime/menus/NativeMenuOwnerDraw.h"
#include "skin/runtime/tracking/WindowSubclass.h"

namespace lanvero::framework {
class TComponent;
class TControl;
class TWinControl;
class TToolBar;
class TToolButton;
class TMenuItem;
class TCustomForm;
class TImageList;
class TPopupMenu;
}  // namespace lanvero::framework

namespace lanvero {

class TWinSkinForm;
class TSkinControl;
class TWinSkinMenu;
class TMenuBtn;

// The tool bar handlers a frame skinner installs, recognisable by type so
// that it removes exactly its own.
struct SkinToolbarBackground {
  TWinSkinForm* skinner;
  void operator()(framework::TToolBar* toolbar, const RECT& rect, bool& defaultDraw) const;
};
struct SkinToolbarButtonFace {
  TWinSkinForm* skinner;
  void operator()(framework::TToolBar* toolbar, framework::TToolButton* button, UINT state, bool& defaultDraw) const;
};

enum TSkinFormStyle { sfsNormal, sfsMDIform, sfsMDIChild };
enum TSkinFormBorder { sbsSizeable, sbsSingle, sbsNone, sbsDialog };
enum TSkinWindowState { swsNormal, swsMax, swsMin };
enum TSkinFormIcon : uint32_t { sbiMax = 1, sbiMin = 2, sbiHelp = 4, sbisystem = 8, sbicaption = 16 };

// Lifecycle codes of a frame skinner (Skinstate).
enum FrameSkinState : int32_t {
  kFrameCreated = 0,  // frame skinned, not yet activated: no native frame is painted
  kFrameRunning = 1,
  kFrameChanging = 3,   // a skin change is being applied
  kFrameReleasing = 4,  // the window is being released or destroyed
  kFrameResizing = 5,   // the first resize to the client area runs
  kFrameDestroyed = 6,  // the window is gone; the tracker frees the skinner
};

// Objects of the non-client area that react to the mouse.
class TNCObject {
 public:
  TNCObject(TWinSkinForm& sf, TSkinData& sd) : SF(sf), fsd(sd) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Draw() {}

  TWinSkinForm& SF;
  TSkinData& fsd;
  Rect bounds;  // window coordinates
  bool visible = false;
  int32_t state = 1;  // 1 normal, 2 pressed, 3 hot
  bool enabled = true;
};

// One caption button, showing one caption button definition.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& sf, TSkinData& sd, TDataSkinSysButton& definition)
      : TNCObject(sf, sd), data(definition) {}
  void Draw() override;
  TDataSkinSysButton& data;
};

class TWinSkinForm : public SubclassTarget {
 public:
  TWinSkinForm(HWND window, std::wstring className);
  ~TWinSkinForm() override;

  // Prepare and subclass: a framework form, or a raw window.
  void InitTform(TSkinData& afsd, framework::TCustomForm* aform);
  void InitDlg(TSkinData& afsd);
  // (Re)computes the frame widths and the caption buttons from the skin.
  void InitSkinData();
  // Applies a newly loaded skin to the window and its frame.
  void SkinChange();
  void DeleteSysbtn();

  // Giving the window back: after a release request, at the window's
  // destruction, and for a window whose frame was never skinned.
  void UnSubclass();
  void UnSubclass3();
  void UnSubclass2();

  // The frame is worked out and painted anew (`extraFlags`: SWP_NOREDRAW
  // to leave the painting to the caller).
  void Refresh(UINT extraFlags = 0);
  static void RePaint(HWND hwnd);
  // Sets the window region for the window's size; `redraw` false leaves the
  // repainting to the caller.
  void Cropwindow(bool redraw = true);
  void Uncropwindow();
  void PaintFrame(HDC dc);

  // Menus (menus/MenuHandlers.cpp, menus/FrameMenuMessages.cpp): the item
  // painter's handlers on the popup menus and main menus that `wForm` owns
  // (Enable false removes them); native menus switched to owner drawing
  // until the skinner lets go of the window.
  void InitPopMenu(framework::TComponent* wForm, bool Enable, bool Update);
  void InitMainMenu(framework::TComponent* wForm, bool Enable, bool Update);
  void MakeMenuOwnerDraw(HMENU menu);

  // The menu bar drawn in the menu band in place of the window's menu
  // (menus/MenuBar*.cpp): a press on a button runs its command or opens its
  // drop-down, and returns when the drop-down has closed.
  bool CheckMenu(TMenuBtn* Button);
  // Posts a press on the button to the window.
  void ClickButton(TMenuBtn* button);
  // Rebuilds the buttons and repaints the band at once.
  void UpdateMainMenu();
  TWinSkinMenu* MenuBar() const { return menu.get(); }
  // True while a drop-down of the menu bar is open.
  bool InMenu() const { return fInMenu; }
  // The active MDI child of an MDI frame is maximised.
  bool MDIChildMax() const;
  bool IsMDIForm() const { return FormStyle == sfsMDIform; }
  const TMenuItemPainter& MenuPainter() const { return menuPainter_; }
  // The skinned system menu as last built (null before the first popup).
  framework::TPopupMenu* SystemMenu() const { return sysmenu.get(); }

  // Control discovery (controls/ControlDiscovery.cpp, ControlMapping.cpp,
  // RawControlDiscovery.cpp): the skinners of a form's controls, of a form
  // embedded in the window, and of the child windows of a raw window.
  void InitControls(framework::TWinControl* wForm);
  void AddComp(framework::TControl* Comp, framework::TWinControl* wForm);
  void InitNestform(framework::TWinControl* wForm);
  void InitHwndControls(HWND ahwnd);
  void AddControlh(HWND ahwnd);
  // The skinner attached to `hwnd`, or null.
  TSkinControl* SkinnerForWindow(HWND hwnd) const;
  // Replaces the skinner of the control window `control` (its window was
  // re-created) by a new one for the new window: a scroll bar skinner by one
  // of the same class, any other by discovering the control again.
  void RecreateSkinner(HWND control);
  void RediscoverControlOf(TSkinControl* gone);
  // Tool bar drawing from the skin, installed on tool bars unless the
  // program has its own handlers.
  void ToolbarCustomDraw(framework::TToolBar& toolbar, const RECT& ARect);
  void ToolbarCustomDrawButton(framework::TToolBar& toolbar, const RECT& bounds, UINT state);
  void UnskinToolBar(framework::TToolBar& bar);
  // The canvas lent to the control skinners.
  framework::TCanvas& SkinnerCanvas() { return fcanvas2; }

  // Control skinners of the window (added by their attach operations).
  bool AddControlList(TSkinControl* acontrol);
  void DeleteControl(TSkinControl* c);
  const std::vector<TSkinControl*>& Controls() const { return Controllist; }

  HWND Hwnd = nullptr;
  std::wstring formclass;
  int32_t Skinstate = kFrameCreated;
  TSkinData* fsd = nullptr;
  framework::TCustomForm* FForm = nullptr;
  TNCObject* ActiveBtn = nullptr;
  FrameWidths bw;
  int32_t MenuHeight = 0;
  bool sMainMenu = false;
  bool FWindowActive = true;
  TSkinFormStyle FormStyle = sfsNormal;
  TSkinFormBorder FormBorder = sbsSizeable;
  uint32_t FormIcons = 0;
  TSkinWindowState Windowstate = swsNormal;
  bool ismessagebox = false;
  bool crop = false;
  HMENU hmenu = nullptr;       // the native menu of a skinned menu bar
  HMENU activemenu = nullptr;  // the native menu last switched to owner drawing
  // For tests and the tracker: the frame skinner is still hooked, and its
  // caption buttons as last laid out.
  bool Subclassed() const { return subclassed_; }
  const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return SysBtn; }

 protected:
  LRESULT SubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class TNCObject;
  friend class TWinSysButton;
  friend class TWinSkinMenu;
  friend class TMenuBtn;

  void InitWindow(TSkinData& afsd);
  void InstallFormHook();
  void RemoveFormHook();
  void ReadWindowState();
  void FindMDIClient();
  void Activate();
  void SaveClientMetrics();
  void ResizeToClient(bool refresh, UINT extraFlags = 0);
  // Puts the skinned frame around a shown window with one repaint.
  void ReframeShownWindow();
  // The whole client area waits for the window's first paint.
  bool AwaitsFirstPaint() const;
  // After a frame change made without painting: the window's frame, or the
  // whole window when more than the frame is new, and what it uncovered of
  // `before` (its rectangle on the screen before the change).
  void RepaintReframed(const RECT& before, bool onlyTheFrameIsNew);
  // Invalidates what lay under `before` (screen coordinates) and the window
  // no longer covers.
  void InvalidateUncovered(const RECT& before) const;
  void NotifySkinned();
  void FreeSkinners();
  void SetSysMenuStyle(bool remove);
  void StartTimer(bool on);
  void GiveNativeSizeBack();
  bool DetachFrame();

  // Message handling.
  LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);
  bool Stage1(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool Stage2(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool Stage3(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void FormMessageHook(framework::TMessage& message);
  LRESULT WMNCCalcSize(WPARAM wParam, LPARAM lParam);
  LRESULT WMNCHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT WMNCActivate(WPARAM wParam, LPARAM lParam);
  LRESULT WMSize(WPARAM wParam, LPARAM lParam);
  LRESULT WMSysCommand(WPARAM wParam, LPARAM lParam);
  bool NonClientMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void TimerTick();
  FramePoint ScreenToFrame(LPARAM screenPoint) const;
  FramePoint ScreenToFrame(POINT screenPoint) const;
  void Maximize();
  void Minimize();
  void Restore();

  // Painting (FramePaint.cpp) and the region (WindowRegion.cpp).
  void DrawBorder(int side, const Rect& rect, HDC dc);
  // The built image of one border side at this size in the current active
  // or inactive frame; kept until the size, the activation or the skin
  // changes, so that a repaint only copies bitmaps.
  const DibSection& BorderBitmap(int side, const Rect& rect);
  void CopySideTop(int side, const Rect& sideRect, HDC bar);
  struct PieceKey {
    int32_t width = -1, height = -1, frame = 0;
    bool operator==(const PieceKey&) const = default;
  };
  struct FramePiece {
    PieceKey key;
    DibSection bitmap;
  };
  const DibSection& CachedPiece(FramePiece& piece, const PieceKey& key,
                                const std::function<void(HDC, const Rect&)>& draw);
  void DropFrameCache();
  void PaintCaption(HDC dc);
  void DrawCaptionText(HDC dc, const Rect& area);
  void BuildIconBitmap();
  framework::UniqueRegion BuildFrameRegion(int width, int height);

  // Caption buttons and the system menu (CaptionButtons.cpp, SystemMenu.cpp).
  TWinSysButton* SysButtonAt(FramePoint pt);
  bool IsSysButtonVisible(size_t i);
  void LayoutSysButtons();
  void DrawSysButtons(HDC dc);
  void DrawSysButton(TWinSysButton& button, int32_t s);
  void DrawAppIcon(HDC dc, const Rect& rect);
  void PerformButtonAction(int x, int y);
  void SendToActiveChild(WPARAM cmd);
  bool HasCloseCommand() const;
  void HideCaptionHint();
  void AdvanceCaptionHint();
  void PopupSysMenu(POINT pt);
  void BuildSysMenu();

  // Menu bar (menus/MenuBarLoop.cpp).
  static LRESULT CALLBACK MenuLoopFilter(int code, WPARAM wParam, LPARAM lParam);
  void InstallMenuLoopHook();
  void ReleaseMenuLoopHook();
  void EndMenuLoop();
  int32_t NeighbourButton(bool forward) const;
  int32_t SwitchTarget(const MSG& msg);
  void OpenDropDown(TMenuBtn& button);
  int32_t SelectInBar(int32_t index, bool walking);
  void ApplyMenuChangedInLoop();
  bool EnterMenuBarByKey(LPARAM key);
  bool DialogKey(const framework::TMessage& message);
  void CreateMenuBar();
  void GiveMenuBack();

  // MDI frames (frame/MDIClient.cpp).
  void SubclassClient();
  void UnsubclassClient();
  LRESULT ClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam);

  // Control discovery.
  bool Switch(int kind) const;
  bool TabsAvailable() const;
  void PurgeDeadSkinners();
  void ScanComponents(framework::TWinControl* wForm);
  void AddChildControls(framework::TControl* control);
  bool HasSkinner(const framework::TControl* control) const;
  bool IsSkinned(framework::TControl* control);
  bool SkipInTabOrder(framework::TWinControl* control);
  bool MapBySkin3rd(const std::wstring& name, framework::TControl* control);
  void ActOnListedKind(const std::wstring& kind, const std::wstring& key, framework::TControl* control);
  void SkinGroupButtons(framework::TControl* group, SkinnerClass cls, int imageKind);
  void AttachEditIfBordered(framework::TControl* control);
  void MarkGroupChildren(framework::TControl* control);
  static bool HasScrollBars(framework::TControl* control);
  bool ApplicationSkinner(framework::TControl* Comp, framework::TWinControl* wForm, const std::wstring& name);
  void AddByKind(framework::TControl* Comp, const std::wstring& name);
  bool AddContainerKind(framework::TControl* Comp, const std::wstring& name);
  bool AddButtonKind(framework::TControl* Comp, const std::wstring& name);
  bool AddBarKind(framework::TControl* Comp, const std::wstring& name);
  void AddInputKind(framework::TControl* Comp, const std::wstring& name);
  void AttachNumButtonsEdit(framework::TControl* Comp);
  void SkinToolBar(framework::TToolBar& bar);
  void AddFrameworkWindow(const std::wstring& cls, HWND ahwnd, LONG_PTR style);
  void SkinMenuItemTree(framework::TMenuItem* item, bool Enable);
  TSkinControl* Attach(SkinnerClass cls, framework::TControl* comp, bool recolor, const SkinnerPresets& presets = {});
  TSkinControl* AttachScroll(SkinnerClass cls, framework::TControl* comp, const SkinnerPresets& presets);
  TSkinControl* AttachGraphic(SkinnerClass cls, framework::TControl* comp, const SkinnerPresets& presets);
  TSkinControl* AttachRaw(SkinnerClass cls, HWND ahwnd);

  // Menu items at the window (menus/FrameMenuMessages.cpp).
  bool SystemMenuItemMessage(UINT msg, LPARAM lParam, LRESULT& result);
  LRESULT WMMeasureItem(WPARAM wParam, LPARAM lParam);
  LRESULT WMDrawItem(WPARAM wParam, LPARAM lParam);
  framework::TMenuItem* MainMenuItem(UINT command) const;
  void ReleaseMenus();

  bool subclassed_ = false;
  framework::TWndMethod OldWndProc;
  bool formHooked_ = false;
  std::wstring bstr = L"  ";
  std::wstring astr = L" ";
  std::wstring classname;
  Rect fClientRect;
  DWORD poptime = 0;
  UINT DoubleTime = 0;
  int32_t charwidth = 0;
  HWND parenthwnd = nullptr;
  int32_t Iconx = 16;
  Rect FTitleRect;
  Rect ctr;
  Rect oldsize;
  bool bidileft = false;
  bool isunicode = false;
  bool ischildform = false;
  HWND ClientHwnd = nullptr;
  HMENU hsysmenu = nullptr;
  framework::TColor formcolor = 0;
  LONG_PTR dwstyle = 0;
  int32_t RightBtn = 0;
  int32_t fwidth = 0, fheight = 0;
  int32_t crwidth = 0, crheight = 0;
  int32_t hintCounter_ = 0;
  bool timerOn_ = false;
  framework::UniqueFont CaptionFont;
  DibSection IconBmp;
  struct BuiltSide {
    int32_t width = -1, height = -1;
    bool active = false;
    DibSection bitmap;
  };
  std::array<BuiltSide, 4> builtSides_;
  DibSection CaptionBuf;
  FramePiece textBack_;
  std::vector<FramePiece> buttonPieces_;  // one per caption button
  std::vector<std::unique_ptr<TWinSysButton>> SysBtn;
  std::vector<TSkinControl*> Controllist;
  framework::TCanvas fcanvas2;
  TMenuItemPainter menuPainter_;
  std::unique_ptr<framework::TPopupMenu> sysmenu;
  std::unique_ptr<framework::TImageList> sysmenuImages_;
  bool sysMenuOpen_ = false;
  std::vector<OwnerDrawnItem> ownerDrawnItems_;
  std::unique_ptr<TWinSkinMenu> menu;
  bool fInMenu = false;
  bool menuChangedInLoop_ = false;
  RECT wTr{};
  bool clientSubclassed_ = false;
  bool menuauto = true;
};

// The index of the menu bar button whose drop-down is open, -1 when none.
int32_t OpenMenuBarButton();
// What the window learned of the selected item of an open drop-down.
void NoteMenuSelect(WPARAM wParam, LPARAM lParam);

// Frames paint between the engine's start and its shutdown.
bool FramePaintingAvailable();
void StartFramePainting();
void ShutDownFramePainting();

}  // namespace lanvero
