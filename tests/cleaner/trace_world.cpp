#include "cleaner/trace_world.h"

#include <shlobj.h>

#include <map>

namespace aw::test {

const char* const kFirefoxProfile0 = "Profiles/ff0.default";
const char* const kFirefoxProfile1 = "Profiles/ff1.default";

namespace {

using R = Root;

Item T(R at, std::string path) { return {Role::Counted, at, std::move(path), ""}; }
Item U(R at, std::string path) { return {Role::Uncounted, at, std::move(path), ""}; }
Item G(R at, std::string path) { return {Role::GoneDir, at, std::move(path), ""}; }
Item K(R at, std::string path) { return {Role::Kept, at, std::move(path), ""}; }
Item KD(R at, std::string path) { return {Role::KeptDir, at, std::move(path), ""}; }
Item RK(std::string path) { return {Role::Key, R::Registry, std::move(path), ""}; }
Item RV(std::string key, std::string name) { return {Role::Value, R::Registry, std::move(key), std::move(name)}; }
Item KK(std::string path) { return {Role::KeptKey, R::Registry, std::move(path), ""}; }
Item KV(std::string key, std::string name) { return {Role::KeptValue, R::Registry, std::move(key), std::move(name)}; }

const std::string CP = "ChromePlus\\ChromePlusUserData\\Default\\";
const std::string CD = "Comodo\\Dragon\\User Data\\Default\\";
const std::string FL = "Flock\\User Data\\Default\\";
const std::string GC = "Google\\Chrome\\User Data\\Default\\";
const std::string IR = "Chromium\\User Data\\Default\\";
const std::string LD = "Lunascape\\Lunascape6\\plugins\\{9BDD5314-20A6-4d98-AB30-8325A95771EE}\\data\\";
const std::string FF0 = "Mozilla\\Firefox\\Profiles\\ff0.default\\";
const std::string FF1 = "Mozilla\\Firefox\\Profiles\\ff1.default\\";
const std::string PM0 = "Moonchild Productions\\Pale Moon\\Profiles\\pm0.default\\";
const std::string PM1 = "Moonchild Productions\\Pale Moon\\Profiles\\pm1.default\\";
const std::string KM0 = "K-Meleon\\km0.default\\";
const std::string KM1 = "K-Meleon\\km1.default\\";
const std::string NS0 = "Netscape\\Navigator\\ns0.default\\";
const std::string SM0 = "Mozilla\\SeaMonkey\\Profiles\\sm0.default\\";
const std::string QT = "QtWeb.NET\\QtWeb Internet Browser\\";
const std::string TYPED = "Software\\Microsoft\\Internet Explorer\\TypedUrls";
const std::string APPLETS = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
const std::string EXPLORER = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string JUMP = "AutomaticDestinations\\";
const std::string PINS = JUMP + "f01b4d95cf55d32a.automaticDestinations-ms"; // Quick Access
const std::string WER = "Microsoft\\Windows\\WER\\";
const std::string THUMBS = "Microsoft\\Windows\\Explorer\\";

// The Internet Explorer folders, which Lunascape cleans too.
std::vector<Item> IeCache()
{
    return {T(R::InetCache, "a.dat"), U(R::InetCache, "Content.IE5\\AB12CD34\\page[1].htm"),
            G(R::InetCache, "Content.IE5\\AB12CD34"), G(R::InetCache, "Content.IE5"), KD(R::InetCache, "")};
}
std::vector<Item> IeCookies()
{
    return {T(R::InetCookies, "root@example[1].txt"), U(R::InetCookies, "Low\\root@example[2].txt"),
            G(R::InetCookies, "Low"), KD(R::InetCookies, "")};
}
std::vector<Item> IeHistory()
{
    return {T(R::InetHistory, "h.dat"), U(R::InetHistory, "History.IE5\\MSHist01\\x.dat"),
            G(R::InetHistory, "History.IE5\\MSHist01"), G(R::InetHistory, "History.IE5"), KD(R::InetHistory, "")};
}

std::vector<Item> operator+(std::vector<Item> a, const std::vector<Item>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Chromium-style browsers share one layout.
std::vector<CategoryTraces> ChromiumFamily(const std::string& group, R at, const std::string& d, bool treeCache)
{
    std::vector<Item> cache = {T(at, d + "Cache\\data_0"), T(at, d + "Cache\\f_000001")};
    if (treeCache)
        cache = cache + std::vector<Item>{U(at, d + "Cache\\index-dir\\the-real-index"), G(at, d + "Cache\\index-dir"),
                                          KD(at, d + "Cache")};
    else
        cache.push_back(K(at, d + "Cache\\index-dir\\the-real-index"));
    return {
        {group, "Cache", cache},
        {group, "Cookies", {T(at, d + "Cookies"), T(at, d + "Cookies-journal")}},
        {group, "Current Session", {T(at, d + "Current Session")}},
        {group, "Current Tabs", {T(at, d + "Current Tabs")}},
        {group, "History",
         {T(at, d + "History"), T(at, d + "History-journal"), T(at, d + "History Provider Cache"),
          K(at, d + "Archived History"), K(at, d + "History Index\\data"), K(at, d + "Preferences")}},
        {group, "Web Icons Cache", {T(at, d + "Thumbnails"), T(at, d + "Thumbnails-journal")}},
    };
}

std::vector<CategoryTraces> BuildWorld()
{
    std::vector<CategoryTraces> w;
    auto add = [&w](std::vector<CategoryTraces> rows) { w.insert(w.end(), rows.begin(), rows.end()); };

    add({{"Advanced", "Custom Locations", {}}});

    add({
        {"Apple Safari", "Cache", {}},
        {"Apple Safari", "Cookies",
         {T(R::Roaming, "Apple Computer\\Safari\\Cookies\\Cookies.binarycookies"),
          T(R::Roaming, "Apple Computer\\Safari\\Cookies\\cookies.plist"),
          K(R::Roaming, "Apple Computer\\Safari\\Cookies\\old\\kept.plist")}},
        {"Apple Safari", "History",
         {T(R::Local, "Apple Computer\\Safari\\History\\h1.db"), K(R::Local, "Apple Computer\\Safari\\History\\sub\\keep.db"),
          T(R::Roaming, "Apple Computer\\Safari\\History.plist"), K(R::Roaming, "Apple Computer\\Safari\\Bookmarks.plist")}},
        {"Apple Safari", "Last Session", {T(R::Roaming, "Apple Computer\\Safari\\LastSession.plist")}},
        {"Apple Safari", "Web Icons Cache",
         {T(R::Local, "Apple Computer\\Safari\\Cache.db"), K(R::Roaming, "Apple Computer\\Safari\\Cache.db")}},
    });

    add({
        {"Avant Browser", "Closed Tabs", {T(R::Roaming, "Avant Profiles\\.default\\closedtabs.dat")}},
        {"Avant Browser", "Recent Tabs", {T(R::Roaming, "Avant Profiles\\.default\\recenttabs.dat")}},
        {"Avant Browser", "URLs History",
         {T(R::Roaming, "Avant Profiles\\.default\\urls.dat"), T(R::Roaming, "Avant Profiles\\.default\\reopen.dat"),
          K(R::Roaming, "Avant Profiles\\.default\\bookmarks.dat")}},
    });

    add(ChromiumFamily("ChromePlus", R::ProgramFiles, CP, true));
    add(ChromiumFamily("Comodo Dragon", R::Local, CD, true));

    const std::string sys = "Macromedia\\Flash Player\\macromedia.com\\support\\flashplayer\\sys\\";
    add({
        {"Extra Traces", "Flash Player Shared Objects",
         {T(R::Roaming, "Macromedia\\Flash Player\\#SharedObjects\\settings.sol"),
          U(R::Roaming, "Macromedia\\Flash Player\\#SharedObjects\\ABCD1234\\example.com\\x.sol"),
          G(R::Roaming, "Macromedia\\Flash Player\\#SharedObjects\\ABCD1234"),
          KD(R::Roaming, "Macromedia\\Flash Player\\#SharedObjects")}},
        {"Extra Traces", "Flash Player Sys History",
         {T(R::Roaming, sys + "settings.sol"), U(R::Roaming, sys + "#local\\settings.sol"), G(R::Roaming, sys + "#local"),
          K(R::Roaming, "Macromedia\\Flash Player\\macromedia.com\\support\\flashplayer\\other.sol")}},
        {"Extra Traces", "Java Cache",
         {T(R::Roaming, "Sun\\Java\\Deployment\\cache\\lastAccessed"),
          U(R::Roaming, "Sun\\Java\\Deployment\\cache\\6.0\\1\\abc.jar"), G(R::Roaming, "Sun\\Java\\Deployment\\cache\\6.0"),
          K(R::Roaming, "Sun\\Java\\Deployment\\deployment.properties")}},
        {"Extra Traces", "Java Logs",
         {T(R::Roaming, "Sun\\Java\\Deployment\\logs\\plugin.trace"),
          U(R::Roaming, "Sun\\Java\\Deployment\\logs\\old\\plugin.trace"), G(R::Roaming, "Sun\\Java\\Deployment\\logs\\old")}},
        {"Extra Traces", "Java Temp",
         {T(R::Roaming, "Sun\\Java\\Deployment\\tmp\\t.tmp"), U(R::Roaming, "Sun\\Java\\Deployment\\tmp\\si\\x"),
          G(R::Roaming, "Sun\\Java\\Deployment\\tmp\\si"), KD(R::Roaming, "Sun\\Java\\Deployment\\tmp")}},
    });

    add({
        {"Flock", "Cache", {T(R::Local, FL + "Cache\\data_1"), K(R::Local, FL + "Cache\\sub\\keep")}},
        {"Flock", "Cookies", {T(R::Local, FL + "Cookies")}},
        {"Flock", "Crash Reports",
         {T(R::Local, "Flock\\CrashReports\\r1.dmp"), K(R::Local, "Flock\\CrashReports\\pending\\r2.dmp")}},
        {"Flock", "Current Session", {T(R::Local, FL + "Current Session")}},
        {"Flock", "Current Tabs", {T(R::Local, FL + "Current Tabs")}},
        {"Flock", "History",
         {T(R::Local, FL + "History"), T(R::Local, FL + "History-journal"), K(R::Local, FL + "Archived History"),
          K(R::Local, FL + "History Index\\data")}},
        {"Flock", "Web Icons Cache", {T(R::Local, FL + "Thumbnails")}},
    });

    add({
        {"Google Chrome", "Cache",
         {T(R::Local, GC + "Cache\\data_0"), T(R::Local, GC + "Cache\\f_000002"),
          K(R::Local, GC + "Cache\\index-dir\\the-real-index")}},
        {"Google Chrome", "Cookies", {T(R::Local, GC + "Cookies")}},
        {"Google Chrome", "Current Session", {T(R::Local, GC + "Current Session")}},
        {"Google Chrome", "History", {T(R::Local, GC + "History"), T(R::Local, GC + "History-journal")}},
    });

    add({
        {"Internet Explorer", "Cache", IeCache()},
        {"Internet Explorer", "Cookies", IeCookies()},
        {"Internet Explorer", "Downloads History",
         {T(R::Windows, "Downloaded Program Files\\ctl.inf"), U(R::Windows, "Downloaded Program Files\\CONFLICT.1\\ctl.ocx"),
          G(R::Windows, "Downloaded Program Files\\CONFLICT.1"), KD(R::Windows, "Downloaded Program Files")}},
        {"Internet Explorer", "History", IeHistory()},
        {"Internet Explorer", "Typed URLs", {RK(TYPED), KK("Software\\Microsoft\\Internet Explorer\\AwKeep")}},
    });

    add({
        {"K-Meleon", "Cache",
         {T(R::Local, KM0 + "Cache\\c1"), T(R::Local, KM1 + "Cache\\c1"), K(R::Local, "K-Meleon\\Cache\\c1")}},
        {"K-Meleon", "Cookies",
         {T(R::Roaming, KM0 + "cookies.txt"), T(R::Roaming, KM1 + "cookies.txt"), K(R::Roaming, "K-Meleon\\cookies.txt")}},
        {"K-Meleon", "History", {T(R::Roaming, KM0 + "history.dat")}},
        {"K-Meleon", "Web Icons Cache", {T(R::Roaming, KM0 + "IconCache.dat")}},
    });

    add({
        {"Lunascape", "Cache", std::vector<Item>{T(R::Roaming, LD + "Cache\\c1"), K(R::Roaming, LD + "Cache\\sub\\c2")} + IeCache()},
        {"Lunascape", "Content History",
         {K(R::Roaming, LD + "places.sqlite"), K(R::Roaming, LD + "places.sqlite-journal"), RK(TYPED)}},
        {"Lunascape", "Cookies", std::vector<Item>{T(R::Roaming, LD + "cookies.sqlite")} + IeCookies()},
        {"Lunascape", "Downloads History", {T(R::Roaming, LD + "downloads.sqlite")}},
        {"Lunascape", "Form History", {T(R::Roaming, LD + "formhistory.sqlite")}},
        {"Lunascape", "History",
         std::vector<Item>{T(R::Roaming, LD + "content-prefs.sqlite"),
                           T(R::Roaming, "Lunascape\\Lunascape6\\ApplicationData\\history.ld2")} +
             IeHistory()},
    });

    add({
        {"Mozilla Firefox", "Cache",
         {T(R::Roaming, FF0 + "Cache\\old1"), K(R::Roaming, FF0 + "Cache\\sub\\keep"), T(R::Local, FF0 + "Cache\\c1"),
          T(R::Local, FF0 + "Cache\\CACHE_MAP"), K(R::Local, FF0 + "Cache\\0\\01\\x"), T(R::Local, FF1 + "Cache\\c1"),
          K(R::Local, "Mozilla\\Firefox\\Cache\\c1")}},
        {"Mozilla Firefox", "Content History", {T(R::Roaming, FF0 + "content-prefs.sqlite"), T(R::Roaming, FF1 + "content-prefs.sqlite")}},
        {"Mozilla Firefox", "Cookies",
         {T(R::Roaming, FF0 + "cookies.sqlite"), T(R::Roaming, FF1 + "cookies.sqlite"),
          K(R::Roaming, "Mozilla\\Firefox\\cookies.sqlite")}},
        {"Mozilla Firefox", "Crash Reports", {T(R::Roaming, "Mozilla\\Firefox\\Crash Reports\\pending\\x.dmp")}},
        {"Mozilla Firefox", "Downloads History", {T(R::Roaming, FF0 + "downloads.sqlite")}},
        {"Mozilla Firefox", "Form History", {T(R::Roaming, FF0 + "formhistory.sqlite")}},
        {"Mozilla Firefox", "History", {K(R::Roaming, FF0 + "places.sqlite"), K(R::Roaming, FF0 + "places.sqlite-wal")}},
        {"Mozilla Firefox", "Mini Dumps", {T(R::Roaming, FF0 + "minidumps\\d1.dmp"), K(R::Roaming, FF0 + "minidumps\\sub\\d2.dmp")}},
        {"Mozilla Firefox", "Offline Cache",
         {T(R::Local, FF0 + "OfflineCache\\index.sqlite"), K(R::Local, FF0 + "OfflineCache\\sub\\x"),
          T(R::Local, FF1 + "OfflineCache\\index.sqlite")}},
        {"Mozilla Firefox", "Search History", {T(R::Roaming, FF0 + "search.sqlite")}},
        {"Mozilla Firefox", "Session History", {T(R::Roaming, FF0 + "sessionstore.sqlite"), K(R::Roaming, FF0 + "sessionstore.js")}},
    });

    add({
        {"Netscape", "Cache", {T(R::Local, NS0 + "Cache\\c1"), K(R::Local, NS0 + "Cache\\sub\\c")}},
        {"Netscape", "Cookies", {T(R::Roaming, NS0 + "cookies.txt"), K(R::Roaming, "Netscape\\Navigator\\cookies.txt")}},
        {"Netscape", "Form History", {T(R::Roaming, NS0 + "formhistory.dat")}},
        {"Netscape", "History", {T(R::Roaming, NS0 + "history.dat")}},
        {"Netscape", "Search History", {T(R::Roaming, NS0 + "search.sqlite")}},
    });

    add({
        {"Opera", "Cache",
         {T(R::Local, "Opera\\Opera\\cache\\c1"), U(R::Local, "Opera\\Opera\\cache\\g_0000\\opr0001.tmp"),
          G(R::Local, "Opera\\Opera\\cache\\g_0000"), KD(R::Local, "Opera\\Opera\\cache"),
          T(R::Local, "Opera\\Opera\\application_cache\\a1"), T(R::Local, "Opera\\Opera\\opcache\\o1"),
          K(R::Local, "Opera\\Opera\\icons\\i1")}},
        {"Opera", "Cookies", {T(R::Roaming, "Opera\\Opera\\cookies4.dat")}},
        {"Opera", "Downloads History", {T(R::Roaming, "Opera\\Opera\\download.dat")}},
        {"Opera", "Search Field History", {T(R::Roaming, "Opera\\Opera\\search_field_history.dat")}},
        {"Opera", "Sessions History",
         {T(R::Roaming, "Opera\\Opera\\sessions\\autosave.win"), T(R::Roaming, "Opera\\Opera\\sessions\\autosave.win.bak"),
          K(R::Roaming, "Opera\\Opera\\sessions\\old\\x.win")}},
        {"Opera", "Temporary Downloads",
         {T(R::Local, "Opera\\Opera\\temporary_downloads\\f.exe"), U(R::Local, "Opera\\Opera\\temporary_downloads\\sub\\g"),
          G(R::Local, "Opera\\Opera\\temporary_downloads\\sub")}},
        {"Opera", "URLs History", {T(R::Roaming, "Opera\\Opera\\global_history.dat"), K(R::Roaming, "Opera\\Opera\\typed_history.xml")}},
    });

    add({
        {"Pale Moon", "Cache", {T(R::Local, PM0 + "Cache\\c1"), K(R::Local, PM0 + "Cache\\sub\\c"), T(R::Local, PM1 + "Cache\\c1")}},
        {"Pale Moon", "Content History",
         {K(R::Roaming, PM0 + "places.sqlite"), K(R::Roaming, PM0 + "places.sqlite-wal"), K(R::Roaming, PM1 + "places.sqlite"),
          K(R::Roaming, "Moonchild Productions\\Pale Moon\\places.sqlite")}},
        {"Pale Moon", "Cookies", {T(R::Roaming, PM0 + "cookies.sqlite")}},
        {"Pale Moon", "Downloads History", {T(R::Roaming, PM0 + "downloads.sqlite")}},
        {"Pale Moon", "Form History", {T(R::Roaming, PM0 + "formhistory.sqlite")}},
        {"Pale Moon", "History", {T(R::Roaming, PM0 + "content-prefs.sqlite")}},
        {"Pale Moon", "Search History", {T(R::Roaming, PM0 + "search.sqlite")}},
    });

    add({
        {"QtWeb", "Cache",
         {T(R::Local, QT + "cache\\c1"), U(R::Local, QT + "cache\\http\\data8\\x"), G(R::Local, QT + "cache\\http"),
          KD(R::Local, QT + "cache")}},
        {"QtWeb", "Cookies", {T(R::Local, QT + "cookies")}},
        {"QtWeb", "History", {T(R::Local, QT + "history")}},
        {"QtWeb", "Sessions History",
         {RV("Software\\QtWeb.NET\\QtWeb Internet Browser\\sessions", "lastSession"),
          KV("Software\\QtWeb.NET\\QtWeb Internet Browser\\sessions", "otherSession"),
          KK("Software\\QtWeb.NET\\QtWeb Internet Browser\\sessions")}},
        {"QtWeb", "Web Icons Cache", {T(R::Local, QT + "Icons")}},
    });

    add({
        {"SeaMonkey", "Cache", {T(R::Local, SM0 + "Cache\\c1"), K(R::Local, SM0 + "Cache\\sub\\c")}},
        {"SeaMonkey", "Cookies", {T(R::Roaming, SM0 + "cookies.sqlite"), K(R::Roaming, "Mozilla\\SeaMonkey\\cookies.sqlite")}},
        {"SeaMonkey", "Crash Reports",
         {T(R::Roaming, "Mozilla\\SeaMonkey\\Crash Reports\\r.dmp"),
          T(R::Roaming, "Mozilla\\SeaMonkey\\Crash Reports\\pending\\p.dmp")}},
        {"SeaMonkey", "Downloads History", {T(R::Roaming, SM0 + "downloads.sqlite")}},
        {"SeaMonkey", "History", {K(R::Roaming, SM0 + "places.sqlite")}},
        {"SeaMonkey", "URLs History", {T(R::Roaming, SM0 + "urlbarhistory.sqlite")}},
    });

    add({
        {"SRWare Iron", "Cache", {T(R::Local, IR + "Cache\\data_0"), K(R::Local, IR + "Cache\\index-dir\\the-real-index")}},
        {"SRWare Iron", "Cookies", {T(R::Local, IR + "Cookies")}},
        {"SRWare Iron", "Current Session", {T(R::Local, IR + "Current Session")}},
        {"SRWare Iron", "Current Tabs", {T(R::Local, IR + "Current Tabs")}},
        {"SRWare Iron", "History",
         {T(R::Local, IR + "History"), T(R::Local, IR + "History-journal"), K(R::Local, IR + "Archived History")}},
    });

    add({
        {"Windows", "Clipboard Cache", {}},
        {"Windows", "DNS Logs", {T(R::System, "dns\\dns.log"), K(R::System, "dns\\dns.log.old")}},
        {"Windows", "Empty RecycleBin", {}},
        {"Windows", "Error Reports",
         {T(R::Local, WER + "ReportQueue\\q.wer"), U(R::Local, WER + "ReportArchive\\AppCrash_a.exe_1\\Report.wer"),
          G(R::Local, WER + "ReportArchive\\AppCrash_a.exe_1"), KD(R::Local, WER + "ReportArchive"),
          KD(R::Local, WER + "ReportQueue"), K(R::Local, WER + "Temp\\t.xml")}},
        {"Windows", "Explorer MRU Lists",
         {RK(EXPLORER + "ComDlg32\\OpenSavePidlMRU"), RK(EXPLORER + "ComDlg32\\LastVisitedPidlMRU"),
          RK(EXPLORER + "WordWheelQuery"), RK(EXPLORER + "TypedPaths"), KK(EXPLORER + "ComDlg32\\CIDSizeMRU")}},
        {"Windows", "Jump Lists",
         {T(R::Recent, JUMP + "5f7b5f1e01b83767.automaticDestinations-ms"), K(R::Recent, PINS),
          T(R::Recent, "CustomDestinations\\x.customDestinations-ms")}},
        {"Windows", "Paint History", {RK(APPLETS + "Paint\\Recent File List"), KK(APPLETS + "Paint\\Settings")}},
        {"Windows", "Recent Docs List", {RK(EXPLORER + "RecentDocs")}},
        // Everything but the Quick Access pins, whose folder stays with them.
        {"Windows", "Recent Folder",
         {T(R::Recent, "doc.lnk"), U(R::Recent, "CustomDestinations\\x.customDestinations-ms"),
          G(R::Recent, "CustomDestinations"), U(R::Recent, JUMP + "5f7b5f1e01b83767.automaticDestinations-ms"),
          U(R::Recent, JUMP + "notes.txt"), K(R::Recent, PINS), KD(R::Recent, "AutomaticDestinations"), KD(R::Recent, "")}},
        {"Windows", "Run MRU List", {RK(EXPLORER + "RunMRU"), KK(EXPLORER + "AwKeep")}},
        {"Windows", "Thumbnail Cache",
         {T(R::Local, THUMBS + "thumbcache_96.db"), T(R::Local, THUMBS + "iconcache_32.db"),
          K(R::Local, THUMBS + "ExplorerStartupLog.etl")}},
        {"Windows", "Wordpad History", {RK(APPLETS + "Wordpad\\Recent File List")}},
    });
    return w;
}

bool SameThing(const Item& a, const Item& b)
{
    return a.At == b.At && a.Path == b.Path && a.Name == b.Name;
}

bool IsFileRole(Role r)
{
    return r == Role::Counted || r == Role::Uncounted || r == Role::Kept;
}

} // namespace

const std::vector<CategoryTraces>& TraceWorld()
{
    static const std::vector<CategoryTraces> world = BuildWorld();
    return world;
}

static std::string LookUpRootFolder(Root root)
{
    char path[MAX_PATH] = {};
    switch (root) {
    case Root::Roaming: return ShellFolder(CSIDL_APPDATA);
    case Root::Local: return ShellFolder(CSIDL_LOCAL_APPDATA);
    case Root::ProgramFiles: return ShellFolder(CSIDL_PROGRAM_FILES);
    case Root::Recent: return ShellFolder(CSIDL_RECENT);
    case Root::InetCache: return ShellFolder(CSIDL_INTERNET_CACHE);
    case Root::InetCookies: return ShellFolder(CSIDL_COOKIES);
    case Root::InetHistory: return ShellFolder(CSIDL_HISTORY);
    case Root::Windows: GetWindowsDirectoryA(path, MAX_PATH); return path;
    case Root::System: GetSystemDirectoryA(path, MAX_PATH); return path;
    case Root::Registry: return std::string();
    }
    return std::string();
}

std::string RootFolder(Root root)
{
    // Asking the shell is slow under Wine and the answers do not change within a test run.
    static std::map<Root, std::string> known;
    auto it = known.find(root);
    if (it == known.end())
        it = known.emplace(root, LookUpRootFolder(root)).first;
    return it->second;
}

std::string FullPath(const Item& item)
{
    if (item.At == Root::Registry)
        return item.Path;
    std::string root = RootFolder(item.At);
    return item.Path.empty() ? root : root + "\\" + item.Path;
}

bool IsDeletedBy(const CategoryTraces& category, const Item& item)
{
    for (const Item& own : category.Items) {
        if (!SameThing(own, item))
            continue;
        switch (own.Is) {
        case Role::Counted:
        case Role::Uncounted:
        case Role::GoneDir:
        case Role::Key:
        case Role::Value: return true;
        default: return false;
        }
    }
    return false;
}

bool ItemExists(const Item& item)
{
    switch (item.Is) {
    case Role::Key:
    case Role::KeptKey: return KeyExists(item.Path);
    case Role::Value:
    case Role::KeptValue: return ValueExists(item.Path, item.Name);
    default: return PathExists(FullPath(item));
    }
}

std::int64_t SeedSize(const Item& item)
{
    // Distinct, repeatable sizes so that a wrong file in the byte total shows.
    std::uint32_t h = 2166136261u;
    for (char c : item.Path)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return 1 + static_cast<std::int64_t>(h % 4093);
}

void SeedWorld(Seeds& seeds)
{
    const std::string roaming = RootFolder(Root::Roaming);
    seeds.text(roaming + "\\Mozilla\\Firefox\\profiles.ini",
               std::string("[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=") +
                   kFirefoxProfile0 + "\r\n\r\n[Profile1]\r\nName=other\r\nIsRelative=1\r\nPath=" + kFirefoxProfile1 + "\r\n");
    auto ini = [&](const std::string& relative, const char* p0, const char* p1) {
        seeds.text(roaming + "\\" + relative,
                   std::string("[Profile0]\r\nPath=") + p0 + "\r\n\r\n[Profile1]\r\nPath=" + p1 + "\r\n");
    };
    ini("Moonchild Productions\\Pale Moon\\profiles.ini", "Profiles\\pm0.default", "Profiles\\pm1.default");
    ini("K-Meleon\\profiles.ini", "km0.default", "km1.default");
    ini("Netscape\\Navigator\\profiles.ini", "ns0.default", "ns1.default");
    ini("Mozilla\\SeaMonkey\\profiles.ini", "Profiles/sm0.default", "Profiles/sm1.default");

    for (const CategoryTraces& category : TraceWorld()) {
        for (const Item& item : category.Items) {
            if (IsFileRole(item.Is))
                seeds.file(FullPath(item), SeedSize(item));
            else if (item.Is == Role::GoneDir || item.Is == Role::KeptDir)
                seeds.folder(FullPath(item));
            else if (item.Is == Role::Key) {
                seeds.key(item.Path);
                seeds.key(item.Path + "\\Sub\\Deeper");
            } else if (item.Is == Role::KeptKey)
                seeds.key(item.Path);
            else
                seeds.value(item.Path, item.Name, "seed");
        }
    }
}

void EmptySharedFolders()
{
    for (Root root : {Root::InetCache, Root::InetCookies, Root::InetHistory, Root::Recent})
        EmptyFolder(RootFolder(root));
    RemoveTree(RootFolder(Root::Windows) + "\\Downloaded Program Files");
}

} // namespace aw::test
