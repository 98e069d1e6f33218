#pragma once
// TComboxScrollBar: the vertical scroll bar of a combo box's drop-down
// list, painted straight into the list's non-client area (the list is a
// popup, so no overlay panel can sit above it), with the thumb dragged by
// the skinner itself.

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TComboxScrollBar : public TSkinControl {
 public:
  explicit TComboxScrollBar(framework::TComponent* AOwner);
  const wchar_t* KindName() const override { return L"TComboxScrollBar"; }

  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  int32_t cw = 0;
  int32_t thumbtop = 0;
  int32_t thumbBottom = 0;
  int32_t len = 0;

 private:
  void PaintBar(HDC dc);
  // Drags the thumb under a press at the screen point in `message`; false
  // when the press is not on the thumb (the list handles it).
  bool DragThumb(const framework::TMessage& message);
};

}  // namespace lanvero
