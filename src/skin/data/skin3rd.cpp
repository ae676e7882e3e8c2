#include "skin/data/skin3rd.h"

namespace aw::skin {

const Skin3rdEntry kDefaultSkin3rd[] = {
    {"TCategoryButtons", "scrollbar"},
    {"TVirtualStringTree", "scrollbar"},
    {"TVirtualDrawTree", "scrollbar"},
    {"TAdvPanelGroup", "scrollbar"},
    {"THTMLViewer", "scrollbar"},
    {"TDBCtrlGrid", "scrollbar"},
    {"TImageEnMView", "scrollbar"},
    {"TImageEnView", "scrollbar"},
    {"TAdvMemo", "scrollbar"},
    {"TDBAdvMemo", "scrollbar"},

    {"TPngSpeedbutton", "pngspeedbutton"},
    {"TPngBitBtn", "pngbitbtn"},

    {"TTBXDockablePanel", "Panel"},
    {"TControlBar", "Panel"},
    {"TTBDock", "Panel"},
    {"TTBToolbar", "Panel"},
    {"TRzGroup", "Panel"},
    {"TLMDCalculator", "panel"},
    {"TLMDGROUPBOX", "panel"},
    {"TLMDSIMPLEPANEL", "panel"},
    {"TLMDDBCalendar", "panel"},
    {"TLMDButtonPanel", "panel"},
    {"TLMDLMDCalculator", "panel"},
    {"TLMDHeaderPanel", "panel"},
    {"TLMDTechnicalLine", "panel"},
    {"TLMDLMDClock", "panel"},
    {"TLMDTrackbar", "panel"},

    {"TComboboxex", "Combobox"},
    {"TcxDBLookupComboBox", "Combobox"},
    {"TcxDBComboBox", "Combobox"},
    {"TcxDBDateEdit", "Combobox"},
    {"TcxDBImageComboBox", "Combobox"},
    {"TcxDBCalcEdit", "Combobox"},
    {"TcxDBBlobEdit", "Combobox"},
    {"TcxDBPopupEdit", "Combobox"},
    {"TcxDBFontNameComboBox", "Combobox"},
    {"TcxDBShellComboBox", "Combobox"},
    {"TRxLookupEdit", "Combobox"},
    {"TRxDBLookupCombo", "Combobox"},
    {"TRzDateTimeEdit", "Combobox"},
    {"TRzColorEdit", "Combobox"},
    {"TRzDateTimePicker", "Combobox"},
    {"TRzDBDateTimeEdit", "Combobox"},
    {"TRzDbColorEdit", "Combobox"},
    {"TRzDBDateTimePicker", "Combobox"},
    {"TLMDListCombobox", "combobox"},
    {"TLMDCheckListCombobox", "combobox"},
    {"TLMDHeaderListCombobox", "combobox"},
    {"TLMDImageCombobox", "combobox"},
    {"TLMDColorCombobox", "combobox"},
    {"TLMDFontCombobox", "combobox"},
    {"TLMDFontSizeCombobox", "combobox"},
    {"TLMDFontSizeCombobox", "combobox"},
    {"TLMDPrinterCombobox", "combobox"},
    {"TLMDDriveCombobox", "combobox"},
    {"TLMDCalculatorComboBox", "combobox"},
    {"TLMDTrackBarComboBox", "combobox"},
    {"TLMDCalendarComboBox", "combobox"},
    {"TLMDTreeComboBox", "combobox"},
    {"TDBLookupCombobox", "combobox"},
    {"TWWDBCombobox", "combobox"},
    {"TWWDBLookupCombo", "combobox"},
    {"TWWDBCombobox", "combobox"},
    {"TWWKeyCombo", "combobox"},
    {"TWWTempKeyCombo", "combobox"},
    {"TWWDBDateTimePicker", "combobox"},

    {"TRxSpeedButton", "speedbutton"},
    {"TfrSpeedButton", "speedbutton"},
    {"TfrTBButton", "speedbutton"},

    {"TRzButton", "button"},

    {"TRzBitbtn", "bitbtn"},
    {"TLMDButton", "bitbtn"},
    {"TcxButton", "bitbtn"},

    {"TRzMenuButton", "menubtn"},

    {"TRzCheckGroup", "CheckGroup"},
    {"TLMDCheckGroup", "CheckGroup"},
    {"TLMDDBCheckGroup", "CheckGroup"},

    {"TRzRadioGroup", "Radiogroup"},
    {"TRzDBRadioGroup", "Radiogroup"},
    {"TLMDRADIOGROUP", "radiogroup"},
    {"TLMDDBRADIOGROUP", "radiogroup"},
    {"TWWRADIOGROUP", "radiogroup"},
    {"TcxDBRadioGroup", "radiogroup"},
    {"TcxRadioGroup", "radiogroup"},

    {"TRzButtonEdit", "Edit"},
    {"TLMDCalculatorEdit", "Edit"},
    {"TLMDEDIT", "edit"},
    {"TLMDMASKEDIT", "edit"},
    {"TLMDBROWSEEDIT", "edit"},
    {"TLMDEXTSPINEDIT", "edit"},
    {"TLMDCALENDAREDIT", "edit"},
    {"TLMDFILEOPENEDIT", "edit"},
    {"TLMDFILESAVEEDIT", "edit"},
    {"TLMDCOLOREDIT", "edit"},
    {"TLMDDBEDIT", "edit"},
    {"TLMDDBMASKEDIT", "edit"},
    {"TLMDDBEXTSPINEDIT", "edit"},
    {"TLMDDBSPINEDIT", "edit"},
    {"TLMDDBEDITDBLookup", "edit"},
    {"TLMDEDITDBLookup", "edit"},
    {"TWWDBEDIT", "edit"},
    {"TOVCPICTUREFIELD", "edit"},
    {"TOVCDBPICTUREFIELD", "edit"},
    {"TOVCSLIDEREDIT", "edit"},
    {"TOVCDBSLIDEREDIT", "edit"},
    {"TOVCSIMPLEFIELD", "edit"},
    {"TOVCDBSIMPLEFIELD", "edit"},
    {"TO32DBFLEXEDIT", "edit"},
    {"TOVCNUMERICFIELD", "edit"},
    {"TOVCDBNUMERICFIELD", "edit"},

    {"TRzDBRadioButton", "Radiobutton"},
    {"TLMDRadiobutton", "Radiobutton"},

    {"TLMDGroupBox", "Groupbox"},
    {"TcxGroupbox", "groupbox"},

    {"TDBCheckboxEh", "Checkbox"},
    {"TDBCheckboxEh", "Checkbox"},
    {"TLMDCHECKBOX", "Checkbox"},
    {"TLMDDBCHECKBOX", "Checkbox"},
};

const std::size_t kDefaultSkin3rdCount = sizeof kDefaultSkin3rd / sizeof kDefaultSkin3rd[0];
static_assert(sizeof kDefaultSkin3rd / sizeof kDefaultSkin3rd[0] == 118, "the default Skin3rd list has 118 lines");

std::vector<std::string> DefaultSkin3rdLines()
{
    std::vector<std::string> lines;
    lines.reserve(kDefaultSkin3rdCount);
    for (std::size_t i = 0; i < kDefaultSkin3rdCount; ++i)
        lines.push_back(std::string(kDefaultSkin3rd[i].className) + "=" + kDefaultSkin3rd[i].kind);
    return lines;
}

}  // namespace aw::skin
