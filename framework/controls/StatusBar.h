// A status bar on the system status window ("msctls_statusbar32") with
// panels of given widths and texts. A panel shows its text inside a bevel,
// or is owner-drawn: the window then asks its parent to draw it
// (WM_DRAWITEM), the parent reflects that to the bar, and the bar's
// OnDrawPanel draws on the bar's canvas.
#pragma once

#include <functional>

#include "framework/controls/WinControl.h"
#include "framework/core/Collection.h"
#include "framework/graphics/Canvas.h"

namespace lanvero::framework {

class TStatusBar;
class TStatusPanel;

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TStatusPanelStyle { psText, psOwnerDraw };

using TDrawPanelEvent = std::function<void(TStatusBar* statusBar, TStatusPanel* panel, const RECT& rect)>;

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
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel bevel);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle style);

 private:
  int width_ = 50;
  std::wstring text_;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
  TStatusPanelStyle style_ = TStatusPanelStyle::psText;
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
  // Attached to the item's DC while OnDrawPanel runs.
  TCanvas& Canvas() { return canvas_; }

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void CNDrawItem(TMessage& message);
  void UpdatePanels();

 private:
  TCanvas canvas_;
  std::unique_ptr<TOwnedCollection<TStatusPanel>> panels_;
  bool simplePanel_ = false;
  std::wstring simpleText_;
  bool sizeGrip_ = true;
};

}  // namespace lanvero::framework
