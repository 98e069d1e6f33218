#include "tests/e2e/support/SkinExpectation.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <stdexcept>

namespace lanvero::e2e {
namespace {

// Never skinned, whatever is switched on.
constexpr wchar_t kNever[] = L"";

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
  return text;
}

// "[xcA, xcB]" as its words.
std::set<std::wstring> SetWords(const std::wstring& value) {
  std::set<std::wstring> words;
  std::wstring word;
  for (wchar_t c : value) {
    if (std::iswalnum(c)) {
      word += c;
    } else if (!word.empty()) {
      words.insert(word);
      word.clear();
    }
  }
  return words;
}

// The families whose switch lets the engine skin a control of the framework
// class: any one of them is enough (a memo is skinned for its scroll bar,
// or else as an edit). Tabs need their switch and a skin with tabs, which
// both built skins have.
const std::map<std::wstring, std::vector<std::wstring>>& FamilySwitches() {
  static const std::map<std::wstring, std::vector<std::wstring>> families = {
      {L"TButton", {L"xcButton"}},
      {L"TBitBtn", {L"xcBitBtn"}},
      {L"TEdit", {L"xcEdit"}},
      {L"TMaskEdit", {L"xcEdit"}},
      {L"TMemo", {L"xcScrollbar", L"xcEdit"}},
      {L"TRichEdit", {L"xcScrollbar", L"xcEdit"}},
      {L"TListBox", {L"xcScrollbar"}},
      {L"TCheckListBox", {L"xcScrollbar"}},
      {L"TDBGrid", {L"xcScrollbar"}},
      {L"TStringGrid", {L"xcScrollbar"}},
      {L"TListView", {L"xcScrollbar"}},
      {L"TScrollBar", {L"xcScrollbar"}},
      {L"TPageControl", {L"xcTab"}},
      {L"TTabSheet", {L"xcTab"}},
      {L"TTabControl", {L"xcTab"}},
      {L"TTabSet", {L"xcTab"}},
      {L"TGroupBox", {L"xcPanel"}},
      {L"TPanel", {L"xcPanel"}},
      {L"THeaderControl", {L"xcPanel"}},
      {L"TRadioGroup", {L"xcRadioButton"}},
      {L"TCheckBox", {L"xcCheckBox"}},
      {L"TRadioButton", {L"xcRadioButton"}},
      {L"TComboBox", {L"xcCombo"}},
      {L"TStatusBar", {L"xcStatusBar"}},
      {L"TProgressBar", {L"xcProgress"}},
      {L"TTrackBar", {L"xcTrackBar"}},
      {L"TToolBar", {L"xcToolbar"}},
      {L"TUpDown", {L"xcSpin"}},
      {L"TDateTimePicker", {L"xcEdit"}},
      {L"TTreeView", {kNever}},
  };
  return families;
}

// The switch a kind of the Skin3rd list needs; kNever for kinds that give
// the listed control itself no skinner.
const std::map<std::wstring, std::wstring>& ListedKindSwitches() {
  static const std::map<std::wstring, std::wstring> kinds = {
      {L"nil", kNever},
      {L"container", kNever},
      {L"embedscrollbar", kNever},
      {L"combobox", L"xcCombo"},
      {L"comboboxex", L"xcCombo"},
      {L"datetimepicker", L"xcCombo"},
      {L"edit", L"xcEdit"},
      {L"radiobutton", L"xcRadioButton"},
      {L"checkbox", L"xcCheckBox"},
      {L"panel", L"xcPanel"},
      {L"trackbar", L"xcButton"},
      {L"button", L"xcButton"},
      {L"mediaplayer", L"xcButton"},
      {L"bitbtn", L"xcButton"},
      {L"pngbitbtn", L"xcButton"},
      {L"pngspeedbutton", L"xcButton"},
      {L"menubtn", L"xcButton"},
      {L"speedbutton", L"xcSpeedButton"},
      {L"tab", L"xcTab"},
      {L"advpagecontrol", L"xcTab"},
      {L"progress", L"xcProgress"},
      {L"scrollbar", L"xcScrollbar"},
      {L"singlescrollbar", L"xcScrollbar"},
      {L"groupbox", L"xcGroupBox"},
      {L"radiogroup", L"xcGroupBox"},
      {L"checkgroup", L"xcGroupBox"},
  };
  return kinds;
}

bool IsGroupOfButtons(const LayoutObject& object) {
  const std::wstring name = Lower(object.className);
  return name.find(L"radiogroup") != std::wstring::npos || name.find(L"checkgroup") != std::wstring::npos;
}

}  // namespace

