// Where the report and its notes are written. SkinGallery.exe is a program
// of the Windows subsystem, which has no console of its own: under Wine,
// started from a shell, its standard handles are the shell's (a terminal,
// a pipe or a file), so it writes there; on Windows, started from a
// console, it attaches to its parent's console first. A file named with
// --report-file needs neither.
#pragma once

#include <string>

namespace lanvero::gallery {

enum class StandardStream { Output, Error };

// Writes `text` as UTF-8 into `path`, replacing the file; false on failure.
bool WriteTextFile(const std::wstring& path, const std::wstring& text);
// Writes `text` to the standard output or error; false where there is none.
bool WriteStandard(StandardStream stream, const std::wstring& text);

}  // namespace lanvero::gallery
