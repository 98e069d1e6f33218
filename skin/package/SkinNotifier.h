#pragma once
// Where the package reader reports a skin it cannot use. The application
// installs its own notifier (the Windows build shows a message box); the
// default writes the text to standard error.

#include <functional>
#include <string>

namespace lanvero {

using SkinMessageNotifier = std::function<void(const std::string& message)>;

inline const std::string kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

// Installs a notifier (an empty one restores the default); returns the
// previous notifier so that a caller can put it back.
SkinMessageNotifier SetSkinMessageNotifier(SkinMessageNotifier notifier);
void NotifySkinMessage(const std::string& message);

}  // namespace lanvero
