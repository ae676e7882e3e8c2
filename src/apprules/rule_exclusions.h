#pragma once
// An entry's exclusions, expanded, asked about every file, folder, key and value its rules
// reach. Folder parts with wildcards are matched as patterns, so nothing here needs the
// file system.
#include "apprules/app_rules.h"
#include "apprules/folder_wildcards.h"
#include "apprules/rule_folders.h"

#include <string>
#include <string_view>
#include <vector>

namespace aw {

class ExclusionSet {
public:
    ExclusionSet() = default;
    ExclusionSet(const std::vector<Exclusion>& exclusions, const RuleFolders& folders);

    // The file `name` of the tidied `folder` stays: a FILE exclusion names that folder and a
    // matching pattern, or a PATH exclusion names the folder or one holding it.
    bool KeepsFile(std::string_view folder, std::string_view name) const;

    // The folder is never removed (REMOVESELF, emptied sub-folders): a PATH exclusion names it
    // or a folder holding it, or it holds the folder of any exclusion.
    bool KeepsFolder(std::string_view folder) const;

    // The key stays whole: a REG exclusion names it or a key holding it.
    bool KeepsKey(const RegistryPath& key) const;
    // A REG exclusion names a key below this one, or a value of it or of a key below it: the
    // key may be cleaned around what it holds, never removed whole.
    bool HoldsKept(const RegistryPath& key) const;

    // The value stays: a REG exclusion names it, or its key or a key holding that.
    bool KeepsValue(const RegistryPath& key, std::string_view value) const;

    bool empty() const { return folders_.empty() && keys_.empty(); }

private:
    struct FolderExclusion {
        bool WholeTree; // PATH: the folder and everything below it
        FolderParts Folder;
        std::vector<std::string> Patterns;
    };
    struct KeyExclusion {
        RegistryPath Key;
        std::optional<std::string> Value;
    };

    std::vector<FolderExclusion> folders_;
    std::vector<KeyExclusion> keys_;
};

} // namespace aw
