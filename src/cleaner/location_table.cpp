#include "cleaner/location_table.h"

#include "cleaner/browser_families.h"

#include <algorithm>

namespace aw {

namespace {

// Short names for the table's columns.
constexpr auto None = ActionKind::None;
constexpr auto File = ActionKind::File;
constexpr auto Db = ActionKind::Database;
constexpr auto Places = ActionKind::PlacesHistory;
constexpr auto Autofill = ActionKind::AutofillHistory;
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
// Each of these browsers lists its profiles in the profiles.ini below the roaming folder,
// where the row's literal leads.
constexpr auto PaleMoonPath = ProfilePart::ProfilesIni;
constexpr auto KMeleonPath = ProfilePart::ProfilesIni;
constexpr auto NetscapePath = ProfilePart::ProfilesIni;
constexpr auto SeaMonkeyPath = ProfilePart::ProfilesIni;
constexpr auto EachProfile = ProfilePart::ChromiumProfiles;

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
// User-data folders of the Chromium family: each holds one folder per profile ("Default",
// "Profile 1", ...) and a few caches shared by all of them.
#define CHROMEPLUS_DATA "\\ChromePlus\\ChromePlusUserData\\"
#define DRAGON_DATA "\\Comodo\\Dragon\\User Data\\"
#define FLOCK_DATA "\\Flock\\User Data\\"
#define CHROME_DATA "\\Google\\Chrome\\User Data\\"
#define IRON_DATA "\\Chromium\\User Data\\"
// Opera's user-data folder is its one profile; its caches are kept apart, below the local
// application-data folder.
#define OPERA_STABLE "\\Opera Software\\Opera Stable\\"
#define EXPLORER_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
// The jump list of Explorer's Quick Access: the folders the user pinned.
#define QUICK_ACCESS_PINS "f01b4d95cf55d32a.automaticDestinations-ms"

const std::vector<TraceAction> kTable = {
    // group, category, kind, base, literal, profile part, tail, mask, test, what stays
    {"Advanced", "Custom Locations", ActionKind::Script, NoBase, "", NoProfile, "", "", NoTest},

    {"Apple Safari", "Cache", None, NoBase, "", NoProfile, "", "", NoTest},
    {"Apple Safari", "Cookies", Files, Roaming, "\\Apple Computer\\Safari\\Cookies\\", NoProfile, "", "*.*", FolderExists},
    {"Apple Safari", "History", Files, Local, "\\Apple Computer\\Safari\\History\\", NoProfile, "", "*.*", FolderExists},
    {"Apple Safari", "History", File, Roaming, "\\Apple Computer\\Safari\\History.plist", NoProfile, "", "", FileExists},
    {"Apple Safari", "Last Session", File, Roaming, "\\Apple Computer\\Safari\\LastSession.plist", NoProfile, "", "", FileExists},
    {"Apple Safari", "Web Icons Cache", Db, Local, "\\Apple Computer\\Safari\\Cache.db", NoProfile, "", "", FileExists},

    {"Avant Browser", "Closed Tabs", File, Roaming, "\\Avant Profiles\\.default\\closedtabs.dat", NoProfile, "", "", FileExists},
    {"Avant Browser", "Recent Tabs", File, Roaming, "\\Avant Profiles\\.default\\recenttabs.dat", NoProfile, "", "", FileExists},
    {"Avant Browser", "URLs History", File, Roaming, "\\Avant Profiles\\.default\\urls.dat", NoProfile, "", "", FileExists},
    {"Avant Browser", "URLs History", File, Roaming, "\\Avant Profiles\\.default\\reopen.dat", NoProfile, "", "", FileExists},

    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DEFAULT "Cache\\", NoProfile, "", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Cache\\Cache_Data\\", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Cache\\", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Code Cache\\", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\GPUCache\\", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\DawnGraphiteCache\\", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\DawnWebGPUCache\\", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA "ShaderCache\\", NoProfile, "", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA "GrShaderCache\\", NoProfile, "", "", FolderExists},
    {"ChromePlus", "Cache", Tree, ProgFiles, CHROMEPLUS_DATA "GraphiteDawnCache\\", NoProfile, "", "", FolderExists},
    {"ChromePlus", "Cookies", Db, ProgFiles, CHROMEPLUS_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"ChromePlus", "Cookies", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Network\\Cookies", "", FileExists},
    {"ChromePlus", "Cookies", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Network\\Reporting and NEL", "", FileExists},
    {"ChromePlus", "Cookies", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Network\\Trust Tokens", "", FileExists},
    {"ChromePlus", "Cookies", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Cookies", "", FileExists},
    {"ChromePlus", "Cookies", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\DIPS", "", FileExists},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Local Storage\\", "", FolderExists},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Session Storage\\", "", FolderExists},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\IndexedDB\\", "", FolderExists, "chrome-extension_*"},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Service Worker\\", "", FolderExists},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\WebStorage\\", "", FolderExists},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\File System\\", "", FolderExists},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\databases\\", "", FolderExists, "chrome-extension_*"},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\blob_storage\\", "", FolderExists},
    {"ChromePlus", "Cookies", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Shared Dictionary\\", "", FolderExists},
    {"ChromePlus", "Current Session", File, ProgFiles, CHROMEPLUS_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"ChromePlus", "Current Session", Files, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Sessions\\", "Session_*", FolderExists},
    {"ChromePlus", "Current Session", Tree, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Sessions_Encrypted\\", "", FolderExists},
    {"ChromePlus", "Current Tabs", File, ProgFiles, CHROMEPLUS_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"ChromePlus", "Current Tabs", Files, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Sessions\\", "Tabs_*", FolderExists},
    {"ChromePlus", "History", Files, ProgFiles, CHROMEPLUS_DEFAULT, NoProfile, "", "History*", NoTest},
    {"ChromePlus", "History", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\History", "", FileExists},
    {"ChromePlus", "History", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Top Sites", "", FileExists},
    {"ChromePlus", "History", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Shortcuts", "", FileExists},
    {"ChromePlus", "History", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Network Action Predictor", "", FileExists},
    {"ChromePlus", "History", Db, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Favicons", "", FileExists},
    {"ChromePlus", "History", File, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Visited Links", "", FileExists},
    {"ChromePlus", "History", Autofill, ProgFiles, CHROMEPLUS_DATA, EachProfile, "\\Web Data", "", FileExists},
    {"ChromePlus", "Web Icons Cache", Db, ProgFiles, CHROMEPLUS_DEFAULT "Thumbnails", NoProfile, "", "", FileExists},

    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DEFAULT "Cache\\", NoProfile, "", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA, EachProfile, "\\Cache\\Cache_Data\\", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA, EachProfile, "\\Cache\\", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA, EachProfile, "\\Code Cache\\", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA, EachProfile, "\\GPUCache\\", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA, EachProfile, "\\DawnGraphiteCache\\", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA, EachProfile, "\\DawnWebGPUCache\\", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA "ShaderCache\\", NoProfile, "", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA "GrShaderCache\\", NoProfile, "", "", FolderExists},
    {"Comodo Dragon", "Cache", Tree, Local, DRAGON_DATA "GraphiteDawnCache\\", NoProfile, "", "", FolderExists},
    {"Comodo Dragon", "Cookies", Db, Local, DRAGON_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"Comodo Dragon", "Cookies", Db, Local, DRAGON_DATA, EachProfile, "\\Network\\Cookies", "", FileExists},
    {"Comodo Dragon", "Cookies", Db, Local, DRAGON_DATA, EachProfile, "\\Network\\Reporting and NEL", "", FileExists},
    {"Comodo Dragon", "Cookies", Db, Local, DRAGON_DATA, EachProfile, "\\Network\\Trust Tokens", "", FileExists},
    {"Comodo Dragon", "Cookies", Db, Local, DRAGON_DATA, EachProfile, "\\Cookies", "", FileExists},
    {"Comodo Dragon", "Cookies", Db, Local, DRAGON_DATA, EachProfile, "\\DIPS", "", FileExists},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\Local Storage\\", "", FolderExists},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\Session Storage\\", "", FolderExists},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\IndexedDB\\", "", FolderExists, "chrome-extension_*"},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\Service Worker\\", "", FolderExists},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\WebStorage\\", "", FolderExists},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\File System\\", "", FolderExists},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\databases\\", "", FolderExists, "chrome-extension_*"},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\blob_storage\\", "", FolderExists},
    {"Comodo Dragon", "Cookies", Tree, Local, DRAGON_DATA, EachProfile, "\\Shared Dictionary\\", "", FolderExists},
    {"Comodo Dragon", "Current Session", File, Local, DRAGON_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"Comodo Dragon", "Current Session", Files, Local, DRAGON_DATA, EachProfile, "\\Sessions\\", "Session_*", FolderExists},
    {"Comodo Dragon", "Current Session", Tree, Local, DRAGON_DATA, EachProfile, "\\Sessions_Encrypted\\", "", FolderExists},
    {"Comodo Dragon", "Current Tabs", File, Local, DRAGON_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"Comodo Dragon", "Current Tabs", Files, Local, DRAGON_DATA, EachProfile, "\\Sessions\\", "Tabs_*", FolderExists},
    {"Comodo Dragon", "History", Files, Local, DRAGON_DEFAULT, NoProfile, "", "History*", NoTest},
    {"Comodo Dragon", "History", Db, Local, DRAGON_DATA, EachProfile, "\\History", "", FileExists},
    {"Comodo Dragon", "History", Db, Local, DRAGON_DATA, EachProfile, "\\Top Sites", "", FileExists},
    {"Comodo Dragon", "History", Db, Local, DRAGON_DATA, EachProfile, "\\Shortcuts", "", FileExists},
    {"Comodo Dragon", "History", Db, Local, DRAGON_DATA, EachProfile, "\\Network Action Predictor", "", FileExists},
    {"Comodo Dragon", "History", Db, Local, DRAGON_DATA, EachProfile, "\\Favicons", "", FileExists},
    {"Comodo Dragon", "History", File, Local, DRAGON_DATA, EachProfile, "\\Visited Links", "", FileExists},
    {"Comodo Dragon", "History", Autofill, Local, DRAGON_DATA, EachProfile, "\\Web Data", "", FileExists},
    {"Comodo Dragon", "Web Icons Cache", Db, Local, DRAGON_DEFAULT "Thumbnails", NoProfile, "", "", FileExists},

    // The literals of this group start without a backslash.
    {"Extra Traces", "Flash Player Shared Objects", Tree, Roaming, "Macromedia\\Flash Player\\#SharedObjects\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Flash Player Sys History", Tree, Roaming, "Macromedia\\Flash Player\\" FLASH_SETTINGS_SITE "\\support\\flashplayer\\sys\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Java Cache", Tree, Roaming, "Sun\\Java\\Deployment\\cache\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Java Logs", Tree, Roaming, "Sun\\Java\\Deployment\\logs\\", NoProfile, "", "", FolderExists},
    {"Extra Traces", "Java Temp", Tree, Roaming, "Sun\\Java\\Deployment\\tmp\\", NoProfile, "", "", FolderExists},

    {"Flock", "Cache", Files, Local, FLOCK_DEFAULT "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA, EachProfile, "\\Cache\\Cache_Data\\", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA, EachProfile, "\\Cache\\", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA, EachProfile, "\\Code Cache\\", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA, EachProfile, "\\GPUCache\\", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA, EachProfile, "\\DawnGraphiteCache\\", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA, EachProfile, "\\DawnWebGPUCache\\", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA "ShaderCache\\", NoProfile, "", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA "GrShaderCache\\", NoProfile, "", "", FolderExists},
    {"Flock", "Cache", Tree, Local, FLOCK_DATA "GraphiteDawnCache\\", NoProfile, "", "", FolderExists},
    {"Flock", "Cookies", Db, Local, FLOCK_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"Flock", "Cookies", Db, Local, FLOCK_DATA, EachProfile, "\\Network\\Cookies", "", FileExists},
    {"Flock", "Cookies", Db, Local, FLOCK_DATA, EachProfile, "\\Network\\Reporting and NEL", "", FileExists},
    {"Flock", "Cookies", Db, Local, FLOCK_DATA, EachProfile, "\\Network\\Trust Tokens", "", FileExists},
    {"Flock", "Cookies", Db, Local, FLOCK_DATA, EachProfile, "\\Cookies", "", FileExists},
    {"Flock", "Cookies", Db, Local, FLOCK_DATA, EachProfile, "\\DIPS", "", FileExists},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\Local Storage\\", "", FolderExists},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\Session Storage\\", "", FolderExists},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\IndexedDB\\", "", FolderExists, "chrome-extension_*"},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\Service Worker\\", "", FolderExists},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\WebStorage\\", "", FolderExists},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\File System\\", "", FolderExists},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\databases\\", "", FolderExists, "chrome-extension_*"},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\blob_storage\\", "", FolderExists},
    {"Flock", "Cookies", Tree, Local, FLOCK_DATA, EachProfile, "\\Shared Dictionary\\", "", FolderExists},
    {"Flock", "Crash Reports", Files, Local, "\\Flock\\CrashReports\\", NoProfile, "", "*.*", FolderExists},
    {"Flock", "Current Session", File, Local, FLOCK_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"Flock", "Current Session", Files, Local, FLOCK_DATA, EachProfile, "\\Sessions\\", "Session_*", FolderExists},
    {"Flock", "Current Session", Tree, Local, FLOCK_DATA, EachProfile, "\\Sessions_Encrypted\\", "", FolderExists},
    {"Flock", "Current Tabs", File, Local, FLOCK_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"Flock", "Current Tabs", Files, Local, FLOCK_DATA, EachProfile, "\\Sessions\\", "Tabs_*", FolderExists},
    {"Flock", "History", Files, Local, FLOCK_DEFAULT, NoProfile, "", "History*", NoTest},
    {"Flock", "History", Db, Local, FLOCK_DATA, EachProfile, "\\History", "", FileExists},
    {"Flock", "History", Db, Local, FLOCK_DATA, EachProfile, "\\Top Sites", "", FileExists},
    {"Flock", "History", Db, Local, FLOCK_DATA, EachProfile, "\\Shortcuts", "", FileExists},
    {"Flock", "History", Db, Local, FLOCK_DATA, EachProfile, "\\Network Action Predictor", "", FileExists},
    {"Flock", "History", Db, Local, FLOCK_DATA, EachProfile, "\\Favicons", "", FileExists},
    {"Flock", "History", File, Local, FLOCK_DATA, EachProfile, "\\Visited Links", "", FileExists},
    {"Flock", "History", Autofill, Local, FLOCK_DATA, EachProfile, "\\Web Data", "", FileExists},
    {"Flock", "Web Icons Cache", Db, Local, FLOCK_DEFAULT "Thumbnails", NoProfile, "", "", FileExists},

    {"Google Chrome", "Cache", Files, Local, CHROME_DEFAULT "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA, EachProfile, "\\Cache\\Cache_Data\\", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA, EachProfile, "\\Cache\\", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA, EachProfile, "\\Code Cache\\", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA, EachProfile, "\\GPUCache\\", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA, EachProfile, "\\DawnGraphiteCache\\", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA, EachProfile, "\\DawnWebGPUCache\\", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA "ShaderCache\\", NoProfile, "", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA "GrShaderCache\\", NoProfile, "", "", FolderExists},
    {"Google Chrome", "Cache", Tree, Local, CHROME_DATA "GraphiteDawnCache\\", NoProfile, "", "", FolderExists},
    {"Google Chrome", "Cookies", Db, Local, CHROME_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"Google Chrome", "Cookies", Db, Local, CHROME_DATA, EachProfile, "\\Network\\Cookies", "", FileExists},
    {"Google Chrome", "Cookies", Db, Local, CHROME_DATA, EachProfile, "\\Network\\Reporting and NEL", "", FileExists},
    {"Google Chrome", "Cookies", Db, Local, CHROME_DATA, EachProfile, "\\Network\\Trust Tokens", "", FileExists},
    {"Google Chrome", "Cookies", Db, Local, CHROME_DATA, EachProfile, "\\Cookies", "", FileExists},
    {"Google Chrome", "Cookies", Db, Local, CHROME_DATA, EachProfile, "\\DIPS", "", FileExists},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\Local Storage\\", "", FolderExists},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\Session Storage\\", "", FolderExists},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\IndexedDB\\", "", FolderExists, "chrome-extension_*"},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\Service Worker\\", "", FolderExists},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\WebStorage\\", "", FolderExists},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\File System\\", "", FolderExists},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\databases\\", "", FolderExists, "chrome-extension_*"},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\blob_storage\\", "", FolderExists},
    {"Google Chrome", "Cookies", Tree, Local, CHROME_DATA, EachProfile, "\\Shared Dictionary\\", "", FolderExists},
    {"Google Chrome", "Current Session", File, Local, CHROME_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"Google Chrome", "Current Session", Tree, Local, CHROME_DATA, EachProfile, "\\Sessions\\", "", FolderExists},
    {"Google Chrome", "Current Session", Tree, Local, CHROME_DATA, EachProfile, "\\Sessions_Encrypted\\", "", FolderExists},
    {"Google Chrome", "History", Db, Local, CHROME_DEFAULT "History", NoProfile, "", "", FileExists},
    {"Google Chrome", "History", Db, Local, CHROME_DATA, EachProfile, "\\History", "", FileExists},
    {"Google Chrome", "History", Db, Local, CHROME_DATA, EachProfile, "\\Top Sites", "", FileExists},
    {"Google Chrome", "History", Db, Local, CHROME_DATA, EachProfile, "\\Shortcuts", "", FileExists},
    {"Google Chrome", "History", Db, Local, CHROME_DATA, EachProfile, "\\Network Action Predictor", "", FileExists},
    {"Google Chrome", "History", Db, Local, CHROME_DATA, EachProfile, "\\Favicons", "", FileExists},
    {"Google Chrome", "History", File, Local, CHROME_DATA, EachProfile, "\\Visited Links", "", FileExists},
    {"Google Chrome", "History", Autofill, Local, CHROME_DATA, EachProfile, "\\Web Data", "", FileExists},

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
    // Its places database also holds the bookmarks: only the history inside it is removed.
    {"Lunascape", "Content History", Places, Roaming, LUNASCAPE_DATA "places.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "Content History", Key, NoBase, "Software\\Microsoft\\Internet Explorer\\TypedUrls", NoProfile, "", "", KeyExists},
    {"Lunascape", "Cookies", Db, Roaming, LUNASCAPE_DATA "cookies.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "Cookies", Tree, BaseFolder::InternetCookies, "", NoProfile, "", "", NoTest},
    {"Lunascape", "Downloads History", Db, Roaming, LUNASCAPE_DATA "downloads.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "Form History", Db, Roaming, LUNASCAPE_DATA "formhistory.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "History", Db, Roaming, LUNASCAPE_DATA "content-prefs.sqlite", NoProfile, "", "", FileExists},
    {"Lunascape", "History", File, Roaming, "\\Lunascape\\Lunascape6\\ApplicationData\\history.ld2", NoProfile, "", "", FileExists},
    {"Lunascape", "History", Tree, BaseFolder::InternetHistory, "", NoProfile, "", "", NoTest},

    {"Mozilla Firefox", "Cache", Files, FfProfile, "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"Mozilla Firefox", "Cache", Files, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\Cache\\", "*", FolderExists},
    {"Mozilla Firefox", "Cache", Tree, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\cache2\\entries\\", "", FolderExists},
    {"Mozilla Firefox", "Cache", Tree, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\cache2\\", "", FolderExists},
    {"Mozilla Firefox", "Cache", Tree, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\startupCache\\", "", FolderExists},
    {"Mozilla Firefox", "Cache", Tree, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\thumbnails\\", "", FolderExists},
    {"Mozilla Firefox", "Cache", Tree, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\jumpListCache\\", "", FolderExists},
    {"Mozilla Firefox", "Content History", Db, FfProfile, "content-prefs.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Cookies", Db, FfProfile, "cookies.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Cookies", Db, FfProfile, "webappsstore.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Cookies", Db, FfProfile, "bounce-tracking-protection.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Cookies", Tree, FfProfile, "storage\\default\\", NoProfile, "", "", FolderExists, "moz-extension*"},
    {"Mozilla Firefox", "Cookies", Tree, FfProfile, "storage\\temporary\\", NoProfile, "", "", FolderExists},
    {"Mozilla Firefox", "Cookies", Db, FfProfile, "storage\\ls-archive.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Cookies", File, FfProfile, "serviceworker.txt", NoProfile, "", "", FileExists},
    // Crash reports are kept beside the profiles, for every profile at once.
    {"Mozilla Firefox", "Crash Reports", Tree, Roaming, "\\Mozilla\\Firefox\\Crash Reports\\pending\\", NoProfile, "", "", FolderExists},
    {"Mozilla Firefox", "Crash Reports", Tree, Roaming, "\\Mozilla\\Firefox\\Crash Reports\\submitted\\", NoProfile, "", "", FolderExists},
    {"Mozilla Firefox", "Downloads History", Db, FfProfile, "downloads.sqlite", NoProfile, "", "", FileExists},
    // Today the download list is kept in places.sqlite, beside the bookmarks.
    {"Mozilla Firefox", "Downloads History", ActionKind::PlacesDownloads, FfProfile, "places.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Form History", Db, FfProfile, "formhistory.sqlite", NoProfile, "", "", FileExists},
    // places.sqlite also holds the bookmarks: only the history inside it is removed.
    {"Mozilla Firefox", "History", Places, FfProfile, "places.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Mini Dumps", Files, Roaming, "\\Mozilla\\Firefox\\", FirefoxPath, "\\minidumps\\", "*", FolderExists},
    // The offline web-application cache kept beside the disk cache.
    {"Mozilla Firefox", "Offline Cache", Files, Local, "\\Mozilla\\Firefox\\", FirefoxPath, "\\OfflineCache\\", "*", FolderExists},
    {"Mozilla Firefox", "Search History", Db, FfProfile, "search.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Session History", Db, FfProfile, "sessionstore.sqlite", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Session History", File, FfProfile, "sessionstore.jsonlz4", NoProfile, "", "", FileExists},
    {"Mozilla Firefox", "Session History", Tree, FfProfile, "sessionstore-backups\\", NoProfile, "", "", FolderExists},

    {"Netscape", "Cache", Files, Local, "\\Netscape\\Navigator\\", NetscapePath, "\\Cache\\", "*.*", FolderExists},
    {"Netscape", "Cookies", File, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\cookies.txt", "", FileExists},
    {"Netscape", "Form History", File, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\formhistory.dat", "", FileExists},
    {"Netscape", "History", File, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\history.dat", "", FileExists},
    {"Netscape", "Search History", Db, Roaming, "\\Netscape\\Navigator\\", NetscapePath, "\\search.sqlite", "", FileExists},

    {"Opera", "Cache", Tree, Local, "\\Opera\\Opera\\cache\\", NoProfile, "", "", NoTest},
    {"Opera", "Cache", Tree, Local, "\\Opera\\Opera\\application_cache\\", NoProfile, "", "", NoTest},
    {"Opera", "Cache", Tree, Local, "\\Opera\\Opera\\opcache\\", NoProfile, "", "", NoTest},
    {"Opera", "Cache", Tree, Local, OPERA_STABLE "Cache\\Cache_Data\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cache", Tree, Local, OPERA_STABLE "Cache\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cache", Tree, Local, OPERA_STABLE "Code Cache\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cache", Tree, Local, OPERA_STABLE "GPUCache\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cache", Tree, Roaming, OPERA_STABLE "Code Cache\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cache", Tree, Roaming, OPERA_STABLE "GPUCache\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cache", Tree, Roaming, OPERA_STABLE "ShaderCache\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cookies", File, Roaming, "\\Opera\\Opera\\cookies4.dat", NoProfile, "", "", FileExists},
    {"Opera", "Cookies", Db, Roaming, OPERA_STABLE "Network\\Cookies", NoProfile, "", "", FileExists},
    {"Opera", "Cookies", Db, Roaming, OPERA_STABLE "Network\\Reporting and NEL", NoProfile, "", "", FileExists},
    {"Opera", "Cookies", Db, Roaming, OPERA_STABLE "Network\\Trust Tokens", NoProfile, "", "", FileExists},
    {"Opera", "Cookies", Db, Roaming, OPERA_STABLE "Cookies", NoProfile, "", "", FileExists},
    {"Opera", "Cookies", Tree, Roaming, OPERA_STABLE "Local Storage\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cookies", Tree, Roaming, OPERA_STABLE "Session Storage\\", NoProfile, "", "", FolderExists},
    {"Opera", "Cookies", Tree, Roaming, OPERA_STABLE "IndexedDB\\", NoProfile, "", "", FolderExists, "chrome-extension_*"},
    {"Opera", "Cookies", Tree, Roaming, OPERA_STABLE "Service Worker\\", NoProfile, "", "", FolderExists},
    {"Opera", "Downloads History", File, Roaming, "\\Opera\\Opera\\download.dat", NoProfile, "", "", FileExists},
    {"Opera", "Search Field History", File, Roaming, "\\Opera\\Opera\\search_field_history.dat", NoProfile, "", "", FileExists},
    {"Opera", "Search Field History", Autofill, Roaming, OPERA_STABLE "Web Data", NoProfile, "", "", FileExists},
    {"Opera", "Sessions History", Files, Roaming, "\\Opera\\Opera\\sessions\\", NoProfile, "", "*.*", FolderExists},
    {"Opera", "Sessions History", Tree, Roaming, OPERA_STABLE "Sessions\\", NoProfile, "", "", FolderExists},
    {"Opera", "Temporary Downloads", Tree, Local, "\\Opera\\Opera\\temporary_downloads\\", NoProfile, "", "", NoTest},
    {"Opera", "URLs History", File, Roaming, "\\Opera\\Opera\\global_history.dat", NoProfile, "", "", FileExists},
    {"Opera", "URLs History", Db, Roaming, OPERA_STABLE "History", NoProfile, "", "", FileExists},
    {"Opera", "URLs History", Db, Roaming, OPERA_STABLE "Top Sites", NoProfile, "", "", FileExists},
    {"Opera", "URLs History", Db, Roaming, OPERA_STABLE "Shortcuts", NoProfile, "", "", FileExists},
    {"Opera", "URLs History", Db, Roaming, OPERA_STABLE "Network Action Predictor", NoProfile, "", "", FileExists},
    {"Opera", "URLs History", Db, Roaming, OPERA_STABLE "Favicons", NoProfile, "", "", FileExists},
    {"Opera", "URLs History", File, Roaming, OPERA_STABLE "Visited Links", NoProfile, "", "", FileExists},

    {"Pale Moon", "Cache", Files, Local, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\Cache\\", "*", NoTest},
    {"Pale Moon", "Cache", Tree, Local, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\cache2\\entries\\", "", FolderExists},
    {"Pale Moon", "Cache", Tree, Local, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\cache2\\", "", FolderExists},
    {"Pale Moon", "Cache", Tree, Local, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\startupCache\\", "", FolderExists},
    // Its places database also holds the bookmarks: only the history inside it is removed.
    {"Pale Moon", "Content History", Places, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\places.sqlite", "", FileExists},
    {"Pale Moon", "Cookies", Db, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\cookies.sqlite", "", FileExists},
    {"Pale Moon", "Cookies", Db, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\webappsstore.sqlite", "", FileExists},
    {"Pale Moon", "Cookies", Tree, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\storage\\default\\", "", FolderExists, "moz-extension*"},
    {"Pale Moon", "Downloads History", Db, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\downloads.sqlite", "", FileExists},
    {"Pale Moon", "Form History", Db, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\formhistory.sqlite", "", FileExists},
    {"Pale Moon", "History", Db, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\content-prefs.sqlite", "", FileExists},
    {"Pale Moon", "Search History", Db, Roaming, "\\Moonchild Productions\\Pale Moon\\", PaleMoonPath, "\\search.sqlite", "", FileExists},

    {"QtWeb", "Cache", Tree, Local, QTWEB_DIR "cache\\", NoProfile, "", "", FolderExists},
    {"QtWeb", "Cookies", File, Local, QTWEB_DIR "cookies", NoProfile, "", "", FileExists},
    {"QtWeb", "History", File, Local, QTWEB_DIR "history", NoProfile, "", "", FileExists},
    {"QtWeb", "Sessions History", Value, NoBase, QTWEB_KEY, NoProfile, "", "", ValueExists},
    {"QtWeb", "Web Icons Cache", File, Local, QTWEB_DIR "Icons", NoProfile, "", "", FileExists},

    {"SeaMonkey", "Cache", Files, Local, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\Cache\\", "*.*", FolderExists},
    {"SeaMonkey", "Cache", Tree, Local, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\cache2\\entries\\", "", FolderExists},
    {"SeaMonkey", "Cache", Tree, Local, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\cache2\\", "", FolderExists},
    {"SeaMonkey", "Cache", Tree, Local, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\startupCache\\", "", FolderExists},
    {"SeaMonkey", "Cookies", Db, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\cookies.sqlite", "", FileExists},
    {"SeaMonkey", "Cookies", Db, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\webappsstore.sqlite", "", FileExists},
    {"SeaMonkey", "Cookies", Tree, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\storage\\default\\", "", FolderExists, "moz-extension*"},
    {"SeaMonkey", "Crash Reports", Files, Roaming, "\\Mozilla\\SeaMonkey\\Crash Reports\\", NoProfile, "", "*.*", FolderExists},
    {"SeaMonkey", "Crash Reports", Tree, Roaming, "\\Mozilla\\SeaMonkey\\Crash Reports\\pending\\", NoProfile, "", "", FolderExists},
    {"SeaMonkey", "Crash Reports", Tree, Roaming, "\\Mozilla\\SeaMonkey\\Crash Reports\\submitted\\", NoProfile, "", "", FolderExists},
    {"SeaMonkey", "Downloads History", Db, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\downloads.sqlite", "", FileExists},
    // places.sqlite also holds the bookmarks: only the history inside it is removed.
    {"SeaMonkey", "History", Places, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\places.sqlite", "", FileExists},
    {"SeaMonkey", "URLs History", Db, Roaming, "\\Mozilla\\SeaMonkey\\", SeaMonkeyPath, "\\urlbarhistory.sqlite", "", FileExists},

    {"SRWare Iron", "Cache", Files, Local, IRON_DEFAULT "Cache\\", NoProfile, "", "*.*", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA, EachProfile, "\\Cache\\Cache_Data\\", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA, EachProfile, "\\Cache\\", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA, EachProfile, "\\Code Cache\\", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA, EachProfile, "\\GPUCache\\", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA, EachProfile, "\\DawnGraphiteCache\\", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA, EachProfile, "\\DawnWebGPUCache\\", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA "ShaderCache\\", NoProfile, "", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA "GrShaderCache\\", NoProfile, "", "", FolderExists},
    {"SRWare Iron", "Cache", Tree, Local, IRON_DATA "GraphiteDawnCache\\", NoProfile, "", "", FolderExists},
    {"SRWare Iron", "Cookies", Db, Local, IRON_DEFAULT "Cookies", NoProfile, "", "", FileExists},
    {"SRWare Iron", "Cookies", Db, Local, IRON_DATA, EachProfile, "\\Network\\Cookies", "", FileExists},
    {"SRWare Iron", "Cookies", Db, Local, IRON_DATA, EachProfile, "\\Network\\Reporting and NEL", "", FileExists},
    {"SRWare Iron", "Cookies", Db, Local, IRON_DATA, EachProfile, "\\Network\\Trust Tokens", "", FileExists},
    {"SRWare Iron", "Cookies", Db, Local, IRON_DATA, EachProfile, "\\Cookies", "", FileExists},
    {"SRWare Iron", "Cookies", Db, Local, IRON_DATA, EachProfile, "\\DIPS", "", FileExists},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\Local Storage\\", "", FolderExists},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\Session Storage\\", "", FolderExists},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\IndexedDB\\", "", FolderExists, "chrome-extension_*"},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\Service Worker\\", "", FolderExists},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\WebStorage\\", "", FolderExists},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\File System\\", "", FolderExists},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\databases\\", "", FolderExists, "chrome-extension_*"},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\blob_storage\\", "", FolderExists},
    {"SRWare Iron", "Cookies", Tree, Local, IRON_DATA, EachProfile, "\\Shared Dictionary\\", "", FolderExists},
    {"SRWare Iron", "Current Session", File, Local, IRON_DEFAULT "Current Session", NoProfile, "", "", FileExists},
    {"SRWare Iron", "Current Session", Files, Local, IRON_DATA, EachProfile, "\\Sessions\\", "Session_*", FolderExists},
    {"SRWare Iron", "Current Session", Tree, Local, IRON_DATA, EachProfile, "\\Sessions_Encrypted\\", "", FolderExists},
    {"SRWare Iron", "Current Tabs", File, Local, IRON_DEFAULT "Current Tabs", NoProfile, "", "", FileExists},
    {"SRWare Iron", "Current Tabs", Files, Local, IRON_DATA, EachProfile, "\\Sessions\\", "Tabs_*", FolderExists},
    {"SRWare Iron", "History", Files, Local, IRON_DEFAULT, NoProfile, "", "History*", FolderExists},
    {"SRWare Iron", "History", Db, Local, IRON_DATA, EachProfile, "\\History", "", FileExists},
    {"SRWare Iron", "History", Db, Local, IRON_DATA, EachProfile, "\\Top Sites", "", FileExists},
    {"SRWare Iron", "History", Db, Local, IRON_DATA, EachProfile, "\\Shortcuts", "", FileExists},
    {"SRWare Iron", "History", Db, Local, IRON_DATA, EachProfile, "\\Network Action Predictor", "", FileExists},
    {"SRWare Iron", "History", Db, Local, IRON_DATA, EachProfile, "\\Favicons", "", FileExists},
    {"SRWare Iron", "History", File, Local, IRON_DATA, EachProfile, "\\Visited Links", "", FileExists},
    {"SRWare Iron", "History", Autofill, Local, IRON_DATA, EachProfile, "\\Web Data", "", FileExists},

    {"Windows", "Clipboard Cache", ActionKind::Clipboard, NoBase, "", NoProfile, "", "", NoTest},
    {"Windows", "DNS Logs", File, BaseFolder::SystemDir, "\\dns\\dns.log", NoProfile, "", "", FileExists},
    {"Windows", "Empty RecycleBin", ActionKind::RecycleBin, NoBase, "", NoProfile, "", "", NoTest},
    // The reports Windows Error Reporting keeps for the user, one folder per report.
    {"Windows", "Error Reports", Tree, Local, "\\Microsoft\\Windows\\WER\\ReportArchive\\", NoProfile, "", "", FolderExists},
    {"Windows", "Error Reports", Tree, Local, "\\Microsoft\\Windows\\WER\\ReportQueue\\", NoProfile, "", "", FolderExists},
    // What Explorer's file dialogs opened and saved, and what was typed into its search and
    // address boxes.
    {"Windows", "Explorer MRU Lists", Key, NoBase, EXPLORER_KEY "ComDlg32\\OpenSavePidlMRU", NoProfile, "", "", KeyExists},
    {"Windows", "Explorer MRU Lists", Key, NoBase, EXPLORER_KEY "ComDlg32\\LastVisitedPidlMRU", NoProfile, "", "", KeyExists},
    {"Windows", "Explorer MRU Lists", Key, NoBase, EXPLORER_KEY "WordWheelQuery", NoProfile, "", "", KeyExists},
    {"Windows", "Explorer MRU Lists", Key, NoBase, EXPLORER_KEY "TypedPaths", NoProfile, "", "", KeyExists},
    {"Windows", "Jump Lists", Files, BaseFolder::Recent, "AutomaticDestinations\\", NoProfile, "", "*.automaticDestinations-ms", FolderExists, QUICK_ACCESS_PINS},
    {"Windows", "Jump Lists", Files, BaseFolder::Recent, "CustomDestinations\\", NoProfile, "", "*.customDestinations-ms", FolderExists},
    {"Windows", "Paint History", Key, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List", NoProfile, "", "", KeyExists},
    {"Windows", "Recent Docs List", Key, NoBase, EXPLORER_KEY "RecentDocs", NoProfile, "", "", KeyExists},
    {"Windows", "Recent Folder", Tree, BaseFolder::Recent, "", NoProfile, "", "", FolderExists, "AutomaticDestinations\\" QUICK_ACCESS_PINS},
    {"Windows", "Run MRU List", Key, NoBase, EXPLORER_KEY "RunMRU", NoProfile, "", "", KeyExists},
    // Explorer holds these open while it runs: what it holds stays until the next clean.
    {"Windows", "Thumbnail Cache", Files, Local, "\\Microsoft\\Windows\\Explorer\\", NoProfile, "", "thumbcache_*.db", FolderExists},
    {"Windows", "Thumbnail Cache", Files, Local, "\\Microsoft\\Windows\\Explorer\\", NoProfile, "", "iconcache_*.db", FolderExists},
    {"Windows", "Wordpad History", Key, NoBase, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List", NoProfile, "", "", KeyExists},
};

std::vector<TraceAction> MakeTable()
{
    std::vector<TraceAction> table = kTable;
    const std::vector<TraceAction>& families = FamilyLocationRows();
    table.insert(table.end(), families.begin(), families.end());
    // Groups never share a text, and each group's rows are already in order.
    std::stable_sort(table.begin(), table.end(),
                     [](const TraceAction& a, const TraceAction& b) { return ComesBeforeInTree(a.Group, b.Group); });
    return table;
}

} // namespace

const std::vector<TraceAction>& TraceLocationTable()
{
    static const std::vector<TraceAction> table = MakeTable();
    return table;
}

bool ComesBeforeInTree(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

ActionRange ActionsFor(std::string_view group, std::string_view category)
{
    ActionRange range;
    for (const TraceAction& action : TraceLocationTable()) {
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

bool ActsOnFileSystem(ActionKind kind)
{
    switch (kind) {
    case ActionKind::File:
    case ActionKind::Files:
    case ActionKind::Tree:
    case ActionKind::Database:
    case ActionKind::PlacesHistory:
    case ActionKind::PlacesDownloads:
    case ActionKind::AutofillHistory:
        return true;
    default:
        return false;
    }
}

} // namespace aw
