#include "cleaner/location_table.h"

namespace aw {

namespace {

// Short names for the table's columns.
constexpr auto None = ActionKind::None;
constexpr auto File = ActionKind::File;
constexpr auto Files = ActionKind::Files;
constexpr auto Tree = ActionKind::Tree;
constexpr auto Key = ActionKind::Key;
constexpr auto Value = ActionKind::Value;

constexpr auto NoBase = BaseFolder::None;
constexpr auto Roaming = BaseFolder::RoamingAppData;
constexpr auto Local = BaseFolder::LocalAppData;
constexpr auto ProgFiles = BaseFolder::ProgramFiles;
constexpr auto FfProfile = BaseFolder::FirefoxProfile;

constexpr auto NoProfile = ProfilePart::None;
constexpr auto FirefoxPath = ProfilePart::Firefox;
constexpr auto PaleMoonPath = ProfilePart::PaleMoon;
constexpr auto KMeleonPath = ProfilePart::KMeleon;
constexpr auto NetscapePath = ProfilePart::Netscape;
constexpr auto SeaMonkeyPath = ProfilePart::SeaMonkey;

constexpr auto NoTest = ExistenceTest::None;
constexpr auto FileExists = ExistenceTest::FileExists;
constexpr auto FolderExists = ExistenceTest::FolderExists;
constexpr auto KeyExists = ExistenceTest::KeyExists;
constexpr auto ValueExists = ExistenceTest::ValueExists;

// Lunascape's data folder, after the roaming application-data folder.
#define LUNASCAPE_DATA "\\Lunascape\\Lunascape6\\plugins\\{9BDD5314-20A6-4d98-AB30-8325A95771EE}\\data\\"
// QtWeb keeps its files, and its last session in the registry, under its vendor's name
// written like the vendor's web domain.
#define QTWEB_DIR "\\QtWeb.NET\\QtWeb Internet Browser\\"
#define QTWEB_KEY "Software\\QtWeb.NET\\QtWeb Internet Browser\\sessions\\lastSession"
// The Flash Player's settings-site folder is named after its vendor's web domain.
#define FLASH_SETTINGS_SITE "macromedia.com"
#define CHROMEPLUS_DEFAULT "\\ChromePlus\\ChromePlusUserData\\Default\\"
#define DRAGON_DEFAULT "\\Comodo\\Dragon\\User Data\\Default\\"
#define FLOCK_DEFAULT "\\Flock\\User Data\\Default\\"
#define CHROME_DEFAULT "\\Google\\Chrome\\User Data\\Default\\"
#define IRON_DEFAULT "\\Chromium\\User Data\\Default\\"

const std::vector<TraceAction> kTable = {
    // group, category, kind, base, literal, profile part, tail, mask, test
    {"Advanced", "Custom Locations", ActionKind::Script, NoBase, "", NoProfile, "", "", NoTest},

    {"Apple Safari", "Cache", None, NoBase, "", NoProfile, "", "", NoTest},
    {"Apple Safari", "Cookies", Files, Roaming, "\\Apple Computer\\Safari\\Cookies\\", NoProfile, "", "*.*", FolderExists},
    {"Apple Safari", "History", Files, Local, "\\Apple Computer\\Safari\\History\\", NoProfile, "", "*.*", FolderExists},
    {"Apple Safari", "History", File, Roaming, "\\Apple Computer\\Safari\\History.plist", NoProfile, "", "", FileExists},
    {"Apple Safari", "Last Session", File, Roaming, "\\Apple Computer\\Safari\\LastSession.plist", NoProfile, "", "", FileExists},
    {"Apple Safari", "Web Icons Cache", File, Local, "\\Apple Computer\\Safari\\Cache.db", NoProfile, "", "", FileExists},

    {"Avant Browser", "Closed Tabs", File, Roaming, "\\Avant Profiles\\.default\\closedtabs.dat", NoProfile, "", "", FileExists},
    {"Avant Browser", "Recent Tabs", File, Roaming, "\\Avant Profiles\\.default\\recenttabs.dat", NoProfile, "", "", FileExists},
    {"Avant Browser", "URLs History", File, Roaming, "\\Avant Profiles\\.default\\urls.dat", NoProfile, "", "", FileExists},
    {"Avant Browser", "URLs History", File, Roaming, "\\Avant Profiles\\.default\\reopen.dat", NoProfile, "", "", FileExists},

    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DEFAULT "Cache\\", NoProfile, "", "", FolderExists},
    {"ChromePlus", "Cookies", File, ProgFiles, CHROMEPLUS_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"ChromePlus", "Current Session", File, ProgFiles, CHROMEPLUS_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"ChromePlus", "Current Tabs", File, ProgFiles, CHROMEPLUS_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"ChromePlus", "History", Files, ProgFiles, CHROMEPLUS_DEFAULT, NoProfile, "", "History*", NoTest},
    {"ChromePlus", "Web Icons Cache", File, ProgFiles, CHROMEPLUS_DEFAULT "Thumbnails", NoProfile, "", "", FileExists},

    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DEFAULT "Cache\\", NoProfile, "", "", FolderExists},
    {"Comodo Dragon", "Cookies", File, Local, DRAGON_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"Comodo Dragon", "Current Session", File, Local, DRAGON_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"Comodo Dragon", "Current Tabs", File, Local, DRAGON_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"Comodo Dragon", "History", Files, Local, DRAGON_DEFAULT, NoProfile, "", "History*", NoTest},
    {"Comodo Dragon", "Web Icons Cache", File, Local, DRAGON_DEFAULT "Thumbnails", NoProfile, "", "", FileExists},

