#pragma once
// The decisions the skin manager takes about one window, as functions over plain facts the
// Win32 side gathers: whether a window may be attached, whether its class should be skinned,
// which registered skin component serves it and whether a menu of a given kind is skinned.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"
#include "skin/data/skin_options.h"

namespace aw::skin {

// What the attach filter needs to know about a window.
struct WindowFacts {
    std::string className;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::string parentClassName;   // empty without a parent
    bool hasFrameworkForm = false; // a form or control of the framework is bound to the window
    std::int32_t formTag = 0;      // that form's Tag
    bool ownModule = false;        // the window belongs to the program's own module instance
    bool nonEmptyRect = false;     // the window rectangle has a non-zero area
};

inline constexpr std::uint32_t kStyleChild = 0x40000000u;         // WS_CHILD
inline constexpr std::uint32_t kExStyleMdiChild = 0x00000040u;    // WS_EX_MDICHILD
inline constexpr std::uint32_t kStyleSetForeground = 0x00000200u; // DS_SETFOREGROUND
inline constexpr std::uint32_t kStyleSizeGrip = 0x00000010u;      // SBS_SIZEGRIP

// A form with this Tag is never skinned, whatever a component's DisableTag holds.
inline constexpr std::int32_t kUnskinnedFormTag = 99;

inline constexpr const char* kDialogClass = "#32770";
inline constexpr const char* kMenuWindowClass = "#32768";

// A plain child window (not an MDI child, not inside an MDI client) passes only while a
// skin-all pass runs.
bool PassesChildFilter(const WindowFacts& window, bool allForms);
// Only windows the program knows (a framework form, its own module) or standard dialogs.
bool PassesOriginFilter(const WindowFacts& window);
// The attach conditions other than ShouldSkin: a non-empty area, the Tag-99 form rule and the
// classes never attached.
bool PassesAttachConditions(const WindowFacts& window);

// The main skin's switches that ShouldSkin reads; absent when there is no main skin.
struct MainSkinSwitches {
    SkinOptionSet options;
    SkinControlSet controls;
    // The component's OnFormSkin: given the class name and the verdict so far, returns the final
    // verdict. Empty when no handler is assigned.
    std::function<bool(const std::string& className, bool verdict)> onFormSkin;
};

bool ShouldSkinVerdict(const std::string& className, std::uint32_t style, const std::optional<MainSkinSwitches>& main);

// One registered skin component, as ChooseSkinData sees it.
struct SkinCandidate {
    TSkinFormType formType = sfMainform;
    bool ownerIsWindow = false; // the component's owner form has the window in question
};

// The index of the component that serves a window of `className`, or -1 for none.
int ChooseSkinDataIndex(const std::vector<SkinCandidate>& candidates, const std::string& className);

// Which kind of menu is about to open.
enum class PopupKind { Context = 0, MenuBar = 1, System = 2 };

bool PopupKindAllowed(PopupKind kind, SkinControlSet controls);

}  // namespace aw::skin
