#include "skin/controls/control_skinning.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "skin/controls/skin_common_controls.h"
#include "skin/manager/attach_rules.h"
#include "skin/manager/skin3rd_lookup.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/tree_view.h"

namespace aw::skin {

namespace {

std::string WindowClass(HWND window)
{
    char name[128] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// The framework base class of a framework control.
ControlBase FrameworkBase(ui::Control& control)
{
    if (dynamic_cast<ui::PageControl*>(&control)) return ControlBase::PageControl;
    if (dynamic_cast<ui::TabSheet*>(&control)) return ControlBase::TabSheet;
    if (dynamic_cast<ui::CheckBox*>(&control)) return ControlBase::CheckBox;
    if (dynamic_cast<ui::StatusBar*>(&control)) return ControlBase::StatusBar;
    if (dynamic_cast<ui::Panel*>(&control)) return ControlBase::Panel;
    if (dynamic_cast<ui::Memo*>(&control)) return ControlBase::Memo;
    if (dynamic_cast<ui::TreeView*>(&control)) return ControlBase::TreeView;
    if (dynamic_cast<ui::Button*>(&control)) return ControlBase::Button;
    if (dynamic_cast<ui::Edit*>(&control)) return ControlBase::Edit;
    if (dynamic_cast<ui::Form*>(&control)) return ControlBase::Form;
    return ControlBase::Other;
}

// A bare window is taken for the standard control its window class makes.
ControlBase StandardBase(HWND window, const std::string& className)
{
    const std::string lower = AsciiLower(className);
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    if (lower == "button") {
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON: return ControlBase::Button;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return ControlBase::CheckBox;
        default: return ControlBase::Other;
        }
    }
    if (lower == "edit") return (style & ES_MULTILINE) ? ControlBase::Memo : ControlBase::Edit;
    if (lower == "msctls_statusbar32") return ControlBase::StatusBar;
    if (lower == "systabcontrol32") return ControlBase::TabControl;
    if (lower == "systreeview32") return ControlBase::TreeView;
    return ControlBase::Other;
}

std::map<HWND, std::unique_ptr<ControlSkins>>& Registry()
{
    static std::map<HWND, std::unique_ptr<ControlSkins>> registry;
    return registry;
}

bool QualifiesForScrollBar(HWND window)
{
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    if (style & (WS_HSCROLL | WS_VSCROLL)) return true;
    const ControlBase base = StandardBase(window, WindowClass(window));
    return base == ControlBase::Memo || base == ControlBase::TreeView;
}

}  // namespace

ControlFacts FactsOfControl(HWND window, ui::Control* control)
{
    ControlFacts facts;
    if (control) {
        facts.className = control->ClassName();
        facts.base = FrameworkBase(*control);
        facts.tag = control->Tag();
        facts.hasParent = control->Parent() != nullptr;
        if (auto buttons = control->PublishedProperty("NumButtons")) facts.numButtons = std::atoi(buttons->c_str());
        if (auto style = control->PublishedProperty("Style")) facts.buttonStyleTabs = AsciiLower(*style) != "tstabs";
    } else {
        facts.className = WindowClass(window);
        facts.base = StandardBase(window, facts.className);
        facts.hasParent = ::GetParent(window) != nullptr;
        facts.buttonStyleTabs =
            facts.base == ControlBase::TabControl && (::GetWindowLongA(window, GWL_STYLE) & TCS_BUTTONS) != 0;
    }
    facts.hasHandle = window != nullptr;
    if (window) {
        facts.hasScrollStyle = (::GetWindowLongA(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
        facts.alreadySkinned = ::SendMessageA(window, kMsgSkinnedQuery, 0, 0) == 1;
    }
    return facts;
}

std::unique_ptr<TSkinControl> MakePainter(PainterKind kind)
{
    switch (kind) {
    case PainterKind::PushButton: return std::make_unique<TSkinButton>();
    case PainterKind::CheckBox: return std::make_unique<TSkinCheckBox>(false);
    case PainterKind::RadioButton: return std::make_unique<TSkinCheckBox>(true);
    case PainterKind::StatusBar: return std::make_unique<TSkinStatusBar>();
    case PainterKind::Edit: return std::make_unique<TSkinEdit>();
    case PainterKind::Box: return std::make_unique<TSkinBox>();
    case PainterKind::GroupBox: return std::make_unique<TSkinGroupBox>();
    case PainterKind::TabControl:
    case PainterKind::PageControl: return std::make_unique<TSkinTab>();
    case PainterKind::TabSheet: return std::make_unique<TSkinTabSheet>();
    case PainterKind::Scrollbar:
    case PainterKind::SingleScrollbar: return std::make_unique<TSkinScrollbar>();
    case PainterKind::ImageCheck: return std::make_unique<TSkinCheckBox>(false);
    case PainterKind::BitButton:
    case PainterKind::PngBitButton:
    case PainterKind::SpeedButton:
    case PainterKind::PngSpeedButton: return std::make_unique<TSkinBitButton>();
    case PainterKind::MenuButton: return std::make_unique<TSkinMenuButton>();
    case PainterKind::Progress: return std::make_unique<TSkinProgress>();
    case PainterKind::TrackBar: return std::make_unique<TSkinTrackBar>();
    case PainterKind::UpDown: return std::make_unique<TSkinUpDown>();
    case PainterKind::ComboBox:
    case PainterKind::ComboBoxEx: return std::make_unique<TSkinComBox>();
    case PainterKind::DateTime: return std::make_unique<TSkinDateTime>();
    case PainterKind::MediaPlayer: return std::make_unique<TSkinMP>();
    case PainterKind::ButtonTabs: return std::make_unique<TSkinTabBtn>();
    case PainterKind::OldTabSet:
    case PainterKind::AdvPageControl: return std::make_unique<TSkinTab>();
    default: return nullptr;
    }
}

ControlSkins::ControlSkins(HWND form, TSkinData& data, ControlSkinHooks hooks)
    : form_(form), data_(data), hooks_(std::move(hooks))
{
}

ControlSkins::~ControlSkins() { Unskin(); }

TSkinControl* ControlSkins::Find(HWND window) const
{
    for (const auto& painter : painters_)
        if (painter->Handle() == window) return painter.get();
    return nullptr;
}

void ControlSkins::Register(std::unique_ptr<TSkinControl> painter) { painters_.push_back(std::move(painter)); }

void ControlSkins::Release(TSkinControl* painter)
{
    auto it = std::find_if(painters_.begin(), painters_.end(), [&](const auto& p) { return p.get() == painter; });
    if (it == painters_.end()) return;
    std::unique_ptr<TSkinControl> gone = std::move(*it);
    painters_.erase(it);
}

void ControlSkins::Unskin()
{
    // Last attached first, so that stacked changes come off in reverse order.
    while (!painters_.empty()) {
        std::unique_ptr<TSkinControl> painter = std::move(painters_.back());
        painters_.pop_back();
        if (painter->LifeState() != kPainterWindowDestroyed) painter->Detach();
    }
}

void ControlSkins::SkinChildren()
{
    if (auto* form = dynamic_cast<ui::WinControl*>(ui::WinControl::FromHandle(form_))) {
        // Every control the form owns, in the order they were made; each before its children.
        for (const auto& child : form->Children()) Visit(*child);
    }
    // Then the windows the framework did not make (and, for a bare window, all of them).
    VisitChildrenOf(form_);
}

void ControlSkins::Visit(ui::Control& control)
{
    if (control.IsGraphic()) return;  // drawn by its parent, which has no painter for it
    auto* win = dynamic_cast<ui::WinControl*>(&control);
    if (!win) return;
    Dispatch(win->Handle(), win);
    for (const auto& child : win->Children()) Visit(*child);
}

void ControlSkins::VisitChildrenOf(HWND window)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    for (HWND child : children) {
        if (!::IsWindow(child)) continue;
        if (auto* control = dynamic_cast<ui::WinControl*>(ui::WinControl::FromHandle(child))) {
            Visit(*control);
        } else {
            Dispatch(child, nullptr);
            VisitChildrenOf(child);
        }
    }
}

void ControlSkins::SkinControl(HWND window)
{
    Dispatch(window, dynamic_cast<ui::WinControl*>(ui::WinControl::FromHandle(window)));
}

void ControlSkins::Dispatch(HWND window, ui::Control* control)
{
    ControlFacts facts = FactsOfControl(window, control);
    facts.alreadySkinned = facts.alreadySkinned || IsSkinned(window);
    DispatchSwitches switches;
    switches.disableTag = data_.DisableTag;
    switches.controls = data_.SkinControls;
    switches.skinHasTabs = data_.Slot(SkinSlot::Tabs) != nullptr;

    HandlerAnswer answer = HandlerAnswer::NoHandler;
    std::unique_ptr<TSkinControl> supplied;
    if (hooks_.onSkinControl && ReachesHandler(facts, switches)) {
        bool background = false;
        supplied = hooks_.onSkinControl(form_, window, control, AsciiUpper(facts.className), background);
        answer = supplied ? (background ? HandlerAnswer::PainterWithBackground : HandlerAnswer::Painter)
                          : HandlerAnswer::NoPainter;
    }
    const std::string kind = LookupSkin3rd(data_.Skin3rd, facts.className);
    Apply(DecideControl(facts, switches, kind, answer), window, control, std::move(supplied));
}

void ControlSkins::Apply(const ControlPlan& plan, HWND window, ui::Control* control,
                         std::unique_ptr<TSkinControl> supplied)
{
    auto childWindows = [&] {
        std::vector<std::pair<HWND, ui::Control*>> children;
        if (auto* win = dynamic_cast<ui::WinControl*>(control)) {
            for (const auto& child : win->Children())
                if (auto* c = dynamic_cast<ui::WinControl*>(child.get())) children.emplace_back(c->Handle(), c);
        } else {
            for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                children.emplace_back(child, ui::WinControl::FromHandle(child));
        }
        return children;
    };
    if (plan.childrenGetDisableTag) {
        for (auto& [child, c] : childWindows())
            if (c) c->SetTag(data_.DisableTag);
    }
    if (plan.skip) return;
    if (plan.setTransparent && control) control->SetPublishedProperty("Transparent", "True");

    auto visitChildren = [&] {
        if (auto* win = dynamic_cast<ui::WinControl*>(control)) {
            for (const auto& child : win->Children()) Visit(*child);
        } else {
            VisitChildrenOf(window);
        }
    };
    switch (plan.children) {
    case ChildVisit::Before: visitChildren(); break;
    case ChildVisit::EachScrollable:
        for (auto& [child, c] : childWindows())
            if (child && !IsSkinned(child) && QualifiesForScrollBar(child))
                AttachPainter(PainterKind::Scrollbar, child, c, false);
        break;
    case ChildVisit::EachAsRadio:
    case ChildVisit::EachAsCheck: {
        const PainterKind kind = plan.children == ChildVisit::EachAsRadio ? PainterKind::RadioButton : PainterKind::CheckBox;
        for (auto& [child, c] : childWindows())
            if (child && !IsSkinned(child) && (!c || c->Tag() != data_.DisableTag)) AttachPainter(kind, child, c, false);
        break;
    }
    default: break;
    }
    // The image-drawn radio style is a radio button.
    const PainterKind painter =
        plan.painter == PainterKind::ImageCheck && plan.imageStyle == 2 ? PainterKind::RadioButton : plan.painter;
    if (painter != PainterKind::None) AttachPainter(painter, window, control, plan.backgroundMode, std::move(supplied));
    if (plan.children == ChildVisit::After) visitChildren();
}

bool ControlSkins::AttachPainter(PainterKind kind, HWND window, ui::Control* control, bool backgroundMode,
                                 std::unique_ptr<TSkinControl> supplied)
{
    if (!window || IsSkinned(window)) return false;
    std::unique_ptr<TSkinControl> painter = kind == PainterKind::FromHandler ? std::move(supplied) : MakePainter(kind);
    if (!painter) return false;  // a kind this program does not draw: the control stays native
    TSkinControl* raw = painter.get();
    Register(std::move(painter));
    raw->Attach(window, control, data_, *this, backgroundMode);
    return true;
}

ControlSkins& SkinControlsOf(HWND form, TSkinData& data, ControlSkinHooks hooks)
{
    auto& registry = Registry();
    auto it = registry.find(form);
    if (it == registry.end() || &it->second->Data() != &data)
        it = registry.insert_or_assign(form, std::make_unique<ControlSkins>(form, data, std::move(hooks))).first;
    it->second->SkinChildren();
    return *it->second;
}

void UnskinControlsOf(HWND form)
{
    auto& registry = Registry();
    auto it = registry.find(form);
    if (it == registry.end()) return;
    std::unique_ptr<ControlSkins> skins = std::move(it->second);
    registry.erase(it);
    skins->Unskin();
}

ControlSkins* ControlSkinsOf(HWND form)
{
    auto& registry = Registry();
    auto it = registry.find(form);
    return it == registry.end() ? nullptr : it->second.get();
}

}  // namespace aw::skin
