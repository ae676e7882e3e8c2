#include "skin/manager/skin3rd_lookup.h"

#include "skin/manager/attach_rules.h"

namespace aw::skin {

std::string LookupSkin3rd(const std::vector<std::string>& lines, const std::string& className)
{
    const std::string key = AsciiLower(className) + "=";
    for (const std::string& line : lines) {
        if (AsciiLower(line).compare(0, key.size(), key) != 0) continue;
        return line.substr(line.find('=') + 1, kMaxSkin3rdKindLength);
    }
    return {};
}

// Kind, requires a control type, that type, needs the Tabs element. The track bar follows the
// button switch, not xcTrackBar; the check group follows xcPanel, not xcGroupBox.
const Skin3rdKindRule kSkin3rdKindRules[] = {
    {"combobox", true, xcCombo, false},
    {"comboboxex", true, xcCombo, false},
    {"edit", true, xcEdit, false},
    {"radiobutton", true, xcRadioButton, false},
    {"panel", true, xcPanel, false},
    {"trackbar", true, xcButton, false},
    {"button", true, xcButton, false},
    {"datetimepicker", true, xcCombo, false},
    {"mediaplayer", true, xcButton, false},
    {"bitbtn", true, xcButton, false},
    {"pngbitbtn", true, xcButton, false},
    {"pngspeedbutton", true, xcButton, false},
    {"menubtn", true, xcButton, false},
    {"speedbutton", true, xcSpeedButton, false},
    {"tab", true, xcTab, true},
    {"progress", true, xcProgress, false},
    {"scrollbar", true, xcScrollbar, false},
    {"singlescrollbar", true, xcScrollbar, false},
    {"embedscrollbar", true, xcScrollbar, false},
    {"container", false, xcMainMenu, false},
    {"groupbox", true, xcGroupBox, false},
    {"advpagecontrol", true, xcTab, false},
    {"radiogroup", true, xcGroupBox, false},
    {"checkgroup", true, xcPanel, false},
    {"checkbox", true, xcCheckBox, false},
};
const std::size_t kSkin3rdKindRuleCount = sizeof kSkin3rdKindRules / sizeof kSkin3rdKindRules[0];

bool Skin3rdKindCreatesPainter(const std::string& kind, SkinControlSet controls, bool skinHasTabs)
{
    const std::string lower = AsciiLower(kind);
    for (std::size_t i = 0; i < kSkin3rdKindRuleCount; ++i) {
        const Skin3rdKindRule& rule = kSkin3rdKindRules[i];
        if (lower != rule.kind) continue;
        if (rule.requiresAny && !controls.Contains(rule.requires)) return false;
        return !rule.needsTabs || skinHasTabs;
    }
    return false;
}

}  // namespace aw::skin
