#include "cleaner/site_stores.h"

#include "cleaner/ie_cookie_file.h"
#include "cleaner/site_origins.h"
#include "platform/text.h"

#include <array>
#include <string>

namespace aw {

namespace {

struct SiteStoreRow {
    ActionKind Kind;
    std::string_view Ending; // the location's last names, lower case, without a trailing backslash
    SiteStore Store;
};

constexpr std::array<SiteStoreRow, 13> kSiteStores = {{
    {ActionKind::Database, "\\network\\cookies", SiteStore::ChromiumCookies},
    {ActionKind::Database, "\\cookies", SiteStore::ChromiumCookies},
    {ActionKind::Database, "\\cookies.sqlite", SiteStore::FirefoxCookies},
    {ActionKind::Database, "\\webappsstore.sqlite", SiteStore::Webappsstore},
    {ActionKind::Tree, "\\local storage", SiteStore::ChromiumLocalStorage},
    {ActionKind::Tree, "\\indexeddb", SiteStore::ChromiumIndexedDb},
    {ActionKind::Tree, "\\storage\\default", SiteStore::FirefoxOrigins},
    {ActionKind::Tree, "\\storage\\temporary", SiteStore::FirefoxOrigins},
    {ActionKind::Tree, "\\file system", SiteStore::ChromiumFileSystem},
    {ActionKind::Tree, "\\service worker", SiteStore::ChromiumServiceWorker},
    {ActionKind::File, "\\cookies.txt", SiteStore::NetscapeCookieFile},
    {ActionKind::File, "\\cookies4.dat", SiteStore::CookiesKeptWhole},
    {ActionKind::Files, "\\safari\\cookies", SiteStore::CookiesKeptWhole},
}};

bool EndsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

} // namespace

SiteStore SiteStoreOf(ActionKind kind, BaseFolder base, std::string_view location)
{
    if (kind == ActionKind::Tree && base == BaseFolder::InternetCookies)
        return SiteStore::IeCookieFiles;
    std::string text = AsciiLower(location);
    while (!text.empty() && (text.back() == '\\' || text.back() == '/'))
        text.pop_back();
    for (char& c : text)
        if (c == '/')
            c = '\\';
    // Locations are joined with doubled separators.
    std::string collapsed;
    collapsed.reserve(text.size());
    for (char c : text)
        if (!(c == '\\' && !collapsed.empty() && collapsed.back() == '\\'))
            collapsed += c;
    for (const SiteStoreRow& row : kSiteStores)
        if (row.Kind == kind && EndsWith(collapsed, row.Ending))
            return row.Store;
    return SiteStore::None;
}

bool KeepsOriginEntry(SiteStore store, std::string_view entryName, const KeepList& keep)
{
    std::optional<SiteOrigin> origin;
    if (store == SiteStore::ChromiumIndexedDb)
        origin = OriginOfChromiumIndexedDbFolder(entryName);
    else if (store == SiteStore::FirefoxOrigins)
        origin = OriginOfFirefoxStorageFolder(entryName);
    else
        return false;
    return !origin || keep.KeepsHost(origin->Host);
}

namespace {

bool KeepsCookieFile(const IeCookieFile& file, const KeepList& keep)
{
    if (!file.Whole)
        return true;
    for (const std::string& host : file.Hosts)
        if (keep.KeepsCookieHost(host))
            return true;
    return false;
}

} // namespace

bool KeepsIeCookieFile(std::string_view fileText, const KeepList& keep)
{
    return KeepsCookieFile(ParseIeCookieFile(fileText), keep);
}

bool KeepsNetscapeCookieFile(std::string_view fileText, const KeepList& keep)
{
    return KeepsCookieFile(ParseNetscapeCookieFile(fileText), keep);
}

} // namespace aw
