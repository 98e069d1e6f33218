// Reading and clearing the clipboard as the user's other programs would.
#pragma once

#include <optional>
#include <string>

namespace lanvero::e2e {

// The clipboard's Unicode text, or nothing when it holds no text.
std::optional<std::wstring> ReadClipboardText();
// Puts a marker text on the clipboard, so a test can tell whether the
// program under test replaced it.
bool WriteClipboardText(const std::wstring& text);

}  // namespace lanvero::e2e
