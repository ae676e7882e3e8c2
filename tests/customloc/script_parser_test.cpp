// The script's lines and fields as text: verbs, the field rules of "DIR:" arguments, roots.
#include "customloc/registry_roots.h"
#include "customloc/script_parser.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

using Fields = std::vector<std::string>;

struct FieldCase {
    std::string Text;
    std::optional<Fields> Expected;
};

class ScriptFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ScriptFields, SplitAsWrittenAndCountedFromTheEnd)
{
    const FieldCase& c = GetParam();
    EXPECT_EQ(c.Expected, SplitScriptFields(c.Text));
    if (!c.Expected) {
        EXPECT_FALSE(FieldFromEnd(c.Text, 1));
        return;
    }
    const int count = static_cast<int>(c.Expected->size());
    for (int n = 1; n <= count; ++n)
        EXPECT_EQ((*c.Expected)[static_cast<std::size_t>(count - n)], FieldFromEnd(c.Text, n).value_or("<none>"))
            << "n = " << n;
    EXPECT_FALSE(FieldFromEnd(c.Text, count + 1));
    EXPECT_FALSE(FieldFromEnd(c.Text, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ScriptFields,
    ::testing::Values(
        FieldCase{"%TEMP%|*.*", Fields{"%TEMP%", "*.*"}},
        // Quotes keep a path with spaces whole; without them the spaces split it.
        FieldCase{R"("C:\Some Folder"|RECURSIVE)", Fields{R"(C:\Some Folder)", "RECURSIVE"}},
        FieldCase{R"(C:\Some Folder|RECURSIVE)", Fields{R"(C:\Some)", "Folder", "RECURSIVE"}},
        FieldCase{R"("a ""b"" c"|x)", Fields{R"(a "b" c)", "x"}},
        FieldCase{R"(""|x)", Fields{"", "x"}},
        FieldCase{R"("a"b|c)", Fields{"a", "b", "c"}},
        // A "|" at the very end adds an empty last field; blanks after it do not.
        FieldCase{"a|", Fields{"a", ""}},
        FieldCase{"a| ", Fields{"a"}},
        FieldCase{"a||b", Fields{"a", "", "b"}},
        FieldCase{"|x", Fields{"", "x"}},
        FieldCase{" \t a \x01 b\t", Fields{"a", "b"}},
        FieldCase{"a | b", Fields{"a", "b"}},
        // Bytes above 127 are text, not blanks.
        FieldCase{"caf\xE9 \xA0x", Fields{"caf\xE9", "\xA0x"}},
        // A NUL ends the text.
        FieldCase{std::string("a|b\0|c", 6), Fields{"a", "b"}},
        FieldCase{"", Fields{}},
        FieldCase{"   ", Fields{}},
        // A quotation mark that never closes spoils the whole text.
        FieldCase{R"("unterminated|*.*)", std::nullopt},
        FieldCase{R"(ok|"abc"")", std::nullopt},
        FieldCase{"\"", std::nullopt}));

TEST(ScriptLines, VerbsAreTheFirstFourCharactersOfTheTrimmedLineExactly)
{
    ScriptLine parsed = ParseScriptLine(" \t FIL:C:\\x.txt \r");
    ASSERT_TRUE(std::holds_alternative<FileLine>(parsed));
    EXPECT_EQ("C:\\x.txt", std::get<FileLine>(parsed).Path);

    EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine("fil:C:\\x.txt")));
    EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine("dir:%TEMP%|*.*")));
    EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine("Reg:HKCU\\Software\\A\\B")));
    EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine("# note")));
    EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine("")));
    EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine("FIL")));
    EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine(" FI L:x")));
}

TEST(ScriptLines, AFilePathIsTheArgumentAsWritten)
{
    auto parsed = ParseScriptLine(R"(FIL:%APPDATA%\Some App\a|b "c".log)");
    ASSERT_TRUE(std::holds_alternative<FileLine>(parsed));
    EXPECT_EQ(R"(%APPDATA%\Some App\a|b "c".log)", std::get<FileLine>(parsed).Path);
    EXPECT_EQ("", std::get<FileLine>(ParseScriptLine("FIL:")).Path);
}

