#include "apprules/entry_clean.h"

#include "apprules/system_rules.h"
#include "cleaner/file_removal.h"
#include "cleaner/path_rules.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"
#include "platform/registry_key.h"

#include <new>

namespace aw {

namespace {

bool MatchesAny(std::string_view name, const std::vector<std::string>& patterns)
{
    for (const std::string& pattern : patterns)
        if (MatchesMask(name, pattern))
            return true;
    return false;
}

class TargetCleaner {
public:
    TargetCleaner(const EntryTargets& targets, const SafetyRules& safety, CleanSink& sink, CleanCounters& counters)
        : targets_(targets), safety_(safety), sink_(sink), counters_(counters)
    {
    }

    void Files(const FileTarget& target)
    {
        // The folder itself must be a plain folder: a rule never leads through a link.
        if (!IsSafeFolderTarget(target.Folder) || !PlainFolderExists(target.Folder))
            return;
        const std::string longPath = LongPathOf(target.Folder);
        if (longPath.empty() || safety_.CheckFolder(TidyRuleFolder(longPath), target.Recurse))
            return;
        const bool emptied = Walk(target.Folder, target);
        if (target.RemoveSelf && emptied && !targets_.Exclusions.KeepsFolder(target.Folder))
            sink_.removeFolder(target.Folder);
    }

    void Key(const KeyTarget& target)
    {
        const HKEY root = HiveRoot(target.Key.Hive);
        if (target.Value) {
            if (!targets_.Exclusions.KeepsValue(target.Key, *target.Value))
                RemoveValue(root, target.Key.Key, *target.Value);
            return;
        }
        CleanKey(root, target.Key);
    }

private:
    // Hands every matching file of the folder (and, with Recurse, of its sub-folders) to the
    // sink; with RemoveSelf also the sub-folders it empties. True when everything the folder
    // held was handed over, so that it would be empty after a Clean.
    bool Walk(const std::string& folder, const FileTarget& target)
    {
        if (sink_.stopping())
            return false;
        const std::string base = WithTrailingBackslash(folder);
        bool everything = true;
        try {
            const FolderAnchor anchor(base);
            if (!anchor.valid())
                return false;
            for (DirectorySearch search(base + "*"); search.found(); search.next()) {
                if (sink_.stopping())
                    return false;
                const std::string& name = search.name();
                if (IsDotEntry(name))
                    continue;
                const std::string path = base + name;
                if (search.isDirectory()) {
                    // A link is neither entered nor removed.
                    if (search.isReparsePoint() || !target.Recurse) {
                        everything = false;
                        continue;
                    }
                    const bool emptied = Walk(path, target);
                    if (target.RemoveSelf && emptied && !targets_.Exclusions.KeepsFolder(path))
                        sink_.removeFolder(path);
                    else
                        everything = false;
                    continue;
                }
                if (!MatchesAny(name, target.Patterns) || targets_.Exclusions.KeepsFile(folder, name)) {
                    everything = false;
                    continue;
                }
                const Removal removal = sink_.removeFile(anchor, path, name, search.attributes(), search.size());
                if (removal == Removal::Removed) {
                    counters_.FilesDeleted += 1;
                    counters_.BytesCleaned += search.size();
                } else {
                    everything = false;
                    if (LeavesFile(removal))
                        counters_.countLeft(removal == Removal::InUse);
                }
            }
        } catch (const std::bad_alloc&) {
            counters_.countLeft(false);
            return false;
        }
        return everything;
    }

    void RemoveValue(HKEY root, const std::string& key, const std::string& value)
    {
        // A value path splits at its last backslash: a name holding one cannot be named so.
        if (value.find('\\') != std::string::npos)
            return;
        RemoveValueCounted(sink_, root, key + "\\" + value, counters_);
    }

    // The key whole, or, when an exclusion keeps something below it, everything around that.
    void CleanKey(HKEY root, const RegistryPath& key)
    {
        if (sink_.stopping() || targets_.Exclusions.KeepsKey(key))
            return;
        if (!targets_.Exclusions.HoldsKept(key)) {
            RemoveKeyCounted(sink_, root, key.Key, counters_);
            return;
        }
        std::vector<std::string> subKeys, values;
        {
            const RegistryKey open = RegistryKey::Open(root, key.Key, KEY_READ);
            if (!open)
                return;
            std::string name;
            for (DWORD index = 0; open.SubKeyName(index, name) == ERROR_SUCCESS; ++index)
                subKeys.push_back(name);
            for (DWORD index = 0; open.ValueName(index, name) == ERROR_SUCCESS; ++index)
                values.push_back(name);
        }
        for (const std::string& value : values)
            if (!targets_.Exclusions.KeepsValue(key, value))
                RemoveValue(root, key.Key, value);
        for (const std::string& subKey : subKeys)
            CleanKey(root, RegistryPath{key.Hive, key.Key + "\\" + subKey});
    }

    const EntryTargets& targets_;
    const SafetyRules& safety_;
    CleanSink& sink_;
    CleanCounters& counters_;
};

} // namespace

void CleanEntryTargets(const EntryTargets& targets, const SafetyRules& safety, CleanSink& sink,
                       CleanCounters& counters)
{
    TargetCleaner cleaner(targets, safety, sink, counters);
    for (const FileTarget& target : targets.Files) {
        if (sink.stopping())
            return;
        cleaner.Files(target);
    }
    for (const KeyTarget& target : targets.Keys) {
        if (sink.stopping())
            return;
        cleaner.Key(target);
    }
}

} // namespace aw
