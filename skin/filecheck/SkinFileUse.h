// Wearing a skin package file that a person named (a program's --skin
// option): the file is checked first, so that a package the engine cannot
// use never replaces the skin in use, and what is wrong is said in words.
#pragma once

#include <string>
#include <vector>

namespace lanvero {

class TSkinData;

// What to do with a package in which the check finds errors.
enum class SkinFaults {
  Refuse,      // keep the skin in use
  WearAnyway,  // let the engine wear what it can of it (for skin authors)
};

struct SkinFileUse {
  bool worn = false;                   // `data` now holds the file's package and is active
  std::vector<std::wstring> problems;  // why the engine cannot use it; empty when it can
};

// Loads the file into `data` and switches it on when the engine can use
// it. Otherwise gives the reasons (SkinFileProblems) and leaves `data` as
// it was, unless `faults` says to wear the package anyway. A file that
// holds no package to give the engine (missing, far too large, unreadable)
// is never loaded.
SkinFileUse LoadUsableSkinFile(TSkinData& data, const std::wstring& path, SkinFaults faults = SkinFaults::Refuse);

// What a person reads when the package file cannot be used: the file, the
// first few reasons, and `goesOn`, the sentence that says what the program
// does instead.
std::wstring UnusableSkinMessage(const std::wstring& path, const std::vector<std::wstring>& problems,
                                 const std::wstring& goesOn);

}  // namespace lanvero
