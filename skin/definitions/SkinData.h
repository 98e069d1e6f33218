#pragma once
// TSkinData: the root component of the skin engine. It holds the engine's
// stored settings, the packed skin (a skin file as raw bytes, stored with
// the form as "SkinStream") and, once the package is parsed, every skin
// definition (SkinDefinitions). Portable: the Windows-only parts (glyph
// list, brush, caption font, GDI copies of the images) sit behind
// SkinDataPlatform.h.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Strings.h"
#include "skin/codec/ByteStream.h"
#include "skin/definitions/SkinBitmap.h"
#include "skin/definitions/SkinDataPlatform.h"
#include "skin/definitions/SkinDefinitions.h"
#include "skin/package/SkinStore.h"

namespace lanvero {

enum TSkinControlType : int {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};
enum TSkinOption : int {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar,
};
enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// Sets are bit masks: bit n stands for member n.
using TSkinControlTypes = uint32_t;
using TSkinOptions = uint32_t;
constexpr uint32_t SetOf(int member) { return uint32_t{1} << member; }

inline constexpr TSkinControlTypes kAllSkinControls = (uint32_t{1} << (xcFastReport + 1)) - 1;
inline constexpr TSkinControlTypes kDefaultSkinControls = kAllSkinControls & ~SetOf(xcMenuItem) & ~SetOf(xcFastReport);
inline constexpr TSkinOptions kDefaultSkinOptions = SetOf(xoPreview) | SetOf(xoToolbarBK) | SetOf(xoCaptionButtonHint);
inline constexpr int32_t kDefaultDisableTag = 99;
inline constexpr std::wstring_view kSkinDataVersion = L"5.60.03.29";

class TSkinData;

using TFormSkinEvent = std::function<void(framework::TObject* Sender, const std::wstring& aName, bool& DoSkin)>;
using TSkinNotifyEvent = std::function<void(framework::TObject* Sender)>;
using TSkinControlEvent = std::function<void(framework::TComponent* Sender, TSkinData* SkinData,
                                             framework::TComponent* Form, framework::TComponent* Control,
                                             const std::wstring& ControlClass, framework::TComponent*& SkinnedControl)>;
using TSkinFormEvent =
    std::function<void(framework::TObject* Sender, SkinWindowHandle ahwnd, const std::wstring& aName)>;

// What the window tracker does for a component. The skinning runtime
// installs its own; until then every call does nothing, so a component
// loads and builds its definitions without any windows being skinned.
class SkinDataRuntime {
 public:
  virtual ~SkinDataRuntime() = default;
  // After the form holding the component was read (register, hook, skin
  // the windows that exist).
  virtual void Started(TSkinData&) {}
  // The Active property changed outside of form reading.
  virtual void ActiveChanged(TSkinData&) {}
  // A skin was loaded by code (NotifySkinLoaded): re-skin the windows.
  virtual void SkinLoaded(TSkinData&) {}
  virtual void Destroying(TSkinData&) {}
  // The application's hidden top-level window, whose icon becomes SysIcon.
  virtual SkinWindowHandle ApplicationWindow() { return nullptr; }
  // Requests of the component's public operations.
  virtual void Install(TSkinData&) {}
  virtual void Uninstall(TSkinData&) {}
  virtual void UpdateSkinControl(TSkinData&, framework::TComponent* /*parent*/, framework::TComponent* /*control*/) {}
  virtual void UpdateMenu(TSkinData&, framework::TComponent* /*parent*/) {}
  virtual void AddNestForm(TSkinData&, framework::TComponent* /*parent*/, framework::TComponent* /*nested*/) {}
  virtual void DeleteGraphicControl(TSkinData&, framework::TComponent* /*parent*/, framework::TComponent* /*control*/) {
  }
};

class TSkinData : public framework::TComponent, public SkinDefinitions {
 public:
  explicit TSkinData(framework::TComponent* AOwner);
  ~TSkinData() override;

  static const framework::ClassInfo& StaticClassInfo();
  const framework::ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // The runtime all components report to; null restores the one that does
  // nothing. The runtime must outlive the components.
  static void SetRuntime(SkinDataRuntime* runtime);

