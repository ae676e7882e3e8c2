// From the test file's entries to what they remove on a made-up machine: exactly what each
// names, nothing for the hostile ones, exclusions kept, detection by key and by file.
#include "apprules/entry_resolver.h"
#include "apprules/rule_names.h"
#include "apprules/rules_reader.h"
#include "fake_rule_machine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace aw {
namespace {

const std::string kLocal = "C:\\Users\\anna\\AppData\\Local\\";

std::vector<std::string> Describe(const EntryTargets& targets)
{
    std::vector<std::string> lines;
    for (const FileTarget& target : targets.Files) {
        std::string line = target.Folder + " :";
        for (const std::string& pattern : target.Patterns)
            line += " " + pattern;
        lines.push_back(line + (target.Recurse ? " recurse" : "") + (target.RemoveSelf ? " removeself" : ""));
    }
    for (const KeyTarget& target : targets.Keys)
        lines.push_back(RegistryPathText(target.Key) + (target.Value ? "|" + *target.Value : ""));
    return lines;
}

std::vector<std::string> DescribeRefused(const EntryTargets& targets)
{
    std::vector<std::string> lines;
    for (const RefusedTarget& refused : targets.Refused)
        lines.push_back(std::string(RefusalName(refused.Reason)) + ": " + refused.What);
    return lines;
}

class ResolvedTestFile : public ::testing::Test {
protected:
    ResolvedTestFile() : safety(folders, {"C:\\Users\\anna\\Desktop"}, nullptr)
    {
        machine.AddFolder(kLocal + "Harbor\\Profile One\\Cache");
        machine.AddFolder(kLocal + "Harbor\\Profile Two");
        machine.AddFile("C:\\Program Files\\Tinsel\\tinsel.exe");
        machine.AddKey("HKCU\\Software\\Quillpad");
        machine.AddKey("HKLM\\Software\\LedgerSoft\\Ledger");
        for (AppEntry& entry : ReadAppRules(test::ReadTestRules()).Entries)
            entries.emplace(entry.Name, std::move(entry));
    }

    EntryTargets Resolve(const std::string& name)
    {
        auto found = entries.find(name);
        if (found == entries.end()) {
            ADD_FAILURE() << "no entry " << name;
            return {};
        }
        return ResolveEntry(found->second, folders, safety, machine);
    }

