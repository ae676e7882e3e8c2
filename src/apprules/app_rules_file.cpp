#include "apprules/app_rules_file.h"

#include "apprules/app_catalogue.h"
#include "apprules/entry_clean.h"
#include "apprules/entry_resolver.h"
#include "apprules/rules_reader.h"
#include "apprules/system_rules.h"
#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/open_file.h"

namespace aw {

std::string AppRulesFilePath()
{
    const std::string folder = GetExeFolder();
    return folder.empty() ? std::string() : folder + kAppRulesFileName;
}

AppRulesReading ReadDetectedAppRules(const std::string& path)
{
    AppRulesReading reading;
    if (path.empty() || !FileExists(path))
        return reading;
    reading.Found = true;
    std::string text;
    // One byte past the limit, so that the reader tells a larger file apart.
    if (!ReadFileStart(path, kMaxRuleFileBytes + 1, text)) {
        reading.Unreadable = true;
        return reading;
    }
    AppRules rules = ReadAppRules(text);
    reading.Problems = rules.Problems;
    reading.Unreadable = rules.Problems.Count(RuleProblemKind::FileTooLarge) > 0 ||
                         rules.Problems.Count(RuleProblemKind::NotUtf8) > 0;
    reading.EntriesRead = rules.Entries.size();
    const RuleFolders folders = SystemRuleFolders();
    const SystemRuleMachine machine;
    for (AppEntry& entry : rules.Entries)
        if (IsEntryDetected(entry, folders, machine))
            reading.Detected.push_back(std::move(entry));
    return reading;
}

void CleanAppEntries(const std::vector<AppEntry>& entries, CleanSink& sink, CleanCounters& counters)
{
    if (entries.empty())
        return;
    const RuleFolders folders = SystemRuleFolders();
    const SafetyRules safety = SystemSafetyRules(folders);
    const SystemRuleMachine machine;
    for (const AppEntry& entry : entries) {
        if (sink.stopping())
            return;
        sink.beginCategory(AppGroupText(entry.Category), entry.Name);
        CleanEntryTargets(ResolveEntry(entry, folders, safety, machine), safety, sink, counters);
    }
}

} // namespace aw