  // Stored properties.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  int32_t DisableTag() const { return FDisableTag; }
  void SetDisableTag(int32_t value) { FDisableTag = value; }
  TSkinControlTypes SkinControls() const { return FSkinControls; }
  void SetSkinControls(TSkinControlTypes value) { FSkinControls = value & kAllSkinControls; }
  TSkinOptions Options() const { return FOptions; }
  void SetOptions(TSkinOptions value) { FOptions = value; }
  // Stored as "Skin3rd.Strings"; assigning copies the lines.
  framework::TStringList* Skin3rdList() const { return f3rdControls.get(); }
  std::vector<std::wstring> Skin3rd() const { return f3rdControls->ToVector(); }
  void SetSkin3rd(const std::vector<std::wstring>& lines) { f3rdControls->SetStrings(lines); }
  std::wstring SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::wstring& value) { LoadFromFile(value); }
  // A display string only: "(none)" at run time; writes are ignored.
  std::wstring SkinStore() const { return L"(none)"; }
  void SetSkinStore(const std::wstring&) {}
  TSkinFormType SkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType value) { FSkinFormtype = value; }
  std::wstring Version() const { return std::wstring(kSkinDataVersion); }
  void SetVersion(const std::wstring&) {}
  bool MenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool value) { FMenuUpdate = value; }
  bool MenuMerge() const { return FMenuMerge; }
  void SetMenuMerge(bool value) { FMenuMerge = value; }

  TFormSkinEvent OnFormSkin;
  TSkinNotifyEvent OnSkinChanged;
  TSkinControlEvent OnSkinControl;
  TSkinFormEvent OnBeforeSkinForm;
  TSkinFormEvent OnAfterSkinForm;

  // "SkinStream": a 32-bit length and that many bytes of a skin file.
  // Reading a length of 0 or less keeps the data; otherwise the skin is
  // loaded at once (without notifying the tracker).
  void ReadSkinStream(const std::vector<uint8_t>& propertyBytes);
  std::vector<uint8_t> WriteSkinStream() const;

  // Loading. A package the reader refuses leaves the skin loaded before in
  // place (bytes, definitions, Empty false); without one it leaves Empty
  // true. A missing file only sets Empty. `limits` bound what the load may
  // decode (the defaults suit every skin made for people).
  void LoadFromFile(const std::wstring& value);
  void LoadFromStream(ByteStream& Stream, const SkinLoadLimits& limits = {});
  // Does nothing at all (not even Empty) unless 0 <= aindex < item count.
  void LoadFromCollection(const TSkinStore& astore, int32_t aindex);

  void Loaded() override;

  // Lookups for the skinners.
  bool GetPrecolor(Color& acolor, int32_t n) const { return lanvero::GetPrecolor(*this, acolor, n); }
  Color GetCaptionColor() const;
  // The skinner kind `Skin3rd` gives a control class (lower case, at most
  // 50 characters, possibly empty); none when no line names the class.
  std::optional<std::wstring> Skin3rdKind(std::wstring_view className) const;

  void DoSkinChanged();
  void DoDebug(const std::wstring& s);

  // Skinning the windows of the program: install or uninstall this skin
  // (carried out shortly after, once per burst of requests); skin the
  // controls added to `fParent` since its window was skinned (all of them,
  // or those of the container `acontrol`); redo its popup menus; skin a
  // form embedded in it; forget a window-less control about to go.
  void Install() { Runtime().Install(*this); }
  void Uninstall() { Runtime().Uninstall(*this); }
  void UpdateSkinControl(framework::TComponent* fParent, framework::TComponent* acontrol = nullptr) {
    Runtime().UpdateSkinControl(*this, fParent, acontrol);
  }
  void UpdateMenu(framework::TComponent* fParent) { Runtime().UpdateMenu(*this, fParent); }
  void AddNestForm(framework::TComponent* fParent, framework::TComponent* fNested) {
    if (fNested) Runtime().AddNestForm(*this, fParent, fNested);
  }
  void DeleteGraphicControl(framework::TComponent* fParent, framework::TComponent* acontrol) {
    Runtime().DeleteGraphicControl(*this, fParent, acontrol);
  }
  static SkinDataRuntime& Runtime();

  bool Empty = true;
  ByteStream data;
  TSkinBitmap SysIcon;
  framework::TStrings* DebugList = nullptr;  // not owned
  bool MenuMsg = true;
  SkinWindowHandle formhwnd = nullptr;
  // Windows: glyph list, background brush, caption font (win/SkinDataGdi.h).
  TSkinDataGdi* Gdi() const { return gdi_.get(); }

 private:
  // Parses a loaded package into the definitions and keeps it as `data`.
  void AdoptPackage(ByteStream candidate, bool hadSkin, const SkinLoadLimits& limits = {});
  void NotifySkinLoaded();
  void RestrictMenuControls();

  bool FActive = false;
  int32_t FDisableTag = kDefaultDisableTag;
  TSkinControlTypes FSkinControls = kDefaultSkinControls;
  TSkinOptions FOptions = kDefaultSkinOptions;
  std::unique_ptr<framework::TStringList> f3rdControls;
  std::wstring FSkinFile;
  TSkinFormType FSkinFormtype = sfMainform;
  bool FMenuUpdate = true;
  bool FMenuMerge = false;
  SkinDataGdiPtr gdi_;
};

// Makes TSkinData known to stored layouts; safe to call more than once.
void RegisterSkinDataClass();

}  // namespace lanvero
