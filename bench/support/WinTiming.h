// Timing of repeated drawing work under Wine for the timing harnesses: the
// seconds `iterations` calls take, with GDI's batch flushed at the end so
// that queued drawing is counted.
#pragma once

#include <windows.h>

#include <functional>

namespace lanvero::bench {

inline double SecondsFor(int iterations, const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < iterations; ++i) work();
  GdiFlush();
  QueryPerformanceCounter(&stop);
  return static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace lanvero::bench
