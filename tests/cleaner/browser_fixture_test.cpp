// Cleaning profiles that today's Firefox and Chromium wrote: what each category removes, what
// it must keep, and the rules for several profiles, locked and damaged databases.
#include "catalogue/trace_catalogue.h"
#include "cleaner/browser_fixture.h"
#include "cleaner/clean_run.h"
#include "cleaner/wine_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
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
enum class At { FirefoxProfile, FirefoxLocal, ChromeProfile, ChromeData };
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

} // namespace
} // namespace aw
