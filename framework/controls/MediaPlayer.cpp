#include "framework/controls/MediaPlayer.h"

#include <mmsystem.h>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

constexpr std::array<const wchar_t*, kMediaButtonCount> kGlyphNames = {L"MPPLAY", L"MPPAUSE",  L"MPSTOP",
                                                                       L"MPNEXT", L"MPPREV",   L"MPSTEP",
                                                                       L"MPBACK", L"MPRECORD", L"MPEJECT"};
// The colour of a glyph's background, replaced by the button face.
constexpr COLORREF kGlyphTransparent = RGB(128, 128, 0);

const EnumInfo& DeviceTypeEnum() {
  static const EnumInfo info{"TMPDeviceTypes",
                             {"dtAutoSelect", "dtAVIVideo", "dtCDAudio", "dtDAT", "dtDigitalVideo", "dtMMMovie",
                              "dtOther", "dtOverlay", "dtScanner", "dtSequencer", "dtVCR", "dtVideodisc",
                              "dtWaveAudio"}};
  return info;
}

// The device type names of the media control interface, by TMPDeviceTypes.
const wchar_t* DeviceTypeName(TMPDeviceTypes type) {
  static constexpr const wchar_t* kNames[] = {L"",        L"avivideo",  L"cdaudio",  L"dat",     L"digitalvideo",
                                              L"mmmovie", L"other",     L"overlay",  L"scanner", L"sequencer",
                                              L"vcr",     L"videodisc", L"waveaudio"};
  return kNames[static_cast<int>(type)];
}

}  // namespace

const EnumInfo& MPBtnTypeEnum() {
  static const EnumInfo info{"TMPBtnType",
                             {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord",
                              "btEject"}};
  return info;
}

std::wstring MediaGlyphResourceName(TMPBtnType button, TMPGlyphKind kind) {
  static constexpr const wchar_t* kKinds[] = {L"EN", L"DI", L"CL"};
  return std::wstring(kKinds[static_cast<int>(kind)]) + L"_" + kGlyphNames[static_cast<size_t>(button)];
}

const ClassInfo& TMediaPlayer::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TMediaPlayer>("TMediaPlayer", &TCustomControl::StaticClassInfo())
          .Creatable()
          .Set("VisibleButtons", MPBtnTypeEnum(), &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons)
          .Set("EnabledButtons", MPBtnTypeEnum(), &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons)
          .Set("ColoredButtons", MPBtnTypeEnum(), &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons)
          .String("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName)
          .Enumeration("DeviceType", DeviceTypeEnum(), &TMediaPlayer::DeviceType, &TMediaPlayer::SetDeviceType)
          .Boolean("AutoOpen", &TMediaPlayer::AutoOpen, &TMediaPlayer::SetAutoOpen)
          .Event("OnClick", &TMediaPlayer::OnButtonClick)
          .Build();
  return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {
  // Presses are handled per button here, not as clicks of the whole control.
  SetControlStyle((Style() | csOpaque) & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
  SetColor(clBtnFace);
  SetBounds(0, 0, 253, 30);
}

TMediaPlayer::~TMediaPlayer() {
  MarkDestroying();
  DestroyComponents();
  DestroyHandle();
}

// ----- button sets and layout -------------------------------------------------

void TMediaPlayer::SetVisibleButtons(TButtonSet buttons) {
  visibleButtons_ = buttons & kAllMediaButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet buttons) {
  enabledButtons_ = buttons & kAllMediaButtons;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet buttons) {
  coloredButtons_ = buttons & kAllMediaButtons;
  Invalidate();
}

int TMediaPlayer::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < kMediaButtonCount; ++i) count += (visibleButtons_ >> i) & 1;
  return count;
}

int TMediaPlayer::ButtonWidth() const {
  const int count = VisibleCount();
  return count ? ClientWidth() / count : 0;
}

// The visible buttons share the width equally, in their order; what the
// division leaves over stays empty at the right end.
RECT TMediaPlayer::ButtonRect(TMPBtnType button) const {
  if (!(visibleButtons_ & MediaButtonBit(button))) return RECT{0, 0, 0, 0};
  int slot = 0;
  for (int i = 0; i < static_cast<int>(button); ++i) slot += (visibleButtons_ >> i) & 1;
  const int width = ButtonWidth();
  return RECT{slot * width, 0, (slot + 1) * width, ClientHeight()};
}

std::optional<TMPBtnType> TMediaPlayer::ButtonAt(int x) const {
  const int width = ButtonWidth();
  if (width <= 0 || x < 0) return std::nullopt;
  int slot = x / width;
  for (int i = 0; i < kMediaButtonCount; ++i) {
    if (!((visibleButtons_ >> i) & 1)) continue;
    if (slot-- == 0) return static_cast<TMPBtnType>(i);
  }
  return std::nullopt;
}

// ----- presses ------------------------------------------------------------------

void TMediaPlayer::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return WMLButtonDown(message);
    case WM_LBUTTONUP: return WMLButtonUp(message);
    default: return TCustomControl::Dispatch(message);
  }
}

