// What the cleaner must never do: act on a drive root or an empty path, follow a link, or
// fall back to another folder when a browser's profile cannot be found. Drive Y: and the
// links are made from the host before these tests run (host_fixture.sh).
#include "cleaner/browser_profiles.h"
#include "cleaner/clean_run.h"
#include "cleaner/file_primitives.h"
#include "cleaner/folder_tree.h"
#include "cleaner/registry_primitives.h"
#include "cleaner/trace_world.h"
#include "customloc/custom_locations.h"
#include "platform/folder_services.h"
#include "platform/registry_key.h"

#include <gtest/gtest.h>

#include <string>

namespace aw {
namespace {

using test::PathExists;

const char* const kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Works with drive Y: as the current drive, so that a path that wrongly starts at "\" lands
// on the scratch drive and nowhere else.
class Safety : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }

    void SetUp() override
    {
        ASSERT_TRUE(test::IsFolder("Y:\\")) << "drive Y: missing: host_fixture.sh setup has not run";
        GetCurrentDirectoryA(MAX_PATH, previous_);
        seeds_.file("Y:\\decoy.txt", 10);
        seeds_.file("Y:\\folder\\decoy.txt", 20);
        seeds_.file("Y:\\work\\here.txt", 30);
        ASSERT_TRUE(SetCurrentDirectoryA("Y:\\work"));
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(previous_);
        seeds_.clean();
    }

    void expectDecoysKept()
    {
        for (const char* decoy : {"Y:\\decoy.txt", "Y:\\folder\\decoy.txt", "Y:\\work\\here.txt"})
            EXPECT_TRUE(PathExists(decoy)) << decoy;
    }

    char previous_[MAX_PATH] = {};
    test::Seeds seeds_;
    CleanCounters counters_;
};

TEST_F(Safety, DeletionsRefuseRootsEmptyAndRelativeFolders)
{
    for (const char* folder : {"", "\\", "Y:", "Y:\\", "Y:\\work\\..", "Y:\\work\\..\\", ".", "..", "work", "\\work"}) {
        DeleteFolderTree(folder, "*.*", true, counters_);
        DeleteSubfolderTree(folder, "*.*", true);
        DeleteFilesInFolder(folder, "*.*", counters_);
        DeleteFilesInFolder(folder, "*", counters_);
    }
    expectDecoysKept();
    EXPECT_EQ(0, counters_.FilesDeleted);
}

TEST_F(Safety, AnUnresolvableSpecialFolderMakesItsActionsDoNothing)
{
    // Without its folder the shell cannot name the Internet cache, and the folder resolves
    // to "". The Internet Explorer and Lunascape caches are trees without a test: built on
    // "" they would start at the root of the current drive.
    const std::string cache = test::RootFolder(test::Root::InetCache);
    ASSERT_FALSE(cache.empty());
    test::EmptyFolder(cache);
    ASSERT_TRUE(RemoveDirectoryA(cache.c_str()));
    EXPECT_EQ("", GetSpecialFolder(kCsidlInternetCache));

    CleanRequest request;
    request.Selection = {{"Internet Explorer", "Cache"}, {"Lunascape", "Cache"}};
    RunCleaning(request, counters_);

    CreateDirectoryA(cache.c_str(), nullptr);
    expectDecoysKept();
    EXPECT_EQ(0, counters_.FilesDeleted);
    EXPECT_TRUE(test::IsFolder(cache));
}

