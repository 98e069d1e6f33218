#pragma once
// The definitions a skin is made of: one small object per skinned element,
// holding its image strip and the integers read from its INI section. The
// skinners draw from these and from nothing else of the skin.

#include <cstdint>
#include <string>

#include "framework/graphics/PixelImage.h"
#include "skin/definitions/SkinBitmap.h"

namespace lanvero {

// Text colour keys hold plain integers; -1 means "not given".
inline constexpr int32_t kNoTextColor = -1;

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string idName) : IDName(std::move(idName)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  Rect r;             // nine-slice margins of one frame (left, top, right, bottom widths)
  TSkinBitmap Map;    // the image strip; empty when the skin gives none
  int32_t trans = 0;  // non-zero: magenta pixels are transparent
  int32_t Tile = 0;   // 1 = repeat the middle parts, 0 = stretch them
  std::string IDName;
  int32_t frame = 0;  // equal frames in Map
  int32_t style = 0;
  int32_t Normalcolor = kNoTextColor;
  int32_t Overcolor = kNoTextColor;
  int32_t Downcolor = kNoTextColor;
  Color Normalcolor2 = 0;
  Color Overcolor2 = 0;
  Color Downcolor2 = 0;

  // Every bitmap the definition owns (for the GDI copies made after a load).
  virtual void RealizeBitmaps() { Map.Realize(); }
};

// A definition with a second image (the page of "Tabs", the glyphs of the
// up-down sections, the mirrored combo button).
class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TSkinBitmap MaskMap;
  void RealizeBitmaps() override;
};

// Caption text settings of the title bar.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Aligment = 0;
  int32_t BackGround = 0;
  int32_t FontHeight = 0;
  int32_t backleft = 0;
  int32_t backright = 0;
  Color activetext = kNoColor;
  Color inactivetext = kNoColor;
};

// Push buttons with the check-box and radio-button mark strips.
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TSkinBitmap CheckMap;
  TSkinBitmap RadioMap;
  int32_t radioframe = 0;
  int32_t checkframe = 0;
  bool newnormal = false;
  bool newover = false;
  bool newdown = false;
  void RealizeBitmaps() override;
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Action = 0;
  int32_t Align = 0;
  int32_t XCoord = 0;
  int32_t YCoord = 0;
  int32_t CombineOp = 0;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

// The background of a group box caption.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t LeftShift = 0;
  int32_t RightShift = 0;
  int32_t Alignment = 0;
};

}  // namespace lanvero
