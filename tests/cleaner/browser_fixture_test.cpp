// Cleaning profiles that today's Firefox and Chromium wrote: what each category removes, what
// it must keep, and the rules for several profiles, locked and damaged databases; the same
// profiles placed where the other browsers of both families keep theirs.
#include "catalogue/trace_catalogue.h"
#include "cleaner/browser_families.h"
#include "cleaner/browser_fixture.h"
#include "cleaner/clean_plan.h"
#include "cleaner/clean_run.h"
#include "cleaner/local_storage_leveldb.h"
#include "cleaner/wine_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace aw {
namespace {

using test::InstalledBrowsers;
using test::QueryInt;
using test::QueryRows;

// What the fixture page typed, searched for and downloaded.
const char* const kMarkers[] = {"awtypedmarker7391", "awsearchmarker5820", "awdownloadmarker4466"};
constexpr const char* kCoverageFile = "C:\\aw-browser-coverage.tsv";

// Where a rule's path starts.
enum class At { FirefoxProfile, FirefoxLocal, FirefoxRoot, ChromeProfile, ChromeData };
// What a category does to the files a rule names.
enum class Fate {
    Gone,    // deleted
    InPlace, // cleaned inside, the file stays
    Loose,   // a companion of a database cleaned in place: may go or stay
};
struct Rule {
    At Where;
    std::string Prefix; // a file, or a folder ending in a backslash
    Fate Does;
};
struct CategoryRules {
    std::string Group;
    std::string Category;
    std::vector<Rule> Rules;
};

// What each category must remove from these profiles (the first rule whose path starts a
// file's path applies), in the words of the browsers' own
// "clear data" dialogs. Every other file of the browser must stay as it was.
const std::vector<CategoryRules>& Expectations()
{
    using A = At;
    using F = Fate;
    static const std::vector<CategoryRules> rules = {
        {"Mozilla Firefox", "Cache",
         {{A::FirefoxLocal, "cache2\\", F::Gone}, {A::FirefoxLocal, "startupCache\\", F::Gone},
          {A::FirefoxLocal, "thumbnails\\", F::Gone}}},
        {"Mozilla Firefox", "Content History", {{A::FirefoxProfile, "content-prefs.sqlite", F::Gone}}},
        {"Mozilla Firefox", "Cookies",
         {{A::FirefoxProfile, "cookies.sqlite", F::Gone}, {A::FirefoxProfile, "webappsstore.sqlite", F::Gone},
          {A::FirefoxProfile, "bounce-tracking-protection.sqlite", F::Gone},
          {A::FirefoxProfile, "storage\\default\\", F::Gone}, {A::FirefoxProfile, "storage\\ls-archive.sqlite", F::Gone},
          {A::FirefoxProfile, "serviceworker.txt", F::Gone}}},
        {"Mozilla Firefox", "Downloads History",
         {{A::FirefoxProfile, "places.sqlite-", F::Loose}, {A::FirefoxProfile, "places.sqlite", F::InPlace}}},
        {"Mozilla Firefox", "Form History", {{A::FirefoxProfile, "formhistory.sqlite", F::Gone}}},
        {"Mozilla Firefox", "History",
         {{A::FirefoxProfile, "places.sqlite-", F::Loose}, {A::FirefoxProfile, "favicons.sqlite-", F::Loose},
          {A::FirefoxProfile, "places.sqlite", F::InPlace}, {A::FirefoxProfile, "favicons.sqlite", F::InPlace}}},
        {"Mozilla Firefox", "Session History",
         {{A::FirefoxProfile, "sessionstore.jsonlz4", F::Gone}, {A::FirefoxProfile, "sessionstore-backups\\", F::Gone}}},
        {"Google Chrome", "Cache",
         {{A::ChromeProfile, "Cache\\", F::Gone}, {A::ChromeProfile, "Code Cache\\", F::Gone},
          {A::ChromeProfile, "GPUCache\\", F::Gone}, {A::ChromeProfile, "DawnGraphiteCache\\", F::Gone},
          {A::ChromeProfile, "DawnWebGPUCache\\", F::Gone}, {A::ChromeData, "ShaderCache\\", F::Gone},
          {A::ChromeData, "GrShaderCache\\", F::Gone}, {A::ChromeData, "GraphiteDawnCache\\", F::Gone}}},
        {"Google Chrome", "Cookies",
         {{A::ChromeProfile, "Network\\Cookies", F::Gone}, {A::ChromeProfile, "Network\\Reporting and NEL", F::Gone},
          {A::ChromeProfile, "Network\\Trust Tokens", F::Gone}, {A::ChromeProfile, "DIPS", F::Gone},
          {A::ChromeProfile, "Local Storage\\", F::Gone}, {A::ChromeProfile, "Session Storage\\", F::Gone},
          {A::ChromeProfile, "IndexedDB\\", F::Gone}, {A::ChromeProfile, "Service Worker\\", F::Gone},
          {A::ChromeProfile, "WebStorage\\", F::Gone}, {A::ChromeProfile, "blob_storage\\", F::Gone},
          {A::ChromeProfile, "Shared Dictionary\\", F::Gone}}},
        {"Google Chrome", "Current Session",
         {{A::ChromeProfile, "Sessions\\", F::Gone}, {A::ChromeProfile, "Sessions_Encrypted\\", F::Gone}}},
        {"Google Chrome", "History",
         {{A::ChromeProfile, "History", F::Gone}, {A::ChromeProfile, "Top Sites", F::Gone},
          {A::ChromeProfile, "Shortcuts", F::Gone}, {A::ChromeProfile, "Network Action Predictor", F::Gone},
          {A::ChromeProfile, "Favicons", F::Gone}, {A::ChromeProfile, "Visited Links", F::Gone},
          {A::ChromeProfile, "Web Data-journal", F::Loose}, {A::ChromeProfile, "Web Data", F::InPlace}}},
    };
    return rules;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

struct Totals {
    std::int64_t Files = 0;
    std::int64_t Bytes = 0;
};

class BrowserFixtures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }

