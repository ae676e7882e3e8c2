#include "catalogue/trace_catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace aw {
namespace {

// The tree keeps siblings sorted by text, ignoring case; under Windows the system's own
// comparison decides, as it does for the tree.
int CompareTexts(std::string_view a, std::string_view b)
{
#ifdef _WIN32
    return lstrcmpiA(std::string(a).c_str(), std::string(b).c_str());
#else
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
#endif
}

TEST(TraceCatalogue, HoldsItsGroupsAndCategories)
{
    const auto& groups = TraceCatalogue();
    EXPECT_EQ(kTraceGroupCount, static_cast<int>(groups.size()));
    int categories = 0;
    for (const CatalogueGroup& g : groups) {
        EXPECT_FALSE(g.Categories.empty()) << g.Text;
        EXPECT_LE(g.Categories.size(), 12u) << g.Text;
        categories += static_cast<int>(g.Categories.size());
    }
    EXPECT_EQ(kTraceCategoryCount, categories);
}

TEST(TraceCatalogue, IsInTheTreesSortedOrderAtBothLevels)
{
    const auto& groups = TraceCatalogue();
    for (std::size_t i = 1; i < groups.size(); ++i)
        EXPECT_LT(CompareTexts(groups[i - 1].Text, groups[i].Text), 0) << groups[i - 1].Text << " / " << groups[i].Text;
    for (const CatalogueGroup& g : groups)
        for (std::size_t i = 1; i < g.Categories.size(); ++i)
            EXPECT_LT(CompareTexts(g.Categories[i - 1], g.Categories[i]), 0)
                << g.Text << ": " << g.Categories[i - 1] << " / " << g.Categories[i];
}

TEST(TraceCatalogue, CategoryNamesRepeatOnlyAcrossGroups)
{
    int caches = 0;
    for (const CatalogueGroup& g : TraceCatalogue()) {
        std::set<std::string_view> seen(g.Categories.begin(), g.Categories.end());
        EXPECT_EQ(seen.size(), g.Categories.size()) << g.Text;
        caches += static_cast<int>(seen.count("Cache"));
    }
    EXPECT_EQ(24, caches);
}

} // namespace
} // namespace aw
