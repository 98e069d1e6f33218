#include "gallery/Report.h"

#include "framework/controls/PageControl.h"
#include "framework/forms/Form.h"
#include "gallery/MessagePump.h"
#include "gallery/PlainDialog.h"
#include "skin/runtime/SkinMessages.h"

namespace lanvero::gallery {
namespace {

// How long the engine may take to skin a new window: its requests wait for
// a one-shot timer, and the frame is cut after a posted message.
constexpr DWORD kSkinningTimeoutMs = 3000;
// Time for a page that was just shown to be painted (and its controls met).
constexpr DWORD kPageShowMs = 150;

bool IsSkinned(HWND window) { return SendMessageW(window, WM_SKINQUERY, 0, 0) == 1; }

void WaitUntilSkinned(HWND window) {
  PumpMessagesUntil([window] { return IsSkinned(window); }, kSkinningTimeoutMs);
}

// A sheet whose tab can be shown is brought to the front before its
// controls are described; a hidden sheet's controls are described as they are.
void ShowSheet(framework::TTabSheet& sheet) {
  framework::TPageControl* pages = sheet.PageControl();
  if (!pages || !sheet.TabVisible()) return;
  pages->SetActivePage(&sheet);
  PumpMessagesFor(kPageShowMs);
}

// The children in the order a person meets them: a page control's sheets
// in tab order (showing a sheet moves it in the list of children).
std::vector<framework::TControl*> ChildrenOf(framework::TWinControl& control) {
  auto* pages = dynamic_cast<framework::TPageControl*>(&control);
  if (!pages) return control.ControlList();
  std::vector<framework::TControl*> sheets;
  for (int i = 0; i < pages->PageCount(); ++i) sheets.push_back(pages->Pages(i));
  return sheets;
}

void DescribeTree(framework::TControl& control, std::vector<ReportLine>& lines) {
  if (auto* sheet = dynamic_cast<framework::TTabSheet*>(&control)) ShowSheet(*sheet);
  lines.push_back(DescribeControl(control));
  auto* windowed = dynamic_cast<framework::TWinControl*>(&control);
  if (!windowed) return;
  for (framework::TControl* child : ChildrenOf(*windowed)) DescribeTree(*child, lines);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lParam) {
  reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(child);
  return TRUE;
}

void DescribePlainDialog(HWND owner, std::vector<ReportLine>& lines) {
  ModelessPlainDialog dialog(owner);
  WaitUntilSkinned(dialog.Handle());
  lines.push_back(DescribeRawWindow(dialog.Handle()));
  std::vector<HWND> children;
  EnumChildWindows(dialog.Handle(), CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) lines.push_back(DescribeRawWindow(child));
}

}  // namespace

std::vector<ReportLine> ReportGallery(framework::TCustomForm& form) {
  form.Show();
  WaitUntilSkinned(form.Handle());
  std::vector<ReportLine> lines;
  DescribeTree(form, lines);
  DescribePlainDialog(form.Handle(), lines);
  return lines;
}

}  // namespace lanvero::gallery
