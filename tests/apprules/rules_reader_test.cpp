// Reading the community rule file: the test file written for these tests, its encodings, and
// text no reader should trust.
#include "apprules/app_catalogue.h"
#include "apprules/rule_names.h"
#include "apprules/rules_reader.h"
#include "fake_rule_machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace aw {
namespace {

using test::LineOf;
using test::ReadTestRules;

std::string Describe(const RulePath& path)
{
    return std::string(FolderVariableText(path.Base)) + path.Rest;
}

// Everything an entry holds, as one text, so that two readings can be compared whole.
std::string Describe(const AppEntry& entry)
{
    std::string text = entry.Name + " [" + entry.Category + "] line " + std::to_string(entry.Line);
    text += entry.Detect.Conditional ? " detect:" : " always:";
    for (const RegistryPath& key : entry.Detect.Keys)
        text += " key " + RegistryPathText(key);
    for (const RulePath& file : entry.Detect.Files)
        text += " file " + Describe(file);
    text += " warning '" + entry.Warning + "'";
    for (const FileRule& rule : entry.Files) {
        text += " | files@" + std::to_string(rule.Line) + " " + Describe(rule.Folder) + " :";
        for (const std::string& pattern : rule.Patterns)
            text += " " + pattern;
        text += std::string(rule.Recurse ? " recurse" : "") + (rule.RemoveSelf ? " removeself" : "");
    }
    for (const RegistryRule& rule : entry.Keys)
        text += " | key@" + std::to_string(rule.Line) + " " + RegistryPathText(rule.Key) + (rule.Value ? "=" + *rule.Value : "");
    for (const Exclusion& exclusion : entry.Exclusions) {
        const char* kinds[] = {"FILE", "PATH", "REG"};
        text += std::string(" | keep@") + std::to_string(exclusion.Line) + " " + kinds[static_cast<int>(exclusion.Kind)] + " ";
        text += exclusion.Kind == ExclusionKind::Registry ? RegistryPathText(exclusion.Key) + (exclusion.Value ? "=" + *exclusion.Value : "")
                                                          : Describe(exclusion.Folder);
        for (const std::string& pattern : exclusion.Patterns)
            text += " " + pattern;
    }
    return text;
}

std::vector<std::string> Describe(const AppRules& rules)
{
    std::vector<std::string> lines;
    for (const AppEntry& entry : rules.Entries)
        lines.push_back(Describe(entry));
    for (const RuleProblem& problem : rules.Problems.Recorded())
        lines.push_back(std::string(RuleProblemName(problem.Kind)) + " @" + std::to_string(problem.Line));
    return lines;
}

const AppEntry* Find(const AppRules& rules, std::string_view name)
{
    for (const AppEntry& entry : rules.Entries)
        if (entry.Name == name)
            return &entry;
    return nullptr;
}

class TestRuleFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        text = ReadTestRules();
        ASSERT_FALSE(text.empty()) << "tests/apprules/winapp2_test.ini not found";
        rules = ReadAppRules(text);
    }

    std::size_t Line(std::string_view line) const
    {
        const std::size_t number = LineOf(text, line);
        EXPECT_NE(0u, number) << "no line " << line;
        return number;
    }

    const AppEntry& Entry(std::string_view name) const
    {
        const AppEntry* entry = Find(rules, name);
        if (!entry)
            ADD_FAILURE() << "no entry " << name;
        static const AppEntry none;
        return entry ? *entry : none;
    }

    std::string text;
    AppRules rules;
};

