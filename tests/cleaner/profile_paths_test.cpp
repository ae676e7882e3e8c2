#include "cleaner/profile_paths.h"

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
