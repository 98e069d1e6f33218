// Repainting the skin gallery's busiest page, skinned against the same page
// with the skin switched off, in one running gallery: each round redraws
// the whole window (frame, every control) a number of times and waits until
// nothing is left to paint. Rounds alternate between the two looks (the
// skin picker is clicked as a person would); medians are compared.
//
//   wine gallery_repaint_timing.exe [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/gallery/GallerySession.h"

namespace {

using lanvero::gallery::testing::GallerySession;

constexpr int kDefaultRounds = 5;
constexpr int kRedrawsPerRound = 20;
// The Edits page carries the most skinners: edits, memo, combo boxes, list
// box, list view, up-down and date pickers.
constexpr int kBusiestPage = 1;

BOOL CALLBACK CheckPending(HWND hwnd, LPARAM lp) {
  if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) *reinterpret_cast<bool*>(lp) = true;
  return TRUE;
}

bool PaintPending(HWND window) {
  bool pending = GetUpdateRect(window, nullptr, FALSE) != 0;
  EnumChildWindows(window, CheckPending, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double TimeRedraws(HWND form) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRedrawsPerRound; ++i) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    while (PaintPending(form)) Sleep(0);
  }
  QueryPerformanceCounter(&end);
  return Seconds(start, end);
}

void Pick(GallerySession& gallery, const wchar_t* caption) {
  gallery.ClickOn(gallery.ButtonControl(L"TRadioButton", caption));
  Sleep(600);  // the engine carries out skin requests shortly after
  while (PaintPending(gallery.Form())) Sleep(1);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRounds;
  try {
    auto gallery = GallerySession::Start();
    gallery->ShowPage(kBusiestPage);
    TimeRedraws(gallery->Form());  // warm-up, not counted
    std::vector<double> skinned, plain;
    for (int i = 0; i < rounds; ++i) {
      Pick(*gallery, L"No skin");
      plain.push_back(TimeRedraws(gallery->Form()));
      Pick(*gallery, L"Paleglass");
      skinned.push_back(TimeRedraws(gallery->Form()));
    }
    gallery->Close();
    const double s = Median(skinned), p = Median(plain);
    std::printf("%d rounds of %d full redraws of the Edits page, taking turns\n", rounds, kRedrawsPerRound);
    std::printf("no skin   median %8.1f ms per redraw\nPaleglass median %8.1f ms per redraw\n",
                p * 1e3 / kRedrawsPerRound, s * 1e3 / kRedrawsPerRound);
    std::printf("ratio skinned / unskinned: %.2f\n", s / p);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "gallery_repaint_timing: %s\n", error.what());
    return 1;
  }
  return 0;
}
