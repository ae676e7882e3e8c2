#include "catalogue/trace_catalogue.h"
#include "cleaner/location_builder.h"
#include "cleaner/location_table.h"
#include "cleaner/path_rules.h"

#include "support/fake_location_source.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace aw {
namespace {

using FakeSource = test::FakeLocationSource;

std::string Location(std::string_view group, std::string_view category, std::size_t index, const FakeSource& source)
{
    ActionRange range = ActionsFor(group, category);
    if (index >= range.Count)
        return "<no action>";
    return BuildLocation(range.First[index], source).value_or("<nothing>");
}


// The folder a row's location is built on: a row on the Firefox profile is built on Firefox's
// own folder and each of its profiles.
BaseFolder BuiltOn(const TraceAction& a)
{
    return a.Base == BaseFolder::FirefoxProfile ? BaseFolder::FirefoxRoot : a.Base;
}

TEST(LocationTable, FollowsTheTraceTreeCategoryByCategory)
{
    std::vector<std::pair<std::string_view, std::string_view>> tree, table;
    for (const CatalogueGroup& group : TraceCatalogue())
        for (std::string_view category : group.Categories)
            tree.emplace_back(group.Text, category);
    for (const TraceAction& action : TraceLocationTable())
        if (table.empty() || table.back() != std::make_pair(action.Group, action.Category))
            table.emplace_back(action.Group, action.Category);
    EXPECT_EQ(tree, table);
}

TEST(LocationTable, EveryRowIsWellFormedForItsKind)
{
    for (const TraceAction& a : TraceLocationTable()) {
        SCOPED_TRACE(std::string(a.Group) + " > " + std::string(a.Category));
        EXPECT_EQ(a.Kind == ActionKind::Files, !a.Mask.empty());
        if (!a.Mask.empty()) {
            EXPECT_TRUE(IsPlainMask(a.Mask));
        }
        if (!a.Keep.empty()) {
            EXPECT_TRUE(a.Kind == ActionKind::Files ? IsPlainMask(a.Keep) : a.Kind == ActionKind::Tree && IsPlainMaskPath(a.Keep));
        }
        EXPECT_EQ(ActsOnFileSystem(a.Kind), a.Base != BaseFolder::None);
        EXPECT_EQ(a.Profile != ProfilePart::None, !a.Tail.empty());
        switch (a.Kind) {
        case ActionKind::File:
        case ActionKind::Database:
        case ActionKind::PlacesHistory:
    case ActionKind::PlacesDownloads:
        case ActionKind::AutofillHistory: EXPECT_EQ(ExistenceTest::FileExists, a.Test); break;
        case ActionKind::Files:
        case ActionKind::Tree:
            EXPECT_TRUE(a.Test == ExistenceTest::FolderExists || a.Test == ExistenceTest::None);
            break;
        case ActionKind::Key: EXPECT_EQ(ExistenceTest::KeyExists, a.Test); break;
        case ActionKind::Value: EXPECT_EQ(ExistenceTest::ValueExists, a.Test); break;
        default: EXPECT_EQ(ExistenceTest::None, a.Test); break;
        }
    }
}

TEST(LocationTable, CategoriesAreFoundByTheirExactTexts)
{
    EXPECT_EQ(3u, ActionsFor("Lunascape", "History").Count);
    EXPECT_FALSE(ActionsFor("Opera", "Cache").empty());
    EXPECT_TRUE(ActionsFor("Opera", "cache").empty());
    EXPECT_TRUE(ActionsFor("Opera ", "Cache").empty());
    EXPECT_TRUE(ActionsFor("Windows", "Recent Docs Lis").empty());
    EXPECT_TRUE(ActionsFor("Cache", "Opera").empty());
}

TEST(LocationTable, OneFirefoxCategoryCarriesTheOfflineCache)
{
    int carriers = 0;
    for (const char* category : {"Crash Reports", "Offline Cache"})
        for (const TraceAction& a : ActionsFor("Mozilla Firefox", category))
            carriers += a.Tail == "\\OfflineCache\\";
    EXPECT_EQ(1, carriers);
    for (const TraceAction& a : ActionsFor("Apple Safari", "Cache"))
        EXPECT_EQ(ActionKind::None, a.Kind);
}

TEST(LocationBuilder, JoinsFoldersFragmentsAndProfilesAsText)
{
    FakeSource s;
    EXPECT_EQ("C:\\u\\Roaming\\\\Apple Computer\\Safari\\Cookies\\", Location("Apple Safari", "Cookies", 0, s));
    EXPECT_EQ("C:\\u\\Local\\\\Mozilla\\Firefox\\Profiles/ff.default\\Cache\\", Location("Mozilla Firefox", "Cache", 1, s));
    EXPECT_EQ("C:\\u\\Roaming\\Mozilla\\Firefox\\Profiles/ff.default\\Cache\\", Location("Mozilla Firefox", "Cache", 0, s));
    EXPECT_EQ("C:\\u\\Roaming\\Mozilla\\Firefox\\Profiles/ff.default\\places.sqlite",
              Location("Mozilla Firefox", "History", 0, s));
    EXPECT_EQ("C:\\u\\Roaming\\Macromedia\\Flash Player\\#SharedObjects\\",
              Location("Extra Traces", "Flash Player Shared Objects", 0, s));
    EXPECT_EQ("C:\\windows\\system32\\dns\\dns.log", Location("Windows", "DNS Logs", 0, s));
    EXPECT_EQ("C:\\windows\\Downloaded Program Files\\", Location("Internet Explorer", "Downloads History", 0, s));
    EXPECT_EQ("C:\\u\\INetCache\\", Location("Internet Explorer", "Cache", 0, s));
    EXPECT_EQ("C:\\u\\Roaming\\\\Moonchild Productions\\Pale Moon\\Profiles/mz.default\\places.sqlite",
              Location("Pale Moon", "Content History", 0, s));
    EXPECT_EQ("Software\\Microsoft\\Internet Explorer\\TypedUrls", Location("Lunascape", "Content History", 1, s));
    EXPECT_EQ("C:\\u\\Roaming\\\\Lunascape\\Lunascape6\\plugins\\{9BDD5314-20A6-4d98-AB30-8325A95771EE}\\data\\cookies.sqlite",
              Location("Lunascape", "Cookies", 0, s));

    s.Folders[BaseFolder::SystemDir] = "C:\\windows\\system32\\"; // a system folder given with its backslash
    EXPECT_EQ("C:\\windows\\system32\\\\dns\\dns.log", Location("Windows", "DNS Logs", 0, s));
}

// Every row built on a folder that cannot be resolved, or on a missing or hostile profile,
// builds nothing: across the whole table, so that no row escapes the rule.
TEST(LocationBuilder, NothingIsBuiltOnAnUnresolvedFolderOrProfile)
{
    const FakeSource full;
    for (const auto& [base, unused] : full.Folders) {
        for (const char* unresolved : {"", "C:\\", "\\\\server\\share\\"}) {
            FakeSource s;
            s.Folders[base] = unresolved;
            for (const TraceAction& a : TraceLocationTable()) {
                if (BuiltOn(a) != base)
                    continue;
                auto built = BuildLocation(a, s);
                // A root base still holds folders below it; only the root itself is refused.
                bool mayStand = unresolved[0] != '\0' && !a.Literal.empty();
                if (!mayStand) {
                    EXPECT_FALSE(built) << a.Group << " > " << a.Category << " on \"" << unresolved << "\" built "
                                        << built.value_or("");
                }
            }
        }
    }
    for (const auto& [part, unused] : full.Profiles) {
        for (const char* hostile : {"", "..", "Profiles/../..", "C:\\elsewhere", "/", "."}) {
            FakeSource s;
            s.Profiles[part] = hostile;
            for (const TraceAction& a : TraceLocationTable()) {
                if (a.Profile != part)
                    continue;
                EXPECT_FALSE(BuildLocation(a, s)) << a.Group << " > " << a.Category << " with \"" << hostile << '"';
            }
        }
    }
}

TEST(LocationBuilder, EveryFolderActionOfTheTableLandsBelowItsBase)
{
    FakeSource s;
    for (const TraceAction& a : TraceLocationTable()) {
        if (!ActsOnFileSystem(a.Kind))
            continue;
        auto built = BuildLocation(a, s);
        ASSERT_TRUE(built) << a.Group << " > " << a.Category;
        EXPECT_EQ(0u, built->rfind(s.folder(BuiltOn(a)), 0)) << *built;
        EXPECT_TRUE(IsSafeFolderTarget(*built)) << *built;
    }
}

// Every profile of a browser is cleaned: relative ones below the browser's folders, one kept
// elsewhere in its own folder (roaming and local alike), each once; unusable ones not at all.
TEST(LocationBuilder, EveryUsableProfileGetsItsOwnLocation)
{
    FakeSource s;
    s.MoreProfiles[ProfilePart::Firefox] = {
        {"Profiles/second.default", true}, {"D:\\Elsewhere\\ff", false}, {"profiles\\FF.default", true},
        {"C:\\", false}, {"C:\\u\\..\\..", false}, {"C:\\u\\*", false}, {"\\\\server\\share\\ff", false},
        {"Profiles/../../..", true}};
    s.MoreProfiles[ProfilePart::ChromiumProfiles] = {{"Profile 1", true}, {"..", true}};
    auto all = [&](std::string_view group, std::string_view category, std::string_view tail) {
        for (const TraceAction& a : ActionsFor(group, category))
            if (a.Tail == tail || a.Literal == tail)
                return BuildLocations(a, s);
        return std::vector<std::string>{"<no row>"};
    };
    EXPECT_EQ((std::vector<std::string>{"C:\\u\\Roaming\\Mozilla\\Firefox\\Profiles/ff.default\\places.sqlite",
                                        "C:\\u\\Roaming\\Mozilla\\Firefox\\Profiles/second.default\\places.sqlite",
                                        "D:\\Elsewhere\\ff\\places.sqlite"}),
              all("Mozilla Firefox", "History", "places.sqlite"));
    EXPECT_EQ((std::vector<std::string>{"C:\\u\\Local\\\\Mozilla\\Firefox\\Profiles/ff.default\\cache2\\",
                                        "C:\\u\\Local\\\\Mozilla\\Firefox\\Profiles/second.default\\cache2\\",
                                        "D:\\Elsewhere\\ff\\cache2\\"}),
              all("Mozilla Firefox", "Cache", "\\cache2\\"));
    EXPECT_EQ((std::vector<std::string>{"C:\\u\\Local\\\\Google\\Chrome\\User Data\\Default\\Network\\Cookies",
                                        "C:\\u\\Local\\\\Google\\Chrome\\User Data\\Profile 1\\Network\\Cookies"}),
              all("Google Chrome", "Cookies", "\\Network\\Cookies"));
}

// Every location of a category, all rows and profiles together.
std::set<std::string> AllLocations(std::string_view group, std::string_view category, const FakeSource& s)
{
    std::set<std::string> all;
    for (const TraceAction& a : ActionsFor(group, category))
        for (std::string& location : BuildLocations(a, s))
            all.insert(CollapseDoubledBackslashes(location));
    return all;
}

// Where the families look for profiles, whatever folder a row is on: a Firefox fork reads its
// profiles.ini below the roaming folder also for its caches below the local one; Opera GX lists
// its side profiles there too. (Under Wine, the browser fixtures show the rest.)
TEST(LocationBuilder, TheFamiliesListTheirProfilesBelowTheRoamingFolder)
{
    FakeSource s;
    s.MoreProfiles[ProfilePart::ProfilesIni] = {{"D:\\Elsewhere\\wf", false}};
    const std::set<std::string> cache = AllLocations("Waterfox", "Cache", s);
    EXPECT_EQ(cache.count("C:\\u\\Local\\Waterfox\\Profiles/mz.default\\cache2\\"), 1u);
    EXPECT_EQ(cache.count("D:\\Elsewhere\\wf\\cache2\\"), 1u);
    ASSERT_FALSE(s.Asked.empty());
    for (const auto& [part, folder] : s.Asked)
        EXPECT_EQ(CollapseDoubledBackslashes(folder), "C:\\u\\Roaming\\Waterfox\\");
    for (const TraceAction& a : ActionsFor("Waterfox", "Cache"))
        EXPECT_EQ(CollapseDoubledBackslashes(RowFolder(a, s).value_or("")), "C:\\u\\Roaming\\Waterfox\\");
    EXPECT_FALSE(RowFolder(*ActionsFor("Mozilla Firefox", "History").First, s));

    // Without a roaming folder there is no profiles.ini and no side profile to find: only the
    // caches of Opera GX's data root itself, below the local folder, are left.
    s.Folders[BaseFolder::RoamingAppData] = "";
    EXPECT_TRUE(AllLocations("Waterfox", "Cache", s).empty());
    const std::set<std::string> gx = AllLocations("Opera GX", "Cache", s);
    EXPECT_EQ(gx.count("C:\\u\\Local\\Opera Software\\Opera GX Stable\\Code Cache\\"), 1u);
    for (const std::string& location : gx)
        EXPECT_EQ(location.find("_side_profiles"), std::string::npos) << location;
}

TEST(LocationBuilder, LocationsPastThePathLimitAreNotBuilt)
{
    FakeSource s;
    s.Folders[BaseFolder::LocalAppData] = "C:\\" + std::string(kPathLimit - 40, 'x');
    EXPECT_EQ("<nothing>", Location("Comodo Dragon", "Cache", 0, s));
    s.Folders[BaseFolder::LocalAppData] = "C:\\" + std::string(300, 'x');
    EXPECT_NE("<nothing>", Location("Comodo Dragon", "Cache", 0, s));
}

} // namespace
} // namespace aw
