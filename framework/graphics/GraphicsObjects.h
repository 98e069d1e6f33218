// Font, brush and pen descriptions. Each creates its GDI object on first
// use and drops it when a property changes; OnChange tells the owner.
#pragma once

#include <functional>
#include <string>

#include "framework/base/GdiObject.h"
#include "framework/core/Object.h"
#include "framework/graphics/Color.h"

namespace lanvero::framework {

enum TFontStyle : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TGraphicsObject : public TPersistent {
 public:
  // OnChanging runs before the GDI object goes (a canvas takes it out of its
  // DC then, as a selected object cannot be deleted); OnChange after.
  std::function<void()> OnChanging;
  std::function<void()> OnChange;

 protected:
  void Changed();
  virtual void DropHandle() = 0;
};

class TFont : public TGraphicsObject {
 public:
  TFont();
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Name() const { return name_; }
  void SetName(const std::wstring& name);
  int Height() const { return height_; }  // negative: character height in pixels
  void SetHeight(int height);
  int Size() const;  // points at the screen's resolution
  void SetSize(int size);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  uint32_t Style() const { return style_; }
  void SetStyle(uint32_t style);

  HFONT Handle() const;
  void Assign(const TPersistent& source) override;
  // Takes the description of an existing font handle.
  void AssignLogFont(const LOGFONTW& font);

 protected:
  void DropHandle() override { handle_.Reset(); }

 private:
  std::wstring name_ = L"Tahoma";
  int height_ = -11;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  uint32_t style_ = 0;
  mutable UniqueFont handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  HBRUSH Handle() const;  // the stock null brush for bsClear
  void Assign(const TPersistent& source) override;

 protected:
  void DropHandle() override { handle_.Reset(); }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable UniqueBrush handle_;
};

class TPen : public TGraphicsObject {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  int Style() const { return style_; }  // PS_SOLID, PS_DOT, PS_NULL ...
  void SetStyle(int style);
  HPEN Handle() const;
  void Assign(const TPersistent& source) override;

 protected:
  void DropHandle() override { handle_.Reset(); }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  int style_ = PS_SOLID;
  mutable UniquePen handle_;
};

const EnumInfo& FontStyleElements();

}  // namespace lanvero::framework
