// The edit a data grid shows over the current cell while it is being
// edited (private to the grid's sources).
#pragma once

#include "framework/controls/grid/DBGrid.h"

namespace lanvero::framework {

// It wants every key, so that Enter and Escape end the edit instead of
// pressing the form's buttons.
class TDBGrid::TInplaceEdit : public TCustomEdit {
 public:
  explicit TInplaceEdit(TDBGrid& grid);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

 protected:
  void Dispatch(TMessage& message) override;

 private:
  // Enter, Escape and the up and down arrows end the edit; false for other keys.
  bool HandleKey(WORD key);

  TDBGrid& grid_;
  bool closing_ = false;
};

}  // namespace lanvero::framework
