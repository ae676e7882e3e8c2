#include "cleaner/path_rules.h"
#include "cleaner/profile_paths.h"
#include "cleaner/profiles_ini.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(ProfilePaths, RelativeProfilesAreUsableAsStored)
{
    for (const char* path : {"Profiles/abcd1234.default", "Profiles\\abcd1234.default", "x.default", "a/b\\c",
                             "Profiles/my profile", "Profiles//double"})
        EXPECT_TRUE(IsUsableProfilePath(path)) << path;
}

TEST(ProfilePaths, ProfilesThatLeaveTheBrowserFolderAreRefused)
{
    for (const char* path : {"", "/abs", "\\abs", "C:\\Users\\x\\profile", "C:profile", "..", "../x",
                             "Profiles/../../x", "Profiles\\..", ".", "./", "...", "a/. /b", "/", "\\\\server\\share",
                             "Profiles/*", "a|b", "a\tb", "a\"b"})
        EXPECT_FALSE(IsUsableProfilePath(path)) << '"' << path << '"';
}

TEST(ProfilePaths, AbsoluteProfilesMustBeFoldersBelowADriveRoot)
{
    for (const char* path : {"D:\\Profiles\\work", "c:/users/u/ff", "E:\\a b\\c.default"})
        EXPECT_TRUE(IsUsableAbsoluteProfilePath(path)) << path;
    for (const char* path : {"", "C:", "C:\\", "C:/", "C:\\.", "C:\\..", "C:\\x\\..\\..", "C:\\*", "C:\\x\\?",
                             "C:x", "\\\\server\\share\\p", "\\\\?\\C:\\p", "Profiles/x", "1:\\x"})
        EXPECT_FALSE(IsUsableAbsoluteProfilePath(path)) << '"' << path << '"';
    EXPECT_TRUE(IsUsableAbsoluteProfilePath("C:\\" + std::string(300, 'x')));
    EXPECT_FALSE(IsUsableAbsoluteProfilePath("C:\\" + std::string(kPathLimit, 'x')));
}

// A profiles.ini as Firefox writes it, with the variations other writers and hand edits bring.
TEST(ProfilesIni, EveryProfileSectionInFileOrder)
{
    const std::string ini =
        "\xEF\xBB\xBF[Install4F96D1932A9F858E]\r\nDefault=Profiles/x.default-release\r\nLocked=1\r\n\r\n"
        "[Profile1]\r\nName=work\r\nIsRelative=0\r\nPath=D:\\Profiles\\work\r\n\r\n"
        "[General]\r\nStartWithLastProfile=1\r\nVersion=2\r\nPath=not/a/profile\r\n\r\n"
        "; a comment\n[Profile0]\nName=default\nIsRelative=1\nPath=Profiles/x.default-release\nDefault=1\n"
        "[ profile2 ]\n  path = Profiles/spaced  \n# IsRelative=0\n"
        "[Profile3]\nName=no path\n"
        "[ProfileX]\nPath=ignored\n"
        "[Profile1]\nPath=second/definition\n"
        "[Profile4]\nPath=Profiles/last";
    std::vector<BrowserProfile> profiles = ParseProfilesIni(ini);
    ASSERT_EQ(4u, profiles.size());
    EXPECT_EQ("D:\\Profiles\\work", profiles[0].Path);
    EXPECT_FALSE(profiles[0].Relative);
    EXPECT_EQ("Profiles/x.default-release", profiles[1].Path);
    EXPECT_TRUE(profiles[1].Relative);
    EXPECT_EQ("Profiles/spaced", profiles[2].Path);
    EXPECT_TRUE(profiles[2].Relative);
    EXPECT_EQ("Profiles/last", profiles[3].Path);
    EXPECT_TRUE(ParseProfilesIni("").empty());
    EXPECT_TRUE(ParseProfilesIni("[Profile0\nPath=x\n").empty());

    // Profile0 alone, wherever it stands; its first "Path" as stored.
    EXPECT_EQ("Profiles/x.default-release", ProfileZeroPath(ini));
    EXPECT_EQ("", ProfileZeroPath("[Profile1]\nPath=a\n[Profile0]\nName=no path\n"));
    EXPECT_EQ("", ProfileZeroPath("[Profile00]\nPath=a\n"));
    // Firefox writes the file in UTF-8: a profile name the code page cannot spell stays whole.
    const std::string cyrillic = "Profiles/\xD0\xBF\xD1\x80\xD0\xBE\xD1\x84.default"; // проф
    EXPECT_EQ(cyrillic, ProfileZeroPath("\xEF\xBB\xBF[profile0]\r\nPath=" + cyrillic + "\r\n"));
    EXPECT_TRUE(IsUsableProfilePath(cyrillic));
}

TEST(ProfilePaths, FirefoxRootNeedsTheAppDataText)
{
    EXPECT_EQ("", FirefoxRootFrom(""));
    EXPECT_EQ("C:\\Users\\u\\AppData\\Roaming\\Mozilla\\Firefox\\",
              FirefoxRootFrom("C:\\Users\\u\\AppData\\Roaming"));
}

TEST(ProfilePaths, ProfileFolderNeedsBothParts)
{
    EXPECT_EQ("R\\Mozilla\\Firefox\\Profiles/a.default\\",
              ProfileFolderFrom("R\\Mozilla\\Firefox\\", "Profiles/a.default"));
    EXPECT_EQ("", ProfileFolderFrom("", "Profiles/a.default"));
    EXPECT_EQ("", ProfileFolderFrom("R\\Mozilla\\Firefox\\", ""));
    EXPECT_EQ("", ProfileFolderFrom("R\\Mozilla\\Firefox\\", ".."));
}

} // namespace
} // namespace aw
