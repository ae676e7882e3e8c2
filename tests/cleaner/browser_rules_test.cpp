// The rules around the fixture profiles: every profile of both browsers, absolute and hostile
// profile paths, locked and damaged places databases, and the companions of a database.
#include "cleaner/browser_fixture.h"
#include "cleaner/clean_run.h"
#include "cleaner/wine_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>

namespace aw {
namespace {

using test::InstalledBrowsers;

class BrowserRules : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void SetUp() override { ASSERT_TRUE(browsers_.ok()); }

    CleanCounters Clean(const std::string& group, const std::string& category)
    {
        CleanRequest request;
        request.Selection.push_back({group, category});
        CleanCounters counters;
        RunCleaning(request, counters);
        return counters;
    }

    std::string places() const { return browsers_.FirefoxProfile() + "\\places.sqlite"; }

    InstalledBrowsers browsers_;
    test::Seeds seeds_;
};

TEST_F(BrowserRules, EveryProfileIsCleanedAndHostileProfilePathsAreRefused)
{
    const std::string name = browsers_.FirefoxName();
    const std::string second = browsers_.FirefoxRoot() + "\\Profiles\\second.fixture";
    const std::string elsewhere = "C:\\aw-profiles-elsewhere\\third.fixture";
    ASSERT_TRUE(test::CopyTree(browsers_.FirefoxProfile(), second));
    seeds_.folder("C:\\aw-profiles-elsewhere");
    ASSERT_TRUE(test::CopyTree(browsers_.FirefoxProfile(), elsewhere));
    ASSERT_TRUE(test::CopyTree(browsers_.ChromeDefault(), browsers_.ChromeData() + "\\Profile 1"));
    // Decoys where hostile entries would point: a drive root, a folder two levels up, a
    // wildcard's match.
    const std::vector<std::string> decoys = {"C:\\cookies.sqlite", browsers_.Roaming() + "\\cookies.sqlite",
                                             "C:\\aw-wild\\x.fixture\\cookies.sqlite"};
    for (const std::string& decoy : decoys)
        seeds_.file(decoy, 700);
    seeds_.text(browsers_.FirefoxRoot() + "\\profiles.ini",
                "[Profile0]\r\nName=fixture\r\nIsRelative=1\r\nPath=Profiles/" + name +
                    "\r\n\r\n[Profile1]\r\nName=second\r\nIsRelative=1\r\nPath=Profiles\\second.fixture\r\n\r\n"
                    "[Profile2]\r\nName=elsewhere\r\nIsRelative=0\r\nPath=" + elsewhere +
                    "\r\n\r\n[Profile3]\r\nIsRelative=0\r\nPath=C:\\\r\n\r\n"
                    "[Profile4]\r\nIsRelative=1\r\nPath=Profiles/../..\r\n\r\n"
                    "[Profile5]\r\nIsRelative=0\r\nPath=C:\\aw-wild\\*\r\n\r\n"
                    "[Profile6]\r\nIsRelative=0\r\nPath=C:\\aw-profiles-elsewhere\\..\\aw-wild\\x.fixture\r\n");

    // The files of one profile the category takes (its database files and the service-worker
    // list; the storage folders hold only folders at their top, which go uncounted).
    int perProfile = 0;
    for (const char* file : {"cookies.sqlite", "cookies.sqlite-wal", "webappsstore.sqlite", "webappsstore.sqlite-wal",
                             "bounce-tracking-protection.sqlite",
                             "storage\\ls-archive.sqlite", "serviceworker.txt"})
        perProfile += test::PathExists(browsers_.FirefoxProfile() + "\\" + file);
    ASSERT_GE(perProfile, 3);

    const CleanCounters firefox = Clean("Mozilla Firefox", "Cookies");
    for (const std::string& profile : {browsers_.FirefoxProfile(), second, elsewhere}) {
        EXPECT_FALSE(test::PathExists(profile + "\\cookies.sqlite")) << profile;
        EXPECT_FALSE(test::PathExists(profile + "\\cookies.sqlite-wal")) << profile;
        EXPECT_TRUE(test::PathExists(profile + "\\places.sqlite")) << profile;
    }
    EXPECT_EQ(3 * perProfile, firefox.FilesDeleted);
    for (const std::string& decoy : decoys)
        EXPECT_TRUE(test::PathExists(decoy)) << decoy;

    Clean("Google Chrome", "Cookies");
    for (const char* profile : {"\\Default", "\\Profile 1"}) {
        EXPECT_FALSE(test::PathExists(browsers_.ChromeData() + profile + "\\Network\\Cookies")) << profile;
        EXPECT_FALSE(test::PathExists(browsers_.ChromeData() + profile + "\\Local Storage\\leveldb\\CURRENT")) << profile;
        EXPECT_TRUE(test::PathExists(browsers_.ChromeData() + profile + "\\Login Data")) << profile;
    }
    test::RemoveTree(elsewhere);
}

// SQLite takes UTF-8 names: the history of a profile whose folder the code page cannot spell,
// and of one whose database lies more than 260 characters down (opened in the "\\?\" form), is
// removed from inside their places.sqlite.
TEST_F(BrowserRules, DatabasesBelowNamesOfAnyScriptAndLengthAreCleanedInPlace)
{
    const std::string unspellable = "Profiles/" + test::kCyrillicName + " " + test::kEmojiName;
    std::string deep = "Profiles/deep";
    while (deep.size() < 240)
        deep += "/" + test::kChineseName + "-level";
    const std::string folders[] = {browsers_.FirefoxRoot() + "\\Profiles\\" + unspellable.substr(9),
                                   browsers_.FirefoxRoot() + "\\" + deep};
    for (const std::string& folder : folders) {
        std::string windows = folder;
        std::replace(windows.begin(), windows.end(), '/', '\\');
        ASSERT_TRUE(test::CopyTree(browsers_.FirefoxProfile(), windows));
        ASSERT_GT(test::QueryInt(windows + "\\places.sqlite", "SELECT count(*) FROM moz_historyvisits"), 0);
    }
    ASSERT_GT(folders[1].size() + std::string("\\places.sqlite").size(), 260u);
    seeds_.text(browsers_.FirefoxRoot() + "\\profiles.ini", "[Profile0]\r\nIsRelative=1\r\nPath=" + unspellable +
                                                                "\r\n\r\n[Profile1]\r\nIsRelative=1\r\nPath=" + deep + "\r\n");

    const CleanCounters counters = Clean("Mozilla Firefox", "History");

    for (std::string folder : folders) {
        std::replace(folder.begin(), folder.end(), '/', '\\');
        EXPECT_EQ(0, test::QueryInt(folder + "\\places.sqlite", "SELECT count(*) FROM moz_historyvisits")) << folder;
        // Cleaned in place: the bookmarks stay.
        EXPECT_GT(test::QueryInt(folder + "\\places.sqlite", "SELECT count(*) FROM moz_bookmarks"), 0) << folder;
    }
    EXPECT_GE(counters.FilesDeleted, 2);
}

// Firefox holds places.sqlite in exclusive locking mode while it runs.
TEST_F(BrowserRules, APlacesDatabaseInUseIsLeftWholeAndUncounted)
{
    const std::string before = test::ReadWholeFile(places());
    sqlite3* opened = nullptr;
    const int status = sqlite3_open_v2(places().c_str(), &opened, SQLITE_OPEN_READWRITE, nullptr);
    test::SqliteConnection browser = test::OwnConnection(opened);
    ASSERT_EQ(SQLITE_OK, status);
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(browser.get(), "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr));

    const CleanCounters counters = Clean("Mozilla Firefox", "History");
    EXPECT_EQ(0, counters.FilesDeleted);
    EXPECT_EQ(0, counters.BytesCleaned);
    EXPECT_EQ(before, test::ReadWholeFile(places()));
    sqlite3_exec(browser.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    browser.reset();
    EXPECT_GT(test::QueryInt(places(), "SELECT count(*) FROM moz_historyvisits"), 0);

    // Once the browser has let go, the same category cleans it and counts it.
    const CleanCounters later = Clean("Mozilla Firefox", "History");
    EXPECT_GE(later.FilesDeleted, 1);
    EXPECT_EQ(0, test::QueryInt(places(), "SELECT count(*) FROM moz_historyvisits"));
}

// The download list is cleared from places.sqlite; the rest of the history stays.
TEST_F(BrowserRules, DownloadsHistoryTakesOnlyTheDownloads)
{
    ASSERT_TRUE(test::FileHolds(places(), "awdownloadmarker4466"));
    const int visits = test::QueryInt(places(), "SELECT count(*) FROM moz_historyvisits");
    const int downloads = test::QueryInt(places(), "SELECT count(*) FROM moz_historyvisits WHERE visit_type = 7");
    ASSERT_GT(downloads, 0);

    const CleanCounters counters = Clean("Mozilla Firefox", "Downloads History");
    EXPECT_EQ(1, counters.FilesDeleted);
    EXPECT_FALSE(test::FileHolds(places(), "awdownloadmarker4466"));
    EXPECT_EQ(visits - downloads, test::QueryInt(places(), "SELECT count(*) FROM moz_historyvisits"));
    EXPECT_TRUE(test::FileHolds(places(), "awtypedmarker7391"));
}

TEST_F(BrowserRules, ADamagedPlacesDatabaseIsLeftAlone)
{
    // The schema page overwritten: the file still starts like a database.
    std::string damaged = test::ReadWholeFile(places());
    ASSERT_GT(damaged.size(), 8192u);
    for (std::size_t i = 100; i < 4096; ++i)
        damaged[i] = static_cast<char>(0xA5 ^ i);
    seeds_.text(places(), damaged);
    seeds_.text(places() + "-wal", "write-ahead log that must stay with its database");

    const CleanCounters counters = Clean("Mozilla Firefox", "History");
    EXPECT_EQ(0, counters.FilesDeleted);
    EXPECT_EQ(damaged, test::ReadWholeFile(places()));
    EXPECT_TRUE(test::PathExists(places() + "-wal"));
}

// Site storage goes; the storage of the browsers' extensions, beside it, stays.
TEST_F(BrowserRules, SiteStorageGoesAndExtensionStorageStays)
{
    const std::string firefoxSites = browsers_.FirefoxProfile() + "\\storage\\default";
    const std::string chromeSites = browsers_.ChromeDefault() + "\\IndexedDB";
    const std::string firefoxSite = firefoxSites + "\\http+++127.0.0.1+8417";
    const std::string chromeSite = chromeSites + "\\http_127.0.0.1_8417.indexeddb.leveldb";
    ASSERT_TRUE(test::IsFolder(firefoxSite));
    ASSERT_TRUE(test::IsFolder(chromeSite));
    const std::string firefoxExtension = firefoxSites + "\\moz-extension+++0c6e3a61-2d4c-4e8a-9a9e-3b1f5d8c7e21";
    const std::string chromeExtension = chromeSites + "\\chrome-extension_abcdefghijklmnopabcdefghijklmnop_0.indexeddb.leveldb";
    ASSERT_TRUE(test::CopyTree(firefoxSite, firefoxExtension));
    ASSERT_TRUE(test::CopyTree(chromeSite, chromeExtension));
    const auto firefoxKept = test::FilesBelow(firefoxExtension);
    const auto chromeKept = test::FilesBelow(chromeExtension);
    ASSERT_FALSE(firefoxKept.empty());
    ASSERT_FALSE(chromeKept.empty());

    Clean("Mozilla Firefox", "Cookies");
    Clean("Google Chrome", "Cookies");
    EXPECT_FALSE(test::PathExists(firefoxSite));
    EXPECT_FALSE(test::PathExists(chromeSite));
    EXPECT_EQ(firefoxKept, test::FilesBelow(firefoxExtension));
    EXPECT_EQ(chromeKept, test::FilesBelow(chromeExtension));
}

TEST_F(BrowserRules, CompanionsGoWithTheirDatabaseAndOnlyOnceItIsGone)
{
    const std::string cookies = browsers_.FirefoxProfile() + "\\cookies.sqlite";
    for (const char* companion : {"-wal", "-shm", "-journal"})
        seeds_.text(cookies + companion, "companion");
    {
        test::LockedFile inUse(cookies);
        ASSERT_TRUE(inUse.locked());
        Clean("Mozilla Firefox", "Cookies");
        for (const char* companion : {"", "-wal", "-shm", "-journal"})
            EXPECT_TRUE(test::PathExists(cookies + companion)) << companion;
    }
    Clean("Mozilla Firefox", "Cookies");
    for (const char* companion : {"", "-wal", "-shm", "-journal"})
        EXPECT_FALSE(test::PathExists(cookies + companion)) << companion;

    const std::string chromeCookies = browsers_.ChromeDefault() + "\\Network\\Cookies";
    ASSERT_TRUE(test::PathExists(chromeCookies + "-journal"));
    Clean("Google Chrome", "Cookies");
    EXPECT_FALSE(test::PathExists(chromeCookies));
    EXPECT_FALSE(test::PathExists(chromeCookies + "-journal"));
}

// The other members of the two families keep the same files under their own folders.
TEST_F(BrowserRules, TheFamiliesOtherBrowsersGetTheSameTreatment)
{
    const std::string roaming = browsers_.Roaming();
    const std::string local = browsers_.Local();
    const std::string lunascape = roaming + "\\Lunascape\\Lunascape6\\plugins\\{9BDD5314-20A6-4d98-AB30-8325A95771EE}\\data";
    const std::string paleMoon = roaming + "\\Moonchild Productions\\Pale Moon";
    const std::string seaMonkey = roaming + "\\Mozilla\\SeaMonkey";
    const std::string opera = roaming + "\\Opera Software\\Opera Stable";
    const std::string dragon = local + "\\Comodo\\Dragon\\User Data\\Profile 3";
    const std::vector<std::string> made = {roaming + "\\Lunascape", paleMoon, seaMonkey, roaming + "\\Opera Software",
                                           local + "\\Comodo", local + "\\Moonchild Productions"};
    for (const std::string& folder : made)
        test::RemoveTree(folder);
    const int bookmarks = test::QueryInt(places(), "SELECT count(*) FROM moz_bookmarks");
    struct Places {
        std::string Group, Category, Folder;
    };
    const std::vector<Places> copies = {{"Lunascape", "Content History", lunascape},
                                        {"Pale Moon", "Content History", paleMoon + "\\Profiles\\pm.default"},
                                        {"SeaMonkey", "History", seaMonkey + "\\Profiles\\sm.default"}};
    seeds_.text(paleMoon + "\\profiles.ini", "[Profile0]\r\nPath=Profiles/pm.default\r\n");
    seeds_.text(seaMonkey + "\\profiles.ini", "[Profile0]\r\nIsRelative=1\r\nPath=Profiles/sm.default\r\n");
    for (const Places& copy : copies) {
        ASSERT_TRUE(test::CopyTree(browsers_.FirefoxProfile(), copy.Folder));
        Clean(copy.Group, copy.Category);
        const std::string db = copy.Folder + "\\places.sqlite";
        EXPECT_EQ(bookmarks, test::QueryInt(db, "SELECT count(*) FROM moz_bookmarks")) << copy.Group;
        EXPECT_EQ(0, test::QueryInt(db, "SELECT count(*) FROM moz_historyvisits")) << copy.Group;
    }

    // Pale Moon's caches and site data lie where Firefox's do.
    const std::string paleMoonLocal = local + "\\Moonchild Productions\\Pale Moon\\Profiles\\pm.default";
    ASSERT_TRUE(test::CopyTree(browsers_.FirefoxLocal(), paleMoonLocal));
    Clean("Pale Moon", "Cache");
    Clean("Pale Moon", "Cookies");
    EXPECT_TRUE(test::FilesBelow(paleMoonLocal + "\\cache2").empty());
    EXPECT_FALSE(test::PathExists(copies[1].Folder + "\\cookies.sqlite"));
    EXPECT_FALSE(test::PathExists(copies[1].Folder + "\\webappsstore.sqlite"));
    EXPECT_TRUE(test::PathExists(copies[1].Folder + "\\key4.db"));

    ASSERT_TRUE(test::CopyTree(browsers_.ChromeDefault(), opera));
    for (const char* category : {"Cookies", "URLs History", "Sessions History", "Search Field History"})
        Clean("Opera", category);
    for (const char* gone : {"\\Network\\Cookies", "\\History", "\\Favicons", "\\Local Storage\\leveldb"})
        EXPECT_FALSE(test::PathExists(opera + gone)) << gone;
    EXPECT_TRUE(test::FilesBelow(opera + "\\Sessions").empty());
    for (const char* kept : {"\\Login Data", "\\Bookmarks", "\\Preferences", "\\Web Data"})
        EXPECT_TRUE(test::PathExists(opera + kept)) << kept;
    EXPECT_EQ(0, test::QueryInt(opera + "\\Web Data", "SELECT count(*) FROM autofill"));

    ASSERT_TRUE(test::CopyTree(browsers_.ChromeDefault(), dragon));
    Clean("Comodo Dragon", "Current Session");
    Clean("Comodo Dragon", "History");
    EXPECT_TRUE(test::FilesBelow(dragon + "\\Sessions").empty());
    EXPECT_FALSE(test::PathExists(dragon + "\\History"));
    EXPECT_TRUE(test::PathExists(dragon + "\\Bookmarks"));

    for (const std::string& folder : made)
        test::RemoveTree(folder);
}

} // namespace
} // namespace aw
