#include "catalogue/scan_table.h"

#include "cleaner/browser_families.h"
#include "cleaner/location_table.h"
#include "cleaner/path_rules.h"

namespace aw {

namespace {

// The text of `literal` between `prefix` and `suffix`, or empty when it has not that shape.
std::string_view Between(std::string_view literal, std::string_view prefix, std::string_view suffix)
{
    if (literal.size() <= prefix.size() + suffix.size())
        return {};
    if (literal.substr(0, prefix.size()) != prefix || literal.substr(literal.size() - suffix.size()) != suffix)
        return {};
    std::string_view name = literal.substr(prefix.size(), literal.size() - prefix.size() - suffix.size());
    return name.find('\\') == std::string_view::npos ? name : std::string_view();
}

std::string_view FirstLiteral(std::string_view group, std::string_view category)
{
    ActionRange actions = ActionsFor(group, category);
    return actions.empty() ? std::string_view() : actions.First->Literal;
}

// Short names for the tables' columns.
constexpr auto NotTested = ScanProbe::NotTested;
constexpr auto ScriptHasLines = ScanProbe::ScriptHasLines;
constexpr auto FolderNotEmpty = ScanProbe::FolderNotEmpty;
constexpr auto FolderExists = ScanProbe::FolderExists;
constexpr auto FileExists = ScanProbe::FileExists;
constexpr auto KeyExists = ScanProbe::KeyExists;
constexpr auto ClipboardText = ScanProbe::ClipboardText;
constexpr auto CleanerFinds = ScanProbe::CleanerFinds;

constexpr auto NoBase = BaseFolder::None;
constexpr auto AppData = BaseFolder::RoamingAppData;
constexpr auto LocalAppData = BaseFolder::LocalAppData;
constexpr auto ProgramFiles = BaseFolder::ProgramFiles;
constexpr auto Cookies = BaseFolder::InternetCookies;
constexpr auto Recent = BaseFolder::Recent;
constexpr auto System = BaseFolder::SystemDir;
constexpr auto FirefoxProfile = BaseFolder::FirefoxProfile;

constexpr auto Untick = WhenAbsent::Untick;
constexpr auto Unchanged = WhenAbsent::Unchanged;

std::vector<CategoryScanTest> MakeCategoryTests()
{
    const std::string flashSysHistory =
        "Macromedia\\Flash Player\\" + std::string(FlashSettingsSiteFolder()) + "\\support\\flashplayer\\sys\\";
    return {
        // group, category, found when, base folder, relative part or key, if absent
        {"Advanced", "Custom Locations", ScriptHasLines, NoBase, "", Untick},
        {"Extra Traces", "Flash Player Shared Objects", FolderNotEmpty, AppData, "Macromedia\\Flash Player\\#SharedObjects\\", Untick},
        {"Extra Traces", "Flash Player Sys History", FolderNotEmpty, AppData, flashSysHistory, Untick},
        {"Extra Traces", "Java Cache", FolderExists, AppData, "Sun\\Java\\Deployment\\cache\\", Unchanged},
        {"Extra Traces", "Java Logs", FolderExists, AppData, "Sun\\Java\\Deployment\\cache\\", Unchanged},
        {"Extra Traces", "Java Temp", FolderExists, AppData, "Sun\\Java\\Deployment\\cache\\", Unchanged},
        {"Windows", "Clipboard Cache", ClipboardText, NoBase, "", Untick},
        {"Windows", "Paint History", KeyExists, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List", Untick},
        {"Windows", "Wordpad History", KeyExists, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List", Untick},
        {"Windows", "Run MRU List", KeyExists, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU", Untick},
        {"Windows", "Recent Docs List", KeyExists, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs", Untick},
        {"Windows", "Recent Folder", FolderNotEmpty, Recent, "", Untick},
        {"Windows", "DNS Logs", FileExists, System, "dns\\dns.log", Untick},
        {"Windows", "Error Reports", CleanerFinds, NoBase, "", Untick},
        {"Windows", "Explorer MRU Lists", CleanerFinds, NoBase, "", Untick},
        {"Windows", "Jump Lists", CleanerFinds, NoBase, "", Untick},
        {"Windows", "Thumbnail Cache", CleanerFinds, NoBase, "", Untick},
        {"Windows", "Empty RecycleBin", NotTested, NoBase, "", Unchanged},
    };
}

std::vector<BrowserScanTest> MakeBrowserTests()
{
    const std::string qtWeb = std::string(QtWebVendorFolder()) + "\\QtWeb Internet Browser\\";
    std::vector<BrowserScanTest> tests = {
        // group, base folder, relative part of the folder that must exist
        {"Mozilla Firefox", FirefoxProfile, ""},
        {"Lunascape", AppData, "Lunascape\\Lunascape6\\plugins\\"},
        {"Apple Safari", AppData, "Apple Computer\\Safari\\"},
        {"Avant Browser", AppData, "Avant Profiles\\.default\\"},
        {"Internet Explorer", Cookies, ""},
        {"Opera", AppData, "Opera\\Opera\\"},
        {"Google Chrome", LocalAppData, "Google\\Chrome\\User Data\\Default\\"},
        {"K-Meleon", AppData, "K-Meleon\\"},
        {"Flock", LocalAppData, "Flock\\User Data\\Default\\"},
        {"Netscape", AppData, "Netscape\\Navigator\\"},
        {"SeaMonkey", AppData, "Mozilla\\SeaMonkey\\"},
        {"SRWare Iron", LocalAppData, "Chromium\\User Data\\Default\\"},
        {"ChromePlus", ProgramFiles, "ChromePlus\\ChromePlusUserData\\Default\\"},
        {"Comodo Dragon", LocalAppData, "Comodo\\Dragon\\User Data\\Default\\"},
        {"QtWeb", LocalAppData, qtWeb},
        {"Pale Moon", AppData, "Moonchild Productions\\Pale Moon\\"},
    };
    for (const FamilyBrowser& browser : FamilyBrowsers())
        tests.push_back(BrowserScanTest{browser.Group, browser.Base, std::string(browser.Root) + "\\"});
    return tests;
}

} // namespace

std::string_view FlashSettingsSiteFolder()
{
    return Between(FirstLiteral("Extra Traces", "Flash Player Sys History"), "Macromedia\\Flash Player\\",
                   "\\support\\flashplayer\\sys\\");
}

std::string_view QtWebVendorFolder()
{
    return Between(FirstLiteral("QtWeb", "Cookies"), "\\", "\\QtWeb Internet Browser\\cookies");
}

bool ShowsBrowserPresence(const TraceAction& action)
{
    switch (action.Base) {
    case BaseFolder::RoamingAppData:
    case BaseFolder::LocalAppData:
    case BaseFolder::ProgramFiles:
    case BaseFolder::FirefoxProfile:
        break;
    default:
        return false;
    }
    return ActsOnFileSystem(action.Kind);
}

bool LooksForFolder(const TraceAction& action)
{
    return action.Kind == ActionKind::Files || action.Kind == ActionKind::Tree;
}

const std::vector<CategoryScanTest>& CategoryScanTests()
{
    static const std::vector<CategoryScanTest> table = MakeCategoryTests();
    return table;
}

const std::vector<BrowserScanTest>& BrowserScanTests()
{
    static const std::vector<BrowserScanTest> table = MakeBrowserTests();
    return table;
}

std::vector<const CategoryScanTest*> CategoryScanTestsFor(std::string_view group, std::string_view category)
{
    std::vector<const CategoryScanTest*> rows;
    for (const CategoryScanTest& row : CategoryScanTests())
        if (row.Group == group && row.Category == category)
            rows.push_back(&row);
    return rows;
}

const BrowserScanTest* BrowserScanTestFor(std::string_view group)
{
    for (const BrowserScanTest& row : BrowserScanTests())
        if (row.Group == group)
            return &row;
    return nullptr;
}

std::optional<std::string> ScanPath(BaseFolder base, std::string_view relative, const LocationSource& source)
{
    std::string path = source.folder(base);
    if (path.empty())
        return std::nullopt;
    if (base != BaseFolder::FirefoxProfile)
        path = WithTrailingBackslash(std::move(path));
    path += relative;
    if (!FitsPathLimit(path))
        return std::nullopt;
    return path;
}

bool IsBlankText(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

} // namespace aw
