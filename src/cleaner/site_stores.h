#pragma once
// Which rows of the location table hold the cookies or the site data of many sites, and so are
// cleaned around the kept sites instead of being deleted whole when the keep list is not empty.
// Pure: decided from the row's kind, base folder and location text.
#include "cleaner/keep_list.h"
#include "cleaner/location_table.h"

#include <string_view>

namespace aw {

enum class SiteStore {
    None,                 // not site data: deleted as always
    ChromiumCookies,      // "Network\Cookies" and the older "Cookies": a SQLite database
    FirefoxCookies,       // "cookies.sqlite"
    Webappsstore,         // Firefox's "webappsstore.sqlite"
    ChromiumLocalStorage, // "Local Storage\": one LevelDB database for every site ("leveldb")
    ChromiumIndexedDb,    // "IndexedDB\": a folder per origin
    FirefoxOrigins,       // "storage\default\" and "storage\temporary\": a folder per origin
    ChromiumFileSystem,   // "File System\": every site's data tied together by one index
                          // ("Origins"); kept whole when a kept site's data may be in it
    ChromiumServiceWorker, // "Service Worker\": the registrations of every site in one
                           // database, a cache folder per site; kept whole as File System
    IeCookieFiles,        // Internet Explorer's "Cookies\": a text file per site
    NetscapeCookieFile,   // Netscape's and K-Meleon's "cookies.txt": every site in one text file,
                          // kept whole when a kept site has a cookie in it
    CookiesKeptWhole,     // Opera's "cookies4.dat" and Safari's cookie folder: files whose
                          // sites this program does not read; kept whole with a keep list
};

// The store a row's location is: Internet Explorer's cookie files are told by their base folder
// (the system's cookie folder, whatever its name), the others by the kind of the row and the
// location's last names.
SiteStore SiteStoreOf(ActionKind kind, BaseFolder base, std::string_view location);

// Whether an entry directly in a per-origin store's folder stays: the folder of a kept site, or
// one whose name gives no origin this program reads (it may be a kept site's, in a form a
// newer browser writes). Only for ChromiumIndexedDb and FirefoxOrigins; false for every other
// store.
bool KeepsOriginEntry(SiteStore store, std::string_view entryName, const KeepList& keep);

// Whether an Internet Explorer cookie file stays: one of its cookies is a kept site's, or it is not
// a whole cookie file (ParseIeCookieFile), so that whose it is cannot be told.
bool KeepsIeCookieFile(std::string_view fileText, const KeepList& keep);
// The same for a Netscape "cookies.txt" (ParseNetscapeCookieFile).
bool KeepsNetscapeCookieFile(std::string_view fileText, const KeepList& keep);

} // namespace aw
