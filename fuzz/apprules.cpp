// Feeds arbitrary text to the reader of the community rule file and every entry it keeps to
// the resolver, on a made-up machine whose wildcards match awkward names. Beyond memory
// errors and unbounded work it checks, with rules written apart from the program's, that the
// counts add up, that every entry is well formed, and that no target it yields is a drive
// root, climbs, holds one of the machine's folders, or is a registry key outside the areas
// rules may clean.
#include "apprules/entry_resolver.h"
#include "apprules/rule_names.h"
#include "apprules/rule_text.h"
#include "apprules/rules_reader.h"
#include "cleaner/path_rules.h"
#include "platform/text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The entries each input resolves: enough to reach every rule kind, few enough to stay fast.
constexpr std::size_t kResolvedEntries = 32;

const char* const kMachineFolders[][2] = {
    {"%AppData%", "C:\\Users\\u\\AppData\\Roaming"},
    {"%LocalAppData%", "C:\\Users\\u\\AppData\\Local"},
    {"%LocalLowAppData%", "C:\\Users\\u\\AppData\\LocalLow"},
    {"%ProgramData%", "C:\\ProgramData"},
    {"%ProgramFiles%", "C:\\Program Files (x86)"},
    {"%ProgramFiles%", "C:\\Program Files"},
    {"%CommonProgramFiles%", "C:\\Program Files (x86)\\Common Files"},
    {"%CommonProgramFiles%", "C:\\Program Files\\Common Files"},
    {"%UserProfile%", "C:\\Users\\u"},
    {"%Public%", "C:\\Users\\Public"},
    {"%SystemDrive%", "C:"},
    {"%WinDir%", "C:\\Windows"},
    {"%Documents%", "C:\\Users\\u\\Documents"},
};

aw::RuleFolders MachineFolders()
{
    aw::RuleFolders folders;
    for (std::size_t i = 1; i < aw::kFolderVariableCount; ++i) {
        const auto variable = static_cast<aw::FolderVariable>(i);
        std::vector<std::string> values;
        for (const auto& row : kMachineFolders)
            if (aw::EqualsIgnoringCase(row[0], std::string(aw::FolderVariableText(variable))))
                values.push_back(row[1]);
        folders.Set(variable, values);
    }
    return folders;
}

// Every folder has the same sub-folders, among them names a machine should never list.
class FuzzMachine final : public aw::RuleMachine {
public:
    std::vector<std::string> SubfolderNames(const std::string&) const override
    {
        return {"Cache", "Windows", "Users", "u", "AppData", "..", ".", "a\\b", "PROGRA~1", "Program Files"};
    }
    bool HasEntryMatching(const std::string&, std::string_view) const override { return true; }
    bool KeyExists(const aw::RegistryPath&) const override { return true; }
};

std::vector<std::string> Parts(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

void CheckProblemLog(const aw::ProblemLog& log, std::size_t limit)
{
    std::size_t sum = 0;
    for (std::size_t i = 0; i < aw::kRuleProblemKindCount; ++i)
        sum += log.Count(static_cast<aw::RuleProblemKind>(i));
    Check(sum == log.Total());
    Check(log.Recorded().size() == std::min(log.Total(), limit));
}

void CheckKey(const aw::RegistryPath& key)
{
    Check(key.Key.empty() || (key.Key.front() != '\\' && key.Key.back() != '\\'));
    Check(key.Key.find("\\\\") == std::string::npos);
}

void CheckEntry(const aw::AppEntry& entry)
{
    Check(aw::IsUsableRuleName(entry.Name));
    Check(!entry.Category.empty());
    Check(!entry.Files.empty() || !entry.Keys.empty());
    Check(entry.Detect.Conditional || (entry.Detect.Keys.empty() && entry.Detect.Files.empty()));
    for (const aw::FileRule& rule : entry.Files) {
        Check(!rule.Patterns.empty());
        Check(!rule.RemoveSelf || rule.Recurse);
        for (const std::string& pattern : rule.Patterns)
            Check(aw::IsPlainMask(pattern) && pattern != "." && pattern != "..");
    }
    for (const aw::RegistryRule& rule : entry.Keys) {
        CheckKey(rule.Key);
        Check(!rule.Value || !rule.Value->empty());
    }
    CheckProblemLog(entry.Problems, aw::kEntryProblemRecords);
}

// Written apart from the safety rules: a full path at least two named levels below its drive,
// no part that climbs or stays, no wildcard, and none of the machine's folders or a folder
// holding one.
void CheckFolderTarget(const aw::FileTarget& target)
{
    const std::string& folder = target.Folder;
    Check(folder.size() > 3 && folder[1] == ':' && folder[2] == '\\' && folder.back() != '\\');
    const std::vector<std::string> parts = Parts(folder.substr(3));
    Check(parts.size() >= 2);
    for (const std::string& part : parts) {
        Check(!part.empty() && part.find_first_not_of(". ") != std::string::npos);
        Check(part.find_first_of("*?:") == std::string::npos);
        for (std::size_t i = 0; i + 1 < part.size(); ++i)
            Check(!(part[i] == '~' && part[i + 1] >= '0' && part[i + 1] <= '9'));
    }
    const std::string lower = aw::AsciiLower(folder);
    for (const auto& row : kMachineFolders) {
        const std::string machine = aw::AsciiLower(row[1]);
        Check(machine != lower && machine.rfind(lower + "\\", 0) != 0);
    }
    for (const std::string& pattern : target.Patterns)
        Check(aw::IsPlainMask(pattern));
}

void CheckKeyTarget(const aw::KeyTarget& target)
{
    const std::vector<std::string> parts = Parts(target.Key.Key);
    if (target.Key.Hive == aw::RegistryHive::CurrentUser) {
        Check(parts.size() >= 2);
    } else {
        Check(target.Key.Hive == aw::RegistryHive::LocalMachine);
        Check(parts.size() >= 3 && aw::EqualsIgnoringCase(parts[0], "Software"));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const aw::AppRules rules = aw::ReadAppRules(text);
    CheckProblemLog(rules.Problems, aw::kFileProblemRecords);
    Check(rules.Entries.size() <= aw::kMaxRuleEntries);

    static const aw::RuleFolders folders = MachineFolders();
    static const aw::SafetyRules safety(folders, {}, nullptr);
    static const FuzzMachine machine;
    for (std::size_t i = 0; i < rules.Entries.size(); ++i) {
        const aw::AppEntry& entry = rules.Entries[i];
        CheckEntry(entry);
        if (i >= kResolvedEntries)
            continue;
        aw::IsEntryDetected(entry, folders, machine);
        const aw::EntryTargets targets = aw::ResolveEntry(entry, folders, safety, machine);
        for (const aw::FileTarget& target : targets.Files)
            CheckFolderTarget(target);
        for (const aw::KeyTarget& target : targets.Keys)
            CheckKeyTarget(target);
    }
    return 0;
}
