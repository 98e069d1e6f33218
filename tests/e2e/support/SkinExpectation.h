// Which controls of a window the skin engine should skin, derived from the
// settings its skin component is given in the stored layout: the tag that
// opts a control out (and the buttons of an opted-out radio or check
// group), the class-to-kind list (Skin3rd: a listed class is skinned only
// as its kind says), and the families switched off in SkinControls. Kinds
// the engine has no skinner for (tree views) keep the system's look.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/support/StoredLayout.h"

namespace lanvero::e2e {

struct SkinSettings {
  long disableTag = 99;
  std::set<std::wstring> switches;                             // "xcButton", ...
  std::vector<std::pair<std::wstring, std::wstring>> skin3rd;  // lower-case class name, lower-case kind

  // The settings of the layout's skin component; throws std::runtime_error
  // when the layout has none.
  static SkinSettings Of(const StoredLayout& layout);
};

struct SkinVerdict {
  bool known = true;    // false: a window class this expectation knows nothing of
  bool skinned = true;  // whether the control should answer the skin query with 1
  std::wstring reason;  // why it keeps the system's look
};

class SkinExpectation {
 public:
  explicit SkinExpectation(const StoredLayout& layout) : layout_(layout), settings_(SkinSettings::Of(layout)) {}

  // The verdict for a control window of the framework class `className`
  // showing `text` (its caption or edit text).
  SkinVerdict For(const std::wstring& className, const std::wstring& text) const;

 private:
  bool OptedOutByTag(const std::wstring& className, const std::wstring& text) const;
  std::optional<SkinVerdict> ByListedKind(const std::wstring& className) const;
  SkinVerdict ByFamily(const std::wstring& className) const;

  const StoredLayout& layout_;
  SkinSettings settings_;
};

// The engine's own windows laid over controls (scroll bar panels, a
// picker's arrow, a media player's panel): no controls of the program.
bool IsEngineOverlay(const std::wstring& windowClass);

}  // namespace lanvero::e2e
