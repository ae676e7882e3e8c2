#pragma once
// From an entry as read to what it removes on this machine: its paths expanded (variables,
// then wildcards through the machine), every folder and key checked by the safety rules, its
// exclusions ready to be asked. The Win32 side hands the targets to the cleaning primitives
// (the same sink, links never followed) and asks the exclusions about every file, folder, key
// and value before removing it.
#include "apprules/app_rules.h"
#include "apprules/rule_exclusions.h"
#include "apprules/rule_folders.h"
#include "apprules/rule_machine.h"
#include "apprules/rule_safety.h"

#include <optional>
#include <string>
#include <vector>

namespace aw {

// The files of one folder a FileKey removes: those matching a pattern, directly in the folder
// or, with Recurse, at every depth below it; with RemoveSelf also the sub-folders it has
// emptied and then the folder itself, nothing else.
struct FileTarget {
    std::size_t Line = 0;
    std::string Folder; // tidied full path, no wildcard left
    std::vector<std::string> Patterns;
    bool Recurse = false;
    bool RemoveSelf = false;
};

// A key with its sub-keys, or one value of it. A key the exclusions hold something below
// (ExclusionSet::HoldsKept) is cleaned around it, never removed whole.
struct KeyTarget {
    std::size_t Line = 0;
    RegistryPath Key;
    std::optional<std::string> Value;
};

// A folder or key the safety rules refused, as expanded.
struct RefusedTarget {
    std::size_t Line = 0;
    Refusal Reason;
    std::string What;
};

struct EntryTargets {
    std::vector<FileTarget> Files;
    std::vector<KeyTarget> Keys; // without those an exclusion keeps whole
    ExclusionSet Exclusions;
    std::vector<RefusedTarget> Refused;
};

EntryTargets ResolveEntry(const AppEntry& entry, const RuleFolders& folders, const SafetyRules& safety,
                          const RuleMachine& machine);

// Shown in the tree: no detection was written, or a Detect key exists, or a DetectFile names
// an existing file or folder (its last part may be a mask, its folder parts may hold
// wildcards).
bool IsEntryDetected(const AppEntry& entry, const RuleFolders& folders, const RuleMachine& machine);

} // namespace aw