    RuleFolders folders = test::MachineFolders();
    SafetyRules safety;
    test::FakeRuleMachine machine;
    std::map<std::string, AppEntry> entries;
};

TEST_F(ResolvedTestFile, EachEntryRemovesExactlyWhatItNames)
{
    const std::map<std::string, std::vector<std::string>> expected = {
        {"Quillpad Editor",
         {"C:\\Users\\anna\\AppData\\Roaming\\Quillpad : *.bak *.tmp", kLocal + "Quillpad\\Cache : *.* recurse",
          kLocal + "Quillpad\\Sessions : *.* recurse removeself", "HKCU\\Software\\Quillpad\\Recent",
          "HKCU\\Software\\Quillpad\\Settings|LastFolder"}},
        // %ProgramFiles% and %CommonProgramFiles% name both folders of a 64-bit machine.
        {"Tinsel Player",
         {"C:\\Program Files (x86)\\Tinsel\\Logs : *.log", "C:\\Program Files\\Tinsel\\Logs : *.log",
          "C:\\Program Files (x86)\\Common Files\\Tinsel\\Updates : *.part recurse removeself",
          "C:\\Program Files\\Common Files\\Tinsel\\Updates : *.part recurse removeself"}},
        // The wildcard stands for the profiles that exist; the part after it is taken as named.
        {"Harbor Chat",
         {kLocal + "Harbor\\Profile One\\Cache : *.* recurse", kLocal + "Harbor\\Profile Two\\Cache : *.* recurse",
          "C:\\Users\\anna\\AppData\\LocalLow\\Harbor : *.dmp", "HKLM\\Software\\Harbor\\Chat\\Telemetry"}},
        {"Ledger Tool",
         {"C:\\Users\\anna\\Documents\\Ledger\\Autosave : *.lautosave", "C:\\ProgramData\\LedgerSoft\\Logs : *.log *.txt",
          "C:\\Users\\Public\\Ledger\\Shared\\Temp : *.*", "C:\\Windows\\Temp\\Ledger : *.* recurse",
          "C:\\LedgerTemp\\Scratch : *.*", "C:\\Users\\anna\\.ledger\\cache : *.idx"}},
        {"Pebble Game", {kLocal + "Pebble\\Replays : *.rep"}},
        {"Missing App", {kLocal + "Nowhere : *.tmp"}},
        {"Long Line", {kLocal + "LongLine\\Logs : *.log"}},
        {"Oddities", {kLocal + "Oddities : *.log"}},
    };
    for (const auto& [name, targets] : expected) {
        const EntryTargets resolved = Resolve(name);
        EXPECT_EQ(targets, Describe(resolved)) << name;
        EXPECT_TRUE(resolved.Refused.empty()) << name;
    }
}

TEST_F(ResolvedTestFile, HostileEntriesRemoveNothingAndEveryLocationIsCountedAsRefused)
{
    const std::map<std::string, std::vector<std::string>> expected = {
        {"Hostile Drive Root", {"drive root: C:\\"}},
        {"Hostile Profile", {"protected folder: C:\\Users\\anna"}},
        {"Hostile Paths",
         {
             "dot part: C:\\Users\\anna\\AppData\\Roaming\\..\\..",
             "dot part: " + kLocal + "Vendor\\..\\..\\..",
             "protected folder: C:\\Program Files (x86)",
             "protected folder: C:\\Program Files",
             "protected folder: C:\\Windows",
             "protected folder: C:\\ProgramData",
             "wildcard over folders: " + kLocal + "*",
             "ambiguous part: C:\\PROGRA~1\\Vendor",
             "ambiguous part: C:\\Windows\\System32.",
             "not a full path: Vendor\\Relative",
             "protected folder: C:\\Users\\anna\\Desktop",
             "not a full path: \\\\server\\share\\folder",
             "wildcard over folders: C:\\Users\\*",
             "registry too high: HKCU\\Software",
             "registry too high: HKLM\\Software\\Vendor",
             "registry outside: HKLM\\System\\CurrentControlSet\\Services\\Vendor",
             "registry too high: HKCU",
             "registry outside: HKCR\\.txt",
             "registry too high: HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
         }},
    };
    for (const auto& [name, refused] : expected) {
        const EntryTargets resolved = Resolve(name);
        EXPECT_TRUE(resolved.Files.empty()) << name;
        EXPECT_TRUE(resolved.Keys.empty()) << name;
        EXPECT_EQ(refused, DescribeRefused(resolved)) << name;
    }
    // Refused before the machine is asked to list a single folder.
    EXPECT_EQ(0, machine.listings);
}

TEST_F(ResolvedTestFile, ExclusionsKeepTheirFilesFoldersKeysAndValues)
{
    const ExclusionSet keep = Resolve("Quillpad Editor").Exclusions;
    const std::string roaming = "C:\\Users\\anna\\AppData\\Roaming\\Quillpad";
    const std::string cache = kLocal + "Quillpad\\Cache";
    // FILE: that file name in that one folder.
    EXPECT_TRUE(keep.KeepsFile(roaming, "keep.tmp"));
    EXPECT_TRUE(keep.KeepsFile("c:\\users\\ANNA\\appdata\\roaming\\quillpad", "KEEP.TMP"));
    EXPECT_FALSE(keep.KeepsFile(roaming, "other.tmp"));
    EXPECT_FALSE(keep.KeepsFile(roaming + "\\Sub", "keep.tmp"));
    // PATH: the folder and everything below it.
    EXPECT_TRUE(keep.KeepsFile(cache + "\\Pinned", "page.bin"));
    EXPECT_TRUE(keep.KeepsFile(cache + "\\Pinned\\Deep\\Deeper", "page.bin"));
    EXPECT_FALSE(keep.KeepsFile(cache, "page.bin"));
    EXPECT_FALSE(keep.KeepsFile(cache + "\\Pinned2", "page.bin"));
    // Folders that hold, or are, kept ones are never removed.
    EXPECT_TRUE(keep.KeepsFolder(cache));
    EXPECT_TRUE(keep.KeepsFolder(cache + "\\Pinned"));
    EXPECT_TRUE(keep.KeepsFolder(cache + "\\Pinned\\Deep"));
    EXPECT_TRUE(keep.KeepsFolder(roaming));
    EXPECT_FALSE(keep.KeepsFolder(roaming + "\\Sub"));
    EXPECT_FALSE(keep.KeepsFolder(cache + "\\Other"));
    // REG: the key and its sub-keys stay; the key above is cleaned around them.
    const auto key = [](const char* path) { return RegistryPath{RegistryHive::CurrentUser, path}; };
    EXPECT_FALSE(keep.KeepsKey(key("Software\\Quillpad\\Recent")));
    EXPECT_TRUE(keep.HoldsKept(key("Software\\Quillpad\\Recent")));
    EXPECT_TRUE(keep.KeepsKey(key("software\\quillpad\\recent\\pinned")));
    EXPECT_TRUE(keep.KeepsKey(key("Software\\Quillpad\\Recent\\Pinned\\Deep")));
    EXPECT_FALSE(keep.HoldsKept(key("Software\\Quillpad\\Recent\\Pinned")));
    EXPECT_FALSE(keep.KeepsKey(key("Software\\Quillpad\\Recent\\Pinned2")));
    EXPECT_FALSE(keep.HoldsKept(key("Software\\Quillpad\\Settings")));
    EXPECT_TRUE(keep.KeepsValue(key("Software\\Quillpad\\Recent\\Pinned"), "File1"));
    EXPECT_FALSE(keep.KeepsValue(key("Software\\Quillpad\\Recent"), "File1"));
    EXPECT_FALSE(keep.KeepsKey({RegistryHive::LocalMachine, "Software\\Quillpad\\Recent\\Pinned"}));
}

TEST_F(ResolvedTestFile, ExcludedKeysAndValuesAreNoTargetsAndExclusionsExpandLikeRules)
{
    const AppEntry entry = ReadAppRules("[Vendor App *]\nLangSecRef=3021\n"
                                        "RegKey1=HKCU\\Software\\Vendor\\App|Keep\n"
                                        "RegKey2=HKCU\\Software\\Vendor\\App|Drop\n"
                                        "RegKey3=HKCU\\Software\\Vendor\\App\n"
                                        "RegKey4=HKCU\\Software\\Vendor\\Kept\\Inner\n"
                                        "ExcludeKey1=REG|HKCU\\Software\\Vendor\\App|Keep\n"
                                        "ExcludeKey2=REG|HKCU\\Software\\Vendor\\Kept\n"
                                        "ExcludeKey3=PATH|%ProgramFiles%\\Vendor\\*\\Keep\\|*.cfg\n")
                               .Entries.at(0);
    const EntryTargets targets = ResolveEntry(entry, folders, safety, machine);
    // The kept value goes; the key holding it stays a target, cleaned around it.
    EXPECT_EQ((std::vector<std::string>{"HKCU\\Software\\Vendor\\App|Drop", "HKCU\\Software\\Vendor\\App"}),
              Describe(targets));
    EXPECT_TRUE(targets.Exclusions.HoldsKept({RegistryHive::CurrentUser, "Software\\Vendor\\App"}));
    EXPECT_TRUE(targets.Exclusions.KeepsValue({RegistryHive::CurrentUser, "Software\\Vendor\\App"}, "keep"));
    EXPECT_FALSE(targets.Exclusions.KeepsValue({RegistryHive::CurrentUser, "Software\\Vendor\\App"}, "Drop"));
    for (const char* programs : {"C:\\Program Files", "C:\\Program Files (x86)"}) {
        EXPECT_TRUE(targets.Exclusions.KeepsFile(std::string(programs) + "\\Vendor\\Any Profile\\Keep", "a.cfg"));
        EXPECT_FALSE(targets.Exclusions.KeepsFile(std::string(programs) + "\\Vendor\\Any Profile\\Keep", "a.log"));
    }
}

TEST_F(ResolvedTestFile, DetectionByKeyByFileInEitherProgramFolderOrByNothingWritten)
{
    std::map<std::string, bool> detected;
    for (const auto& [name, entry] : entries)
        detected[name] = IsEntryDetected(entry, folders, machine);
    const std::map<std::string, bool> expected = {
        {"Quillpad Editor", true}, {"Tinsel Player", true},      {"Harbor Chat", true},
        {"Ledger Tool", true},     {"Pebble Game", true},        {"Missing App", false},
        {"Hostile Drive Root", true}, {"Hostile Profile", true}, {"Hostile Paths", true},
        {"Long Line", true},       {"Oddities", true},
    };
    EXPECT_EQ(expected, detected);

    // On a machine without them, the key, the file and the wildcard find nothing.
    test::FakeRuleMachine bare;
    for (const char* name : {"Quillpad Editor", "Tinsel Player", "Harbor Chat", "Ledger Tool"})
        EXPECT_FALSE(IsEntryDetected(entries.at(name), folders, bare)) << name;
    bare.AddFolder(kLocal + "HarborBeta");
    EXPECT_TRUE(IsEntryDetected(entries.at("Harbor Chat"), folders, bare));
    test::FakeRuleMachine wildcardFolder;
    wildcardFolder.AddFile("C:\\Users\\anna\\AppData\\Roaming\\Harbor\\harbor.cfg");
    EXPECT_TRUE(IsEntryDetected(entries.at("Harbor Chat"), folders, wildcardFolder));
}

TEST_F(ResolvedTestFile, AFolderTheMachineLacksOrTooManyWildcardMatchesNameNothing)
{
    // A 32-bit machine without LocalLow: nothing of %LocalLowAppData%, one program folder.
    RuleFolders older = folders;
    older.Set(FolderVariable::LocalLowAppData, {});
    older.Set(FolderVariable::ProgramFiles, {"C:\\Program Files", "c:\\program files\\"});
    const SafetyRules olderSafety(older, {}, nullptr);
    const EntryTargets harbor = ResolveEntry(entries.at("Harbor Chat"), older, olderSafety, machine);
    EXPECT_EQ(3u, harbor.Files.size() + harbor.Keys.size());
    EXPECT_TRUE(harbor.Refused.empty());
    const EntryTargets tinsel = ResolveEntry(entries.at("Tinsel Player"), older, olderSafety, machine);
    EXPECT_EQ(3u, tinsel.Files.size());

    const AppEntry many = ReadAppRules("[Many *]\nLangSecRef=3021\nFileKey1=%LocalAppData%\\Many\\*\\Cache|*.*\n").Entries.at(0);
    for (std::size_t i = 0; i < kMaxWildcardFolders; ++i)
        machine.AddFolder(kLocal + "Many\\Profile " + std::to_string(i));
    EXPECT_EQ(kMaxWildcardFolders, ResolveEntry(many, folders, safety, machine).Files.size());
    machine.AddFolder(kLocal + "Many\\One More");
    const EntryTargets tooMany = ResolveEntry(many, folders, safety, machine);
    EXPECT_TRUE(tooMany.Files.empty());
    EXPECT_EQ((std::vector<std::string>{"too many folders: " + kLocal + "Many\\*\\Cache"}), DescribeRefused(tooMany));
}

} // namespace
} // namespace aw
