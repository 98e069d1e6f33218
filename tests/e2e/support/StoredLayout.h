// The main window's stored layout as its source text holds it
// (app/Unit1.layout.in): every object with its class, parent, tag and
// caption or text, and the skin component's settings. The tests read what
// the engine is told from there, never from the program.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace lanvero::e2e {

struct LayoutObject {
  std::wstring name;
  std::wstring className;
  std::wstring parent;  // the enclosing object's name; empty for the form
  long tag = 0;
  std::wstring text;                            // Caption, or Text for edits
  std::map<std::wstring, std::wstring> values;  // single-line properties as written
  std::vector<std::wstring> lines;              // the items of a list property ("Skin3rd.Strings")
};

struct StoredLayout {
  std::vector<LayoutObject> objects;
  const LayoutObject* Find(const std::wstring& name) const;
};

// Reads the layout source text (UTF-8); throws std::runtime_error when the
// file cannot be read.
StoredLayout ReadStoredLayout(const std::wstring& path);

// Path of Lanvero's main window layout in the source tree.
std::wstring MainLayoutSource();

}  // namespace lanvero::e2e