SkinSettings SkinSettings::Of(const StoredLayout& layout) {
  for (const LayoutObject& object : layout.objects) {
    if (object.className != L"TSkinData") continue;
    SkinSettings settings;
    if (auto tag = object.values.find(L"DisableTag"); tag != object.values.end())
      settings.disableTag = std::stol(tag->second);
    if (auto on = object.values.find(L"SkinControls"); on != object.values.end())
      settings.switches = SetWords(on->second);
    for (const std::wstring& line : object.lines) {
      const size_t equals = line.find(L'=');
      if (equals != std::wstring::npos)
        settings.skin3rd.emplace_back(Lower(line.substr(0, equals)), Lower(line.substr(equals + 1)));
    }
    return settings;
  }
  throw std::runtime_error("the layout has no skin component");
}

SkinVerdict SkinExpectation::For(const std::wstring& className, const std::wstring& text) const {
  if (OptedOutByTag(className, text)) return SkinVerdict{true, false, L"its tag is the DisableTag"};
  if (std::optional<SkinVerdict> listed = ByListedKind(className)) return *listed;
  return ByFamily(className);
}

// The layout object of the window has the DisableTag, or is a button of a
// radio or check group that has it.
bool SkinExpectation::OptedOutByTag(const std::wstring& className, const std::wstring& text) const {
  for (const LayoutObject& object : layout_.objects) {
    if (object.className != className || object.text != text) continue;
    if (object.tag == settings_.disableTag) return true;
    const LayoutObject* group = layout_.Find(object.parent);
    if (group && group->tag == settings_.disableTag && IsGroupOfButtons(*group)) return true;
  }
  return false;
}

// The first line of the list for the class decides; no line, no verdict.
std::optional<SkinVerdict> SkinExpectation::ByListedKind(const std::wstring& className) const {
  const std::wstring key = Lower(className);
  for (const auto& [listed, kind] : settings_.skin3rd) {
    if (listed != key) continue;
    const auto known = ListedKindSwitches().find(kind);
    if (known == ListedKindSwitches().end())
      return SkinVerdict{true, false, L"Skin3rd lists it as the unknown kind " + kind};
    if (known->second == kNever) return SkinVerdict{true, false, L"Skin3rd lists it as " + kind};
    if (!settings_.switches.count(known->second))
      return SkinVerdict{true, false, L"Skin3rd: " + kind + L" needs " + known->second};
    return SkinVerdict{};
  }
  return std::nullopt;
}

SkinVerdict SkinExpectation::ByFamily(const std::wstring& className) const {
  const auto family = FamilySwitches().find(className);
  if (family == FamilySwitches().end()) return SkinVerdict{false, false, L"no expectation for this class"};
  for (const std::wstring& switchName : family->second) {
    if (switchName == kNever) return SkinVerdict{true, false, L"the engine has no skinner for it"};
    if (settings_.switches.count(switchName)) return SkinVerdict{};
  }
  return SkinVerdict{true, false, L"its family is switched off in SkinControls"};
}

bool IsEngineOverlay(const std::wstring& windowClass) {
  return windowClass == L"TWScrollbar" || windowClass == L"SkinDateTimeArrow" || windowClass == L"SkinMediaPlayerPanel";
}

}  // namespace lanvero::e2e
