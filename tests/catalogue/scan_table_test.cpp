// The scan's tables held against the catalogue and the cleaner's location table, and the text
// rules of the scan and of Traces.ini.
#include "catalogue/scan_table.h"
#include "catalogue/trace_catalogue.h"
#include "catalogue/trace_selection_file_text.h"
#include "cleaner/browser_families.h"
#include "cleaner/location_table.h"
#include "cleaner/path_rules.h"

#include "support/fake_location_source.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace aw {
namespace {

using FakeSource = test::FakeLocationSource;

bool IsBrowser(std::string_view group)
{
    return group != "Advanced" && group != "Extra Traces" && group != "Windows";
}

TEST(ScanTable, EveryNonBrowserCategoryHasExactlyOneTestAndEveryBrowserOneFolder)
{
    std::set<std::pair<std::string_view, std::string_view>> catalogue;
    std::multiset<std::string_view> browsers;
    for (const CatalogueGroup& group : TraceCatalogue())
        for (std::string_view category : group.Categories)
            catalogue.insert({group.Text, category});

    std::multiset<std::pair<std::string_view, std::string_view>> tested;
    for (const CategoryScanTest& row : CategoryScanTests()) {
        EXPECT_TRUE(catalogue.count({row.Group, row.Category})) << row.Group << " > " << row.Category;
        EXPECT_FALSE(IsBrowser(row.Group)) << row.Group;
        tested.insert({row.Group, row.Category});
    }
    for (const auto& [group, category] : catalogue) {
        if (IsBrowser(group))
            continue;
        EXPECT_EQ(tested.count({group, category}), 1u) << group << " > " << category;
    }

    for (const BrowserScanTest& row : BrowserScanTests())
        browsers.insert(row.Group);
    for (const CatalogueGroup& group : TraceCatalogue())
        EXPECT_EQ(browsers.count(group.Text), IsBrowser(group.Text) ? 1u : 0u) << group.Text;
    EXPECT_EQ(BrowserScanTests().size(), 25u);
}

TEST(ScanTable, LooksWhereTheCleanerDeletesForTheTwoChosenFolderNames)
{
    ASSERT_FALSE(FlashSettingsSiteFolder().empty());
    ASSERT_FALSE(QtWebVendorFolder().empty());
    FakeSource source;

    // The Flash Player's settings history is the very folder the cleaner empties.
    const TraceAction& flash = *ActionsFor("Extra Traces", "Flash Player Sys History").First;
    auto rows = CategoryScanTestsFor("Extra Traces", "Flash Player Sys History");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(ScanPath(rows[0]->Base, rows[0]->Relative, source), BuildLocation(flash, source));

    // Every QtWeb file location of the cleaner lies in the folder that makes QtWeb present.
    const BrowserScanTest* qtWeb = BrowserScanTestFor("QtWeb");
    ASSERT_NE(qtWeb, nullptr);
    std::string folder = ScanPath(qtWeb->Base, qtWeb->Relative, source).value_or("");
    ASSERT_FALSE(folder.empty());
    for (const TraceAction& action : ActionsFor("QtWeb", "Cache"))
        EXPECT_EQ(CollapseDoubledBackslashes(BuildLocation(action, source).value_or("")).rfind(folder, 0), 0u);
    for (std::string_view category : {"Cookies", "History", "Web Icons Cache"})
        EXPECT_EQ(CollapseDoubledBackslashes(BuildLocation(*ActionsFor("QtWeb", category).First, source).value_or(""))
                      .rfind(folder, 0),
                  0u)
            << category;
}

TEST(ScanTable, PathsAreTheFolderOneBackslashAndTheRelativePart)
{
    FakeSource source;
    std::map<std::string_view, std::string> expected = {
        {"Mozilla Firefox", "C:\\u\\Roaming\\Mozilla\\Firefox\\Profiles/ff.default\\"},
        {"Lunascape", "C:\\u\\Roaming\\Lunascape\\Lunascape6\\plugins\\"},
        {"Apple Safari", "C:\\u\\Roaming\\Apple Computer\\Safari\\"},
        {"Avant Browser", "C:\\u\\Roaming\\Avant Profiles\\.default\\"},
        {"Internet Explorer", "C:\\u\\INetCookies\\"},
        {"Opera", "C:\\u\\Roaming\\Opera\\Opera\\"},
        {"Google Chrome", "C:\\u\\Local\\Google\\Chrome\\User Data\\Default\\"},
        {"K-Meleon", "C:\\u\\Roaming\\K-Meleon\\"},
        {"Flock", "C:\\u\\Local\\Flock\\User Data\\Default\\"},
        {"Netscape", "C:\\u\\Roaming\\Netscape\\Navigator\\"},
        {"SeaMonkey", "C:\\u\\Roaming\\Mozilla\\SeaMonkey\\"},
        {"SRWare Iron", "C:\\u\\Local\\Chromium\\User Data\\Default\\"},
        {"ChromePlus", "C:\\Program Files\\ChromePlus\\ChromePlusUserData\\Default\\"},
        {"Comodo Dragon", "C:\\u\\Local\\Comodo\\Dragon\\User Data\\Default\\"},
        {"QtWeb", "C:\\u\\Local\\" + std::string(QtWebVendorFolder()) + "\\QtWeb Internet Browser\\"},
        {"Pale Moon", "C:\\u\\Roaming\\Moonchild Productions\\Pale Moon\\"},
    };
    for (const BrowserScanTest& row : BrowserScanTests()) {
        if (expected.count(row.Group)) {
            EXPECT_EQ(ScanPath(row.Base, row.Relative, source).value_or("<none>"), expected[row.Group]) << row.Group;
        }
    }
    // A browser of a family is looked for at its data root, where the cleaner's rows on the
    // same base folder start.
    for (const FamilyBrowser& browser : FamilyBrowsers()) {
        const BrowserScanTest* row = BrowserScanTestFor(browser.Group);
        ASSERT_NE(row, nullptr) << browser.Group;
        const std::string root = ScanPath(row->Base, row->Relative, source).value_or("<none>");
        EXPECT_EQ(root.back(), '\\') << root;
        int rows = 0;
        for (const TraceAction& action : TraceLocationTable()) {
            if (action.Group != browser.Group || action.Base != row->Base)
                continue;
            ++rows;
            for (const std::string& location : BuildLocations(action, source))
                EXPECT_EQ(CollapseDoubledBackslashes(location).rfind(root, 0), 0u) << location;
        }
        EXPECT_GT(rows, 0) << browser.Group;
    }

    auto path = [&](std::string_view group, std::string_view category) {
        const CategoryScanTest* row = CategoryScanTestsFor(group, category).at(0);
        return ScanPath(row->Base, row->Relative, source).value_or("<none>");
    };
    EXPECT_EQ(path("Extra Traces", "Flash Player Shared Objects"),
              "C:\\u\\Roaming\\Macromedia\\Flash Player\\#SharedObjects\\");
    for (std::string_view java : {"Java Cache", "Java Logs", "Java Temp"})
        EXPECT_EQ(path("Extra Traces", java), "C:\\u\\Roaming\\Sun\\Java\\Deployment\\cache\\") << java;
    EXPECT_EQ(path("Windows", "Recent Folder"), "C:\\u\\Recent\\");
    EXPECT_EQ(path("Windows", "DNS Logs"), "C:\\windows\\system32\\dns\\dns.log");
}

TEST(ScanTable, AFolderThatCannotBeResolvedOrIsTooLongNamesNothing)
{
    FakeSource source;
    source.Folders[BaseFolder::InternetCookies] = "";
    source.Folders[BaseFolder::Recent] = "";
    source.Folders[BaseFolder::FirefoxProfile] = "";
    // Not "\" or "\Opera\Opera\": those would be looked for at the current drive's root.
    EXPECT_EQ(ScanPath(BaseFolder::InternetCookies, "", source), std::nullopt);
    EXPECT_EQ(ScanPath(BaseFolder::Recent, "", source), std::nullopt);
    EXPECT_EQ(ScanPath(BaseFolder::FirefoxProfile, "", source), std::nullopt);

    source.Folders[BaseFolder::RoamingAppData] = "C:\\" + std::string(kPathLimit, 'r');
    EXPECT_EQ(ScanPath(BaseFolder::RoamingAppData, "Opera\\Opera\\", source), std::nullopt);
    // A drive root keeps its one backslash.
    source.Folders[BaseFolder::RoamingAppData] = "D:\\";
    EXPECT_EQ(ScanPath(BaseFolder::RoamingAppData, "Opera\\Opera\\", source), "D:\\Opera\\Opera\\");
}

TEST(ScanText, OnlyCodesUpToTheSpaceAreBlank)
{
    EXPECT_TRUE(IsBlankText(""));
    EXPECT_TRUE(IsBlankText("  \r\n\t \x01\x1f"));
    EXPECT_TRUE(IsBlankText(std::string("\0 \0", 3)));
    EXPECT_FALSE(IsBlankText(" x "));
    // Bytes of the ANSI code page above 127 are characters (a no-break space, "ÿ"), even though
    // a signed char holds them as negative numbers.
    EXPECT_FALSE(IsBlankText("\xA0"));
    EXPECT_FALSE(IsBlankText("  \xFF  "));
}

TEST(TracesIniText, OnlyTheExactTrueTicks)
{
    EXPECT_TRUE(IsTickedEntry("True"));
    for (std::string_view other : {"true", "TRUE", "1", "-1", "", "True ", "False", "Truex"})
        EXPECT_FALSE(IsTickedEntry(other)) << '"' << other << '"';
}

TEST(TracesIniText, SectionListsAreSplitWithinTheirSize)
{
    const char full[] = "Opera\0Flock\0\0";
    EXPECT_EQ(SplitZeroSeparatedList(full, sizeof full), (std::vector<std::string>{"Opera", "Flock"}));
    const char none[] = "\0";
    EXPECT_TRUE(SplitZeroSeparatedList(none, sizeof none).empty());
    EXPECT_TRUE(SplitZeroSeparatedList(nullptr, 0).empty());
    // Cut short: the complete names only, and nothing read past the size.
    const char cut[] = {'O', 'p', 'e', 'r', 'a', '\0', 'F', 'l', 'o'};
    EXPECT_EQ(SplitZeroSeparatedList(cut, sizeof cut), (std::vector<std::string>{"Opera"}));
    // Names keep their case and inner spaces.
    const char mixed[] = "opera\0Apple Safari\0\0";
    EXPECT_EQ(SplitZeroSeparatedList(mixed, sizeof mixed), (std::vector<std::string>{"opera", "Apple Safari"}));
}

} // namespace
} // namespace aw
