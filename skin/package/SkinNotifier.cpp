#include "skin/package/SkinNotifier.h"

#include <cstdio>
#include <utility>

namespace lanvero {

namespace {

void WriteToStandardError(const std::string& message) {
  std::string text = message;
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  std::fprintf(stderr, "%s\n", text.c_str());
}

// The one process-wide hook; set by the application at start-up.
SkinMessageNotifier& InstalledNotifier() {
  static SkinMessageNotifier notifier = WriteToStandardError;
  return notifier;
}

}  // namespace

SkinMessageNotifier SetSkinMessageNotifier(SkinMessageNotifier notifier) {
  if (!notifier) notifier = WriteToStandardError;
  return std::exchange(InstalledNotifier(), std::move(notifier));
}

void NotifySkinMessage(const std::string& message) { InstalledNotifier()(message); }

}  // namespace lanvero