// Where a run would look for Firefox if an unreadable "AppData" value were taken as "":
// "\Mozilla\Firefox\" on the current drive.
TEST_F(Safety, FirefoxWithoutTheShellFoldersValueCleansNothing)
{
    seeds_.text("Y:\\Mozilla\\Firefox\\profiles.ini", "[Profile0]\r\nPath=Profiles/ff0.default\r\n");
    const char* decoys[] = {"Y:\\Mozilla\\Firefox\\Profiles\\ff0.default\\cookies.sqlite",
                            "Y:\\Mozilla\\Firefox\\Profiles\\ff0.default\\places.sqlite",
                            "Y:\\Mozilla\\Firefox\\Profiles\\ff0.default\\Cache\\c1"};
    for (const char* decoy : decoys)
        seeds_.file(decoy, 5);
    test::SeedWorld(seeds_);

    auto appData = RegReadString(HKEY_CURRENT_USER, std::string(kShellFolders) + "\\AppData");
    ASSERT_TRUE(appData);
    ASSERT_TRUE(RegRemoveValue(HKEY_CURRENT_USER, std::string(kShellFolders) + "\\AppData"));
    EXPECT_EQ("", GetFirefoxRoot());
    EXPECT_EQ("", GetFirefoxProfilePath());
    EXPECT_EQ("", GetFirefoxProfileFolder());

    // The categories kept in the roaming profile folder (the shell would put the value back
    // as soon as anything asks it for the roaming folder).
    CleanRequest request;
    for (const char* category : {"Cache", "Content History", "Cookies", "Downloads History", "Form History", "History",
                                 "Search History", "Session History"})
        request.Selection.push_back({"Mozilla Firefox", category});
    RunCleaning(request, counters_);
    RegWriteString(HKEY_CURRENT_USER, std::string(kShellFolders) + "\\AppData", *appData);

    EXPECT_EQ(0, counters_.FilesDeleted);
    for (const char* decoy : decoys)
        EXPECT_TRUE(PathExists(decoy)) << decoy;
    for (const test::CategoryTraces& row : test::TraceWorld()) {
        if (row.Group != "Mozilla Firefox")
            continue;
        for (const test::Item& item : row.Items)
            EXPECT_TRUE(test::ItemExists(item)) << test::FullPath(item);
    }
}

TEST_F(Safety, SeaMonkeyWithoutProfilesIniCleansNothing)
{
    test::SeedWorld(seeds_);
    const std::string roaming = test::RootFolder(test::Root::Roaming);
    const std::string local = test::RootFolder(test::Root::Local);
    ASSERT_TRUE(DeleteFileA((roaming + "\\Mozilla\\SeaMonkey\\profiles.ini").c_str()));
    // What the paths become with an empty profile part: the browser's own folder.
    const std::string fallbacks[] = {local + "\\Mozilla\\SeaMonkey\\Cache\\c1", roaming + "\\Mozilla\\SeaMonkey\\places.sqlite",
                                     roaming + "\\Mozilla\\SeaMonkey\\downloads.sqlite"};
    for (const std::string& f : fallbacks)
        seeds_.file(f, 7);

    CleanRequest request;
    for (const char* category : {"Cache", "Cookies", "Downloads History", "History", "URLs History"})
        request.Selection.push_back({"SeaMonkey", category});
    RunCleaning(request, counters_);

    EXPECT_EQ(0, counters_.FilesDeleted);
    for (const std::string& f : fallbacks)
        EXPECT_TRUE(PathExists(f)) << f;
    for (const test::CategoryTraces& row : test::TraceWorld()) {
        if (row.Group != "SeaMonkey")
            continue;
        for (const test::Item& item : row.Items)
            EXPECT_TRUE(test::ItemExists(item)) << test::FullPath(item);
    }
}

