#pragma once
// Start and shutdown of the skin engine in a program. A program creates one
// SkinEngineScope before its forms (after its application object) and keeps
// it until its message loop ends; from then on a TSkinData on a form is all
// the skinning needs.

namespace lanvero {

class SkinEngineScope {
 public:
  // Registers TSkinData for stored layouts and creates the window tracker,
  // which the components report to.
  SkinEngineScope();
  // Gives every skinned window back, removes the hooks and stops frame
  // painting.
  ~SkinEngineScope();
  SkinEngineScope(const SkinEngineScope&) = delete;
  SkinEngineScope& operator=(const SkinEngineScope&) = delete;
};

}  // namespace lanvero