    // The literals of this group start without a backslash.
    {"Extra Traces", "Flash Player Shared Objects", Tree, Roaming, "Macromedia\\Flash Player\\#SharedObjects\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Flash Player Sys History", Tree, Roaming, "Macromedia\\Flash Player\\" FLASH_SETTINGS_SITE "\\support\\flashplayer\\sys\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Java Cache", Tree, Roaming, "Sun\\Java\\Deployment\\cache\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Java Logs", Tree, Roaming, "Sun\\Java\\Deployment\\logs\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Java Temp", Tree, Roaming, "Sun\\Java\\Deployment\\tmp\\", NoProfile, "", "", FolderExists},

    {"Flock", "Cache", Files, Local, FLOCK_DEFAULT "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"Flock", "Cookies", File, Local, FLOCK_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"Flock", "Crash Reports", Files, Local, "\\Flock\\CrashReports\\", NoProfile, "", "*.*", FolderExists},
    {"Flock", "Current Session", File, Local, FLOCK_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"Flock", "Current Tabs", File, Local, FLOCK_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"Flock", "History", Files, Local, FLOCK_DEFAULT, NoProfile, "", "History*", NoTest},
    {"Flock", "Web Icons Cache", File, Local, FLOCK_DEFAULT "Thumbnails", NoProfile, "", "", FileExists},

    {"Google Chrome", "Cache", Files, Local, CHROME_DEFAULT "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"Google Chrome", "Cookies", File, Local, CHROME_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"Google Chrome", "Current Session", File, Local, CHROME_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"Google Chrome", "History", File, Local, CHROME_DEFAULT "History", NoProfile, "", "", FileExists},

    {"Internet Explorer", "Cache", Tree, BaseFolder::InternetCache, "", NoProfile, "", "", NoTest},
    {"Internet Explorer", "Cookies", Tree, BaseFolder::InternetCookies, "", NoProfile, "", "", NoTest},
    {"Internet Explorer", "Downloads History", Tree, BaseFolder::WindowsDir, "Downloaded Program Files\\", NoProfile, "", "", NoTest},
    {"Internet Explorer", "History", Tree, BaseFolder::InternetHistory, "", NoProfile, "", "", NoTest},
    {"Internet Explorer", "Typed URLs", Key, NoBase, "Software\\Microsoft\\Internet Explorer\\TypedUrls", NoProfile, "", "", KeyExists},

    {"K-Meleon", "Cache", Files, Local, "\\K-Meleon\\", KMeleonPath, "\\Cache\\", "*.*", FolderExists},
    {"K-Meleon", "Cookies", File, Roaming, "\\K-Meleon\\", KMeleonPath, "\\cookies.txt", "", FileExists},
    {"K-Meleon", "History", File, Roaming, "\\K-Meleon\\", KMeleonPath, "\\history.dat", "", FileExists},
    {"K-Meleon", "Web Icons Cache", File, Roaming, "\\K-Meleon\\", KMeleonPath, "\\IconCache.dat", "", FileExists},

    {"Lunascape", "Cache", Files, Roaming, LUNASCAPE_DATA "Cache\\", NoProfile, "", "*", NoTest},
    {"Lunascape", "Cache", Tree, BaseFolder::InternetCache, "", NoProfile, "", "", NoTest},
    {"Lunascape", "Content History", Files, Roaming, LUNASCAPE_DATA, NoProfile, "", "places.sqlite*", NoTest},
    {"Lunascape", "Content History", Key, NoBase, "Software\\Microsoft\\Internet Explorer\\TypedUrls", NoProfile, "", "", KeyExists},
    {"Lunascape", "Cookies", File, Roaming, LUNASCAPE_DATA "cookies.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "Cookies", Tree, BaseFolder::InternetCookies, "", NoProfile, "", "", NoTest},
    {"Lunascape", "Downloads History", File, Roaming, LUNASCAPE_DATA "downloads.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "Form History", File, Roaming, LUNASCAPE_DATA "formhistory.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "History", File, Roaming, LUNASCAPE_DATA "content-prefs.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "History", File, Roaming, "\\Lunascape\\Lunascape6\\ApplicationData\\history.ld2", NoProfile, "", "", FileExists},
    {"Lunascape", "History", Tree, BaseFolder::InternetHistory, "", NoProfile, "", "", NoTest},

    {"Mozilla Firefox", "Cache", Files, FfProfile, "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"Mozilla Firefox", "Cache", Files, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\Cache\\", "*", FolderExists},
    {"Mozilla Firefox", "Content History", File, FfProfile, "content-prefs.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Cookies", File, FfProfile, "cookies.sqlite", NoProfile, "", "", FileExists},
    // Firefox's crash reports live outside the profile; this category has no location.
    {"Mozilla Firefox", "Crash Reports", None, NoBase, "", NoProfile, "", "", NoTest},
    {"Mozilla Firefox", "Downloads History", File, FfProfile, "downloads.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Form History", File, FfProfile, "formhistory.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "History", File, FfProfile, "places.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Mini Dumps", Files, Roaming, "\\Mozilla\\Firefox\\", FirefoxPath, "\\minidumps\\", "*", FolderExists},
    // The offline web-application cache kept beside the disk cache.
    {"Mozilla Firefox", "Offline Cache", Files, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\OfflineCache\\", "*", FolderExists},
    {"Mozilla Firefox", "Search History", File, FfProfile, "search.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Session History", File, FfProfile, "sessionstore.sqlite", NoProfile, "", "", FileExists},

    {"Netscape", "Cache", Files, Local, "\\Netscape\\Navigator\\", NetscapePath, "\\Cache\\", "*.*", FolderExists},
    {"Netscape", "Cookies", File, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\cookies.txt", "", FileExists},
    {"Netscape", "Form History", File, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\formhistory.dat", "", FileExists},
    {"Netscape", "History", File, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\history.dat", "", FileExists},
    {"Netscape", "Search History", File, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\search.sqlite", "", FileExists},

    {"Opera", "Cache", Tree, Local, "\\Opera\\Opera\\cache\\", NoProfile, "", "", NoTest},
    {"Opera", "Cache", Tree, Local, "\\Opera\\Opera\\application_cache\\", NoProfile, "", "", NoTest},
    {"Opera", "Cache", Tree, Local, "\\Opera\\Opera\\opcache\\", NoProfile, "", "", NoTest},
    {"Opera", "Cookies", File, Roaming, "\\Opera\\Opera\\cookies4.dat", NoProfile, "", "", FileExists},
    {"Opera", "Downloads History", File, Roaming, "\\Opera\\Opera\\download.dat", NoProfile, "", "", FileExists},
    {"Opera", "Search Field History", File, Roaming, "\\Opera\\Opera\\search_field_history.dat", NoProfile, "", "", FileExists},
    {"Opera", "Sessions History", Files, Roaming, "\\Opera\\Opera\\sessions\\", NoProfile, "", "*.*", FolderExists},
    {"Opera", "Temporary Downloads", Tree, Local, "\\Opera\\Opera\\temporary_downloads\\", NoProfile, "", "", NoTest},
    {"Opera", "URLs History", File, Roaming, "\\Opera\\Opera\\global_history.dat", NoProfile, "", "", FileExists},

    {"Pale Moon", "Cache", Files, Local, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\Cache\\", "*", NoTest},
    {"Pale Moon", "Content History", Files, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\", "places.sqlite*", NoTest},
    {"Pale Moon", "Cookies", File, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\cookies.sqlite", "", FileExists},
    {"Pale Moon", "Downloads History", File, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\downloads.sqlite", "", FileExists},
    {"Pale Moon", "Form History", File, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\formhistory.sqlite", "", FileExists},
    {"Pale Moon", "History", File, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\content-prefs.sqlite", "", FileExists},
    {"Pale Moon", "Search History", File, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\search.sqlite", "", FileExists},

    {"QtWeb", "Cache", Tree, Local, QTWEB_DIR "cache\\", NoProfile, "", "", FolderExists},
    {"QtWeb", "Cookies", File, Local, QTWEB_DIR "cookies", NoProfile, "", "", FileExists},
    {"QtWeb", "History", File, Local, QTWEB_DIR "history", NoProfile, "", "", FileExists},
    {"QtWeb", "Sessions History", Value, NoBase, QTWEB_KEY, NoProfile, "", "", ValueExists},
    {"QtWeb", "Web Icons Cache", File, Local, QTWEB_DIR "Icons", NoProfile, "", "", FileExists},

    {"SeaMonkey", "Cache", Files, Local, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\Cache\\", "*.*", FolderExists},
    {"SeaMonkey", "Cookies", File, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\cookies.sqlite", "", FileExists},
    {"SeaMonkey", "Crash Reports", Files, Roaming, "\\Mozilla\\SeaMonkey\\Crash Reports\\", NoProfile, "", "*.*", FolderExists},
    {"SeaMonkey", "Downloads History", File, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\downloads.sqlite", "", FileExists},
    {"SeaMonkey", "History", File, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\places.sqlite", "", FileExists},
    {"SeaMonkey", "URLs History", File, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\urlbarhistory.sqlite", "", FileExists},

    {"SRWare Iron", "Cache", Files, Local, IRON_DEFAULT "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"SRWare Iron", "Cookies", File, Local, IRON_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"SRWare Iron", "Current Session", File, Local, IRON_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"SRWare Iron", "Current Tabs", File, Local, IRON_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"SRWare Iron", "History", Files, Local, IRON_DEFAULT, NoProfile, "", "History*", FolderExists},

    {"Windows", "Clipboard Cache", ActionKind::Clipboard, NoBase, "", NoProfile, "", "", NoTest},
    {"Windows", "DNS Logs", File, BaseFolder::SystemDir, "\\dns\\dns.log", NoProfile, "", "", FileExists},
    {"Windows", "Empty RecycleBin", ActionKind::RecycleBin, NoBase, "", NoProfile, "", "", NoTest},
    {"Windows", "Paint History", Key, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List", NoProfile, "", "", KeyExists},
    {"Windows", "Recent Docs List", Key, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs", NoProfile, "", "", KeyExists},
    {"Windows", "Recent Folder", Tree, BaseFolder::Recent, "", NoProfile, "", "", FolderExists},
    {"Windows", "Run MRU List", Key, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU", NoProfile, "", "", KeyExists},
    {"Windows", "Wordpad History", Key, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List", NoProfile, "", "", KeyExists},
};

} // namespace

const std::vector<TraceAction>& TraceLocationTable()
{
    return kTable;
}

ActionRange ActionsFor(std::string_view group, std::string_view category)
{
    ActionRange range;
    for (const TraceAction& action : kTable) {
        if (action.Group == group && action.Category == category) {
            if (range.Count == 0)
                range.First = &action;
            ++range.Count;
        } else if (range.Count != 0) {
            break; // a category's rows are adjacent
        }
    }
    return range;
}

} // namespace aw
