#include "catalogue/trace_catalogue.h"

#include "cleaner/browser_families.h"
#include "cleaner/location_table.h"

#include <algorithm>

namespace aw {

namespace {

// Sorted by text at each level the way the tree sorts (ignoring case): "SeaMonkey" comes
// before "SRWare Iron".
const std::vector<CatalogueGroup> kFixedGroups = {
    {"Advanced", {"Custom Locations"}},
    {"Apple Safari", {"Cache", "Cookies", "History", "Last Session", "Web Icons Cache"}},
    {"Avant Browser", {"Closed Tabs", "Recent Tabs", "URLs History"}},
    {"ChromePlus", {"Cache", "Cookies", "Current Session", "Current Tabs", "History", "Web Icons Cache"}},
    {"Comodo Dragon", {"Cache", "Cookies", "Current Session", "Current Tabs", "History", "Web Icons Cache"}},
    {"Extra Traces", {"Flash Player Shared Objects", "Flash Player Sys History", "Java Cache", "Java Logs", "Java Temp"}},
    {"Flock", {"Cache", "Cookies", "Crash Reports", "Current Session", "Current Tabs", "History", "Web Icons Cache"}},
    {"Google Chrome", {"Cache", "Cookies", "Current Session", "History"}},
    {"Internet Explorer", {"Cache", "Cookies", "Downloads History", "History", "Typed URLs"}},
    {"K-Meleon", {"Cache", "Cookies", "History", "Web Icons Cache"}},
    {"Lunascape", {"Cache", "Content History", "Cookies", "Downloads History", "Form History", "History"}},
    {"Mozilla Firefox", {"Cache", "Content History", "Cookies", "Crash Reports", "Downloads History", "Form History",
                         "History", "Mini Dumps", "Offline Cache", "Search History", "Session History"}},
    {"Netscape", {"Cache", "Cookies", "Form History", "History", "Search History"}},
    {"Opera", {"Cache", "Cookies", "Downloads History", "Search Field History", "Sessions History",
               "Temporary Downloads", "URLs History"}},
    {"Pale Moon", {"Cache", "Content History", "Cookies", "Downloads History", "Form History", "History",
                   "Search History"}},
    {"QtWeb", {"Cache", "Cookies", "History", "Sessions History", "Web Icons Cache"}},
    {"SeaMonkey", {"Cache", "Cookies", "Crash Reports", "Downloads History", "History", "URLs History"}},
    {"SRWare Iron", {"Cache", "Cookies", "Current Session", "Current Tabs", "History"}},
    {"Windows", {"Clipboard Cache", "DNS Logs", "Empty RecycleBin", "Error Reports", "Explorer MRU Lists",
                 "Jump Lists", "Paint History", "Recent Docs List", "Recent Folder", "Run MRU List",
                 "Thumbnail Cache", "Wordpad History"}},
};

std::vector<CatalogueGroup> MakeCatalogue()
{
    std::vector<CatalogueGroup> groups = kFixedGroups;
    for (const FamilyBrowser& browser : FamilyBrowsers())
        groups.push_back(CatalogueGroup{browser.Group, FamilyCategories(browser)});
    std::stable_sort(groups.begin(), groups.end(),
                     [](const CatalogueGroup& a, const CatalogueGroup& b) { return ComesBeforeInTree(a.Text, b.Text); });
    return groups;
}

} // namespace

const std::vector<CatalogueGroup>& TraceCatalogue()
{
    static const std::vector<CatalogueGroup> catalogue = MakeCatalogue();
    return catalogue;
}

} // namespace aw