TEST_F(TestRuleFile, KeepsTheReadableEntriesInOrderAndSkipsTheOthersWithTheirLines)
{
    std::vector<std::pair<std::string, std::string>> read;
    for (const AppEntry& entry : rules.Entries)
        read.emplace_back(entry.Name, entry.Category);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Quillpad Editor", "Utilities"},   {"Tinsel Player", "Multimedia"},  {"Harbor Chat", "Internet"},
        {"Ledger Tool", "Office Tools"},    {"Pebble Game", "Applications"}, {"Missing App", "Applications"},
        {"Hostile Drive Root", "Windows"},  {"Hostile Profile", "Windows"},   {"Hostile Paths", "Windows"},
        {"Long Line", "Utilities"},         {"Oddities", "Utilities"},
    };
    EXPECT_EQ(expected, read);

    // Every problem outside Oddities, the entry that keeps its own.
    const std::vector<RuleProblem> sections = {
        {RuleProblemKind::OutsideEntry, Line("LangSecRef=3021")},
        {RuleProblemKind::NoCategory, Line("[Uncategorised *]")},
        {RuleProblemKind::UnknownCategory, Line("LangSecRef=3029")},
        {RuleProblemKind::NoCategory, Line("[Browser Number *]")},
        {RuleProblemKind::MalformedValue, Line("ExcludeKey1=PATH|%LocalAppData%\\Unread\\Keep")},
        {RuleProblemKind::ExclusionUnread, Line("[Unread Exclusion *]")},
        {RuleProblemKind::NothingToClean, Line("[Only Detection *]")},
        {RuleProblemKind::MalformedSection, Line("[Malformed Header]")},
        {RuleProblemKind::DuplicateEntry, Line("[quillpad editor *]")},
    };
    std::vector<RuleProblem> outside;
    const AppEntry& oddities = Entry("Oddities");
    const AppEntry& longLine = Entry("Long Line");
    for (const RuleProblem& problem : rules.Problems.Recorded()) {
        const auto& own = oddities.Problems.Recorded();
        const bool odd = std::find(own.begin(), own.end(), problem) != own.end();
        const bool isLong = problem.Kind == RuleProblemKind::LineTooLong && problem.Line == longLine.Line + 2;
        if (!odd && !isLong)
            outside.push_back(problem);
    }
    EXPECT_EQ(sections, outside);
    EXPECT_EQ(sections.size() + oddities.Problems.Total() + 1, rules.Problems.Total());
    EXPECT_EQ(1u, longLine.Problems.Count(RuleProblemKind::LineTooLong));
}

TEST_F(TestRuleFile, EachEntryHoldsExactlyWhatItsLinesSay)
{
    const std::string quillpad = Describe(Entry("Quillpad Editor"));
    const auto at = [&](std::string_view line) { return "@" + std::to_string(Line(line)) + " "; };
    EXPECT_EQ("Quillpad Editor [Utilities] line " + std::to_string(Line("[Quillpad Editor *]")) +
                  " detect: key HKCU\\Software\\Quillpad warning ''"
                  " | files" + at("FileKey1=%AppData%\\Quillpad|*.bak;*.tmp") + "%AppData%\\Quillpad : *.bak *.tmp"
                  " | files" + at("FileKey2=%LocalAppData%\\Quillpad\\Cache|*.*|RECURSE") +
                  "%LocalAppData%\\Quillpad\\Cache : *.* recurse"
                  " | files" + at("FileKey3=%localappdata%\\Quillpad\\Sessions|*.*|REMOVESELF") +
                  "%LocalAppData%\\Quillpad\\Sessions : *.* recurse removeself"
                  " | key" + at("RegKey1=HKCU\\Software\\Quillpad\\Recent") + "HKCU\\Software\\Quillpad\\Recent"
                  " | key" + at("RegKey2=HKCU\\Software\\Quillpad\\Settings|LastFolder") +
                  "HKCU\\Software\\Quillpad\\Settings=LastFolder"
                  " | keep" + at("ExcludeKey1=FILE|%AppData%\\Quillpad\\|keep.tmp") + "FILE %AppData%\\Quillpad\\ keep.tmp"
                  " | keep" + at("ExcludeKey2=PATH|%LocalAppData%\\Quillpad\\Cache\\Pinned\\|*.*") +
                  "PATH %LocalAppData%\\Quillpad\\Cache\\Pinned\\ *.*"
                  " | keep" + at("ExcludeKey3=REG|HKCU\\Software\\Quillpad\\Recent\\Pinned") +
                  "REG HKCU\\Software\\Quillpad\\Recent\\Pinned",
              quillpad);

    const AppEntry& tinsel = Entry("Tinsel Player");
    EXPECT_EQ("This also removes the podcasts Tinsel has downloaded.", tinsel.Warning);
    ASSERT_EQ(1u, tinsel.Detect.Files.size());
    EXPECT_EQ((RulePath{FolderVariable::ProgramFiles, "\\Tinsel\\tinsel.exe"}), tinsel.Detect.Files[0]);
    ASSERT_EQ(2u, tinsel.Files.size());
    EXPECT_TRUE(tinsel.Files[1].Recurse && tinsel.Files[1].RemoveSelf);
    EXPECT_EQ(FolderVariable::CommonProgramFiles, tinsel.Files[1].Folder.Base);

    const AppEntry& ledger = Entry("Ledger Tool");
    EXPECT_EQ((std::vector<RegistryPath>{{RegistryHive::LocalMachine, "Software\\LedgerSoft\\Ledger"},
                                         {RegistryHive::CurrentUser, "Software\\LedgerSoft\\Ledger"}}),
              ledger.Detect.Keys);
    std::vector<FolderVariable> bases;
    for (const FileRule& rule : ledger.Files)
        bases.push_back(rule.Folder.Base);
    EXPECT_EQ((std::vector<FolderVariable>{FolderVariable::Documents, FolderVariable::ProgramData,
                                           FolderVariable::Public, FolderVariable::WinDir,
                                           FolderVariable::SystemDrive, FolderVariable::UserProfile}),
              bases);

    EXPECT_FALSE(Entry("Pebble Game").Detect.Conditional);
    EXPECT_EQ(2u, Entry("Harbor Chat").Detect.Files.size());
    // The hostile paths are read as written: refusing them is the safety rules' job.
    EXPECT_EQ(12u, Entry("Hostile Paths").Files.size());
    EXPECT_EQ(6u, Entry("Hostile Paths").Keys.size());

    const AppEntry& longLine = Entry("Long Line");
    ASSERT_EQ(1u, longLine.Files.size());
    EXPECT_EQ("\\LongLine\\Logs", longLine.Files[0].Folder.Rest);
}

