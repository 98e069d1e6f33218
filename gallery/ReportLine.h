// One line of the gallery's report: what a control or a raw window is and
// what the skin engine made of it.
#pragma once

#include <windows.h>

#include <string>

namespace lanvero::framework {
class TControl;
}

namespace lanvero::gallery {

struct ReportLine {
  std::wstring windowClass;     // "-" for a control without a window
  std::wstring frameworkClass;  // "-" for a raw window
  std::wstring skinnerKind;     // the engine's skinner class, or "native"
  bool answersSkinQuery = false;
};

// A framework control. A windowed one gets its window if it has none yet;
// a window-less one is asked through its message handler (Perform).
ReportLine DescribeControl(framework::TControl& control);
// A window with no framework object behind it.
ReportLine DescribeRawWindow(HWND window);

// The four fields, tab-separated: window class, framework class, skinner
// kind, 1 or 0 for the answer to WM_SKINQUERY.
std::wstring FormatReportLine(const ReportLine& line);

}  // namespace lanvero::gallery
