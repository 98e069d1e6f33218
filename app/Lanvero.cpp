// Program entry of Lanvero: the application object with its title, the main
// window built from its stored layout, the skin chosen on the command line,
// and the message loop.
#include <windows.h>

#include "app/AdoComponents.h"
#include "app/SkinChoice.h"
#include "app/Unit1.h"
#include "framework/forms/Application.h"
#include "framework/forms/CommandLine.h"
#include "skin/definitions/SkinData.h"
#include "skin/runtime/SkinEngine.h"

namespace {

using namespace lanvero;

// Puts the skin named on the command line on the main window's skin
// component; what goes wrong is said once the window shows.
void WearSkinOfCommandLine(framework::TApplication& application) {
  auto* skin = dynamic_cast<TSkinData*>(app::Form1->FindComponent(L"SkinData1"));
  if (!skin) return;
  const std::wstring message =
      app::WearChosenSkin(*skin, app::ParseLanveroArguments(framework::CommandLineArguments()));
  if (message.empty()) return;
  app::Form1->Show();
  application.MessageBox(message, application.Title(), MB_OK | MB_ICONWARNING);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace lanvero;
  framework::TApplication application;
  application.SetTitle(L"Lanvero V1.0");
  app::RegisterAdoClasses();
#ifdef LANVERO_UNSKINNED
  // Benchmark build only: the skin component loads as always, but no engine
  // runs, so no window is skinned.
  RegisterSkinDataClass();
#else
  SkinEngineScope skinEngine;
#endif
  framework::ClassRegistry::Register(app::TForm1::StaticClassInfo());
  try {
    application.CreateForm(app::Form1);
  } catch (...) {
    application.HandleException(std::current_exception());
    return 1;
  }
  WearSkinOfCommandLine(application);
  application.Run();
  return 0;
}