TEST_F(TestRuleFile, UnknownAndMalformedLinesAreSkippedAndCountedNeverGuessed)
{
    const AppEntry& entry = Entry("Oddities");
    // Only the one well-formed FileKey3 (the first of two) stands; no key, no detection.
    ASSERT_EQ(1u, entry.Files.size());
    EXPECT_EQ(Line("FileKey3=%LocalAppData%\\Oddities|*.log"), entry.Files[0].Line);
    EXPECT_TRUE(entry.Keys.empty());
    EXPECT_FALSE(entry.Detect.Conditional);
    EXPECT_TRUE(entry.Warning.empty());

    using K = RuleProblemKind;
    const std::vector<RuleProblem> expected = {
        {K::UnknownKey, Line("Default=False")},
        {K::UnknownKey, Line("SpecialDetect=DET_ODDITIES")},
        {K::UnknownKey, Line("FileKey0=%LocalAppData%\\Oddities|*.zero")},
        {K::UnknownKey, Line("FileKey01=%LocalAppData%\\Oddities|*.leading")},
        {K::UnknownFlag, Line("FileKey1=%LocalAppData%\\Oddities|*.tmp|RECURSIVE")},
        {K::UnknownVariable, Line("FileKey2=%Temp%\\Oddities|*.tmp")},
        {K::DuplicateKey, Line("FileKey3=%LocalAppData%\\Oddities|*.again")},
        {K::MalformedValue, Line("FileKey4=%LocalAppData%\\Oddities|sub\\*.log")},
        {K::MalformedValue, Line("FileKey5=%LocalAppData%\\Oddities")},
        {K::MalformedValue, Line("FileKey6=%LocalAppData%\\Oddities|*.log;")},
        {K::MalformedValue, Line("FileKey7=%LocalAppData%Oddities|*.log")},
        {K::MalformedValue, Line("RegKey1=HKXX\\Software\\Oddities")},
        {K::MalformedValue, Line("RegKey2=HKCU\\Software\\\\Oddities")},
        {K::MalformedValue, Line("RegKey3=HKCU\\Software\\Oddities|")},
        {K::MalformedLine, Line("a line without an equals sign")},
        {K::MalformedValue, Line("Warning=")},
    };
    // The entry records the first kEntryProblemRecords and counts them all.
    const std::vector<RuleProblem> recorded(expected.begin(), expected.begin() + kEntryProblemRecords);
    EXPECT_EQ(recorded, entry.Problems.Recorded());
    EXPECT_EQ(expected.size(), entry.Problems.Total());
    EXPECT_EQ(8u, entry.Problems.Count(K::MalformedValue));
}

