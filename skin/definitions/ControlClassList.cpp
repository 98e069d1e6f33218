#include "skin/definitions/ControlClassList.h"

#include "common/AsciiCase.h"

namespace lanvero {

namespace {

std::wstring LowerAscii(std::wstring_view text) { return AsciiLowerCopy(text); }

}  // namespace

// Three lines occur twice (TDBCheckboxEh, TLMDFontSizeCombobox,
// TWWDBCombobox); the lookup takes the first, so the repeats are harmless.
const std::vector<std::wstring>& BuiltinSkin3rd() {
  static const std::vector<std::wstring> lines{
    L"TCategoryButtons=scrollbar", L"TPngSpeedbutton=pngspeedbutton", L"TPngBitBtn=pngbitbtn",
    L"TVirtualStringTree=scrollbar", L"TVirtualDrawTree=scrollbar", L"TTBXDockablePanel=Panel",
    L"TAdvPanelGroup=scrollbar", L"TComboboxex=combobox", L"TRxSpeedButton=speedbutton",
    L"THTMLViewer=scrollbar", L"TDBCtrlGrid=scrollbar", L"TfrSpeedButton=speedbutton",
    L"TfrTBButton=speedbutton", L"TControlBar=Panel", L"TTBDock=Panel", L"TTBToolbar=Panel",
    L"TImageEnMView=scrollbar", L"TImageEnView=scrollbar", L"TAdvMemo=scrollbar", L"TDBAdvMemo=scrollbar",
    L"TcxDBLookupComboBox=combobox", L"TcxDBComboBox=combobox", L"TcxDBDateEdit=combobox",
    L"TcxDBImageComboBox=combobox", L"TcxDBCalcEdit=combobox", L"TcxDBBlobEdit=combobox",
    L"TcxDBPopupEdit=combobox", L"TcxDBFontNameComboBox=combobox", L"TcxDBShellComboBox=combobox",
    L"TRxLookupEdit=combobox", L"TRxDBLookupCombo=combobox", L"TRzGroup=panel", L"TRzButton=button",
    L"TRzBitbtn=bitbtn", L"TRzMenuButton=menubtn", L"TRzCheckGroup=CheckGroup", L"TRzRadioGroup=Radiogroup",
    L"TRzButtonEdit=Edit", L"TRzDBRadioGroup=Radiogroup", L"TRzDBRadioButton=Radiobutton",
    L"TRzDateTimeEdit=combobox", L"TRzColorEdit=combobox", L"TRzDateTimePicker=combobox",
    L"TRzDBDateTimeEdit=combobox", L"TRzDbColorEdit=combobox", L"TRzDBDateTimePicker=combobox",
    L"TLMDButton=bitbtn", L"TLMDGroupBox=Groupbox", L"TDBCheckboxEh=Checkbox", L"TDBCheckboxEh=Checkbox",
    L"TLMDCHECKBOX=Checkbox", L"TLMDDBCHECKBOX=Checkbox", L"TLMDRadiobutton=Radiobutton",
    L"TLMDCalculator=panel", L"TLMDGROUPBOX=Panel", L"TLMDSIMPLEPANEL=Panel", L"TLMDDBCalendar=Panel",
    L"TLMDButtonPanel=Panel", L"TLMDLMDCalculator=Panel", L"TLMDHeaderPanel=Panel", L"TLMDTechnicalLine=Panel",
    L"TLMDLMDClock=Panel", L"TLMDTrackbar=panel", L"TLMDListCombobox=combobox",
    L"TLMDCheckListCombobox=combobox", L"TLMDHeaderListCombobox=combobox", L"TLMDImageCombobox=combobox",
    L"TLMDColorCombobox=combobox", L"TLMDFontCombobox=combobox", L"TLMDFontSizeCombobox=combobox",
    L"TLMDFontSizeCombobox=combobox", L"TLMDPrinterCombobox=combobox", L"TLMDDriveCombobox=combobox",
    L"TLMDCalculatorComboBox=combobox", L"TLMDTrackBarComboBox=combobox", L"TLMDCalendarComboBox=combobox",
    L"TLMDTreeComboBox=combobox", L"TLMDRADIOGROUP=radiogroup", L"TLMDCheckGroup=CheckGroup",
    L"TLMDDBRADIOGROUP=radiogroup", L"TLMDDBCheckGroup=CheckGroup", L"TLMDCalculatorEdit=edit",
    L"TLMDEDIT=Edit", L"TLMDMASKEDIT=Edit", L"TLMDBROWSEEDIT=Edit", L"TLMDEXTSPINEDIT=Edit",
    L"TLMDCALENDAREDIT=Edit", L"TLMDFILEOPENEDIT=Edit", L"TLMDFILESAVEEDIT=Edit", L"TLMDCOLOREDIT=Edit",
    L"TLMDDBEDIT=Edit", L"TLMDDBMASKEDIT=Edit", L"TLMDDBEXTSPINEDIT=Edit", L"TLMDDBSPINEDIT=Edit",
    L"TLMDDBEDITDBLookup=Edit", L"TLMDEDITDBLookup=Edit", L"TDBLookupCombobox=Combobox",
    L"TWWDBCombobox=Combobox", L"TWWDBLookupCombo=Combobox", L"TWWDBCombobox=Combobox",
    L"TWWKeyCombo=Combobox", L"TWWTempKeyCombo=combobox", L"TWWDBDateTimePicker=Combobox",
    L"TWWRADIOGROUP=radiogroup", L"TWWDBEDIT=Edit", L"TcxButton=bitbtn", L"TcxDBRadioGroup=radiogroup",
    L"TcxRadioGroup=radiogroup", L"TcxGroupbox=groupbox", L"TOVCPICTUREFIELD=Edit", L"TOVCDBPICTUREFIELD=Edit",
    L"TOVCSLIDEREDIT=Edit", L"TOVCDBSLIDEREDIT=Edit", L"TOVCSIMPLEFIELD=Edit", L"TOVCDBSIMPLEFIELD=Edit",
    L"TO32DBFLEXEDIT=Edit", L"TOVCNUMERICFIELD=Edit", L"TOVCDBNUMERICFIELD=Edit"};
  return lines;
}

std::optional<std::wstring> LookupSkin3rd(const std::vector<std::wstring>& lines, std::wstring_view className) {
  const std::wstring key = LowerAscii(className) + L"=";
  for (const std::wstring& line : lines) {
    if (line.size() < key.size() || LowerAscii(std::wstring_view(line).substr(0, key.size())) != key) continue;
    return LowerAscii(std::wstring_view(line).substr(key.size(), kSkin3rdKindLimit));
  }
  return std::nullopt;
}

}  // namespace lanvero
