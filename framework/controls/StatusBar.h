// A status bar on the system status window ("msctls_statusbar32") with
// panels of given widths and texts.
#pragma once

#include "framework/controls/WinControl.h"
#include "framework/core/Collection.h"

namespace lanvero::framework {

class TStatusPanel : public TCollectionItem {
 public:
  explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Width() const { return width_; }
  void SetWidth(int width);
  std::wstring Text() const { return text_; }
  void SetText(const std::wstring& text);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 private:
  int width_ = 50;
  std::wstring text_;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TOwnedCollection<TStatusPanel>* Panels() const { return panels_.get(); }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  std::wstring SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::wstring& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void UpdatePanels();

 private:
  std::unique_ptr<TOwnedCollection<TStatusPanel>> panels_;
  bool simplePanel_ = false;
  std::wstring simpleText_;
  bool sizeGrip_ = true;
};

}  // namespace lanvero::framework