    std::string Base(At where) const
    {
        switch (where) {
        case At::FirefoxProfile: return browsers_.FirefoxProfile();
        case At::FirefoxLocal: return browsers_.FirefoxLocal();
        case At::FirefoxRoot: return browsers_.FirefoxRoot();
        case At::ChromeProfile: return browsers_.ChromeDefault();
        case At::ChromeData: return browsers_.ChromeData();
        }
        return std::string();
    }

    // Every file of a browser, by full path, with its content.
    std::map<std::string, std::string> Snapshot(const std::string& group) const
    {
        std::map<std::string, std::string> files;
        for (const std::string& root : browsers_.Roots(group))
            for (const auto& [relative, size] : test::FilesBelow(root))
                files[root + "\\" + relative] = test::ReadWholeFile(root + "\\" + relative);
        return files;
    }

    static Totals Sum(const std::map<std::string, std::string>& files)
    {
        Totals totals;
        for (const auto& [path, content] : files) {
            totals.Files += 1;
            totals.Bytes += static_cast<std::int64_t>(content.size());
        }
        return totals;
    }

    CleanCounters Clean(const std::string& group, const std::vector<std::string>& categories)
    {
        CleanRequest request;
        for (const std::string& category : categories)
            EXPECT_TRUE(request.Selection.TickNamed(group, category));
        CleanCounters counters;
        RunCleaning(request, counters);
        return counters;
    }

    static void Record(const std::string& group, const std::string& what, Totals before, Totals after,
                       const CleanCounters& counters)
    {
        if (FILE* out = std::fopen(kCoverageFile, "a")) {
            std::fprintf(out, "%s\t%s\t%lld\t%lld\t%lld\t%lld\t%d\t%lld\n", group.c_str(), what.c_str(),
                         static_cast<long long>(before.Files), static_cast<long long>(before.Bytes),
                         static_cast<long long>(after.Files), static_cast<long long>(after.Bytes), counters.FilesDeleted,
                         static_cast<long long>(counters.BytesCleaned));
            std::fclose(out);
        }
    }

    InstalledBrowsers browsers_;
};

class EachCategory : public BrowserFixtures, public ::testing::WithParamInterface<std::string> {};

