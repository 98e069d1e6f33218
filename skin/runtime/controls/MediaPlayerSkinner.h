#pragma once
// TSkinMP: media players. The player keeps painting itself; the skinner
// lays its own panel (TWMediaPlayer) over it, drawn from the skin, and the
// panel hands the presses on to the player.

#include <memory>

#include "skin/runtime/controls/MediaPlayerPanel.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinMP : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinMP() override;
  const wchar_t* KindName() const override { return L"TSkinMP"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void Unsubclass() override;
  void AfterProc(framework::TMessage& message) override;
  void SkinChange() override;
  void SkinningSwitched() override;

  std::unique_ptr<TWMediaPlayer> mp;

 private:
  bool addedClipChildren_ = false;
};

}  // namespace lanvero
