// Window-less text and picture controls.
#pragma once

#include <memory>

#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Graphic.h"

namespace lanvero::framework {

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);

  void Loaded() override;

 protected:
  void Paint() override;
  void CMTextChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  UINT TextFlags() const;
  void AdjustBounds();

 private:
  bool autoSize_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TPicture* Picture() const { return picture_.get(); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Where the picture is drawn inside the control.
  RECT DestRect() const;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
};

}  // namespace lanvero::framework
