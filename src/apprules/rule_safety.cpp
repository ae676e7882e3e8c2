#include "apprules/rule_safety.h"

#include "platform/text.h"

#include <algorithm>

namespace aw {

namespace {

// In the order of Refusal.
constexpr std::string_view kRefusalNames[] = {
    "not a full path",
    "drive root",
    "dot part",
    "ambiguous part",
    "protected folder",
    "kept folder",
    "wildcard over folders",
    "too many folders",
    "registry outside",
    "registry too high",
};
static_assert(std::size(kRefusalNames) == static_cast<std::size_t>(Refusal::RegistryTooHigh) + 1);

bool IsDotPart(std::string_view part)
{
    return std::all_of(part.begin(), part.end(), [](char c) { return c == '.' || c == ' '; });
}

bool LooksLikeShortAlias(std::string_view part)
{
    for (std::size_t i = 0; i + 1 < part.size(); ++i)
        if (part[i] == '~' && part[i + 1] >= '0' && part[i + 1] <= '9')
            return true;
    return false;
}

bool IsAmbiguousPart(std::string_view part)
{
    return part.back() == '.' || part.back() == ' ' || part.find_first_of(":/") != std::string_view::npos ||
           LooksLikeShortAlias(part);
}

// `inner` is `outer` or lies below it.
bool IsAtOrBelow(const FolderParts& inner, const FolderParts& outer)
{
    if (!EqualsIgnoringCase(inner.Drive, outer.Drive) || inner.Parts.size() < outer.Parts.size())
        return false;
    for (std::size_t i = 0; i < outer.Parts.size(); ++i)
        if (!EqualsIgnoringCase(inner.Parts[i], outer.Parts[i]))
            return false;
    return true;
}

FolderParts ParentOf(FolderParts folder)
{
    if (!folder.Parts.empty())
        folder.Parts.pop_back();
    return folder;
}

void AddFullPath(std::vector<FolderParts>& list, std::string_view path)
{
    FolderParts parts = SplitFullPath(TidyRuleFolder(path));
    if (!parts.Drive.empty())
        list.push_back(std::move(parts));
}

// Number of key parts of `key` below `root`, or -1 when `root` does not hold it.
int LevelsBelow(std::string_view key, std::string_view root)
{
    if (!root.empty()) {
        if (key.size() < root.size() || !EqualsIgnoringCase(key.substr(0, root.size()), root))
            return -1;
        if (key.size() > root.size() && key[root.size()] != '\\')
            return -1;
        key.remove_prefix(root.size());
    }
    int levels = 0;
    bool inPart = false;
    for (char c : key) {
        if (c == '\\') {
            inPart = false;
        } else if (!inPart) {
            inPart = true;
            ++levels;
        }
    }
    return levels;
}

} // namespace

std::optional<Refusal> CheckFolderPart(std::string_view part)
{
    if (IsDotPart(part))
        return Refusal::DotPart;
    if (IsAmbiguousPart(part))
        return Refusal::AmbiguousPart;
    return std::nullopt;
}

std::string_view RefusalName(Refusal refusal)
{
    return kRefusalNames[static_cast<std::size_t>(refusal)];
}

SafetyRules::SafetyRules(const RuleFolders& folders, std::vector<std::string> more, KeptFolderCheck kept)
    : kept_(std::move(kept))
{
    for (std::size_t i = 0; i < kFolderVariableCount; ++i)
        for (const std::string& folder : folders.Of(static_cast<FolderVariable>(i)))
            AddFullPath(protected_, folder);
    for (const std::string& windows : folders.Of(FolderVariable::WinDir))
        for (std::string_view inside : kProtectedWindowsFolders)
            AddFullPath(protected_, windows + '\\' + std::string(inside));
    for (const std::string& folder : more)
        AddFullPath(protected_, folder);

    for (const std::string& profile : folders.Of(FolderVariable::UserProfile)) {
        FolderParts parts = SplitFullPath(profile);
        if (parts.Drive.empty() || parts.Parts.empty())
            continue;
        containers_.push_back(ParentOf(parts));
        containers_.push_back(std::move(parts));
    }
    for (const std::string& folder : folders.Of(FolderVariable::Public))
        AddFullPath(containers_, folder);
}

bool SafetyRules::IsProtectedOrHoldsOne(const FolderParts& folder) const
{
    return std::any_of(protected_.begin(), protected_.end(),
                       [&](const FolderParts& kept) { return IsAtOrBelow(kept, folder); });
}

bool SafetyRules::IsInsideContainer(const FolderParts& folder) const
{
    if (folder.Parts.size() == 1)
        return true; // directly inside a drive root
    const FolderParts parent = ParentOf(folder);
    return std::any_of(containers_.begin(), containers_.end(), [&](const FolderParts& container) {
        return IsAtOrBelow(parent, container) && IsAtOrBelow(container, parent);
    });
}

bool SafetyRules::IsProtectedOrContainer(const FolderParts& folder) const
{
    if (folder.Parts.empty())
        return true;
    const auto same = [&](const FolderParts& other) { return IsAtOrBelow(folder, other) && IsAtOrBelow(other, folder); };
    return std::any_of(protected_.begin(), protected_.end(), same) ||
           std::any_of(containers_.begin(), containers_.end(), same);
}

std::optional<Refusal> SafetyRules::CheckFolder(const std::string& folder, bool recursive) const
{
    const FolderParts parts = SplitFullPath(folder);
    if (parts.Drive.empty())
        return Refusal::NotAFullPath;
    if (parts.Parts.empty())
        return Refusal::DriveRoot;
    for (const std::string& part : parts.Parts) {
        if (auto refusal = CheckFolderPart(part))
            return refusal;
        if (HasWildcard(part))
            return Refusal::AmbiguousPart;
    }
    if (IsProtectedOrHoldsOne(parts) || IsInsideContainer(parts))
        return Refusal::ProtectedFolder;
    if (kept_ && kept_(folder, recursive))
        return Refusal::KeptFolder;
    return std::nullopt;
}

std::optional<Refusal> SafetyRules::CheckWildcards(std::string_view folder) const
{
    FolderParts parts = SplitFullPath(folder);
    if (parts.Drive.empty())
        return Refusal::NotAFullPath;
    for (std::size_t i = 0; i < parts.Parts.size(); ++i) {
        // Refused before the machine is asked to list anything.
        if (auto refusal = CheckFolderPart(parts.Parts[i]))
            return refusal;
        if (!HasWildcard(parts.Parts[i]))
            continue;
        const bool followedByName = i + 1 < parts.Parts.size() && !HasWildcard(parts.Parts[i + 1]);
        FolderParts parent{parts.Drive, {parts.Parts.begin(), parts.Parts.begin() + static_cast<std::ptrdiff_t>(i)}};
        if (!followedByName && IsProtectedOrContainer(parent))
            return Refusal::WildcardOverFolder;
    }
    return std::nullopt;
}

std::optional<Refusal> CheckRegistryKey(const RegistryPath& key)
{
    // The deepest shared root holding the key decides; the first root of a hive is its area.
    int levels = -1;
    for (const SharedRegistryRoot& root : kSharedRegistryRoots) {
        if (root.Hive != key.Hive)
            continue;
        const int below = LevelsBelow(key.Key, root.Key);
        if (below < 0) {
            if (levels < 0)
                return Refusal::RegistryOutside;
            continue;
        }
        levels = below;
    }
    if (levels < 0)
        return Refusal::RegistryOutside;
    return levels >= 2 ? std::nullopt : std::optional<Refusal>(Refusal::RegistryTooHigh);
}

} // namespace aw
