#pragma once
// The Skin3rd lookup: which known kind a control of another library's class is skinned as, and
// what each kind requires of a component's SkinControls before a painter is made for it.

#include <cstddef>
#include <string>
#include <vector>

#include "skin/data/skin_options.h"

namespace aw::skin {

inline constexpr std::size_t kMaxSkin3rdKindLength = 50;

// The kind of the first line "class=kind" whose class matches `className` regardless of letter
// case; empty when no line matches. "nil" means the class is never skinned.
std::string LookupSkin3rd(const std::vector<std::string>& lines, const std::string& className);

// One row of the kind table: the kind, the control type it requires and, for a few kinds, one
// that must be absent. `needsTabs` marks the kind that also needs the skin's Tabs element.
struct Skin3rdKindRule {
    const char* kind;
    bool requiresAny;              // false: no requirement (container)
    TSkinControlType requires;     // meaningful when requiresAny
    bool needsTabs;
};

extern const Skin3rdKindRule kSkin3rdKindRules[];
extern const std::size_t kSkin3rdKindRuleCount;

// Whether a painter is made for `kind` (compared regardless of letter case). A kind not in the
// table, "nil" included, makes none.
bool Skin3rdKindCreatesPainter(const std::string& kind, SkinControlSet controls, bool skinHasTabs);

}  // namespace aw::skin
