// Cleaning profiles that today's Firefox and Chromium wrote: what each category removes, what
// it must keep, and the rules for several profiles, locked and damaged databases; the same
// profiles placed where the other browsers of both families keep theirs.
#include "catalogue/trace_catalogue.h"
#include "cleaner/browser_families.h"
#include "cleaner/browser_fixture.h"
#include "cleaner/clean_run.h"
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
            request.Selection.push_back({group, category});
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

} // namespace
} // namespace aw