TEST_F(TestRuleFile, ByteOrderMarkAndCarriageReturnsReadTheSame)
{
    std::string crlf = "\xEF\xBB\xBF";
    for (char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(Describe(rules), Describe(ReadAppRules(crlf)));
}

TEST(AppRulesReader, BytesThatAreNotTextNeverReachAnEntry)
{
    const std::string header = "[Vendor App *]\nLangSecRef=3021\n";
    const std::string good = "FileKey1=%LocalAppData%\\Vendor\\App|*.log\n";
    const std::string lines[] = {
        std::string("FileKey2=%LocalAppData%\\Vendor") + '\0' + "\\App|*.tmp\n",
        "FileKey2=%LocalAppData%\\Vendor\\App|\xC0\xAF.tmp\n", // an overlong "/"
        "FileKey2=%LocalAppData%\\Vendor\\App|\xED\xA0\x80.tmp\n", // a surrogate
        "FileKey2=%LocalAppData%\\Vendor\\App|\xC2\x85.tmp\n",     // a C1 control
        "FileKey2=%LocalAppData%\\Vendor\rApp|*.tmp\n",            // a lone CR ends no line
        "FileKey2=%LocalAppData%\\Vendor\\App|\xE2\x82.tmp\n",     // a sequence cut short
    };
    for (const std::string& line : lines) {
        const AppRules rules = ReadAppRules(header + line + good);
        ASSERT_EQ(1u, rules.Entries.size()) << line;
        EXPECT_EQ(1u, rules.Entries[0].Files.size()) << line;
        EXPECT_EQ(1u, rules.Problems.Count(RuleProblemKind::NotText)) << line;
        EXPECT_EQ(1u, rules.Problems.Total()) << line;
    }
    // UTF-8 names are text.
    const AppRules named = ReadAppRules("[Caf\xC3\xA9 \xE2\x9C\x93 *]\nLangSecRef=3021\n" + good);
    ASSERT_EQ(1u, named.Entries.size());
    EXPECT_EQ("Caf\xC3\xA9 \xE2\x9C\x93", named.Entries[0].Name);

    for (std::string mark : {std::string("\xFF\xFE"), std::string("\xFE\xFF"), std::string("\0\0\xFE\xFF", 4)}) {
        const AppRules rules = ReadAppRules(mark + header + good);
        EXPECT_TRUE(rules.Entries.empty());
        EXPECT_EQ((std::vector<RuleProblem>{{RuleProblemKind::NotUtf8, 0}}), rules.Problems.Recorded());
    }
}

TEST(AppRulesReader, ASectionThatCannotBeReadTakesItsLinesWithIt)
{
    // The keys after a header that is too long, not text or not an entry's must never fall to
    // the entry before it.
    const std::string first = "[First *]\nLangSecRef=3021\nFileKey1=%LocalAppData%\\First|*.log\n";
    const std::string hostileKeys = "LangSecRef=3021\nFileKey2=C:\\|*.*|RECURSE\nFileKey3=%LocalAppData%\\Other|*.*\n";
    const std::string headers[] = {
        "[" + std::string(kMaxRuleLineBytes, 'x') + " *]",
        std::string("[Nul\0Name *]", 12),
        "[No Star]",
        "[Star Without Space*]",
        "[ *]",
        "[Two [Brackets] *]",
        "[Equals=Sign *]",
        "[Unclosed *",
        "[First *]",
    };
    for (const std::string& header : headers) {
        const AppRules rules = ReadAppRules(first + header + "\n" + hostileKeys);
        ASSERT_EQ(1u, rules.Entries.size());
        EXPECT_EQ("First", rules.Entries[0].Name);
        ASSERT_EQ(1u, rules.Entries[0].Files.size());
        EXPECT_EQ(1u, rules.Problems.Total()) << header.substr(0, 40);
    }
}

TEST(AppRulesReader, LimitsHoldAgainstEndlessEntriesRulesAndProblems)
{
    std::string many;
    for (std::size_t i = 0; i <= kMaxRuleEntries; ++i)
        many += "[App " + std::to_string(i) + " *]\nSection=Apps\nFileKey1=%AppData%\\App|*.log\n";
    // Sections read and then skipped (this first one has no category) count as well, so
    // endless ones cannot grow what the reader keeps.
    const AppRules entries = ReadAppRules("[Lost *]\nFileKey1=%AppData%\\Lost|*.log\n" + many);
    EXPECT_EQ(kMaxRuleEntries - 1, entries.Entries.size());
    EXPECT_EQ(2u, entries.Problems.Count(RuleProblemKind::TooManyEntries));

    std::string rules = "[Big *]\nSection=Apps\n";
    for (std::size_t i = 1; i <= kMaxRulesPerEntry + 10; ++i)
        rules += "FileKey" + std::to_string(i) + "=%AppData%\\Big|*.log\n";
    rules += "Warning=Still read\nUnknown=1\n";
    const AppRules big = ReadAppRules(rules);
    ASSERT_EQ(1u, big.Entries.size());
    EXPECT_EQ(kMaxRulesPerEntry, big.Entries[0].Files.size());
    EXPECT_EQ(10u, big.Problems.Count(RuleProblemKind::TooManyRules));
    EXPECT_EQ("Still read", big.Entries[0].Warning);

    // Beyond it, an exclusion lost to the limit takes the whole entry.
    const AppRules lost = ReadAppRules(rules + "ExcludeKey1=FILE|%AppData%\\Big|keep.log\n");
    EXPECT_TRUE(lost.Entries.empty());
    EXPECT_EQ(1u, lost.Problems.Count(RuleProblemKind::ExclusionUnread));

    std::string noisy = "[Noisy *]\nSection=Apps\nFileKey1=%AppData%\\Noisy|*.log\n";
    for (int i = 0; i < 3000; ++i)
        noisy += "Unknown=" + std::to_string(i) + "\n";
    const AppRules loud = ReadAppRules(noisy);
    EXPECT_EQ(3000u, loud.Problems.Total());
    EXPECT_EQ(kFileProblemRecords, loud.Problems.Recorded().size());
    ASSERT_EQ(1u, loud.Entries.size());
    EXPECT_EQ(3000u, loud.Entries[0].Problems.Total());
    EXPECT_EQ(kEntryProblemRecords, loud.Entries[0].Problems.Recorded().size());

    const AppRules huge = ReadAppRules(std::string(kMaxRuleFileBytes + 1, '\n'));
    EXPECT_EQ((std::vector<RuleProblem>{{RuleProblemKind::FileTooLarge, 0}}), huge.Problems.Recorded());
}

TEST(AppRulesReader, ExclusionsThatCannotBeMatchedAsWrittenTakeTheirEntry)
{
    const std::string entry = "[Keeper *]\nLangSecRef=3021\nFileKey1=%AppData%\\Keeper|*.*|RECURSE\n";
    const std::string unreadable[] = {
        "ExcludeKey1=PATH|%AppData%\\Keeper\\Keep",
        "ExcludeKey1=FILE|%AppData%\\Keeper\\..\\Keeper\\|keep.txt",
        "ExcludeKey1=PATH|%AppData%\\KEEPER~1\\|*.*",
        "ExcludeKey1=PATH|Keeper\\Relative\\|*.*",
        "ExcludeKey1=SKIP|%AppData%\\Keeper\\|*.*",
        "ExcludeKey1=REG",
        "ExcludeKey1=REG|HKXX\\Software\\Keeper",
        "ExcludeKey=FILE|%AppData%\\Keeper\\|keep.txt",
        "ExcludeKeyA=FILE|%AppData%\\Keeper\\|keep.txt",
    };
    for (const std::string& line : unreadable) {
        const AppRules rules = ReadAppRules(entry + line + "\n");
        EXPECT_TRUE(rules.Entries.empty()) << line;
        EXPECT_EQ(1u, rules.Problems.Count(RuleProblemKind::ExclusionUnread)) << line;
    }
    const std::string readable[] = {
        "ExcludeKey1=PATH|%AppData%\\Keeper\\Keep\\|*.*",
        "ExcludeKey1=file|C:\\Keeper\\|keep.txt;keep.ini",
        "ExcludeKey1=REG|HKCU\\Software\\Keeper|Value",
    };
    for (const std::string& line : readable) {
        const AppRules rules = ReadAppRules(entry + line + "\n");
        ASSERT_EQ(1u, rules.Entries.size()) << line;
        EXPECT_EQ(1u, rules.Entries[0].Exclusions.size()) << line;
        EXPECT_EQ(0u, rules.Problems.Total()) << line;
    }
}

} // namespace
} // namespace aw

