// Skin package files for the tests that start a program with --skin: the
// built skins, files of the tests' own making in the temporary folder, and
// which skin a window wears, told by its caption's brightness.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lanvero::e2e {

// A packed skin of the build tree ("paleglass", "coalrim").
std::wstring BuiltSkinPath(const wchar_t* name);
std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path);
// A file name in the temporary folder that no other test uses.
std::wstring TemporaryFile(const wchar_t* prefix);
// Writes the bytes to a new temporary file and returns its name.
std::wstring WriteTemporaryFile(const std::vector<std::uint8_t>& bytes);

// The same 3,000 pseudo-random bytes on every run.
std::wstring RandomBytesFile();
// The built Paleglass skin cut to two fifths of its length.
std::wstring TruncatedSkinFile();

// Mean brightness (0 to 255) of the top rows of the window as the display
// shows it: the caption bar, light under Paleglass and dark under Coalrim.
int CaptionBrightness(HWND window);

// A path quoted for a command line.
inline std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

}  // namespace lanvero::e2e
