#include "framework/forms/Frame.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/LayoutResource.h"
#include "framework/layout/LayoutParser.h"
#include "framework/layout/LayoutReader.h"

namespace lanvero::framework {

const ClassInfo& TCustomFrame::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TCustomFrame", &TScrollingWinControl::StaticClassInfo());
  return info;
}

const ClassInfo& TFrame::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TFrame>("TFrame", &TCustomFrame::StaticClassInfo()).Creatable().Build();
  return info;
}

TCustomFrame::TCustomFrame(TComponent* owner) : TScrollingWinControl(owner) {
  SetBounds(0, 0, 320, 240);
  SetTabStop(true);
}

void TCustomFrame::InitializeFromResource() { InitializeFromText(LayoutResourceText(ClassName())); }

void TCustomFrame::InitializeFromText(std::string_view layout) {
  LayoutObject tree = ParseLayout(layout);
  // Two frames of one class in one owner cannot both take the name of the
  // frame's layout; the owner's layout names them.
  if (!tree.name.empty() && Owner() && Owner()->FindComponent(AsciiToWide(tree.name))) tree.name.clear();
  ReadLayout(*this, tree);
}

}  // namespace lanvero::framework
