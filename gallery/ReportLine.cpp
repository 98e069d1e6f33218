#include "gallery/ReportLine.h"

#include "framework/controls/WinControl.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"

namespace lanvero::gallery {
namespace {

constexpr wchar_t kNone[] = L"-";

std::wstring WindowClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

// The engine answers 1 for a window it has skinned; anything else is no.
bool AnswersSkinQuery(LRESULT answer) { return answer == 1; }

}  // namespace

ReportLine DescribeControl(framework::TControl& control) {
  ReportLine line;
  line.frameworkClass = control.ClassName();
  line.skinnerKind = SkinnerKindOf(SkinnerOfControl(&control));
  if (auto* windowed = dynamic_cast<framework::TWinControl*>(&control)) {
    HWND window = windowed->Handle();
    line.windowClass = WindowClassOf(window);
    line.answersSkinQuery = AnswersSkinQuery(SendMessageW(window, WM_SKINQUERY, 0, 0));
  } else {
    line.windowClass = kNone;
    line.answersSkinQuery = AnswersSkinQuery(control.Perform(WM_SKINQUERY, 0, 0));
  }
  return line;
}

ReportLine DescribeRawWindow(HWND window) {
  ReportLine line;
  line.windowClass = WindowClassOf(window);
  line.frameworkClass = kNone;
  line.skinnerKind = SkinnerKindOf(SkinnerOfWindow(window));
  line.answersSkinQuery = AnswersSkinQuery(SendMessageW(window, WM_SKINQUERY, 0, 0));
  return line;
}

std::wstring FormatReportLine(const ReportLine& line) {
  return line.windowClass + L"\t" + line.frameworkClass + L"\t" + line.skinnerKind + L"\t" +
         (line.answersSkinQuery ? L"1" : L"0");
}

}  // namespace lanvero::gallery
