#pragma once
// What the application rules ask of the machine: which folders a wildcard stands for, whether
// a detection's file or key is there. The Win32 side answers from the file system and the
// registry; the native tests answer from a made-up machine.
#include "apprules/app_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace aw {

class RuleMachine {
public:
    virtual ~RuleMachine() = default;

    // The names of the folders directly inside `folder` (a tidied full path, TidyRuleFolder).
    // Only real folders: never a link (junction, symbolic link, mount point), so a wildcard
    // never leads a rule out of the tree it names; never "." or "..". Empty when the folder
    // is missing.
    virtual std::vector<std::string> SubfolderNames(const std::string& folder) const = 0;

    // Whether a file or folder directly inside `folder` has a name matching `mask` (as
    // MatchesMask matches: a name without wildcards matches only itself).
    virtual bool HasEntryMatching(const std::string& folder, std::string_view mask) const = 0;

    // Whether the key can be opened for reading.
    virtual bool KeyExists(const RegistryPath& key) const = 0;
};

} // namespace aw
