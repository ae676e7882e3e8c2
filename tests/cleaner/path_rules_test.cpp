#include "cleaner/path_rules.h"
#include "cleaner/registry_paths.h"
#include "platform/registry_path.h"

#include <gtest/gtest.h>

#include <string>

namespace aw {
namespace {

TEST(PathRules, RefusesEveryFormOfRootEmptyOrRelativeFolder)
{
    const char* refused[] = {
        "", "\\", "/", "\\\\", "C:", "C:\\", "c:/", "C:\\\\", "C:\\.", "C:\\.\\", "C:\\Windows\\..",
        "C:\\Windows\\..\\", "C:\\a\\..\\..\\b", "C:\\...\\", "C:\\. \\", "C:\\.. \\",
        "\\\\server", "\\\\server\\", "\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share\\x\\..",
        "\\\\?\\C:\\", "\\\\.\\C:\\", "\\\\?\\UNC\\server\\share\\", "\\\\.\\PhysicalDrive0\\x",
        "\\\\?\\Volume{0000}\\x", "relative\\folder", ".", "..\\x", "C:folder",
        // What an unreadable Shell Folders value leaves of the Firefox root: a path on the
        // current drive.
        "\\Mozilla\\Firefox\\",
    };
    for (const char* path : refused)
        EXPECT_FALSE(IsSafeFolderTarget(path)) << '"' << path << '"';
}

TEST(PathRules, AcceptsFoldersBelowARoot)
{
    const char* accepted[] = {
        "C:\\Users\\u\\AppData\\Local\\Google\\Chrome\\User Data\\Default\\Cache\\",
        "C:\\users\\u\\AppData\\Roaming\\\\Apple Computer\\Safari\\Cookies\\",
        "C:/Users/u", "c:\\a\\b\\..\\", "\\\\server\\share\\folder", "\\\\?\\C:\\x",
        "\\\\?\\UNC\\server\\share\\x", "C:\\a\\.\\b",
    };
    for (const char* path : accepted)
        EXPECT_TRUE(IsSafeFolderTarget(path)) << '"' << path << '"';
}

TEST(PathRules, CollapsesDoubledSeparatorsButKeepsTheUncOpening)
{
    EXPECT_EQ("C:\\a\\b\\c\\", CollapseDoubledBackslashes("C:\\a\\\\b\\\\\\c\\\\"));
    EXPECT_EQ("\\\\server\\share\\x", CollapseDoubledBackslashes("\\\\server\\\\share\\x"));
    EXPECT_EQ("\\\\server\\x", CollapseDoubledBackslashes("\\\\\\server\\x"));
    EXPECT_EQ("C:/a//b", CollapseDoubledBackslashes("C:/a//b")); // only backslashes
}

TEST(PathRules, TrailingBackslashIsAddedOnce)
{
    EXPECT_EQ("C:\\a\\", WithTrailingBackslash("C:\\a"));
    EXPECT_EQ("C:\\a\\", WithTrailingBackslash("C:\\a\\"));
    EXPECT_EQ("C:/a/", WithTrailingBackslash("C:/a/"));
    EXPECT_EQ("\\", WithTrailingBackslash(""));
}

TEST(PathRules, PathLimitIsTheWideCallsOneInUtf16Units)
{
    EXPECT_TRUE(FitsPathLimit(std::string(300, 'a')));
    // Room for the terminating zero and for the long form's prefix.
    EXPECT_TRUE(FitsPathLimit(std::string(kPathLimit - 7, 'a')));
    EXPECT_FALSE(FitsPathLimit(std::string(kPathLimit - 6, 'a')));
    // Four bytes of UTF-8, two units of UTF-16: the bytes alone would refuse this path.
    std::string emoji;
    for (std::size_t i = 0; i < (kPathLimit - 7) / 2; ++i)
        emoji += "\xF0\x9F\x98\x80";
    EXPECT_GT(emoji.size(), kPathLimit);
    EXPECT_TRUE(FitsPathLimit(emoji));
    EXPECT_FALSE(FitsPathLimit(emoji + "ab"));
}

TEST(PathRules, MasksMatchTheLongNameOnly)
{
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    } cases[] = {
        {"History", "History*", true},
        {"History-journal", "History*", true},
        {"history provider cache", "History*", true},
        {"Cookies", "History*", false},
        {"Archived History", "History*", false},
        {"places.sqlite-wal", "places.sqlite*", true},
        {"places.sqlite", "places.sqlite*", true},
        {"cookies.sqlite", "places.sqlite*", false},
        {"noextension", "*.*", true},
        {"", "*", true},
        {"a.LOG", "*.log", true},
        // What an 8.3 alias would let through: "NOTES~1.LOG".
        {"notes.logbook", "*.log", false},
        {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false},
        {"abcabd", "*abd", true},
        {"abcab", "*abd", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.matches, MatchesMask(c.name, c.mask)) << c.name << " against " << c.mask;
}

TEST(PathRules, MasksNeverReachOutOfTheirFolder)
{
    EXPECT_TRUE(IsPlainMask("*.*"));
    EXPECT_TRUE(IsPlainMask("History*"));
    EXPECT_FALSE(IsPlainMask(""));
    EXPECT_FALSE(IsPlainMask("..\\*"));
    EXPECT_FALSE(IsPlainMask("sub/*"));
    EXPECT_FALSE(IsPlainMask("C:*"));
    // Nested masks name entries of sub-folders, still inside the folder.
    EXPECT_TRUE(IsPlainMaskPath("Auto*\\f01b*.ms"));
    for (const char* path : {"", "\\x", "x\\", "x\\\\y", "..\\x", "C:\\x", "x/y"})
        EXPECT_FALSE(IsPlainMaskPath(path)) << path;
}

TEST(PathRules, OnlyTheExactNameIndexDatIsSpecial)
{
    EXPECT_TRUE(IsIndexDatName("index.dat"));
    EXPECT_FALSE(IsIndexDatName("Index.DAT"));
    EXPECT_FALSE(IsIndexDatName("index.dat.bak"));
    EXPECT_FALSE(IsIndexDatName("xindex.dat"));
}

TEST(PathRules, AnEntryIsOnlyItselfWhenTheSystemResolvesItInItsOwnFolder)
{
    const char* folder = "\\??\\C:\\users\\me\\Cache";
    EXPECT_TRUE(IsEntryOfFolder(folder, "data_1", "\\??\\C:\\users\\me\\Cache\\data_1"));
    EXPECT_TRUE(IsEntryOfFolder(folder, "Data_1", "\\??\\c:\\Users\\ME\\cache\\DATA_1"));
    EXPECT_TRUE(IsEntryOfFolder("\\??\\C:\\", "f", "\\??\\C:\\f"));
    // A link resolves to another folder, another name, or a name that merely starts alike.
    EXPECT_FALSE(IsEntryOfFolder(folder, "data_1", "\\??\\C:\\aw-link-target\\keep.txt"));
    EXPECT_FALSE(IsEntryOfFolder(folder, "data_1", "\\??\\C:\\users\\me\\Cache\\data_2"));
    EXPECT_FALSE(IsEntryOfFolder(folder, "data_1", "\\??\\C:\\users\\me\\Cachedata_1"));
    EXPECT_FALSE(IsEntryOfFolder(folder, "data_1", "\\??\\C:\\users\\me\\Cache\\sub\\data_1"));
    EXPECT_FALSE(IsEntryOfFolder(folder, "\xC4", "\\??\\C:\\users\\me\\Cache\\\xE4"));
    EXPECT_FALSE(IsEntryOfFolder("", "data_1", "\\data_1"));
    EXPECT_FALSE(IsEntryOfFolder(folder, "", "\\??\\C:\\users\\me\\Cache\\"));
    EXPECT_FALSE(IsEntryOfFolder(folder, "data_1", ""));
}

TEST(RegistryPaths, ValuePathSplitsAtTheLastBackslash)
{
    auto named = SplitValuePath("Software\\Marrowind\\Vosk\\SecondRun");
    ASSERT_TRUE(named);
    EXPECT_EQ("Software\\Marrowind\\Vosk", named->Key);
    EXPECT_EQ("SecondRun", named->Name);

    auto unnamed = SplitValuePath("Software\\App\\");
    ASSERT_TRUE(unnamed);
    EXPECT_EQ("Software\\App", unnamed->Key);
    EXPECT_EQ("", unnamed->Name);

    EXPECT_FALSE(SplitValuePath("SecondRun"));
    EXPECT_FALSE(SplitValuePath(""));
}

TEST(RegistryPaths, KeysDirectlyBelowTheRootAreNeverDeletable)
{
    for (const char* path : {"", "Software", "Software\\", "\\Software", "\\\\Software\\\\", "\\"})
        EXPECT_FALSE(IsDeletableKeyPath(path)) << '"' << path << '"';
    EXPECT_TRUE(IsDeletableKeyPath("Software\\Microsoft"));
    EXPECT_TRUE(IsDeletableKeyPath("Software\\Microsoft\\Internet Explorer\\TypedUrls"));
}

} // namespace
} // namespace aw
