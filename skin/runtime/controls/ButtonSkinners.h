#pragma once
// The skinners of the button family: push buttons, glyph buttons,
// drop-down buttons, window-less speed buttons, check boxes and radio
// buttons, all painted from the skin's button definition (the button strip
// and the check and radio strips). They follow hot and pressed states
// themselves and raise the click themselves where they keep the press from
// the native control.

#include <string>

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero::framework {
class TBitmap;
}

namespace lanvero {

// Frames of the button strip.
inline constexpr int kButtonNormal = 1;
inline constexpr int kButtonPressed = 2;
inline constexpr int kButtonDisabled = 3;
inline constexpr int kButtonHot = 4;
inline constexpr int kButtonFocused = 5;

// The class tag that makes a button draw on its parent's background.
inline constexpr intptr_t kTransparentButtonTag = 5555;

class TSkinButton : public TSkinControl {
 public:
  explicit TSkinButton(framework::TComponent* AOwner) : TSkinControl(AOwner) {}
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
  const wchar_t* KindName() const override { return L"TSkinButton"; }

  DibSection btemp;  // the button composed off-screen, kept between paints
  bool MultiLine = false;
  bool trans = false;  // the parent's background under the button instead of the face colour
  bool redraw = false;
  bool isdefault = false;

 protected:
  // The skin's button definition when it has an image to draw, else null.
  const TDataSkinButton* ButtonDefinition() const;
  // Refreshes `focused`, `enabled` and `caption` from the window.
  void ReadWindowState();
  bool IsDefaultButton() const;
  // Normal, focused or default, then pressed or hot; disabled wins.
  int PushFrame(bool considerDefault) const;
  // Sizes `btemp` to `rc` and paints the background under the button.
  bool PrepareBuffer(const RECT& rc);
  // The button's font and text colour on `dc`: the framework control's
  // font, or the window's font with the skin's button text colour.
  void SelectCaptionFont(HDC dc);
  // The skin's text colours of `frame`; `normalEverywhere` applies the
  // normal colour in every frame, not only in frame 1.
  void ApplySkinTextColor(HDC dc, int frame, bool normalEverywhere, bool isEnabled) const;
  // A centred (or aligned) caption; only the first "||" breaks the line.
  void DrawButtonCaption(HDC dc, const RECT& rc, UINT alignment);
  // The focus rectangle around `textRect`, unless the skin's options say no.
  void DrawFocusAround(HDC dc, RECT textRect) const;
  void CopyBuffer(HDC dc, const RECT& rc);
  // A click the skinner produced: the control's click, or WM_COMMAND to a
  // raw window's parent.
  void RaiseClick();
  bool HasOption(int option) const;

 private:
  std::wstring CurrentCaption() const;
  framework::UniqueFont windowFontCopy_;
};

class TSkinBitButton : public TSkinButton {
 public:
  explicit TSkinBitButton(framework::TComponent* AOwner) : TSkinButton(AOwner) {}
  void DrawControl(HDC dc, const RECT& rc) override;
  const wchar_t* KindName() const override { return L"TSkinBitButton"; }

  bool isPicture = false;
  std::wstring PicField;  // a picture property drawn instead of the glyph; empty: glyph mode

 protected:
  // Glyph, picture or image-list image and caption laid out as glyph
  // buttons do, drawn into `btemp`'s DC. Speed buttons ignore the
  // alignment and place a centred pair one pixel further.
  void DrawGlyphAndCaption(HDC dc, const RECT& client, int cell, int frame, bool speedLayout);
};

class TSkinMenuButton : public TSkinButton {
 public:
  explicit TSkinMenuButton(framework::TComponent* AOwner) : TSkinButton(AOwner) {}
  void DrawControl(HDC dc, const RECT& rc) override;
  const wchar_t* KindName() const override { return L"TSkinMenuButton"; }

 private:
  // Glyph, caption and arrow on the composed face of size `c`.
  void DrawFace(HDC face, SIZE c, int frame);
  void DrawArrow(HDC dc, POINT at, bool isEnabled) const;
};

class TSkinSpeedButton : public TSkinBitButton {
 public:
  explicit TSkinSpeedButton(framework::TComponent* AOwner) : TSkinBitButton(AOwner) {}
  void InitGraphicControl(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas) override;
  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void PaintControl(HDC adc) override;
  const wchar_t* KindName() const override { return L"TSkinSpeedButton"; }

  // The button drawn on `dc`, whose origin is the button's top-left.
  void DrawSpeedbtn(HDC dc, const RECT& rc);
  void WMPaintSpeed(framework::TMessage& message);

  bool FReentr = false;
  framework::TCanvas* gcanvas = nullptr;

 private:
  void DrawSpeedFace(HDC dc, const RECT& client, int frame, int cell);
};

// Check boxes and radio buttons share everything but how they read their
// state and where their strip's frames are.
class TSkinCheckControl : public TSkinControl {
 public:
  explicit TSkinCheckControl(framework::TComponent* AOwner) : TSkinControl(AOwner) {}
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  bool trans = false;

 protected:
  // The strip and its frame count; null when the skin has none.
  virtual HBITMAP Strip(int& frames) const = 0;
  // The frame for the control's current state (1 to 4, or a frame of a
  // longer strip).
  virtual int StateFrame(LONG_PTR style, int frames) = 0;
  // How far in from the right edge the box sits with BS_RIGHTBUTTON.
  virtual int RightInset() const { return 0; }

 private:
  bool HasStrip() const;
  // The box and, with the skin's own caption, the background and caption
  // composed off-screen and copied at once; a raw window's native look
  // is composed under the box.
  void PaintComposed(framework::TMessage& message);
  void DrawCheckCaption(HDC dc, const RECT& captionRect, UINT flags);
};

class TSkinCheckBox : public TSkinCheckControl {
 public:
  explicit TSkinCheckBox(framework::TComponent* AOwner) : TSkinCheckControl(AOwner) {}
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void AfterProc(framework::TMessage& message) override;
  const wchar_t* KindName() const override { return L"TSkinCheckBox"; }

  // The last check state announced by BM_SETCHECK, plus 1; 0: none seen.
  int32_t checkstate = 0;

 protected:
  HBITMAP Strip(int& frames) const override;
  int StateFrame(LONG_PTR style, int frames) override;

 private:
  int FrameFromProperties(int frame) const;
};

class TSkinRadioButton : public TSkinCheckControl {
 public:
  explicit TSkinRadioButton(framework::TComponent* AOwner) : TSkinCheckControl(AOwner) {}
  const wchar_t* KindName() const override { return L"TSkinRadioButton"; }

 protected:
  HBITMAP Strip(int& frames) const override;
  int StateFrame(LONG_PTR style, int frames) override;
  int RightInset() const override { return 1; }
};

// Glyph cell `index` of `numGlyphs` (1 up, 2 disabled, 3 pressed, 4 held
// down; a missing cell draws cell 1, a missing disabled cell is made from
// the glyph) at `pos`, its bottom-left pixel's colour transparent.
void DrawGlyphCell(HDC dc, POINT pos, int numGlyphs, int index, const framework::TBitmap* glyph);

// A frame number that the strip has: frames past its end wrap around, so a
// short strip still shows checked and unchecked apart.
int FrameWithin(int frame, int frames);

// Strips of 12 (check) or 8 (radio) frames keep the checked, disabled and
// disabled-checked boxes (frames 2, 3 and 4 of a short strip) further along.
int LongStripFrame(int frame);

}  // namespace lanvero
