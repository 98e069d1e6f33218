// Colours: 0x00BBGGRR for an RGB colour, 0xFF0000nn for system colour nn,
// 0x1FFFFFFF for no colour.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/TypeInfo.h"

namespace lanvero::framework {

using TColor = int32_t;

inline constexpr TColor ToColor(uint32_t value) { return static_cast<TColor>(value); }
inline constexpr TColor SystemColor(int index) { return ToColor(0xFF000000u | static_cast<uint32_t>(index)); }

inline constexpr TColor clNone = ToColor(0x1FFFFFFFu);
inline constexpr TColor clDefault = ToColor(0x20000000u);
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
inline constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
inline constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
inline constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
inline constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);
inline constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
inline constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
inline constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
inline constexpr TColor clMenu = SystemColor(COLOR_MENU);
inline constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);

// Resolves system colours to RGB.
COLORREF ColorToRGB(TColor color);

// Identifiers of colours (clBtnFace ...), character sets and cursors for
// integer properties of stored layouts.
const IdentifierMap& ColorIdentifiers();
const IdentifierMap& CharsetIdentifiers();

}  // namespace lanvero::framework
