// Writes a layout tree as stored layout text that ParseLayout reads back
// to the same tree.
#pragma once

#include <string>

#include "framework/layout/LayoutTree.h"

namespace lanvero::framework {

std::string WriteLayout(const LayoutObject& root);
// A string literal: printable ASCII in quotes, every other unit as #nnnn.
std::string QuoteLayoutString(const std::wstring& text);

}  // namespace lanvero::framework
