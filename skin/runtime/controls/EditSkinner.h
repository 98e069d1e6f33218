#pragma once
// TSkinEdit: edit boxes (and date pickers showing an up-down) keep painting
// themselves; the skinner draws the skin's border over theirs, at every
// client and non-client repaint, and skins an up-down control that sits
// inside the edit.

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinEdit"; }
  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  // The skinner of an up-down found inside the edit; null when there is
  // none (or it went away with its window).
  TSkinUpDown* updown = nullptr;

 protected:
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  void FindUpDown();
  void PrintFrame(HDC dc);
  // The non-client area is exactly the border the skin draws over.
  bool BorderIsSkinnedWhole() const;
  bool updownSearched_ = false;
};

}  // namespace lanvero
