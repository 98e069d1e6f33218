// Timing harness under Wine: one non-client paint of a skinned 665 x 612
// window (each shipped skin) against the system's own non-client paint of
// an identical unskinned window, measured in the same run. Prints the
// ratios; best of several rounds to damp noise.
//
//   wine frame_paint_timing.exe PALEGLASS.skn COALRIM.skn
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "framework/forms/Application.h"
#include "skin/definitions/SkinData.h"
#include "skin/runtime/SkinEngine.h"
#include "skin/runtime/tracking/SkinManager.h"

#include "bench/support/WinTiming.h"

namespace {

using namespace lanvero;

constexpr int kWidth = 665;
constexpr int kHeight = 612;
constexpr int kIterations = 300;
constexpr int kRounds = 5;

double Seconds(const std::function<void()>& work) { return bench::SecondsFor(kIterations, work); }

void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

HWND MakeWindow(const wchar_t* title) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = L"FramePaintTimingWindow";
    RegisterClassW(&cls);
    registered = true;
  }
  HWND window =
      CreateWindowExW(0, L"FramePaintTimingWindow", title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40,
                      40, kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window, SW_SHOW);
  return window;
}

double BestOf(HWND window) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    best = std::min(best, Seconds([&] { SendMessageW(window, WM_NCPAINT, 1, 0); }));
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: frame_paint_timing PALEGLASS.skn COALRIM.skn\n");
    return 2;
  }
  framework::TApplication application;
  SkinEngineScope engine;
  HWND plain = MakeWindow(L"Lanvero 1.3.20130318");
  Pump(300);
  const double system = BestOf(plain);
  DestroyWindow(plain);

  TSkinData skin(nullptr);
  skin.SetActive(true);
  std::printf("non-client paint of a %d x %d window, best of %d rounds of %d paints\n", kWidth, kHeight, kRounds,
              kIterations);
  std::printf("%-32s %10s %12s\n", "frame", "us/paint", "x system");
  std::printf("%-32s %10.1f %12.2f\n", "system's own (baseline)", system * 1e6 / kIterations, 1.0);
  for (int i = 1; i <= 2; ++i) {
    const std::string file = argv[i];
    skin.LoadFromFile(std::wstring(file.begin(), file.end()));
    HWND skinned = MakeWindow(L"Lanvero 1.3.20130318");
    SetForegroundWindow(skinned);
    Pump(300);
    if (!SkinManager().FrameSkinnerOf(skinned)) {
      std::fprintf(stderr, "frame_paint_timing: %s did not skin the window\n", file.c_str());
      return 1;
    }
    const double time = BestOf(skinned);
    std::printf("%-32s %10.1f %12.2f\n", (skin.SkinName + " skinned").c_str(), time * 1e6 / kIterations, time / system);
    DestroyWindow(skinned);
    Pump(100);
  }
  return 0;
}