// One category on fresh profiles: the files its rules name go (or are cleaned in place), and
// every other file of the browser keeps its exact content.
TEST_P(EachCategory, RemovesItsTracesAndLeavesEverythingElse)
{
    ASSERT_TRUE(browsers_.ok());
    const std::string group = GetParam();
    for (const CatalogueGroup& catalogue : TraceCatalogue()) {
        if (catalogue.Text != group)
            continue;
        for (std::string_view categoryText : catalogue.Categories) {
            const std::string category(categoryText);
            SCOPED_TRACE(group + " > " + category);
            InstalledBrowsers fresh; // the previous category's run undone
            ASSERT_TRUE(fresh.ok());
            const auto before = Snapshot(group);
            const CleanCounters counters = Clean(group, {category});
            const auto after = Snapshot(group);
            Record(group, category, Sum(before), Sum(after), counters);

            std::vector<Rule> rules;
            for (const CategoryRules& row : Expectations())
                if (row.Group == group && row.Category == category)
                    rules = row.Rules;
            int named = 0;
            for (const auto& [path, content] : before) {
                const Rule* rule = nullptr;
                for (const Rule& r : rules)
                    if (Lower(path).rfind(Lower(Base(r.Where) + "\\" + r.Prefix), 0) == 0) {
                        rule = &r;
                        break;
                    }
                auto now = after.find(path);
                if (!rule) {
                    EXPECT_TRUE(now != after.end() && now->second == content) << "changed: " << path;
                    continue;
                }
                ++named;
                if (rule->Does == Fate::Gone) {
                    EXPECT_TRUE(now == after.end()) << "left: " << path;
                } else if (rule->Does == Fate::InPlace) {
                    EXPECT_TRUE(now != after.end()) << "deleted instead of cleaned: " << path;
                }
            }
            // Every rule of the category met something in these profiles.
            if (!rules.empty()) {
                EXPECT_GT(named, 0);
            }
            for (const auto& [path, content] : after)
                EXPECT_TRUE(before.count(path)) << "created: " << path;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Browsers, EachCategory, ::testing::Values("Mozilla Firefox", "Google Chrome"),
                         [](const auto& info) { return info.param == "Mozilla Firefox" ? "Firefox" : "Chrome"; });

std::vector<std::string> CategoriesOf(const std::string& group)
{
    for (const CatalogueGroup& catalogue : TraceCatalogue())
        if (catalogue.Text == group)
            return {catalogue.Categories.begin(), catalogue.Categories.end()};
    return {};
}

// Every category of each browser at once: nothing the page typed, searched for or downloaded
// is left in any file, while bookmarks, passwords, preferences and extensions are untouched.
TEST_F(BrowserFixtures, AllCategoriesLeaveNoTraceOfThePageAndKeepWhatTheUserKeeps)
{
    ASSERT_TRUE(browsers_.ok());
    const std::string places = browsers_.FirefoxProfile() + "\\places.sqlite";
    const int bookmarks = QueryInt(places, "SELECT count(*) FROM moz_bookmarks");
    ASSERT_GT(bookmarks, 2);
    ASSERT_GT(QueryInt(places, "SELECT count(*) FROM moz_historyvisits"), 0);
    const std::vector<std::string> kept = {
        browsers_.FirefoxProfile() + "\\logins.db",      browsers_.FirefoxProfile() + "\\key4.db",
        browsers_.FirefoxProfile() + "\\extensions.json", browsers_.FirefoxProfile() + "\\prefs.js",
        browsers_.FirefoxRoot() + "\\profiles.ini",       browsers_.ChromeDefault() + "\\Login Data",
        browsers_.ChromeDefault() + "\\Bookmarks",        browsers_.ChromeDefault() + "\\Preferences",
        browsers_.ChromeDefault() + "\\Extension State\\CURRENT", browsers_.ChromeData() + "\\Local State"};
    std::map<std::string, std::string> keptBefore;
    for (const std::string& path : kept) {
        keptBefore[path] = test::ReadWholeFile(path);
        ASSERT_FALSE(keptBefore[path].empty()) << path;
    }
    for (const char* group : {"Mozilla Firefox", "Google Chrome"}) {
        bool seen = false;
        for (const auto& [path, content] : Snapshot(group))
            for (const char* marker : kMarkers)
                seen = seen || content.find(marker) != std::string::npos;
        ASSERT_TRUE(seen) << group << " holds none of the page's strings to begin with";
    }

    for (const char* group : {"Mozilla Firefox", "Google Chrome"}) {
        const auto before = Snapshot(group);
        const CleanCounters counters = Clean(group, CategoriesOf(group));
        const auto after = Snapshot(group);
        Record(group, "(all categories)", Sum(before), Sum(after), counters);
        for (const auto& [path, content] : after)
            for (const char* marker : kMarkers)
                EXPECT_EQ(std::string::npos, content.find(marker)) << marker << " left in " << path;
    }

    for (const std::string& path : kept)
        EXPECT_EQ(keptBefore[path], test::ReadWholeFile(path)) << path;
    EXPECT_EQ(bookmarks, QueryInt(places, "SELECT count(*) FROM moz_bookmarks"));
    EXPECT_EQ(2, QueryInt(places, "SELECT count(*) FROM moz_bookmarks b JOIN moz_places p ON p.id = b.fk"
                                  " WHERE b.title LIKE 'Fixture bookmark _' AND p.url LIKE 'http://127.0.0.1:%/bookmark_'"));
    EXPECT_EQ(0, QueryInt(places, "SELECT count(*) FROM moz_historyvisits"));
    EXPECT_EQ(0, QueryInt(places, "SELECT count(*) FROM moz_places WHERE id NOT IN (SELECT fk FROM moz_bookmarks WHERE fk NOT NULL)"));
    EXPECT_EQ(0, QueryInt(places, "SELECT count(*) FROM moz_annos"));
    EXPECT_EQ(0, QueryInt(browsers_.ChromeDefault() + "\\Web Data", "SELECT count(*) FROM autofill"));
    EXPECT_GT(QueryInt(browsers_.ChromeDefault() + "\\Web Data", "SELECT count(*) FROM keywords WHERE prepopulate_id > 0"), 0);
    EXPECT_EQ(0, QueryInt(browsers_.ChromeDefault() + "\\Web Data", "SELECT count(*) FROM keywords WHERE url LIKE '%127.0.0.1%'"));
}

// Two sites beside the fixture's own (127.0.0.1), written into the copies as the browsers write
// theirs: cookies, webappsstore rows and a per-site storage folder in each browser (copies of the
// fixture site's folders under the other site's name).
constexpr const char* kKeptHost = "www.kept.test"; // kept through "kept.test"
constexpr const char* kGoneHost = "gone.test";     // kept by no list here

std::string ReversedHost(const std::string& host)
{
    return std::string(host.rbegin(), host.rend());
}

bool AddSite(const InstalledBrowsers& browsers, const std::string& host)
{
    const std::string chromeCookies = browsers.ChromeDefault() + "\\Network\\Cookies";
    const std::string ff = browsers.FirefoxProfile();
    return test::ExecSql(chromeCookies, "CREATE TEMP TABLE t AS SELECT * FROM cookies WHERE host_key = '127.0.0.1';"
                                        "UPDATE t SET host_key = '" +
                                            host + "', value = 'of " + host +
                                            "';"
                                            "INSERT INTO cookies SELECT * FROM t;") &&
           test::ExecSql(ff + "\\cookies.sqlite",
                         "INSERT INTO moz_cookies (originAttributes, name, value, host, path, expiry, lastAccessed,"
                         " creationTime, isSecure, isHttpOnly) SELECT originAttributes, name, 'of " +
                             host + "', '." + host +
                             "', path, expiry, lastAccessed, creationTime, isSecure, isHttpOnly FROM moz_cookies"
                             " WHERE host = '127.0.0.1';") &&
           test::ExecSql(ff + "\\webappsstore.sqlite", "INSERT INTO webappsstore2 VALUES ('', '" + ReversedHost(host) +
                                                           ".:https:443', '', 'signed-in', 'of " + host + "');") &&
           test::CopyTree(browsers.ChromeDefault() + "\\IndexedDB\\http_127.0.0.1_8417.indexeddb.leveldb",
                          browsers.ChromeDefault() + "\\IndexedDB\\https_" + host + "_0.indexeddb.leveldb") &&
           test::CopyTree(ff + "\\storage\\default\\http+++127.0.0.1+8417", ff + "\\storage\\default\\https+++" + host);
}

// What a site has in the stores the test looks at, read without changing them.
struct SiteData {
    std::string ChromeCookies, FirefoxCookies, Webappsstore;
    std::map<std::string, std::int64_t> ChromeIndexedDb, FirefoxStorage;
    std::size_t LocalStorageEntries = 0;
    bool operator==(const SiteData& o) const
    {
        return ChromeCookies == o.ChromeCookies && FirefoxCookies == o.FirefoxCookies &&
               Webappsstore == o.Webappsstore && ChromeIndexedDb == o.ChromeIndexedDb &&
               FirefoxStorage == o.FirefoxStorage && LocalStorageEntries == o.LocalStorageEntries;
    }
    bool empty() const { return *this == SiteData{}; }
};

SiteData DataOf(const InstalledBrowsers& browsers, const std::string& host)
{
    SiteData data;
    const std::string where = "'" + host + "' OR host_key = '." + host + "'";
    data.ChromeCookies = QueryRows(browsers.ChromeDefault() + "\\Network\\Cookies",
                                   ("SELECT host_key, name, value, hex(encrypted_value), expires_utc FROM cookies"
                                    " WHERE host_key = " +
                                    where + " ORDER BY name")
                                       .c_str());
    data.FirefoxCookies = QueryRows(browsers.FirefoxProfile() + "\\cookies.sqlite",
                                    ("SELECT host, name, value, expiry FROM moz_cookies WHERE host = '" + host +
                                     "' OR host = '." + host + "' ORDER BY name")
                                        .c_str());
    data.Webappsstore = QueryRows(
        browsers.FirefoxProfile() + "\\webappsstore.sqlite",
        ("SELECT originKey, key, value FROM webappsstore2 WHERE originKey LIKE '" + ReversedHost(host) + ".:%'")
            .c_str());
    const bool numeric = host == "127.0.0.1";
    data.ChromeIndexedDb =
        test::FilesBelow(browsers.ChromeDefault() + "\\IndexedDB\\" +
                         (numeric ? "http_127.0.0.1_8417" : "https_" + host + "_0") + ".indexeddb.leveldb");
    data.FirefoxStorage = test::FilesBelow(browsers.FirefoxProfile() + "\\storage\\default\\" +
                                           (numeric ? "http+++127.0.0.1+8417" : "https+++" + host));
    for (const LocalStorageSite& site :
         SurveyLocalStorage(browsers.ChromeDefault() + "\\Local Storage\\leveldb", KeepList()).Sites)
        if (site.Host == host)
            data.LocalStorageEntries += site.Entries;
    return data;
}

// A keep list on the real profiles: every category of both browsers at once, previewed and then
// cleaned. The kept sites' cookies and per-site storage stay exactly as they were (the fixture's
// Local Storage with them), every other site's go, the databases cleaned in place pass an
// integrity check, bookmarks and passwords are untouched, and the preview said how many rows each
// database would lose and by how much it would shrink.
TEST_F(BrowserFixtures, AKeepListSparesTheKeptSitesCookiesAndStorage)
{
    struct Case {
        std::vector<std::string> List;
        std::vector<std::string> Kept, Gone;
    };
    const std::vector<Case> cases = {
        {{"127.0.0.1", "kept.test"}, {"127.0.0.1", kKeptHost}, {kGoneHost}},
        {{"kept.test"}, {kKeptHost}, {"127.0.0.1", kGoneHost}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.List.front());
        InstalledBrowsers browsers;
        ASSERT_TRUE(browsers.ok());
        ASSERT_TRUE(AddSite(browsers, kKeptHost));
        ASSERT_TRUE(AddSite(browsers, kGoneHost));
        const std::string chromeCookies = browsers.ChromeDefault() + "\\Network\\Cookies";
        const std::string firefoxCookies = browsers.FirefoxProfile() + "\\cookies.sqlite";
        const std::string webapps = browsers.FirefoxProfile() + "\\webappsstore.sqlite";
        std::map<std::string, SiteData> before;
        for (const std::string& host : {std::string("127.0.0.1"), std::string(kKeptHost), std::string(kGoneHost)}) {
            before[host] = DataOf(browsers, host);
            EXPECT_FALSE(before[host].ChromeCookies.empty() || before[host].FirefoxCookies.empty() ||
                         before[host].ChromeIndexedDb.empty() || before[host].FirefoxStorage.empty())
                << host;
        }
        ASSERT_GT(before["127.0.0.1"].LocalStorageEntries, 0u);
        const std::vector<std::string> untouched = {
            browsers.FirefoxProfile() + "\\logins.db", browsers.FirefoxProfile() + "\\key4.db",
            browsers.ChromeDefault() + "\\Login Data", browsers.ChromeDefault() + "\\Bookmarks"};
        std::map<std::string, std::string> untouchedBefore;
        for (const std::string& path : untouched)
            untouchedBefore[path] = test::ReadWholeFile(path);
        const int bookmarks =
            QueryInt(browsers.FirefoxProfile() + "\\places.sqlite", "SELECT count(*) FROM moz_bookmarks");
        std::map<std::string, std::int64_t> rowsBefore = {
            {chromeCookies, QueryInt(chromeCookies, "SELECT count(*) FROM cookies")},
            {firefoxCookies, QueryInt(firefoxCookies, "SELECT count(*) FROM moz_cookies")},
            {webapps, QueryInt(webapps, "SELECT count(*) FROM webappsstore2")}};
        std::map<std::string, std::int64_t> bytesBefore;
        for (const auto& [db, rows] : rowsBefore)
            bytesBefore[db] = test::FilesBelow(db.substr(0, db.rfind('\\')))[db.substr(db.rfind('\\') + 1)];

        CleanRequest request;
        for (const char* group : {"Mozilla Firefox", "Google Chrome"})
            for (const std::string& category : CategoriesOf(group))
                ASSERT_TRUE(request.Selection.TickNamed(group, category)) << group << " > " << category;
        for (const std::string& site : c.List)
            ASSERT_EQ(KeepList::AddResult::Added, request.KeptSites.Add(site));
        const CleanPlan plan = PlanCleaning(request);
        // Paths as the plan names them (a Firefox profile named in profiles.ini with a slash).
        auto key = [](std::string path) {
            std::replace(path.begin(), path.end(), '/', '\\');
            return Lower(path);
        };
        std::map<std::string, const PlanEntry*> inPlace;
        std::set<std::string> keptInPlan;
        for (const PlanEntry& entry : plan.Entries) {
            if (entry.Kind == PlanKind::Rows)
                inPlace[key(entry.Path)] = &entry;
            if (entry.Kind == PlanKind::Kept)
                keptInPlan.insert(key(entry.Path));
        }
        CleanCounters counters;
        RunCleaning(request, counters);

        for (const std::string& host : c.Kept)
            EXPECT_TRUE(DataOf(browsers, host) == before[host]) << host << " was not kept as it was";
        for (const std::string& host : c.Gone) {
            const SiteData after = DataOf(browsers, host);
            EXPECT_TRUE(after.empty()) << host << " left: " << after.ChromeCookies << after.FirefoxCookies
                                       << after.Webappsstore << after.ChromeIndexedDb.size() << " "
                                       << after.FirefoxStorage.size() << " " << after.LocalStorageEntries;
        }
        for (const auto& [db, rows] : rowsBefore) {
            SCOPED_TRACE(db);
            EXPECT_EQ("ok\n", QueryRows(db, "PRAGMA integrity_check"));
            const std::int64_t removed = rows - QueryInt(db, db == chromeCookies ? "SELECT count(*) FROM cookies"
                                                             : db == webapps     ? "SELECT count(*) FROM webappsstore2"
                                                                                 : "SELECT count(*) FROM moz_cookies");
            ASSERT_GT(removed, 0);
            const auto listed = inPlace.find(key(db));
            ASSERT_TRUE(listed != inPlace.end()) << "not in the preview";
            EXPECT_EQ(removed, listed->second->Rows);
            const std::int64_t shrunk =
                bytesBefore[db] - test::FilesBelow(db.substr(0, db.rfind('\\')))[db.substr(db.rfind('\\') + 1)];
            // Measured on a copy cleaned the same way, the estimate is what the file really lost.
            EXPECT_EQ(shrunk, listed->second->Bytes);
        }
        // The kept sites' folders are listed as kept; the store whose sites are tied together
        // by one index stays whole while it holds a kept site's data (the fixture site's
        // service worker and cache), and goes otherwise.
        EXPECT_EQ(1u, keptInPlan.count(
                          key(browsers.ChromeDefault() + "\\IndexedDB\\https_www.kept.test_0.indexeddb.leveldb")));
        EXPECT_EQ(1u, keptInPlan.count(key(browsers.FirefoxProfile() + "\\storage\\default\\https+++www.kept.test")));
        const bool fixtureSiteKept = c.Kept.front() == "127.0.0.1";
        // Local Storage, which holds only the fixture site, is cleaned in place when it goes.
        const auto localStorage = inPlace.find(key(browsers.ChromeDefault() + "\\Local Storage\\leveldb"));
        EXPECT_EQ(fixtureSiteKept, localStorage == inPlace.end());
        if (!fixtureSiteKept && localStorage != inPlace.end()) {
            EXPECT_EQ(static_cast<std::int64_t>(before["127.0.0.1"].LocalStorageEntries), localStorage->second->Rows);
        }
        EXPECT_EQ(fixtureSiteKept ? 1u : 0u, keptInPlan.count(key(browsers.ChromeDefault() + "\\Service Worker\\")));
        EXPECT_EQ(fixtureSiteKept, !test::FilesBelow(browsers.ChromeDefault() + "\\Service Worker").empty());
        for (const std::string& path : untouched)
            EXPECT_EQ(untouchedBefore[path], test::ReadWholeFile(path)) << path;
        EXPECT_EQ(bookmarks,
                  QueryInt(browsers.FirefoxProfile() + "\\places.sqlite", "SELECT count(*) FROM moz_bookmarks"));
    }
}

// Where the browsers of the families keep their data, as they write it.
const std::vector<test::FamilyRoot>& FamilyRoots()
{
    using test::Layout;
    static const std::vector<test::FamilyRoot> roots = {
        {"Brave", Layout::Chromium, "BraveSoftware\\Brave-Browser\\User Data"},
        {"Microsoft Edge", Layout::Chromium, "Microsoft\\Edge\\User Data"},
        {"Vivaldi", Layout::Chromium, "Vivaldi\\User Data"},
        {"Yandex Browser", Layout::Chromium, "Yandex\\YandexBrowser\\User Data"},
        {"Opera GX", Layout::Opera, "Opera Software\\Opera GX Stable"},
        {"Floorp", Layout::Firefox, "Floorp"},
        {"LibreWolf", Layout::Firefox, "librewolf"},
        {"Thunderbird", Layout::Firefox, "Thunderbird"},
        {"Waterfox", Layout::Firefox, "Waterfox"},
    };
    return roots;
}

// What a category of a family's browser removes: what the same category removes from Chrome or
// Firefox, but for the crash reports (which the fixture profiles lack, so the test adds them)
// and Chromium's form history, a category of its own there.
std::vector<Rule> FamilyRules(test::Layout kind, const std::string& category)
{
    const bool chromium = kind != test::Layout::Firefox;
    if (category == "Crash Reports") {
        if (chromium)
            return {{At::ChromeData, "Crashpad\\reports\\", Fate::Gone}};
        return {{At::FirefoxRoot, "Crash Reports\\pending\\", Fate::Gone}, {At::FirefoxProfile, "minidumps\\", Fate::Gone}};
    }
    if (chromium && category == "Form History")
        return {{At::ChromeProfile, "Web Data-journal", Fate::Loose}, {At::ChromeProfile, "Web Data", Fate::InPlace}};
    std::vector<Rule> rules;
    for (const CategoryRules& row : Expectations())
        if (row.Group == (chromium ? "Google Chrome" : "Mozilla Firefox") && row.Category == category)
            for (const Rule& rule : row.Rules)
                if (rule.Prefix.rfind("Web Data", 0) != 0)
                    rules.push_back(rule);
    return rules;
}

std::vector<std::string> FoldersAt(const test::FamilyInstall& browser, At where)
{
    switch (where) {
    case At::ChromeProfile: {
        std::vector<std::string> all = browser.Profiles;
        all.insert(all.end(), browser.ProfileCaches.begin(), browser.ProfileCaches.end());
        return all;
    }
    case At::FirefoxProfile: return browser.Profiles;
    case At::FirefoxLocal: return browser.ProfileCaches;
    default: return browser.DataRoots;
    }
}

bool StartsWithFolder(const std::string& path, const std::string& folder)
{
    return Lower(path).rfind(Lower(folder + "\\"), 0) == 0;
}

// The first rule naming the file, or null.
const Rule* RuleFor(const test::FamilyInstall& browser, const std::vector<Rule>& rules, const std::string& path)
{
    for (const Rule& rule : rules)
        for (const std::string& folder : FoldersAt(browser, rule.Where))
            if (Lower(path).rfind(Lower(folder + "\\" + rule.Prefix), 0) == 0)
                return &rule;
    return nullptr;
}

// The profile a file belongs to (the one whose folders lie deepest around it), or -1.
int ProfileOf(const test::FamilyInstall& browser, const std::string& path)
{
    int owner = -1;
    std::size_t depth = 0;
    for (std::size_t i = 0; i < browser.Profiles.size(); ++i)
        for (const std::string& folder : {browser.Profiles[i], browser.ProfileCaches[i]})
            if (StartsWithFolder(path, folder) && folder.size() > depth) {
                owner = static_cast<int>(i);
                depth = folder.size();
            }
    return owner;
}

bool InFolders(const std::string& path, const std::vector<std::string>& folders)
{
    return std::any_of(folders.begin(), folders.end(), [&](const std::string& f) { return StartsWithFolder(path, f); });
}

// Every browser of the families, with the fixture placed under its own data root twice, cleaned
// one category after the other: each category takes its traces from every profile and changes
// nothing else of the browser, the browser's categories change no file outside its folders, and
// at the end bookmarks, passwords and preferences are as they were and, with every category of
// the family, nothing the page typed, searched for or downloaded is left.
TEST_F(BrowserFixtures, TheFamiliesBrowsersAreCleanedInEveryProfile)
{
    std::set<std::string> placed, table;
    for (const test::FamilyRoot& root : FamilyRoots())
        placed.insert(root.Group);
    for (const FamilyBrowser& browser : FamilyBrowsers())
        table.insert(std::string(browser.Group));
    ASSERT_EQ(placed, table);
    ASSERT_TRUE(browsers_.ok());
    test::InstalledFamilies families(FamilyRoots());
    ASSERT_TRUE(families.ok());
    const std::vector<std::string> everywhere = {browsers_.Roaming(), browsers_.Local(), "C:\\aw-families"};

    for (const test::FamilyInstall& browser : families.Browsers()) {
        const std::string& group = browser.Browser.Group;
        SCOPED_TRACE(group);
        const bool chromium = browser.Browser.Kind != test::Layout::Firefox;
        std::vector<std::string> kept;
        for (const std::string& profile : browser.Profiles)
            for (const char* name : chromium ? std::vector<const char*>{"Bookmarks", "Login Data", "Preferences"}
                                             : std::vector<const char*>{"logins.db", "key4.db", "prefs.js", "extensions.json"})
                kept.push_back(profile + "\\" + name);
        kept.push_back(browser.DataRoots.back() + (chromium ? "\\Local State" : "\\profiles.ini"));
        std::map<std::string, std::string> keptBefore;
        for (const std::string& path : kept) {
            keptBefore[path] = test::ReadWholeFile(path);
            ASSERT_FALSE(keptBefore[path].empty()) << path;
        }
        auto sum = [](const std::map<std::string, test::FileStamp>& stamps) {
            Totals totals;
            for (const auto& [path, stamp] : stamps) {
                totals.Files += 1;
                totals.Bytes += stamp.Size;
            }
            return totals;
        };

        const auto outside = test::StampsBelow(everywhere);
        auto stamps = test::StampsBelow(browser.Made);
        const Totals before = sum(stamps);
        CleanCounters all;
        for (const std::string& category : CategoriesOf(group)) {
            SCOPED_TRACE(category);
            const std::vector<Rule> rules = FamilyRules(browser.Browser.Kind, category);
            ASSERT_FALSE(rules.empty());
            const CleanCounters counters = Clean(group, {category});
            all.FilesDeleted += counters.FilesDeleted;
            all.BytesCleaned += counters.BytesCleaned;
            const auto after = test::StampsBelow(browser.Made);
            std::vector<int> named(browser.Profiles.size(), 0);
            int anywhere = 0;
            bool perProfile = false;
            for (const Rule& rule : rules)
                perProfile = perProfile || (rule.Where != At::ChromeData && rule.Where != At::FirefoxRoot);
            for (const auto& [path, stamp] : stamps) {
                const Rule* rule = RuleFor(browser, rules, path);
                auto now = after.find(path);
                if (!rule) {
                    EXPECT_TRUE(now != after.end() && now->second == stamp) << "changed: " << path;
                    continue;
                }
                ++anywhere;
                if (int profile = ProfileOf(browser, path); profile >= 0)
                    named[static_cast<std::size_t>(profile)] += 1;
                if (rule->Does == Fate::Gone) {
                    EXPECT_TRUE(now == after.end()) << "left: " << path;
                } else if (rule->Does == Fate::InPlace) {
                    EXPECT_TRUE(now != after.end()) << "deleted instead of cleaned: " << path;
                }
            }
            EXPECT_GT(anywhere, 0);
            for (std::size_t i = 0; perProfile && i < named.size(); ++i)
                EXPECT_GT(named[i], 0) << "nothing of " << browser.Profiles[i];
            for (const auto& [path, stamp] : after)
                EXPECT_TRUE(stamps.count(path)) << "created: " << path;
            stamps = after;
        }
        Record(group, "(all categories)", before, sum(stamps), all);

        // Nothing outside the browser's own folders moved.
        const auto outsideAfter = test::StampsBelow(everywhere);
        for (const auto& [path, stamp] : outside) {
            if (InFolders(path, browser.Made))
                continue;
            auto now = outsideAfter.find(path);
            EXPECT_TRUE(now != outsideAfter.end() && now->second == stamp) << "changed outside: " << path;
        }
        for (const auto& [path, stamp] : outsideAfter)
            EXPECT_TRUE(outside.count(path)) << "created: " << path;

        for (const std::string& path : kept)
            EXPECT_EQ(keptBefore[path], test::ReadWholeFile(path)) << path;
        for (const std::string& profile : browser.Profiles) {
            if (chromium) {
                EXPECT_EQ(0, QueryInt(profile + "\\Web Data", "SELECT count(*) FROM autofill")) << profile;
            } else {
                EXPECT_GT(QueryInt(profile + "\\places.sqlite", "SELECT count(*) FROM moz_bookmarks"), 2) << profile;
                EXPECT_EQ(0, QueryInt(profile + "\\places.sqlite", "SELECT count(*) FROM moz_historyvisits")) << profile;
            }
        }
        const bool wholeFamily = std::any_of(FamilyBrowsers().begin(), FamilyBrowsers().end(),
                                             [&](const FamilyBrowser& b) { return b.Group == group && b.Categories.empty(); });
        for (const auto& [path, stamp] : stamps) {
            if (!wholeFamily || ProfileOf(browser, path) < 0)
                continue;
            const std::string content = test::ReadWholeFile(path);
            for (const char* marker : kMarkers)
                EXPECT_EQ(std::string::npos, content.find(marker)) << marker << " left in " << path;
        }
    }
}

// Every browser of the families honours the list in each of its profiles: with the fixture's site
// kept its cookies stay as they were; with another site kept they go, but the database stays,
// cleaned in place.
TEST_F(BrowserFixtures, EveryFamilyBrowserCleansItsCookiesAroundTheKeptSites)
{
    for (const char* site : {"127.0.0.1", "kept.test"}) {
        SCOPED_TRACE(site);
        test::InstalledFamilies families(FamilyRoots());
        ASSERT_TRUE(families.ok());
        CleanRequest request;
        ASSERT_EQ(KeepList::AddResult::Added, request.KeptSites.Add(site));
        std::map<std::string, std::string> before; // cookie database -> its rows
        for (const test::FamilyInstall& browser : families.Browsers()) {
            const std::vector<std::string> categories = CategoriesOf(browser.Browser.Group);
            if (std::find(categories.begin(), categories.end(), "Cookies") == categories.end())
                continue;
            ASSERT_TRUE(request.Selection.TickNamed(browser.Browser.Group, "Cookies")) << browser.Browser.Group;
            const bool chromium = browser.Browser.Kind != test::Layout::Firefox;
            for (const std::string& profile : browser.Profiles) {
                const std::string db = profile + (chromium ? "\\Network\\Cookies" : "\\cookies.sqlite");
                before[db] =
                    QueryRows(db, chromium ? "SELECT host_key, name, hex(encrypted_value) FROM cookies ORDER BY name"
                                           : "SELECT host, name, value FROM moz_cookies ORDER BY name");
                EXPECT_NE(std::string::npos, before[db].find("127.0.0.1")) << db;
            }
        }
        ASSERT_GE(request.Selection.Ticked().size(), 8u);
        CleanCounters counters;
        RunCleaning(request, counters);
        for (const auto& [db, rows] : before) {
            const bool chromium = db.rfind("Cookies") + 7 == db.size();
            const std::string now =
                QueryRows(db, chromium ? "SELECT host_key, name, hex(encrypted_value) FROM cookies ORDER BY name"
                                       : "SELECT host, name, value FROM moz_cookies ORDER BY name");
            EXPECT_EQ(std::string(site) == "127.0.0.1" ? rows : std::string(), now) << db;
        }
    }
}

} // namespace
} // namespace aw