TEST(ScriptLines, AFolderLineTakesItsLastTwoFields)
{
    auto parsed = ParseScriptLine(R"(DIR:"%PROGRAMFILES%\Some App\Logs"|RECURSIVE)");
    ASSERT_TRUE(std::holds_alternative<FolderLine>(parsed));
    EXPECT_EQ(R"(%PROGRAMFILES%\Some App\Logs)", std::get<FolderLine>(parsed).Folder);
    EXPECT_EQ("RECURSIVE", std::get<FolderLine>(parsed).Mode);

    parsed = ParseScriptLine("DIR:%WINDIR%\\Temp|*.tmp");
    ASSERT_TRUE(std::holds_alternative<FolderLine>(parsed));
    EXPECT_EQ("%WINDIR%\\Temp", std::get<FolderLine>(parsed).Folder);
    EXPECT_EQ("*.tmp", std::get<FolderLine>(parsed).Mode);

    // Fields before the last two are ignored.
    parsed = ParseScriptLine(R"(DIR:C:\Some Folder|RECURSIVE)");
    ASSERT_TRUE(std::holds_alternative<FolderLine>(parsed));
    EXPECT_EQ("Folder", std::get<FolderLine>(parsed).Folder);

    // "|" at the end: an empty mode, which matches nothing later on.
    parsed = ParseScriptLine("DIR:%TEMP%|");
    ASSERT_TRUE(std::holds_alternative<FolderLine>(parsed));
    EXPECT_EQ("", std::get<FolderLine>(parsed).Mode);
}

TEST(ScriptLines, FolderLinesWithoutFolderAndModeOrWithAnOpenQuoteAreIgnored)
{
    for (const char* line : {"DIR:", "DIR:%TEMP%", "DIR:   ", R"(DIR:"C:\Some Folder|*.*)", R"(DIR:"C:\x""|*.*)"})
        EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine(line))) << line;
}

TEST(ScriptLines, RegistryLinesAcceptOnlyTheTwoAbbreviations)
{
    auto parsed = ParseScriptLine(R"(REG:HKCU\Software\Some App\LastFile)");
    ASSERT_TRUE(std::holds_alternative<RegistryLine>(parsed));
    EXPECT_EQ("HKEY_CURRENT_USER", std::get<RegistryLine>(parsed).RootName);
    EXPECT_EQ(R"(Software\Some App\LastFile)", std::get<RegistryLine>(parsed).Path);

    parsed = ParseScriptLine(R"(REG:HKLM\Software\Some App\History)");
    ASSERT_TRUE(std::holds_alternative<RegistryLine>(parsed));
    EXPECT_EQ("HKEY_LOCAL_MACHINE", std::get<RegistryLine>(parsed).RootName);
    EXPECT_EQ(R"(Software\Some App\History)", std::get<RegistryLine>(parsed).Path);

    // The fifth character is skipped whatever it is; the path keeps its spaces and is not expanded.
    parsed = ParseScriptLine(R"(REG:HKCU/Software\%TEMP% x)");
    ASSERT_TRUE(std::holds_alternative<RegistryLine>(parsed));
    EXPECT_EQ(R"(Software\%TEMP% x)", std::get<RegistryLine>(parsed).Path);

    for (const char* line : {R"(REG:HKEY_CURRENT_USER\Software\Some App)", R"(REG:hkcu\Software\A\B)",
                             R"(REG:HKCR\.txt\x)", "REG:HKC", "REG:"})
        EXPECT_TRUE(std::holds_alternative<IgnoredLine>(ParseScriptLine(line))) << line;
}

TEST(RegistryRoots, AbbreviationsAndTheTableOfSevenRoots)
{
    EXPECT_EQ("HKEY_CURRENT_USER", ExpandRootAbbreviation("HKCU").value_or(""));
    EXPECT_EQ("HKEY_LOCAL_MACHINE", ExpandRootAbbreviation("HKLM").value_or(""));
    for (const char* other : {"hkcu", "HKCR", "HKU", "HKEY_CURRENT_USER", ""})
        EXPECT_FALSE(ExpandRootAbbreviation(other)) << other;

    const char* roots[] = {"HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                           "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
    for (std::uint32_t i = 0; i < 7; ++i)
        EXPECT_EQ(0x80000000u + i, RootKeyFromName(roots[i])) << roots[i];
    EXPECT_EQ(0x80000001u, RootKeyFromName("hkey_current_user"));
    EXPECT_EQ(0u, RootKeyFromName("HKCU"));
    EXPECT_EQ(0u, RootKeyFromName("HKEY_CURRENT_USER "));
    EXPECT_EQ(0u, RootKeyFromName(""));
}

} // namespace
} // namespace aw
