#pragma once
// Which painter a control of a skinned window gets, decided over plain facts the window side
// gathers about the control: its class names, tag and styles, the component's switches, the
// Skin3rd kind of its class and what an OnSkinControl handler answered.

#include <cstdint>
#include <string>

#include "skin/data/skin_options.h"

namespace aw::skin {

// The framework base class a control derives from, as far as the dispatch tells them apart.
// A bare window (not a framework control) is classified by its standard window class.
enum class ControlBase {
    Other,
    TabControl,   // a tab control that is not a page control
    PageControl,
    TabSheet,
    CheckBox,
    StatusBar,
    Panel,
    Memo,
    TreeView,
    Button,
    Edit,
    Form,         // a form inside the form
};

struct ControlFacts {
    std::string className;       // the framework's class name, or the window class of a bare window
    ControlBase base = ControlBase::Other;
    std::int32_t tag = 0;
    bool hasParent = true;
    bool alreadySkinned = false;  // answers the skinned query or is in the form's painter list
    bool hasHandle = true;        // a window handle exists or could be made
    bool hasScrollStyle = false;  // WS_HSCROLL or WS_VSCROLL
    bool buttonStyleTabs = false; // a page or tab control showing its tabs as buttons
    int numButtons = -1;          // the published integer "NumButtons", -1 when absent
};

struct DispatchSwitches {
    std::int32_t disableTag = 99;
    SkinControlSet controls;
    bool skinHasTabs = false;     // the skin has a Tabs element
};

// What an OnSkinControl handler answered.
enum class HandlerAnswer { NoHandler, NoPainter, Painter, PainterWithBackground };

enum class PainterKind {
    None,
    FromHandler,        // the painter the OnSkinControl handler supplied
    PushButton,
    BitButton,
    PngBitButton,
    MenuButton,
    SpeedButton,
    PngSpeedButton,
    CheckBox,
    RadioButton,
    ImageCheck,         // foreign check and radio controls drawn from images (style 1, 2, 3)
    GroupBox,
    Box,
    StatusBar,
    Progress,
    TrackBar,
    UpDown,
    Edit,
    ComboBox,
    ComboBoxEx,
    DateTime,
    MediaPlayer,
    Scrollbar,
    SingleScrollbar,
    TabControl,         // tab painter on a plain tab control
    PageControl,        // tab painter on a page control
    ButtonTabs,         // button-style page control
    OldTabSet,          // TTabSet
    AdvPageControl,
    TabSheet,
};

// Children of the control, visited as controls of the form.
enum class ChildVisit {
    None,
    Before,             // before the painter is attached
    After,              // after it
    EachScrollable,     // each child that qualifies for a scroll bar gets one
    EachAsRadio,        // each child gets a radio painter, then the control its own
    EachAsCheck,        // each child gets a check-box painter, then the control its own
};

struct ControlPlan {
    bool skip = false;                   // nothing at all happens
    bool childrenGetDisableTag = false;  // a disabled radio or check group keeps its buttons native
    PainterKind painter = PainterKind::None;
    bool backgroundMode = false;
    int imageStyle = 0;                  // ImageCheck: 1 check, 2 radio, 3 the third library's check
    ChildVisit children = ChildVisit::None;
    bool setTransparent = false;         // the control's "Transparent" property becomes "True"
};

std::string AsciiUpper(const std::string& text);

// The decision for one control. `skin3rdKind` is LookupSkin3rd of its class (empty for none);
// `handler` is what OnSkinControl answered, asked only when the first two steps let the control
// through (see NeedsHandler).
ControlPlan DecideControl(const ControlFacts& control, const DispatchSwitches& switches,
                          const std::string& skin3rdKind, HandlerAnswer handler);

// Whether the dispatch gets as far as asking the OnSkinControl handler.
bool ReachesHandler(const ControlFacts& control, const DispatchSwitches& switches);

}  // namespace aw::skin
