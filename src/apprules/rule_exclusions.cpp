#include "apprules/rule_exclusions.h"

#include "cleaner/path_rules.h"
#include "platform/text.h"

#include <algorithm>

namespace aw {

namespace {

// How `folder` (no wildcards) stands to `pattern` (parts may hold wildcards).
enum class Standing { Apart, Same, Below, Above };

Standing Compare(const FolderParts& folder, const FolderParts& pattern)
{
    if (!EqualsIgnoringCase(folder.Drive, pattern.Drive))
        return Standing::Apart;
    const std::size_t common = std::min(folder.Parts.size(), pattern.Parts.size());
    for (std::size_t i = 0; i < common; ++i)
        if (!MatchesMask(folder.Parts[i], pattern.Parts[i]))
            return Standing::Apart;
    if (folder.Parts.size() == pattern.Parts.size())
        return Standing::Same;
    return folder.Parts.size() > pattern.Parts.size() ? Standing::Below : Standing::Above;
}

bool AnyMatches(std::string_view name, const std::vector<std::string>& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& pattern) { return MatchesMask(name, pattern); });
}

// `inner` is `outer` or a key below it, letter case ignored.
bool IsKeyAtOrBelow(const RegistryPath& inner, const RegistryPath& outer)
{
    if (inner.Hive != outer.Hive || inner.Key.size() < outer.Key.size())
        return false;
    if (!EqualsIgnoringCase(std::string_view(inner.Key).substr(0, outer.Key.size()), outer.Key))
        return false;
    return outer.Key.empty() || inner.Key.size() == outer.Key.size() || inner.Key[outer.Key.size()] == '\\';
}

} // namespace

ExclusionSet::ExclusionSet(const std::vector<Exclusion>& exclusions, const RuleFolders& folders)
{
    for (const Exclusion& exclusion : exclusions) {
        if (exclusion.Kind == ExclusionKind::Registry) {
            keys_.push_back({exclusion.Key, exclusion.Value});
            continue;
        }
        for (const std::string& path : ExpandRulePath(exclusion.Folder, folders)) {
            FolderParts parts = SplitFullPath(path);
            if (!parts.Drive.empty())
                folders_.push_back({exclusion.Kind == ExclusionKind::Path, std::move(parts), exclusion.Patterns});
        }
    }
}

bool ExclusionSet::KeepsFile(std::string_view folder, std::string_view name) const
{
    const FolderParts parts = SplitFullPath(folder);
    return std::any_of(folders_.begin(), folders_.end(), [&](const FolderExclusion& exclusion) {
        const Standing standing = Compare(parts, exclusion.Folder);
        const bool reaches = standing == Standing::Same || (exclusion.WholeTree && standing == Standing::Below);
        return reaches && AnyMatches(name, exclusion.Patterns);
    });
}

bool ExclusionSet::KeepsFolder(std::string_view folder) const
{
    const FolderParts parts = SplitFullPath(folder);
    return std::any_of(folders_.begin(), folders_.end(), [&](const FolderExclusion& exclusion) {
        // The folder of a FILE exclusion keeps files, so it is never removed either; a folder
        // below it is not reached by it.
        const Standing standing = Compare(parts, exclusion.Folder);
        return standing != Standing::Apart && (standing != Standing::Below || exclusion.WholeTree);
    });
}

bool ExclusionSet::KeepsKey(const RegistryPath& key) const
{
    return std::any_of(keys_.begin(), keys_.end(), [&](const KeyExclusion& exclusion) {
        return !exclusion.Value && IsKeyAtOrBelow(key, exclusion.Key);
    });
}

bool ExclusionSet::HoldsKept(const RegistryPath& key) const
{
    return std::any_of(keys_.begin(), keys_.end(), [&](const KeyExclusion& exclusion) {
        const bool below = IsKeyAtOrBelow(exclusion.Key, key);
        // A key exclusion at the key itself is not "held": the key is kept whole.
        return exclusion.Value ? below : below && !IsKeyAtOrBelow(key, exclusion.Key);
    });
}

bool ExclusionSet::KeepsValue(const RegistryPath& key, std::string_view value) const
{
    return std::any_of(keys_.begin(), keys_.end(), [&](const KeyExclusion& exclusion) {
        if (!exclusion.Value)
            return IsKeyAtOrBelow(key, exclusion.Key);
        return IsKeyAtOrBelow(key, exclusion.Key) && IsKeyAtOrBelow(exclusion.Key, key) &&
               EqualsIgnoringCase(*exclusion.Value, value);
    });
}

} // namespace aw
