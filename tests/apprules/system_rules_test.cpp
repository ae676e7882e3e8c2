// The application rules under Wine, on real files and keys of the sandbox's prefix: the test
// file's entries detected on this machine, carried out through the cleaner's sinks (the
// preview's list equal to what a Clean removes), exclusions and REMOVESELF honoured, and the
// hostile entries removing nothing.
#include "apprules/app_rules_file.h"
#include "apprules/entry_resolver.h"
#include "apprules/fake_rule_machine.h"
#include "apprules/rules_reader.h"
#include "apprules/system_rules.h"
#include "cleaner/clean_log.h"
#include "cleaner/clean_plan.h"
#include "cleaner/wine_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <map>
#include <set>

namespace aw {
namespace {

std::map<std::string, AppEntry> TestEntries()
{
    std::map<std::string, AppEntry> entries;
    for (AppEntry& entry : ReadAppRules(test::ReadTestRules()).Entries)
        entries.emplace(entry.Name, std::move(entry));
    return entries;
}

std::vector<AppEntry> AllTestEntries()
{
    return ReadAppRules(test::ReadTestRules()).Entries;
}

class AppRulesOnThisMachine : public ::testing::Test {
protected:
    void SetUp() override { test::RequireSandbox(); }

    const std::string roaming = test::ShellFolder(CSIDL_APPDATA);
    const std::string local = test::ShellFolder(CSIDL_LOCAL_APPDATA);
    const std::string profile = test::ShellFolder(CSIDL_PROFILE);
    const std::string desktop = test::ShellFolder(CSIDL_DESKTOPDIRECTORY);
    test::Seeds seeds;
};

TEST_F(AppRulesOnThisMachine, DetectionByKeyByFileInEitherProgramFolderAndByNothingWritten)
{
    const RuleFolders folders = SystemRuleFolders();
    const SystemRuleMachine machine;
    std::map<std::string, AppEntry> entries = TestEntries();
    ASSERT_FALSE(folders.Of(FolderVariable::ProgramFiles).empty());
    EXPECT_FALSE(IsEntryDetected(entries.at("Quillpad Editor"), folders, machine));
    EXPECT_FALSE(IsEntryDetected(entries.at("Tinsel Player"), folders, machine));
    EXPECT_FALSE(IsEntryDetected(entries.at("Harbor Chat"), folders, machine));

    seeds.key("Software\\Quillpad");
    seeds.file(folders.Of(FolderVariable::ProgramFiles).back() + "\\Tinsel\\tinsel.exe", 10);
    // A wildcard in the detected name: "%LocalAppData%\Harbor*".
    seeds.folder(local + "\\HarborNightly");
    EXPECT_TRUE(IsEntryDetected(entries.at("Quillpad Editor"), folders, machine));
    EXPECT_TRUE(IsEntryDetected(entries.at("Tinsel Player"), folders, machine));
    EXPECT_TRUE(IsEntryDetected(entries.at("Harbor Chat"), folders, machine));
    EXPECT_TRUE(IsEntryDetected(entries.at("Pebble Game"), folders, machine));
    EXPECT_FALSE(IsEntryDetected(entries.at("Missing App"), folders, machine));
    EXPECT_FALSE(IsEntryDetected(entries.at("Ledger Tool"), folders, machine));
}

TEST_F(AppRulesOnThisMachine, PreviewListsExactlyWhatCleanRemovesAndHostileEntriesRemoveNothing)
{
    const std::string quill = roaming + "\\Quillpad";
    const std::string cache = local + "\\Quillpad\\Cache";
    const std::string sessions = local + "\\Quillpad\\Sessions";
    for (const char* name : {"a.bak", "b.tmp", "keep.tmp", "notes.txt", "sub\\c.bak"})
        seeds.file(quill + "\\" + name, 100);
    for (const char* name : {"x.dat", "deep\\y.dat", "Pinned\\p.dat"})
        seeds.file(cache + "\\" + name, 200);
    for (const char* name : {"s1.ses", "inner\\s2.ses"})
        seeds.file(sessions + "\\" + name, 300);
    seeds.value("Software\\Quillpad\\Recent", "File1", "a");
    seeds.value("Software\\Quillpad\\Recent\\Pinned", "File1", "b");
    seeds.value("Software\\Quillpad\\Recent\\Other", "File1", "c");
    seeds.value("Software\\Quillpad\\Settings", "LastFolder", "d");
    seeds.value("Software\\Quillpad\\Settings", "Theme", "e");
    // What the hostile entries name, and the user's own folders.
    const std::vector<std::string> canaries = {profile + "\\canary-profile.txt", local + "\\Canary\\canary.log",
                                               desktop + "\\canary.txt", roaming + "\\canary.log"};
    for (const std::string& canary : canaries)
        seeds.file(canary, 10);
    seeds.value("Software\\CanaryVendor", "Kept", "f");

    const std::vector<AppEntry> entries = AllTestEntries();
    CleanPlan plan;
    PlanRecorder recorder(plan);
    CleanCounters planned;
    CleanAppEntries(entries, recorder, planned);

    CleanLog log;
    DeletingSink deleting;
    RecordingSink recording(deleting, log, Recording::EveryEntry);
    CleanCounters counters;
    CleanAppEntries(entries, recording, counters);

    std::set<std::string> previewed, removed;
    for (const PlanEntry& entry : plan.Entries)
        previewed.insert(std::string(PlanKindName(entry.Kind)) + " " + entry.Path);
    for (std::size_t i = 0; i < log.Plan.Entries.size(); ++i) {
        EXPECT_EQ(EntryResult::Removed, log.Results[i]) << log.Plan.Entries[i].Path;
        removed.insert(std::string(PlanKindName(log.Plan.Entries[i].Kind)) + " " + log.Plan.Entries[i].Path);
    }
    EXPECT_EQ(previewed, removed);
    // a.bak, b.tmp; x.dat, y.dat; s1.ses, s2.ses.
    EXPECT_EQ(6, counters.FilesDeleted);
    EXPECT_EQ(2 * 100 + 2 * 200 + 2 * 300, counters.BytesCleaned);
    // Recent's value File1 and its sub-key Other (around Pinned), and the value LastFolder.
    EXPECT_EQ(3, counters.RegistryKeysDeleted);

    EXPECT_FALSE(test::PathExists(quill + "\\a.bak"));
    EXPECT_FALSE(test::PathExists(quill + "\\b.tmp"));
    EXPECT_TRUE(test::PathExists(quill + "\\keep.tmp"));    // FILE exclusion
    EXPECT_TRUE(test::PathExists(quill + "\\notes.txt"));   // no pattern names it
    EXPECT_TRUE(test::PathExists(quill + "\\sub\\c.bak"));  // no RECURSE
    EXPECT_FALSE(test::PathExists(cache + "\\x.dat"));
    EXPECT_FALSE(test::PathExists(cache + "\\deep\\y.dat"));
    EXPECT_TRUE(test::IsFolder(cache + "\\deep"));           // RECURSE alone removes no folder
    EXPECT_TRUE(test::PathExists(cache + "\\Pinned\\p.dat")); // PATH exclusion
    EXPECT_FALSE(test::PathExists(sessions));                 // REMOVESELF: emptied, then itself
    EXPECT_TRUE(test::IsFolder(local + "\\Quillpad"));        // but not the folder above

    EXPECT_FALSE(test::ValueExists("Software\\Quillpad\\Recent", "File1"));
    EXPECT_FALSE(test::KeyExists("Software\\Quillpad\\Recent\\Other"));
    EXPECT_TRUE(test::ValueExists("Software\\Quillpad\\Recent\\Pinned", "File1")); // REG exclusion
    EXPECT_FALSE(test::ValueExists("Software\\Quillpad\\Settings", "LastFolder"));
    EXPECT_TRUE(test::ValueExists("Software\\Quillpad\\Settings", "Theme"));

    for (const std::string& canary : canaries)
        EXPECT_TRUE(test::PathExists(canary)) << canary;
    EXPECT_TRUE(test::ValueExists("Software\\CanaryVendor", "Kept"));
}

TEST_F(AppRulesOnThisMachine, FoldersWhereBuiltInLocationsKeepSomethingAndTheUsersOwnAreRefused)
{
    const RuleFolders folders = SystemRuleFolders();
    const SafetyRules safety = SystemSafetyRules(folders);
    // "Recent Folder" and "Jump Lists" keep the Quick Access pins in the recent-items folder.
    const std::string recent = TidyRuleFolder(test::ShellFolder(CSIDL_RECENT));
    ASSERT_FALSE(recent.empty());
    EXPECT_EQ(Refusal::KeptFolder, safety.CheckFolder(recent + "\\AutomaticDestinations", false));
    EXPECT_EQ(Refusal::KeptFolder, safety.CheckFolder(recent, false));
    // Its siblings are any program's.
    const std::string above = recent.substr(0, recent.rfind('\\'));
    EXPECT_EQ(std::nullopt, safety.CheckFolder(above + "\\Vendor Cache", true));
    EXPECT_EQ(std::nullopt, safety.CheckFolder(TidyRuleFolder(local) + "\\Vendor\\Cache", true));
    EXPECT_EQ(Refusal::ProtectedFolder, safety.CheckFolder(TidyRuleFolder(desktop), false));
    EXPECT_EQ(Refusal::ProtectedFolder, safety.CheckFolder(TidyRuleFolder(profile) + "\\Downloads", false));
}

TEST_F(AppRulesOnThisMachine, TheFileBesideAProgramIsReadWithItsSkippedLinesCounted)
{
    const std::string path = local + "\\RulesBeside\\winapp2.ini";
    seeds.text(path, test::ReadTestRules());
    seeds.key("Software\\Quillpad");
    const AppRulesReading reading = ReadDetectedAppRules(path);
    EXPECT_TRUE(reading.Found);
    EXPECT_FALSE(reading.Unreadable);
    EXPECT_EQ(ReadAppRules(test::ReadTestRules()).Entries.size(), reading.EntriesRead);
    EXPECT_GT(reading.Problems.Total(), 0u);
    std::set<std::string> shown;
    for (const AppEntry& entry : reading.Detected)
        shown.insert(entry.Name);
    EXPECT_EQ(1u, shown.count("Quillpad Editor"));
    EXPECT_EQ(1u, shown.count("Pebble Game"));
    EXPECT_EQ(0u, shown.count("Missing App"));

    const AppRulesReading absent = ReadDetectedAppRules(local + "\\RulesBeside\\none.ini");
    EXPECT_FALSE(absent.Found);
    EXPECT_TRUE(absent.Detected.empty());
}

} // namespace
} // namespace aw
