// Parses stored layout text:
//
//   object Form1: TForm1
//     Caption = 'Lanvero'#20320
//     Font.Height = -13
//     Options = [xoPreview, xoToolbarBK]
//     Lines.Strings = ('first' 'second')
//     Picture.Data = {0A544A504547496D616765}
//     Panels = <item Width = 300 end>
//     OnClick = Button_CopyClick
//     object Button1: TButton
//     end
//   end
#pragma once

#include <string_view>

#include "framework/layout/LayoutTree.h"

namespace lanvero::framework {

// Nesting of objects, lists and collections deeper than this is refused.
inline constexpr int kMaxLayoutDepth = 64;

// Throws LayoutError naming the line of the first fault.
LayoutObject ParseLayout(std::string_view text);

}  // namespace lanvero::framework
