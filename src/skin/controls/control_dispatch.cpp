#include "skin/controls/control_dispatch.h"

#include "skin/manager/attach_rules.h"

namespace aw::skin {

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool IsOneOf(const std::string& upper, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (upper == name) return true;
    return false;
}

ControlPlan Painter(PainterKind kind, bool background = false, ChildVisit children = ChildVisit::None)
{
    ControlPlan plan;
    plan.painter = kind;
    plan.backgroundMode = background;
    plan.children = children;
    return plan;
}

// A kind found in Skin3rd decides; when its switch is off the control is handled all the same
// and stays native.
ControlPlan PlanForKind(const std::string& kindText, const ControlFacts& control, const DispatchSwitches& s)
{
    const std::string kind = AsciiLower(kindText);
    const SkinControlSet& c = s.controls;
    auto when = [](bool condition, ControlPlan plan) { return condition ? plan : ControlPlan{}; };
    if (kind == "combobox") return when(c.Contains(xcCombo), Painter(PainterKind::ComboBox));
    if (kind == "comboboxex") return when(c.Contains(xcCombo), Painter(PainterKind::ComboBoxEx));
    if (kind == "edit") return when(c.Contains(xcEdit), Painter(PainterKind::Edit));
    if (kind == "radiobutton") return when(c.Contains(xcRadioButton), Painter(PainterKind::RadioButton));
    if (kind == "panel" || kind == "trackbar") {
        const bool on = kind == "panel" ? c.Contains(xcPanel) : c.Contains(xcButton);
        ControlPlan plan = Painter(kind == "panel" ? PainterKind::Box : PainterKind::TrackBar);
        plan.setTransparent = true;
        return when(on, plan);
    }
    if (kind == "button") return when(c.Contains(xcButton), Painter(PainterKind::PushButton));
    if (kind == "datetimepicker") return when(c.Contains(xcCombo), Painter(PainterKind::DateTime));
    if (kind == "mediaplayer") return when(c.Contains(xcButton), Painter(PainterKind::MediaPlayer));
    if (kind == "bitbtn") return when(c.Contains(xcButton), Painter(PainterKind::BitButton));
    if (kind == "pngbitbtn") return when(c.Contains(xcButton), Painter(PainterKind::PngBitButton));
    if (kind == "pngspeedbutton") return when(c.Contains(xcButton), Painter(PainterKind::PngSpeedButton));
    if (kind == "menubtn") return when(c.Contains(xcButton), Painter(PainterKind::MenuButton));
    if (kind == "speedbutton") return when(c.Contains(xcSpeedButton), Painter(PainterKind::SpeedButton));
    if (kind == "tab") return when(c.Contains(xcTab) && s.skinHasTabs, Painter(PainterKind::TabControl));
    if (kind == "progress") return when(c.Contains(xcProgress), Painter(PainterKind::Progress));
    if (kind == "scrollbar")
        return when(c.Contains(xcScrollbar), Painter(PainterKind::Scrollbar, false, ChildVisit::After));
    if (kind == "singlescrollbar") return when(c.Contains(xcScrollbar), Painter(PainterKind::SingleScrollbar));
    if (kind == "embedscrollbar") {
        ControlPlan plan;
        if (c.Contains(xcScrollbar)) plan.children = ChildVisit::EachScrollable;
        return plan;
    }
    if (kind == "container") {
        ControlPlan plan;
        plan.children = ChildVisit::After;
        return plan;
    }
    if (kind == "groupbox") return when(c.Contains(xcGroupBox), Painter(PainterKind::GroupBox));
    if (kind == "advpagecontrol") return when(c.Contains(xcTab), Painter(PainterKind::AdvPageControl));
    if (kind == "radiogroup") {
        if (!c.Contains(xcGroupBox)) return {};
        ControlPlan plan = Painter(PainterKind::GroupBox, true);
        if (c.Contains(xcRadioButton)) plan.children = ChildVisit::EachAsRadio;
        return plan;
    }
    if (kind == "checkgroup") {
        // Follows the panel switch and, for its children, the radio-button one.
        if (!c.Contains(xcPanel)) return {};
        ControlPlan plan;
        if (c.Contains(xcGroupBox)) plan.painter = PainterKind::GroupBox;
        if (c.Contains(xcRadioButton)) plan.children = ChildVisit::EachAsCheck;
        return plan;
    }
    if (kind == "checkbox") return when(c.Contains(xcCheckBox), Painter(PainterKind::CheckBox));
    (void)control;
    return {};
}

ControlPlan NativeClassPlan(const ControlFacts& control, const std::string& upper, const DispatchSwitches& s)
{
    const SkinControlSet& c = s.controls;
    const bool tabs = c.Contains(xcTab) && s.skinHasTabs;
    auto when = [](bool condition, ControlPlan plan) { return condition ? plan : ControlPlan{}; };
    switch (control.base) {
    case ControlBase::TabControl:
        return when(tabs, Painter(control.buttonStyleTabs ? PainterKind::ButtonTabs : PainterKind::TabControl));
    case ControlBase::PageControl:
        return when(tabs, Painter(control.buttonStyleTabs ? PainterKind::ButtonTabs : PainterKind::PageControl));
    default: break;
    }
    if (upper == "TTABSET") return when(tabs, Painter(PainterKind::OldTabSet));
    if (control.base == ControlBase::TabSheet) return when(tabs, Painter(PainterKind::TabSheet));
    if (upper == "TTABBEDNOTEBOOK") return when(tabs, Painter(PainterKind::TabControl));
    if (upper == "TMVCPANEL") {
        ControlPlan plan;
        plan.children = ChildVisit::After;
        return plan;
    }
    if (control.base == ControlBase::CheckBox) return when(c.Contains(xcCheckBox), Painter(PainterKind::CheckBox));
    if (IsOneOf(upper, {"TUPDOWN", "TSPINBUTTON"})) return when(c.Contains(xcSpin), Painter(PainterKind::UpDown));
    if (upper == "TMEDIAPLAYER") return when(c.Contains(xcButton), Painter(PainterKind::MediaPlayer));
    if (upper == "TDBNAVIGATOR")
        return when(c.Contains(xcPanel), Painter(PainterKind::Box, true, ChildVisit::After));
    auto image = [](int style) {
        ControlPlan plan = Painter(PainterKind::ImageCheck);
        plan.imageStyle = style;
        return plan;
    };
    if (IsOneOf(upper, {"TRZDBCHECKBOX", "TRZCHECKBOX"})) return when(c.Contains(xcCheckBox), image(1));
    if (IsOneOf(upper, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"})) return when(c.Contains(xcRadioButton), image(2));
    if (IsOneOf(upper, {"TCXDBCHECKBOX", "TCXCHECKBOX"})) return when(c.Contains(xcCheckBox), image(3));
    if (control.base == ControlBase::StatusBar) return when(c.Contains(xcStatusBar), Painter(PainterKind::StatusBar));
    if (upper == "TTNTCOMBOBOX") return when(c.Contains(xcCombo), Painter(PainterKind::ComboBox));
    if (IsOneOf(upper, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"}))
        return when(c.Contains(xcScrollbar), Painter(PainterKind::Scrollbar));
    if (control.base == ControlBase::Panel)
        return when(c.Contains(xcPanel), Painter(PainterKind::Box, true, ChildVisit::Before));
    if (IsOneOf(upper, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}))
        return when(c.Contains(xcScrollbar), Painter(PainterKind::Scrollbar));
    if (control.base == ControlBase::Memo) return when(c.Contains(xcScrollbar), Painter(PainterKind::Scrollbar));
    if (control.hasScrollStyle || control.base == ControlBase::TreeView)
        return when(c.Contains(xcScrollbar), Painter(PainterKind::Scrollbar));
    if (control.base == ControlBase::Button) return when(c.Contains(xcButton), Painter(PainterKind::PushButton));
    const bool dcEdit = IsOneOf(upper, {"TDCEDIT", "TDCDBEDIT"});
    if (control.base == ControlBase::Edit && !dcEdit) return when(c.Contains(xcEdit), Painter(PainterKind::Edit));
    if (control.base == ControlBase::Form && !dcEdit) return Painter(PainterKind::Box, true, ChildVisit::After);
    if (dcEdit && control.numButtons == 1) return when(c.Contains(xcCombo), Painter(PainterKind::ComboBox));
    if (dcEdit && control.numButtons == 0) return when(c.Contains(xcEdit), Painter(PainterKind::Edit));
    return {};
}

}  // namespace

std::string AsciiUpper(const std::string& text)
{
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

bool ReachesHandler(const ControlFacts& control, const DispatchSwitches& switches)
{
    return control.tag != switches.disableTag && control.hasParent && !control.alreadySkinned && control.hasHandle;
}

ControlPlan DecideControl(const ControlFacts& control, const DispatchSwitches& switches,
                          const std::string& skin3rdKind, HandlerAnswer handler)
{
    ControlPlan skipped;
    skipped.skip = true;
    if (control.tag == switches.disableTag) {
        const std::string lower = AsciiLower(control.className);
        skipped.childrenGetDisableTag = Contains(lower, "radiogroup") || Contains(lower, "checkgroup");
        return skipped;
    }
    if (!control.hasParent || control.alreadySkinned || !control.hasHandle) return skipped;

    if (handler == HandlerAnswer::Painter || handler == HandlerAnswer::PainterWithBackground) {
        ControlPlan plan = Painter(PainterKind::FromHandler, handler == HandlerAnswer::PainterWithBackground);
        if (control.base == ControlBase::Panel) plan.children = ChildVisit::After;
        return plan;
    }
    if (!skin3rdKind.empty()) return AsciiLower(skin3rdKind) == "nil" ? skipped : PlanForKind(skin3rdKind, control, switches);

    const std::string upper = AsciiUpper(control.className);
    if (IsOneOf(upper, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"})) return skipped;
    return NativeClassPlan(control, upper, switches);
}

}  // namespace aw::skin
