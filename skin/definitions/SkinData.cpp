#include "skin/definitions/SkinData.h"

#include <filesystem>
#include <system_error>

#include "framework/core/FrameworkError.h"
#include "skin/definitions/ControlClassList.h"
#include "skin/definitions/SkinTitle.h"
#include "skin/package/SkinStreamProperty.h"

namespace lanvero {

namespace {

SkinDataRuntime& IdleRuntime() {
  static SkinDataRuntime idle;
  return idle;
}

// The tracker's stand-in until the skinning runtime installs itself.
SkinDataRuntime* g_runtime = &IdleRuntime();

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

TSkinData::TSkinData(framework::TComponent* AOwner)
    : framework::TComponent(AOwner),
      f3rdControls(std::make_unique<framework::TStringList>()),
      gdi_(CreateSkinDataGdi()) {
  f3rdControls->SetStrings(BuiltinSkin3rd());
}

TSkinData::~TSkinData() { g_runtime->Destroying(*this); }

SkinDataRuntime& TSkinData::Runtime() { return *g_runtime; }

void TSkinData::SetRuntime(SkinDataRuntime* runtime) { g_runtime = runtime ? runtime : &IdleRuntime(); }

void TSkinData::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (!IsLoading()) g_runtime->ActiveChanged(*this);
}

void TSkinData::ReadSkinStream(const std::vector<uint8_t>& propertyBytes) {
  ByteStream property(propertyBytes);
  std::optional<std::vector<uint8_t>> skin;
  try {
    skin = lanvero::ReadSkinStream(property);
  } catch (const StreamReadError&) {
    throw framework::FrameworkError(L"SkinStream holds fewer bytes than its length says");
  }
  if (!skin) return;
  AdoptPackage(ByteStream(std::move(*skin)), !Empty);
}

std::vector<uint8_t> TSkinData::WriteSkinStream() const {
  ByteStream property;
  lanvero::WriteSkinStream(property, data.Bytes());
  return std::move(property.Buffer());
}

void TSkinData::LoadFromFile(const std::wstring& value) {
  FSkinFile = value;
  const bool hadSkin = !Empty;
  Empty = true;
  const std::filesystem::path path(value);
  if (value.empty() || !FileExists(path)) return;
  AdoptPackage(ByteStream(ReadFileBytes(path)), hadSkin);
  NotifySkinLoaded();
}

void TSkinData::LoadFromStream(ByteStream& Stream, const SkinLoadLimits& limits) {
  AdoptPackage(ByteStream(Stream.Bytes()), !Empty, limits);
  if (FSkinFormtype == sfMainform) NotifySkinLoaded();
}

void TSkinData::LoadFromCollection(const TSkinStore& astore, int32_t aindex) {
  if (aindex < 0 || aindex >= astore.Store().Count()) return;
  AdoptPackage(ByteStream(astore.Store().Items(aindex).Data().Bytes()), !Empty);
  NotifySkinLoaded();
}

// A package the reader refuses (an unknown version, damage) changes nothing
// when a skin was loaded before: its bytes and definitions stay, and the
// windows go on wearing it. Without one the component stays Empty.
void TSkinData::AdoptPackage(ByteStream candidate, bool hadSkin, const SkinLoadLimits& limits) {
  if (lanvero::ParseSkinPackage(candidate.Bytes(), *this, nullptr, limits)) {
    data = std::move(candidate);
    RemakeBackgroundBrush(gdi_.get(), Colors[kSchemeButtonFace]);
    Empty = false;
    return;
  }
  if (hadSkin) {
    Empty = false;
  } else {
    data = std::move(candidate);
    Empty = true;
  }
}

// Reading the form does not notify; the start (Loaded) skins what exists.
void TSkinData::NotifySkinLoaded() {
  if (IsLoading()) return;
  g_runtime->SkinLoaded(*this);
}

void TSkinData::Loaded() {
  framework::TComponent::Loaded();
  ReadCaptionFont(gdi_.get());
  if (FSkinFormtype == sfMainform && FActive && Empty) FActive = false;
  g_runtime->Started(*this);
  if (FSkinFormtype != sfMainform) return;
  RestrictMenuControls();
  GetAppIcon(SysIcon, g_runtime->ApplicationWindow());
}

// Menu items are skinned through the menu bar when it is skinned; the
// system menu only with it.
void TSkinData::RestrictMenuControls() {
  if (FSkinControls & SetOf(xcMainMenu)) {
    FSkinControls &= ~SetOf(xcMenuItem);
  } else {
    FSkinControls &= ~SetOf(xcSystemMenu);
  }
}

Color TSkinData::GetCaptionColor() const { return lanvero::GetCaptionColor(*this); }

std::optional<std::wstring> TSkinData::Skin3rdKind(std::wstring_view className) const {
  return LookupSkin3rd(f3rdControls->ToVector(), className);
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::DoDebug(const std::wstring& s) {
  if (DebugList) DebugList->Add(s);
}

}  // namespace lanvero
