#include "cleaner/cookie_sites.h"

#include "cleaner/file_primitives.h"
#include "cleaner/ie_cookie_file.h"
#include "cleaner/location_builder.h"
#include "cleaner/location_table.h"
#include "cleaner/path_rules.h"
#include "cleaner/site_domain.h"
#include "cleaner/site_stores.h"
#include "cleaner/sqlite_db.h"
#include "cleaner/system_location_source.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"
#include "platform/open_file.h"
#include "platform/temporary_folder.h"

#include <algorithm>
#include <new>
#include <set>

namespace aw {

namespace {

// The hosts of a cookie database, read from a copy of it and its log.
void ReadDatabaseHosts(const std::string& path, const char* sql, std::set<std::string>& hosts)
{
    if (!IsOwnFile(path) || !LooksLikeSqliteDatabase(path))
        return;
    TemporaryFolder folder;
    const std::string copy = folder.path() + "cookies.db";
    if (!folder.ok() || !CopyFileTo(path, copy))
        return;
    for (const char* companion : {"-wal", "-journal"})
        if (IsOwnFile(path + companion) && !CopyFileTo(path + companion, copy + companion))
            return;
    SqliteDb db(copy);
    if (!db.open())
        return;
    SqliteStatement rows(db.get(), sql);
    while (rows.valid() && rows.step() == SQLITE_ROW)
        hosts.insert(CanonicalHost(rows.text(0)));
}

void ReadCookieFileHosts(const std::string& folder, std::set<std::string>& hosts)
{
    const std::string base = WithTrailingBackslash(CollapseDoubledBackslashes(folder));
    for (DirectorySearch search(base + "*.txt"); search.found(); search.next()) {
        if (search.isDirectory())
            continue;
        std::string text;
        if (!ReadFileStart(base + search.name(), kMaxIeCookieFileBytes + 1, text))
            continue;
        for (const std::string& host : ParseIeCookieFile(text).Hosts)
            hosts.insert(CanonicalHost(host));
    }
}

void ReadNetscapeFileHosts(const std::string& path, std::set<std::string>& hosts)
{
    std::string text;
    if (IsOwnFile(path) && ReadFileStart(path, kMaxIeCookieFileBytes + 1, text))
        for (const std::string& host : ParseNetscapeCookieFile(text).Hosts)
            hosts.insert(CanonicalHost(host));
}

} // namespace

std::vector<std::string> HostsWithCookies()
{
    std::set<std::string> hosts;
    std::set<std::string> seen; // a store two rows name is read once
    SystemLocationSource source;
    for (const TraceAction& action : TraceLocationTable()) {
        if (action.Kind != ActionKind::Database && action.Kind != ActionKind::Tree)
            continue;
        for (const std::string& location : BuildLocations(action, source)) {
            const SiteStore store = SiteStoreOf(action.Kind, action.Base, location);
            if (store != SiteStore::ChromiumCookies && store != SiteStore::FirefoxCookies &&
                store != SiteStore::IeCookieFiles && store != SiteStore::NetscapeCookieFile)
                continue;
            if (!seen.insert(CollapseDoubledBackslashes(location)).second)
                continue;
            try {
                if (store == SiteStore::ChromiumCookies)
                    ReadDatabaseHosts(location, "SELECT DISTINCT host_key FROM cookies", hosts);
                else if (store == SiteStore::FirefoxCookies)
                    ReadDatabaseHosts(location, "SELECT DISTINCT host FROM moz_cookies", hosts);
                else if (store == SiteStore::NetscapeCookieFile)
                    ReadNetscapeFileHosts(location, hosts);
                else if (FolderExists(location))
                    ReadCookieFileHosts(location, hosts);
            } catch (const std::bad_alloc&) {
                // Out of memory on one store: the others are still read.
            }
        }
    }
    hosts.erase(std::string());
    return {hosts.begin(), hosts.end()};
}

} // namespace aw
