// Errors found while reading a stored layout; the text names the line.
#pragma once

#include <string>

#include "framework/core/FrameworkError.h"

namespace lanvero::framework {

class LayoutError : public FrameworkError {
 public:
  LayoutError(const std::wstring& message, int line)
      : FrameworkError(L"Layout error at line " + std::to_wstring(line) + L": " + message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

}  // namespace lanvero::framework
