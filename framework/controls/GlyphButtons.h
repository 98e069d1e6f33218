// Buttons with a glyph: TSpeedButton (window-less, painted on its parent)
// and TBitBtn (a push button drawn by the framework). A glyph bitmap holds
// NumGlyphs cells side by side: 1 up, 2 disabled, 3 pressed, 4 held down;
// its bottom-left pixel gives the transparent colour. A bitmap button
// without a glyph may show an image of an image list instead (Images,
// ImageIndex, and DisabledIndex while disabled).
#pragma once

#include <memory>

#include "framework/controls/Buttons.h"
#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Graphic.h"

namespace lanvero::framework {

class TImageList;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// Where the glyph and the caption of a button face go, and their drawing.
struct ButtonFace {
  TBitmap* glyph = nullptr;
  int numGlyphs = 1;
  TButtonLayout layout = TButtonLayout::blGlyphLeft;
  int margin = -1;  // -1: glyph and caption centred together
  int spacing = 4;
  // Shown when there is no glyph bitmap (no image for an index of -1):
  // imageIndex, greyed while disabled unless there is a disabledIndex.
  TImageList* images = nullptr;
  int imageIndex = -1;
  int disabledIndex = -1;

  // Draws the glyph cell (0-based) and the caption into `rect`.
  void Draw(TCanvas& canvas, const RECT& rect, const std::wstring& caption, int cell, bool enabled,
            UINT textFlags) const;

 private:
  bool HasGlyphBitmap() const;
  bool HasListImage(int index) const;
  SIZE GlyphSize() const;
  void DrawGlyph(TCanvas& canvas, POINT at, SIZE size, int cell, bool enabled) const;
};

// The glyph settings both button kinds publish; a change repaints.
class GlyphSettings {
 public:
  GlyphSettings();
  virtual ~GlyphSettings() = default;

  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return face_.numGlyphs; }
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return face_.layout; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return face_.margin; }
  void SetMargin(int margin);
  int Spacing() const { return face_.spacing; }
  void SetSpacing(int spacing);

 protected:
  virtual void GlyphChanged() = 0;
  const ButtonFace& Face() const { return face_; }

 private:
  std::unique_ptr<TBitmap> glyph_;
  ButtonFace face_;
};

class TSpeedButton : public TGraphicControl, public GlyphSettings {
 public:
  explicit TSpeedButton(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // Speed buttons with the same GroupIndex (not 0) act as radio buttons.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool Down() const { return down_; }
  void SetDown(bool value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool MouseInControl() const { return hot_; }

  void Click() override;

 protected:
  void Dispatch(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void GlyphChanged() override { Invalidate(); }

 private:
  bool flat_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool pressed_ = false;
  bool hot_ = false;
};

class TBitBtn : public TButton, public GlyphSettings {
 public:
  explicit TBitBtn(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // A standard kind sets the caption, the modal result and the default or
  // cancel role.
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // The image shown while disabled; -1: ImageIndex drawn greyed.
  int DisabledIndex() const { return disabledIndex_; }
  void SetDisabledIndex(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void CNDrawItem(TMessage& message);
  bool OwnerDrawn() const override { return true; }
  void GlyphChanged() override { Invalidate(); }

 private:
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  TImageList* images_ = nullptr;
  int imageIndex_ = -1;
  int disabledIndex_ = -1;
};

}  // namespace lanvero::framework
