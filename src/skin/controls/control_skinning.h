#pragma once
// The controls of one skinned window: the dispatch that gives each qualifying control its
// painter, and the list of those painters. The form skinning makes one ControlSkins per
// skinned window, calls SkinChildren once the window is attached and Unskin (or destroys the
// object) when it unskins the window.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_control.h"

namespace aw::ui {
class Control;
class WinControl;
}

namespace aw::skin {

// The OnSkinControl step: given the form, the control's window, the framework control (null for
// a bare window) and the upper-cased class name, may supply a painter; setting backgroundMode
// attaches it in background mode.
using SkinControlHandler = std::function<std::unique_ptr<TSkinControl>(
    HWND form, HWND control, ui::Control* frameworkControl, const std::string& upperClassName, bool& backgroundMode)>;

struct ControlSkinHooks {
    SkinControlHandler onSkinControl;
};

class ControlSkins {
public:
    ControlSkins(HWND form, TSkinData& data, ControlSkinHooks hooks = {});
    ~ControlSkins();  // unskins whatever is still skinned
    ControlSkins(const ControlSkins&) = delete;
    ControlSkins& operator=(const ControlSkins&) = delete;

    HWND Form() const { return form_; }
    TSkinData& Data() const { return data_; }

    // Runs the dispatch over the window's controls and attaches their painters.
    void SkinChildren();
    // Detaches and frees every painter: each control is back as it was.
    void Unskin();

    // One control through the dispatch, as SkinChildren does it for each.
    void SkinControl(HWND window);

    bool IsSkinned(HWND window) const { return Find(window) != nullptr; }
    TSkinControl* Find(HWND window) const;
    std::size_t Count() const { return painters_.size(); }

    // Painters register when they attach; a painter whose window is destroyed frees itself here.
    void Register(std::unique_ptr<TSkinControl> painter);
    void Release(TSkinControl* painter);

private:
    void Visit(ui::Control& control);
    void VisitChildrenOf(HWND window);
    void Dispatch(HWND window, ui::Control* control);
    void Apply(const ControlPlan& plan, HWND window, ui::Control* control, std::unique_ptr<TSkinControl> supplied);
    bool AttachPainter(PainterKind kind, HWND window, ui::Control* control, bool backgroundMode,
                       std::unique_ptr<TSkinControl> supplied = nullptr);

    HWND form_;
    TSkinData& data_;
    ControlSkinHooks hooks_;
    std::vector<std::unique_ptr<TSkinControl>> painters_;
};

// The facts the dispatch reads about one control.
ControlFacts FactsOfControl(HWND window, ui::Control* control);

// Creates the painter of a kind, or null for kinds this program does not draw yet (their
// controls keep the native look).
std::unique_ptr<TSkinControl> MakePainter(PainterKind kind);

// Entry points for the form skinning: skins the controls of `form` and keeps their painters
// until UnskinControlsOf. Calling SkinControlsOf again skins controls added since. A skinned
// form calls it once it has finished attaching, and UnskinControlsOf when it unskins and when
// its window is destroyed (by then the painters have already gone with their controls).
ControlSkins& SkinControlsOf(HWND form, TSkinData& data, ControlSkinHooks hooks = {});
// Restores every control of `form`; nothing happens for a form whose controls are not skinned.
void UnskinControlsOf(HWND form);
// The painter list of a form, if its controls are skinned.
ControlSkins* ControlSkinsOf(HWND form);

}  // namespace aw::skin
