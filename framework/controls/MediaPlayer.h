// A media player (TMediaPlayer): a row of up to nine buttons drawn by the
// framework (play, pause, stop, next, prev, step, back, record, eject) that
// send their commands to a device of the system's media control interface.
// A button shows pressed while the left mouse button is held on it and acts
// when it is released over the same button: OnClick comes first and may
// keep the default action from running. A command that cannot run (no
// device, no open media) leaves its code in Error and its reason in
// ErrorMessage; nothing is thrown.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Graphic.h"
#include "framework/services/MciDevice.h"

namespace lanvero::framework {

enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
inline constexpr int kMediaButtonCount = 9;
// A set of buttons: bit n stands for button n.
using TButtonSet = uint32_t;
inline constexpr TButtonSet kAllMediaButtons = (1u << kMediaButtonCount) - 1;
inline constexpr TButtonSet MediaButtonBit(TMPBtnType button) { return 1u << static_cast<int>(button); }

enum class TMPDeviceTypes {
  dtAutoSelect,
  dtAVIVideo,
  dtCDAudio,
  dtDAT,
  dtDigitalVideo,
  dtMMMovie,
  dtOther,
  dtOverlay,
  dtScanner,
  dtSequencer,
  dtVCR,
  dtVideodisc,
  dtWaveAudio
};

// The glyph kinds of a button: enabled, disabled, coloured.
enum class TMPGlyphKind { gkEnabled, gkDisabled, gkColored };

using TMPBtnClickEvent = std::function<void(TObject* sender, TMPBtnType button, bool& doDefault)>;

const EnumInfo& MPBtnTypeEnum();
// The bitmap resource of a button's glyph: "EN_MPPLAY", "DI_MPSTOP", "CL_MPEJECT", ...
std::wstring MediaGlyphResourceName(TMPBtnType button, TMPGlyphKind kind);

class TMediaPlayer : public TCustomControl {
 public:
  explicit TMediaPlayer(TComponent* owner);
  ~TMediaPlayer() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TButtonSet VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(TButtonSet buttons);
  TButtonSet EnabledButtons() const { return enabledButtons_; }
  void SetEnabledButtons(TButtonSet buttons);
  TButtonSet ColoredButtons() const { return coloredButtons_; }
  void SetColoredButtons(TButtonSet buttons);
  std::wstring FileName() const { return fileName_; }
  void SetFileName(const std::wstring& name) { fileName_ = name; }
  TMPDeviceTypes DeviceType() const { return deviceType_; }
  void SetDeviceType(TMPDeviceTypes type) { deviceType_ = type; }
  // Opens the media once the layout is read.
  bool AutoOpen() const { return autoOpen_; }
  void SetAutoOpen(bool value) { autoOpen_ = value; }
  // The result of the last command: 0 when it ran, and why it did not.
  int Error() const { return static_cast<int>(result_.error); }
  std::wstring ErrorMessage() const { return result_.message; }
  bool IsOpen() const { return device_.IsOpen(); }

  void Open();
  void Close();
  void Play();
  void Pause();
  void Stop();
  void Next();
  void Previous();
  void Step();
  void Back();
  void StartRecording();
  void Eject();

  // The visible button under a client x (nullopt: none), and its rectangle.
  std::optional<TMPBtnType> ButtonAt(int x) const;
  RECT ButtonRect(TMPBtnType button) const;
  // The button drawn pressed now (nullopt: none).
  std::optional<TMPBtnType> PressedButton() const { return pressed_; }

  TMPBtnClickEvent OnButtonClick;  // published as "OnClick"

 protected:
  void Loaded() override;
  void Dispatch(TMessage& message) override;
  void Paint() override;

 private:
  int VisibleCount() const;
  int ButtonWidth() const;
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void RunDefault(TMPBtnType button);
  void DrawButton(TCanvas& canvas, TMPBtnType button, const RECT& rect);
  TBitmap& Glyph(TMPBtnType button, TMPGlyphKind kind);
  void Command(UINT message, DWORD_PTR flags, void* parameters = nullptr);

  TButtonSet visibleButtons_ = kAllMediaButtons;
  TButtonSet enabledButtons_ = kAllMediaButtons;
  TButtonSet coloredButtons_ = kAllMediaButtons;
  std::wstring fileName_;
  TMPDeviceTypes deviceType_ = TMPDeviceTypes::dtAutoSelect;
  bool autoOpen_ = false;
  MciDevice device_;
  MciResult result_;
  std::optional<TMPBtnType> pressed_;
  // Loaded from the program's resources on first use; empty when missing.
  std::array<std::unique_ptr<TBitmap>, kMediaButtonCount * 3> glyphs_;
};

}  // namespace lanvero::framework
