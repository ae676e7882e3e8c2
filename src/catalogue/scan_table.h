#pragma once
// What the scan looks for: one row per test of a single category, and one folder per browser
// that is judged present as a whole. Pure data and the rules for forming its paths; the probes
// themselves live with the scan.
#include "cleaner/location_builder.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// How a single category's trace is looked for.
enum class ScanProbe {
    NotTested,      // the category is never changed by the scan
    ScriptHasLines, // the custom-location script has at least one line
    FolderNotEmpty, // IsFolderEmpty is false for the folder
    FolderExists,
    FileExists,
    KeyExists,      // the key exists under HKEY_CURRENT_USER
    ClipboardText,  // the clipboard's text is not blank
    CleanerFinds,   // one of the category's own locations in the cleaner's table holds what
                    // its row would remove: a file, a key, a matching file not kept, or
                    // anything in a tree's folder
};

// What happens to the category when its trace is not found (a found trace always ticks it).
enum class WhenAbsent { Untick, Unchanged };

struct CategoryScanTest {
    std::string_view Group;
    std::string_view Category;
    ScanProbe Probe;
    BaseFolder Base;      // None for the script, the registry and the clipboard
    std::string Relative; // after the base folder; for KeyExists, the key path
    WhenAbsent Absent;
};

// A browser is present when its folder exists: then every category of its group is ticked,
// otherwise the group is collapsed and its categories keep their states. The browsers of the
// families are looked for at their data roots.
struct BrowserScanTest {
    std::string_view Group;
    BaseFolder Base;
    std::string Relative;
};

// A browser is also present when any location the cleaner's table names for it, in its own
// folders, exists: the rows of its group on the application-data and program folders and on
// its profiles (not the shared Internet folders or registry keys some browsers also clean).
// For these rows, the kind of location to look for: a file, or a folder.
bool ShowsBrowserPresence(const TraceAction& action);
bool LooksForFolder(const TraceAction& action);

const std::vector<CategoryScanTest>& CategoryScanTests();
const std::vector<BrowserScanTest>& BrowserScanTests();

// The rows of one category (group and category texts compared whole and case-sensitively).
std::vector<const CategoryScanTest*> CategoryScanTestsFor(std::string_view group, std::string_view category);
// The browser test of a group, or null for a group that is no browser.
const BrowserScanTest* BrowserScanTestFor(std::string_view group);

// The two folder names the cleaner's location table chose, read back from its rows so that
// the scan looks where the cleaner deletes: the Flash Player's settings-site folder and the
// QtWeb vendor's folder. Empty if the table no longer has the expected shape.
std::string_view FlashSettingsSiteFolder();
std::string_view QtWebVendorFolder();

// The path a scan test looks at: the base folder with exactly one backslash after it, then the
// relative part. The Firefox profile folder already ends in a backslash and is taken as it is.
// Nothing when the base folder cannot be resolved (the trace then counts as absent, rather than
// being looked for at the root of the current drive) or the path reaches the platform's limit.
std::optional<std::string> ScanPath(BaseFolder base, std::string_view relative, const LocationSource& source);

// True when nothing is left of the text once characters with codes 0 to 32 are removed from
// both ends (bytes above 127 are characters of the ANSI code page, never blanks).
bool IsBlankText(std::string_view text);

} // namespace aw
