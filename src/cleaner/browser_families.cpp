#include "cleaner/browser_families.h"

#include <algorithm>
#include <deque>
#include <string>

namespace aw {

namespace {

// Where a family's location lies.
enum class Place {
    Profile,       // in every profile folder
    ProfileCaches, // in the folder of every profile's caches
    Root,          // in the data root, once for all profiles
    RootCaches,    // in the data root's counterpart for caches
};

// One location of a family: the same kinds, masks and kept entries as the fixed rows of the
// family's first browsers (Google Chrome, Mozilla Firefox).
struct LocationTemplate {
    std::string_view Category;
    ActionKind Kind;
    Place Where;
    std::string_view Path; // below the place; a folder ends in a backslash
    std::string_view Mask = {};
    std::string_view Keep = {};
};

constexpr auto Db = ActionKind::Database;
constexpr auto File = ActionKind::File;
constexpr auto Files = ActionKind::Files;
constexpr auto Tree = ActionKind::Tree;
constexpr auto Autofill = ActionKind::AutofillHistory;
constexpr auto Places = ActionKind::PlacesHistory;
constexpr auto Downloads = ActionKind::PlacesDownloads;
constexpr auto Profile = Place::Profile;
constexpr auto ProfileCaches = Place::ProfileCaches;
constexpr auto Root = Place::Root;
constexpr auto RootCaches = Place::RootCaches;

// Categories in tree order, a category's locations in the order they are cleaned.
const std::vector<LocationTemplate>& ChromiumTemplates()
{
    static const std::vector<LocationTemplate> templates = {
        {"Cache", Tree, ProfileCaches, "Cache\\Cache_Data\\"},
        {"Cache", Tree, ProfileCaches, "Cache\\"},
        {"Cache", Tree, ProfileCaches, "Code Cache\\"},
        {"Cache", Tree, ProfileCaches, "GPUCache\\"},
        {"Cache", Tree, ProfileCaches, "DawnGraphiteCache\\"},
        {"Cache", Tree, ProfileCaches, "DawnWebGPUCache\\"},
        {"Cache", Tree, RootCaches, "ShaderCache\\"},
        {"Cache", Tree, RootCaches, "GrShaderCache\\"},
        {"Cache", Tree, RootCaches, "GraphiteDawnCache\\"},
        {"Cookies", Db, Profile, "Network\\Cookies"},
        {"Cookies", Db, Profile, "Network\\Reporting and NEL"},
        {"Cookies", Db, Profile, "Network\\Trust Tokens"},
        {"Cookies", Db, Profile, "Cookies"},
        {"Cookies", Db, Profile, "DIPS"},
        {"Cookies", Tree, Profile, "Local Storage\\"},
        {"Cookies", Tree, Profile, "Session Storage\\"},
        {"Cookies", Tree, Profile, "IndexedDB\\", "", "chrome-extension_*"},
        {"Cookies", Tree, Profile, "Service Worker\\"},
        {"Cookies", Tree, Profile, "WebStorage\\"},
        {"Cookies", Tree, Profile, "File System\\"},
        {"Cookies", Tree, Profile, "databases\\", "", "chrome-extension_*"},
        {"Cookies", Tree, Profile, "blob_storage\\"},
        {"Cookies", Tree, Profile, "Shared Dictionary\\"},
        // Crashpad's dumps and what it attached to them; its settings stay.
        {"Crash Reports", Tree, RootCaches, "Crashpad\\reports\\"},
        {"Crash Reports", Tree, RootCaches, "Crashpad\\attachments\\"},
        {"Current Session", Tree, Profile, "Sessions\\"},
        {"Current Session", Tree, Profile, "Sessions_Encrypted\\"},
        // The values typed into forms and the search engines taken from visited sites.
        {"Form History", Autofill, Profile, "Web Data"},
        {"History", Db, Profile, "History"},
        {"History", Db, Profile, "Top Sites"},
        {"History", Db, Profile, "Shortcuts"},
        {"History", Db, Profile, "Network Action Predictor"},
        {"History", Db, Profile, "Favicons"},
        {"History", File, Profile, "Visited Links"},
    };
    return templates;
}

const std::vector<LocationTemplate>& FirefoxTemplates()
{
    static const std::vector<LocationTemplate> templates = {
        {"Cache", Tree, ProfileCaches, "cache2\\entries\\"},
        {"Cache", Tree, ProfileCaches, "cache2\\"},
        {"Cache", Tree, ProfileCaches, "startupCache\\"},
        {"Cache", Tree, ProfileCaches, "thumbnails\\"},
        {"Cache", Tree, ProfileCaches, "jumpListCache\\"},
        {"Cookies", Db, Profile, "cookies.sqlite"},
        {"Cookies", Db, Profile, "webappsstore.sqlite"},
        {"Cookies", Db, Profile, "bounce-tracking-protection.sqlite"},
        {"Cookies", Tree, Profile, "storage\\default\\", "", "moz-extension*"},
        {"Cookies", Tree, Profile, "storage\\temporary\\"},
        {"Cookies", Db, Profile, "storage\\ls-archive.sqlite"},
        {"Cookies", File, Profile, "serviceworker.txt"},
        // Kept beside the profiles, for all of them at once, and the dumps inside each.
        {"Crash Reports", Tree, Root, "Crash Reports\\pending\\"},
        {"Crash Reports", Tree, Root, "Crash Reports\\submitted\\"},
        {"Crash Reports", Files, Profile, "minidumps\\", "*"},
        // The download list is kept in places.sqlite, beside the bookmarks.
        {"Downloads History", Downloads, Profile, "places.sqlite"},
        {"Form History", Db, Profile, "formhistory.sqlite"},
        // places.sqlite also holds the bookmarks: only the history inside it is removed.
        {"History", Places, Profile, "places.sqlite"},
        {"Session History", File, Profile, "sessionstore.jsonlz4"},
        {"Session History", Tree, Profile, "sessionstore-backups\\"},
    };
    return templates;
}

const std::vector<LocationTemplate>& TemplatesOf(BrowserFamily family)
{
    return family == BrowserFamily::Firefox ? FirefoxTemplates() : ChromiumTemplates();
}

constexpr auto Local = BaseFolder::LocalAppData;
constexpr auto Roaming = BaseFolder::RoamingAppData;

const std::vector<FamilyBrowser> kBrowsers = {
    // group, family, base folder, data root, process images, categories (empty: the family's)
    {"Brave", BrowserFamily::Chromium, Local, "BraveSoftware\\Brave-Browser\\User Data", {"brave.exe"}, {}},
    {"Floorp", BrowserFamily::Firefox, Roaming, "Floorp", {"floorp.exe"}, {}},
    {"LibreWolf", BrowserFamily::Firefox, Roaming, "librewolf", {"librewolf.exe"}, {}},
    {"Microsoft Edge", BrowserFamily::Chromium, Local, "Microsoft\\Edge\\User Data", {"msedge.exe"}, {}},
    {"Opera GX", BrowserFamily::OperaChromium, Roaming, "Opera Software\\Opera GX Stable", {"opera.exe"}, {}},
    // A mail client: no downloads list or browsing session of its own.
    {"Thunderbird", BrowserFamily::Firefox, Roaming, "Thunderbird", {"thunderbird.exe"},
     {"Cache", "Cookies", "Crash Reports", "Form History", "History"}},
    {"Vivaldi", BrowserFamily::Chromium, Local, "Vivaldi\\User Data", {"vivaldi.exe"}, {}},
    {"Waterfox", BrowserFamily::Firefox, Roaming, "Waterfox", {"waterfox.exe"}, {}},
    {"Yandex Browser", BrowserFamily::Chromium, Local, "Yandex\\YandexBrowser\\User Data", {"browser.exe"}, {}},
};

bool Has(const FamilyBrowser& browser, std::string_view category)
{
    return browser.Categories.empty() ||
           std::find(browser.Categories.begin(), browser.Categories.end(), category) != browser.Categories.end();
}

// Joined texts the rows point at, kept for the program's lifetime.
class RowTexts {
public:
    std::string_view Join(std::string_view a, std::string_view b, std::string_view c = {})
    {
        std::string text;
        text.reserve(a.size() + b.size() + c.size());
        text.append(a).append(b).append(c);
        texts_.push_back(std::move(text));
        return texts_.back();
    }

private:
    std::deque<std::string> texts_; // a deque never moves what it holds
};

// The rows one template gives one browser.
void AddRows(const FamilyBrowser& browser, const LocationTemplate& location, RowTexts& texts,
             std::vector<TraceAction>& rows)
{
    const std::string_view root = texts.Join("\\", browser.Root, "\\");
    const std::string_view atRoot = texts.Join("\\", browser.Root, "\\" + std::string(location.Path));
    const std::string_view tail = texts.Join("\\", location.Path);
    const ExistenceTest test =
        location.Kind == Files || location.Kind == Tree ? ExistenceTest::FolderExists : ExistenceTest::FileExists;
    auto row = [&](BaseFolder base, std::string_view literal, ProfilePart part, std::string_view rowTail) {
        rows.push_back(TraceAction{browser.Group, location.Category, location.Kind, base, literal, part, rowTail,
                                   location.Mask, test, location.Keep});
    };
    const bool cache = location.Where == Place::ProfileCaches || location.Where == Place::RootCaches;
    const bool inProfiles = location.Where == Place::Profile || location.Where == Place::ProfileCaches;
    switch (browser.Family) {
    case BrowserFamily::Chromium:
        if (inProfiles)
            row(browser.Base, root, ProfilePart::ChromiumProfiles, tail);
        else
            row(browser.Base, atRoot, ProfilePart::None, "");
        break;
    case BrowserFamily::OperaChromium:
        // The data root and its side profiles, and for caches the same below the local folder.
        for (BaseFolder base : {browser.Base, Local}) {
            if (base == Local && (!cache || browser.Base == Local))
                continue;
            row(base, atRoot, ProfilePart::None, "");
            if (inProfiles)
                row(base, root, ProfilePart::SideProfiles, tail);
        }
        break;
    case BrowserFamily::Firefox: {
        const BaseFolder base = cache ? Local : browser.Base;
        if (inProfiles)
            row(base, root, ProfilePart::ProfilesIni, tail);
        else
            row(base, atRoot, ProfilePart::None, "");
        break;
    }
    }
}

std::vector<TraceAction> MakeFamilyRows()
{
    static RowTexts texts;
    std::vector<TraceAction> rows;
    for (const FamilyBrowser& browser : kBrowsers)
        for (const LocationTemplate& location : TemplatesOf(browser.Family))
            if (Has(browser, location.Category))
                AddRows(browser, location, texts, rows);
    return rows;
}

} // namespace

const std::vector<FamilyBrowser>& FamilyBrowsers()
{
    return kBrowsers;
}

std::vector<std::string_view> FamilyCategories(const FamilyBrowser& browser)
{
    std::vector<std::string_view> categories;
    for (const LocationTemplate& location : TemplatesOf(browser.Family))
        if (Has(browser, location.Category) && (categories.empty() || categories.back() != location.Category))
            categories.push_back(location.Category);
    return categories;
}

const std::vector<TraceAction>& FamilyLocationRows()
{
    static const std::vector<TraceAction> rows = MakeFamilyRows();
    return rows;
}

} // namespace aw
