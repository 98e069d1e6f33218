// Enumerations shared by the controls, and their identifier lists for
// published properties.
#pragma once

#include <cstdint>

#include "framework/core/TypeInfo.h"

namespace lanvero::framework {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBorderStyle { bsNone, bsSingle };
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Shift state bits passed with mouse and key events.
using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64;

// Cursor identifiers: negative values are the built-in cursors.
using TCursor = int;
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                         crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crNo = -12,
                         crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;

const EnumInfo& AlignEnum();
const EnumInfo& BiDiModeEnum();
const EnumInfo& AlignmentEnum();
const EnumInfo& BorderStyleEnum();
const EnumInfo& BevelKindEnum();
const EnumInfo& ScrollStyleEnum();
const IdentifierMap& CursorIdentifiers();

}  // namespace lanvero::framework
