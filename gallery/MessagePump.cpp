#include "gallery/MessagePump.h"

#include "framework/forms/Application.h"

namespace lanvero::gallery {
namespace {

void HandleWaitingMessages() {
  if (framework::TApplication* application = framework::Application()) {
    application->ProcessMessages();
    return;
  }
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    HandleWaitingMessages();
    if (done()) return true;
    if (GetTickCount64() - start >= timeoutMs) return false;
    // Wakes for the next message or timer, or after a short while.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpMessagesFor(DWORD milliseconds) {
  PumpMessagesUntil([] { return false; }, milliseconds);
}

}  // namespace lanvero::gallery
