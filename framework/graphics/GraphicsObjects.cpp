#include "framework/graphics/GraphicsObjects.h"

#include <cwchar>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

constexpr int kScreenPixelsPerInch = 96;

}  // namespace

const EnumInfo& FontStyleElements() {
  static const EnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return info;
}

void TGraphicsObject::Changed() {
  if (OnChanging) OnChanging();
  DropHandle();
  if (OnChange) OnChange();
}

TFont::TFont() = default;

const ClassInfo& TFont::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TFont>("TFont", &TPersistent::StaticClassInfo())
                                    .Integer("Charset", &TFont::Charset, &TFont::SetCharset, &CharsetIdentifiers())
                                    .Integer("Color", &TFont::Color, &TFont::SetColor, &ColorIdentifiers())
                                    .Integer("Height", &TFont::Height, &TFont::SetHeight)
                                    .String("Name", &TFont::Name, &TFont::SetName)
                                    .Integer("Size", &TFont::Size, &TFont::SetSize)
                                    .Set("Style", FontStyleElements(), &TFont::Style, &TFont::SetStyle)
                                    .Build();
  return info;
}

void TFont::SetName(const std::wstring& name) {
  if (name_ == name) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height_ == height) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, kScreenPixelsPerInch); }

void TFont::SetSize(int size) { SetHeight(-MulDiv(size, kScreenPixelsPerInch, 72)); }

void TFont::SetColor(TColor color) {
  // The colour is not part of the GDI font: no new handle needed.
  if (color_ == color) return;
  color_ = color;
  if (OnChange) OnChange();
}

void TFont::SetCharset(int charset) {
  if (charset_ == charset) return;
  charset_ = charset;
  Changed();
}

void TFont::SetStyle(uint32_t style) {
  if (style_ == style) return;
  style_ = style;
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW font{};
    font.lfHeight = height_;
    font.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (style_ & fsItalic) ? 1 : 0;
    font.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    font.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    font.lfCharSet = static_cast<BYTE>(charset_);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    wcsncpy(font.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    handle_.Reset(CreateFontIndirectW(&font));
  }
  return handle_.Get();
}

void TFont::Assign(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (!font) return TPersistent::Assign(source);
  if (name_ == font->name_ && height_ == font->height_ && color_ == font->color_ && charset_ == font->charset_ &&
      style_ == font->style_) {
    return;
  }
  name_ = font->name_;
  height_ = font->height_;
  color_ = font->color_;
  charset_ = font->charset_;
  style_ = font->style_;
  Changed();
}

void TFont::AssignLogFont(const LOGFONTW& font) {
  name_ = font.lfFaceName;
  height_ = font.lfHeight;
  charset_ = font.lfCharSet;
  style_ = (font.lfWeight >= FW_BOLD ? uint32_t{fsBold} : 0u) | (font.lfItalic ? uint32_t{fsItalic} : 0u) |
           (font.lfUnderline ? uint32_t{fsUnderline} : 0u) | (font.lfStrikeOut ? uint32_t{fsStrikeOut} : 0u);
  Changed();
}

const ClassInfo& TBrush::StaticClassInfo() {
  static const EnumInfo styles{"TBrushStyle", {"bsSolid", "bsClear"}};
  static const ClassInfo info = ClassBuilder<TBrush>("TBrush", &TPersistent::StaticClassInfo())
                                    .Integer("Color", &TBrush::Color, &TBrush::SetColor, &ColorIdentifiers())
                                    .Enumeration("Style", styles, &TBrush::Style, &TBrush::SetStyle)
                                    .Build();
  return info;
}

void TBrush::SetColor(TColor color) {
  if (color_ == color && style_ == TBrushStyle::bsSolid) return;
  color_ = color;
  style_ = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style_ == style) return;
  style_ = style;
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
  return handle_.Get();
}

void TBrush::Assign(const TPersistent& source) {
  const auto* brush = dynamic_cast<const TBrush*>(&source);
  if (!brush) return TPersistent::Assign(source);
  color_ = brush->color_;
  style_ = brush->style_;
  Changed();
}

const ClassInfo& TPen::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TPen>("TPen", &TPersistent::StaticClassInfo())
                                    .Integer("Color", &TPen::Color, &TPen::SetColor, &ColorIdentifiers())
                                    .Integer("Width", &TPen::Width, &TPen::SetWidth)
                                    .Build();
  return info;
}

void TPen::SetColor(TColor color) {
  if (color_ == color) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width_ == width) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(int style) {
  if (style_ == style) return;
  style_ = style;
  Changed();
}

HPEN TPen::Handle() const {
  if (!handle_) handle_.Reset(CreatePen(style_, width_, ColorToRGB(color_)));
  return handle_.Get();
}

void TPen::Assign(const TPersistent& source) {
  const auto* pen = dynamic_cast<const TPen*>(&source);
  if (!pen) return TPersistent::Assign(source);
  color_ = pen->color_;
  width_ = pen->width_;
  style_ = pen->style_;
  Changed();
}

}  // namespace lanvero::framework
