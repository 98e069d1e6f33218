// Program entry of the skin gallery: the application object, the skin
// engine, the main window from its stored layout, then either the message
// loop or, with --report, the report and the end.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/forms/Application.h"
#include "framework/forms/CommandLine.h"
#include "gallery/GalleryForm.h"
#include "gallery/GalleryOptions.h"
#include "gallery/Report.h"
#include "gallery/ReportOutput.h"
#include "skin/package/SkinStore.h"
#include "skin/runtime/SkinEngine.h"

namespace {

using namespace lanvero;
using namespace lanvero::gallery;

constexpr wchar_t kTitle[] = L"Skin gallery";
constexpr int kExitUsage = 2;
constexpr int kExitNoReport = 3;

std::wstring ReportText(const std::vector<ReportLine>& lines) {
  std::wstring text;
  for (const ReportLine& line : lines) text += FormatReportLine(line) + L"\n";
  return text;
}

// The report goes where the options say; a skin file the engine cannot use
// is reported on the standard error, as no one is there to answer a box.
int RunReport(TGalleryForm& form, const GalleryOptions& options, const std::wstring& skinMessage) {
  if (!skinMessage.empty()) WriteStandard(StandardStream::Error, skinMessage + L"\n");
  const std::wstring text = ReportText(ReportGallery(form));
  const bool written = options.reportFile.empty() ? WriteStandard(StandardStream::Output, text)
                                                  : WriteTextFile(options.reportFile, text);
  return written ? 0 : kExitNoReport;
}

int RunGallery(framework::TApplication& application, const GalleryOptions& options) {
  TGalleryForm* form = nullptr;
  application.CreateForm(form);
  std::wstring skinMessage;
  if (!options.skinFile.empty()) {
    const SkinFileUse use =
        form->UseSkinFile(options.skinFile, options.wearFaultySkin ? SkinFaults::WearAnyway : SkinFaults::Refuse);
    if (!use.problems.empty()) skinMessage = SkinFileMessage(options.skinFile, use);
  }
  if (options.report) return RunReport(*form, options, skinMessage);
  form->Show();
  if (!skinMessage.empty()) application.MessageBox(skinMessage, kTitle, MB_OK | MB_ICONWARNING);
  application.Run();
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const GalleryOptions options = ParseGalleryArguments(framework::CommandLineArguments());
  if (!options.error.empty()) {
    MessageBoxW(nullptr, (options.error + L"\n\n" + kGalleryUsage).c_str(), kTitle, MB_OK | MB_ICONERROR);
    return kExitUsage;
  }
  framework::TApplication application;
  application.SetTitle(kTitle);
  SkinEngineScope skinEngine;
  RegisterSkinStoreClass();
  framework::ClassRegistry::Register(TGalleryForm::StaticClassInfo());
  try {
    return RunGallery(application, options);
  } catch (...) {
    application.HandleException(std::current_exception());
    return 1;
  }
}
