#include "apprules/entry_resolver.h"

#include "apprules/folder_wildcards.h"
#include "apprules/rule_names.h"

#include <algorithm>

namespace aw {

namespace {

std::string JoinParts(const FolderParts& folder, std::size_t count)
{
    std::string path = folder.Drive + '\\';
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            path += '\\';
        path += folder.Parts[i];
    }
    return path;
}

class EntryResolver {
public:
    EntryResolver(const RuleFolders& folders, const SafetyRules& safety, const RuleMachine& machine)
        : folders_(folders), safety_(safety), machine_(machine)
    {
    }

    EntryTargets Resolve(const AppEntry& entry)
    {
        targets_.Exclusions = ExclusionSet(entry.Exclusions, folders_);
        for (const FileRule& rule : entry.Files)
            AddFileRule(rule);
        for (const RegistryRule& rule : entry.Keys)
            AddRegistryRule(rule);
        return std::move(targets_);
    }

private:
    void Refuse(std::size_t line, Refusal reason, std::string what)
    {
        targets_.Refused.push_back({line, reason, std::move(what)});
    }

    void AddFileRule(const FileRule& rule)
    {
        for (const std::string& path : ExpandRulePath(rule.Folder, folders_)) {
            std::vector<std::string> found{path};
            if (HasWildcard(path)) {
                if (auto refusal = safety_.CheckWildcards(path)) {
                    Refuse(rule.Line, *refusal, path);
                    continue;
                }
                WildcardFolders expanded = ExpandFolderWildcards(path, machine_);
                if (expanded.TooMany) {
                    Refuse(rule.Line, Refusal::TooManyFolders, path);
                    continue;
                }
                found = std::move(expanded.Folders);
            }
            for (std::string& folder : found) {
                if (auto refusal = safety_.CheckFolder(folder, rule.Recurse)) {
                    Refuse(rule.Line, *refusal, std::move(folder));
                    continue;
                }
                targets_.Files.push_back({rule.Line, std::move(folder), rule.Patterns, rule.Recurse, rule.RemoveSelf});
            }
        }
    }

    void AddRegistryRule(const RegistryRule& rule)
    {
        if (auto refusal = CheckRegistryKey(rule.Key)) {
            std::string what = RegistryPathText(rule.Key);
            if (rule.Value)
                what += '|' + *rule.Value;
            return Refuse(rule.Line, *refusal, std::move(what));
        }
        const ExclusionSet& exclusions = targets_.Exclusions;
        const bool kept = rule.Value ? exclusions.KeepsValue(rule.Key, *rule.Value)
                                     : exclusions.KeepsKey(rule.Key);
        if (!kept)
            targets_.Keys.push_back({rule.Line, rule.Key, rule.Value});
    }

    const RuleFolders& folders_;
    const SafetyRules& safety_;
    const RuleMachine& machine_;
    EntryTargets targets_;
};

bool FileIsPresent(const std::string& path, const RuleMachine& machine)
{
    const FolderParts parts = SplitFullPath(path);
    if (parts.Drive.empty() || parts.Parts.empty())
        return false;
    const std::string parent = JoinParts(parts, parts.Parts.size() - 1);
    const WildcardFolders folders = ExpandFolderWildcards(parent, machine);
    return std::any_of(folders.Folders.begin(), folders.Folders.end(), [&](const std::string& folder) {
        return machine.HasEntryMatching(folder, parts.Parts.back());
    });
}

} // namespace

EntryTargets ResolveEntry(const AppEntry& entry, const RuleFolders& folders, const SafetyRules& safety,
                          const RuleMachine& machine)
{
    return EntryResolver(folders, safety, machine).Resolve(entry);
}

bool IsEntryDetected(const AppEntry& entry, const RuleFolders& folders, const RuleMachine& machine)
{
    const Detection& detect = entry.Detect;
    if (!detect.Conditional)
        return true;
    if (std::any_of(detect.Keys.begin(), detect.Keys.end(), [&](const RegistryPath& key) { return machine.KeyExists(key); }))
        return true;
    return std::any_of(detect.Files.begin(), detect.Files.end(), [&](const RulePath& file) {
        const auto paths = ExpandRulePath(file, folders);
        return std::any_of(paths.begin(), paths.end(), [&](const std::string& path) { return FileIsPresent(path, machine); });
    });
}

} // namespace aw
