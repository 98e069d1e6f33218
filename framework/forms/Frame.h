// Frames: containers that carry a stored layout of their own and are
// embedded in forms (or other containers) like a part of them. A frame
// class of the program (TFrame1) reads its layout, the RCDATA resource
// named after the class, in its constructor, so that a form's layout only
// places it; the frame's components are owned by the frame. A plain TFrame
// in a form's layout is an empty scrolling container for the form's own
// components.
#pragma once

#include <string_view>

#include "framework/controls/ScrollBox.h"

namespace lanvero::framework {

class TCustomFrame : public TScrollingWinControl {
 public:
  explicit TCustomFrame(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Reads the frame's own layout from the resource named after its class.
  void InitializeFromResource();
  // Reads the frame's own layout text (root "object Name: TClass").
  void InitializeFromText(std::string_view layout);
};

class TFrame : public TCustomFrame {
 public:
  explicit TFrame(TComponent* owner) : TCustomFrame(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

}  // namespace lanvero::framework