void TMediaPlayer::WMLButtonDown(TMessage& message) {
  TCustomControl::Dispatch(message);
  const std::optional<TMPBtnType> button = ButtonAt(message.X());
  if (!button || !Enabled() || !(enabledButtons_ & MediaButtonBit(*button))) return;
  pressed_ = button;
  if (HandleAllocated()) SetCapture(WindowHandle());
  Invalidate();
}

void TMediaPlayer::WMLButtonUp(TMessage& message) {
  TCustomControl::Dispatch(message);
  if (HandleAllocated() && GetCapture() == WindowHandle()) ReleaseCapture();
  const std::optional<TMPBtnType> pressed = std::exchange(pressed_, std::nullopt);
  if (!pressed) return;
  Invalidate();
  const int y = message.Y();
  if (ButtonAt(message.X()) != pressed || y < 0 || y >= ClientHeight()) return;  // released elsewhere
  bool doDefault = true;
  if (OnButtonClick) OnButtonClick(this, *pressed, doDefault);
  if (doDefault) RunDefault(*pressed);
}

void TMediaPlayer::RunDefault(TMPBtnType button) {
  switch (button) {
    case TMPBtnType::btPlay: return Play();
    case TMPBtnType::btPause: return Pause();
    case TMPBtnType::btStop: return Stop();
    case TMPBtnType::btNext: return Next();
    case TMPBtnType::btPrev: return Previous();
    case TMPBtnType::btStep: return Step();
    case TMPBtnType::btBack: return Back();
    case TMPBtnType::btRecord: return StartRecording();
    case TMPBtnType::btEject: return Eject();
  }
}

// ----- commands -----------------------------------------------------------------

void TMediaPlayer::Loaded() {
  TCustomControl::Loaded();
  if (autoOpen_) Open();
}

void TMediaPlayer::Open() { result_ = device_.Open(fileName_, DeviceTypeName(deviceType_)); }

void TMediaPlayer::Close() {
  device_.Close();
  result_ = MciResult{};
}

void TMediaPlayer::Command(UINT message, DWORD_PTR flags, void* parameters) {
  result_ = device_.Command(message, flags, parameters);
}

void TMediaPlayer::Play() { Command(MCI_PLAY, 0); }
void TMediaPlayer::Pause() { Command(MCI_PAUSE, MCI_WAIT); }
void TMediaPlayer::Stop() { Command(MCI_STOP, MCI_WAIT); }
void TMediaPlayer::Next() { Command(MCI_SEEK, MCI_WAIT | MCI_SEEK_TO_END); }
void TMediaPlayer::Previous() { Command(MCI_SEEK, MCI_WAIT | MCI_SEEK_TO_START); }
void TMediaPlayer::Step() { Command(MCI_STEP, MCI_WAIT); }
void TMediaPlayer::Back() { Command(MCI_STEP, MCI_WAIT | MCI_ANIM_STEP_REVERSE); }
void TMediaPlayer::StartRecording() { Command(MCI_RECORD, 0); }
void TMediaPlayer::Eject() { Command(MCI_SET, MCI_WAIT | MCI_SET_DOOR_OPEN); }

// ----- painting -----------------------------------------------------------------

TBitmap& TMediaPlayer::Glyph(TMPBtnType button, TMPGlyphKind kind) {
  auto& glyph = glyphs_[static_cast<size_t>(button) * 3 + static_cast<size_t>(kind)];
  if (!glyph) {
    glyph = std::make_unique<TBitmap>();
    glyph->LoadFromResourceName(GetModuleHandleW(nullptr), MediaGlyphResourceName(button, kind));
  }
  return *glyph;
}

void TMediaPlayer::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(ClientRect());
  for (int i = 0; i < kMediaButtonCount; ++i) {
    const auto button = static_cast<TMPBtnType>(i);
    if (visibleButtons_ & MediaButtonBit(button)) DrawButton(canvas, button, ButtonRect(button));
  }
}

void TMediaPlayer::DrawButton(TCanvas& canvas, TMPBtnType button, const RECT& rect) {
  const bool enabled = Enabled() && (enabledButtons_ & MediaButtonBit(button));
  const bool pressed = pressed_ == button;
  RECT face = rect;
  DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const TMPGlyphKind kind = !enabled                                     ? TMPGlyphKind::gkDisabled
                            : (coloredButtons_ & MediaButtonBit(button)) ? TMPGlyphKind::gkColored
                                                                         : TMPGlyphKind::gkEnabled;
  TBitmap& glyph = Glyph(button, kind);
  if (glyph.Empty()) return;
  // The glyph sinks with the pressed button.
  const int shift = pressed ? 1 : 0;
  const int x = rect.left + (rect.right - rect.left - glyph.Width()) / 2 + shift;
  const int y = rect.top + (rect.bottom - rect.top - glyph.Height()) / 2 + shift;
  canvas.Brush().SetColor(Color());
  canvas.BrushCopy(RECT{x, y, x + glyph.Width(), y + glyph.Height()}, glyph, RECT{0, 0, glyph.Width(), glyph.Height()},
                   static_cast<TColor>(kGlyphTransparent));
}

}  // namespace lanvero::framework
