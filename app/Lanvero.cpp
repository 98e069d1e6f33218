// Program entry of Lanvero: the application object with its title, the main
// window built from its stored layout, and the message loop.
#include <windows.h>

#include "app/AdoComponents.h"
#include "app/Unit1.h"
#include "framework/forms/Application.h"
#include "skin/definitions/SkinData.h"
#include "skin/runtime/SkinEngine.h"

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
  application.Run();
  return 0;
}
