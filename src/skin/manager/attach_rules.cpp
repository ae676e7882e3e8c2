#include "skin/manager/attach_rules.h"

namespace aw::skin {

bool PassesChildFilter(const WindowFacts& window, bool allForms)
{
    if (allForms) return true;
    const bool child = (window.style & kStyleChild) != 0;
    const bool mdiChild = (window.exStyle & kExStyleMdiChild) != 0;
    return !child || mdiChild || AsciiLower(window.parentClassName) == "mdiclient";
}

bool PassesOriginFilter(const WindowFacts& window)
{
    return window.hasFrameworkForm || window.ownModule || window.className == kDialogClass;
}

bool PassesAttachConditions(const WindowFacts& window)
{
    if (!window.nonEmptyRect && !(window.exStyle & kExStyleMdiChild)) return false;
    if (window.hasFrameworkForm && window.formTag == kUnskinnedFormTag) return false;
    const std::string& name = window.className;
    if (name.find("TcxPopupEditPopupWindow") != std::string::npos) return false;
    if (name.find("TTERenderWindow") != std::string::npos) return false;
    return name != "TApplication";
}

bool ShouldSkinVerdict(const std::string& className, std::uint32_t style, const std::optional<MainSkinSwitches>& main)
{
    if (!main) return true;
    const std::string lower = AsciiLower(className);
    bool verdict = true;
    if (!main->options.Contains(xoPreview) && lower.find("preview") != std::string::npos) verdict = false;
    if (className == kDialogClass && (style & kStyleSetForeground)) verdict = false;
    if (lower == "tpopupdbtreeview") verdict = false;
    if (main->onFormSkin) return main->onFormSkin(className, verdict);
    if (className == "SysMonthCal32") verdict = false;
    if (className.rfind("Tfr", 0) == 0 && main->controls.Contains(xcFastReport)) verdict = false;
    return verdict;
}

int ChooseSkinDataIndex(const std::vector<SkinCandidate>& candidates, const std::string& className)
{
    const auto lastMatch = [&](auto&& matches) {
        int found = -1;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (matches(candidates[i])) found = static_cast<int>(i);
        return found;
    };
    int found = lastMatch([](const SkinCandidate& c) { return c.formType == sfOnlyThisForm && c.ownerIsWindow; });
    if (found >= 0) return found;
    const std::string lower = AsciiLower(className);
    if (lower == "tmessageform" || lower == kDialogClass) {
        found = lastMatch([](const SkinCandidate& c) { return c.formType == sfDialog; });
        if (found >= 0) return found;
    }
    found = lastMatch([](const SkinCandidate& c) { return c.formType == sfMainform; });
    if (found >= 0) return found;
    return candidates.empty() ? -1 : 0;
}

bool PopupKindAllowed(PopupKind kind, SkinControlSet controls)
{
    switch (kind) {
    case PopupKind::Context:
        return controls.Contains(xcPopupMenu);
    case PopupKind::MenuBar:
        return controls.Contains(xcMainMenu) || controls.Contains(xcMenuItem);
    case PopupKind::System:
        return controls.Contains(xcSystemMenu);
    }
    return false;
}

}  // namespace aw::skin
