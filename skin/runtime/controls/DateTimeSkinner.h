#pragma once
// TSkinDateTime: a date picker that drops a calendar down keeps painting
// itself; the skinner draws the skin's border over it and lays the skin's
// arrow button (TArrowButton) over the picker's own button.

#include <memory>

#include "skin/runtime/controls/DateTimeArrow.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinDateTime : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinDateTime() override;
  const wchar_t* KindName() const override { return L"TSkinDateTime"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void Unsubclass() override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
  void SkinningSwitched() override;

  std::unique_ptr<TArrowButton> arrow;

 private:
  bool addedClipChildren_ = false;
};

}  // namespace lanvero
