// Letting the program handle its messages while code waits for something
// the message loop brings about (a window skinned, a page painted): the
// engine works through posted messages and one-shot timers.
#pragma once

#include <windows.h>

#include <functional>

namespace lanvero::gallery {

// Handles messages until `done` answers true or `timeoutMs` has passed;
// returns what `done` answers last.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Handles messages for `milliseconds`.
void PumpMessagesFor(DWORD milliseconds);

}  // namespace lanvero::gallery