TEST_F(Safety, ALinkInsideACacheIsNeverFollowed)
{
    const std::string cache = test::RootFolder(test::Root::Local) + "\\Comodo\\Dragon\\User Data\\Default\\Cache";
    const std::string link = cache + "\\linked-folder";
    DWORD attributes = GetFileAttributesA(link.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes) << "host_fixture.sh setup has not run";
    ASSERT_TRUE(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    ASSERT_TRUE(PathExists("C:\\aw-link-target\\keep.txt"));
    seeds_.file(cache + "\\data_0", 40);
    seeds_.file(cache + "\\index-dir\\index", 50);
    // Links at the bottom of a folder more than 300 characters down, beside a file of its own.
    std::string deep = cache + "\\deep";
    for (int level = 1; level <= 6; ++level)
        deep += "\\level-" + std::to_string(level) + "-of-a-cache-tree-deeper-than-the-old-limit";
    ASSERT_GT(deep.size(), 300u);
    const DWORD deepLink = GetFileAttributesW(test::Wide(deep + "\\linked-folder").c_str());
    ASSERT_TRUE(deepLink != INVALID_FILE_ATTRIBUTES && (deepLink & FILE_ATTRIBUTE_REPARSE_POINT));
    ASSERT_TRUE(PathExists(deep + "\\linked-file"));
    seeds_.file(deep + "\\f_000001", 60);
    ASSERT_TRUE(PathExists(deep + "\\f_000001"));

    CleanRequest request;
    request.Selection = {{"Comodo Dragon", "Cache"}};
    RunCleaning(request, counters_);

    EXPECT_FALSE(PathExists(cache + "\\data_0"));
    EXPECT_FALSE(PathExists(cache + "\\index-dir"));
    EXPECT_FALSE(PathExists(deep + "\\f_000001"));
    EXPECT_TRUE(PathExists(deep + "\\linked-file"));
    EXPECT_TRUE(PathExists("C:\\aw-link-target\\keep.txt"));
    EXPECT_TRUE(PathExists("C:\\aw-link-target\\sub\\keep.txt"));
    EXPECT_TRUE(PathExists("C:\\aw-link-target\\keep-deep.txt"));
    EXPECT_EQ(1, counters_.FilesDeleted);
}

TEST_F(Safety, AFolderThatIsItselfALinkIsNotWalked)
{
    ASSERT_TRUE(GetFileAttributesA("C:\\aw-link-top") & FILE_ATTRIBUTE_REPARSE_POINT);
    DeleteFolderTree("C:\\aw-link-top", "*.*", false, counters_);
    DeleteSubfolderTree("C:\\aw-link-top\\", "*.*", false);
    EXPECT_TRUE(PathExists("C:\\aw-link-target\\keep.txt"));
    EXPECT_TRUE(PathExists("C:\\aw-link-target\\sub\\keep.txt"));
    EXPECT_EQ(0, counters_.FilesDeleted);
}

// Links to files look like plain files under Wine, and deleting one by its name would delete
// what it points to. Every way the cleaner deletes a file must leave both alone, uncounted.
TEST_F(Safety, LinksToFilesAreNeitherFollowedNorCounted)
{
    const std::string cache = test::RootFolder(test::Root::Local) + "\\Comodo\\Dragon\\User Data\\Default\\Cache";
    const char* const targets[] = {"C:\\aw-link-target\\keep-file.txt", "C:\\aw-link-target\\keep-nested.txt",
                                   "C:\\aw-link-target\\keep-top.txt", "C:\\aw-link-target\\keep-index.txt"};
    const char* const links[] = {"C:\\aw-file-links\\link-at-top", "C:\\aw-file-links\\sub\\index.dat"};
    ASSERT_TRUE(PathExists(cache + "\\linked-file")) << "host_fixture.sh setup has not run";
    seeds_.file(cache + "\\data_1", 40);
    seeds_.file("C:\\aw-file-links\\own.txt", 25);
    test::ClearPendingDeletionsAtReboot();

    DeleteTraceFile(links[0], counters_);
    EXPECT_FALSE(DeleteFileNow(links[0]));
    EXPECT_FALSE(DeleteFileAtReboot(links[1]));
    EXPECT_EQ(0, counters_.FilesDeleted);

    CleanRequest request;
    request.Selection = {{"Comodo Dragon", "Cache"}};
    RunCleaning(request, counters_);
    EXPECT_FALSE(PathExists(cache + "\\data_1"));
    EXPECT_EQ(1, counters_.FilesDeleted);
    EXPECT_EQ(40, counters_.BytesCleaned);

    CleanCounters script;
    RunCustomLocations({"FIL:C:\\aw-file-links\\link-at-top", "FIL:C:\\aw-file-links\\sub\\index.dat",
                        "DIR:C:\\aw-file-links|*.*", "DIR:C:\\aw-file-links|RECURSIVE"},
                       true, script);
    EXPECT_FALSE(PathExists("C:\\aw-file-links\\own.txt"));
    EXPECT_EQ(1, script.FilesDeleted);
    EXPECT_EQ(25, script.BytesCleaned);

    for (const char* target : targets)
        EXPECT_TRUE(PathExists(target)) << target;
    for (const char* link : links)
        EXPECT_TRUE(PathExists(link)) << link;
    EXPECT_TRUE(PathExists(cache + "\\linked-file"));
    EXPECT_TRUE(PathExists(cache + "\\nested\\linked-file"));
    for (const std::string& pending : test::PendingDeletionsAtReboot())
        EXPECT_EQ(std::string::npos, pending.find("aw-file-links")) << pending;
}

} // namespace
} // namespace aw
