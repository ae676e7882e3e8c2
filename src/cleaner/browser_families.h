#pragma once
// Today's browsers that keep the on-disk layout of a family (Chromium's or Firefox's): one row
// each. Its group in the trace tree, its categories, its locations and the image names of its
// processes all follow from that row and its family's location templates. Pure data.
#include "cleaner/location_table.h"

#include <string_view>
#include <vector>

namespace aw {

// How a family lays out a browser's folders below its data root.
enum class BrowserFamily {
    // The data root is a user-data folder: one folder per profile ("Default", "Profile 1", ...)
    // holding that profile's caches too, and a few caches and the crash reports shared by all.
    Chromium,
    // Opera's layout: the data root is itself the first profile, more profiles lie in its
    // "_side_profiles" folder, and the caches are kept under the same names below the local
    // application-data folder as well.
    OperaChromium,
    // The data root, below the roaming application-data folder, holds the profiles.ini that
    // lists the profiles (relative to it, or anywhere); each profile's caches lie under the
    // same names below the local application-data folder.
    Firefox,
};

struct FamilyBrowser {
    std::string_view Group;                   // the group's text in the trace tree
    BrowserFamily Family;
    BaseFolder Base;                          // where the data root lies: RoamingAppData or LocalAppData
    std::string_view Root;                    // the data root below it, with no backslash at either end
    std::vector<std::string_view> Images;     // executable file names of its processes
    std::vector<std::string_view> Categories; // the family's categories it has; empty for all
};

// One row per browser.
const std::vector<FamilyBrowser>& FamilyBrowsers();

// A browser's categories, in tree order.
std::vector<std::string_view> FamilyCategories(const FamilyBrowser& browser);

// The location rows of every browser of the table, each browser's in the tree order of its
// categories. Their texts live as long as the program.
const std::vector<TraceAction>& FamilyLocationRows();

} // namespace aw