namespace aw {
namespace {

TEST(AppCatalogueOfTheTestFile, GroupsStandApartFromTheProgramsOwnAndOnlyTouchedPairsAreSaved)
{
    AppCatalogue apps(ReadAppRules(ReadTestRules()).Entries);
    const std::vector<std::string> groups = apps.Groups();
    ASSERT_FALSE(groups.empty());
    EXPECT_TRUE(std::is_sorted(groups.begin(), groups.end()));
    for (const std::string& group : groups) {
        EXPECT_EQ(0u, group.rfind(kAppGroupPrefix, 0)) << group;
        EXPECT_NE("Windows", group);
    }
    const std::size_t ledger = apps.Find("Applications: Office Tools", "ledger tool");
    ASSERT_LT(ledger, apps.size());
    EXPECT_EQ("Ledger Tool", apps.Entry(ledger).Name);
    EXPECT_EQ(apps.size(), apps.Find("Office Tools", "Ledger Tool"));

    EXPECT_FALSE(apps.AnyTicked());
    apps.SetTicked(ledger, true);
    apps.SetTicked(ledger, false);
    EXPECT_FALSE(apps.AnyTicked());
    // Unticked again, its pair must still be written "False" over a stored "True".
    EXPECT_EQ(std::vector<std::size_t>{ledger}, apps.EverTicked());
}

} // namespace
} // namespace aw
