#pragma once
// Browser databases that hold both traces and things the user keeps are cleaned in place,
// through SQLite, instead of being deleted.
//
// Each clean runs in one transaction on a connection that takes the database for itself: a
// database another program holds open or locks is left whole, as is a damaged one; both are
// counted among what the run had to leave. A database without the expected tables is not one
// of these and is passed over. Deleted rows are overwritten and the file is compacted, so
// that nothing of them stays in its free pages or its write-ahead log.
//
// Counting: a database from which rows were removed counts as one file, and the bytes it
// shrank by (the database and its write-ahead log together) as cleaned bytes. A database
// with nothing to remove is not written at all and counts nothing.
#include "cleaner/clean_counters.h"
#include "cleaner/keep_list.h"

#include <cstdint>
#include <string>

namespace aw {

// A Mozilla places database ("places.sqlite"): removes every visit, the input history, the
// download annotations, every page that no bookmark or keyword refers to, the visit counts
// and dates of the pages that stay, and the origins no page uses any more. Bookmarks, their
// folders, tags, keywords and the pages they refer to stay. When a favicons database
// ("favicons.sqlite") lies beside it, the icons of the removed pages go too.
// True when the places database was cleaned (or had nothing to remove).
bool CleanPlacesHistory(const std::string& placesPath, CleanCounters& counters);

// The download list of a Mozilla places database: the download annotations, the visits that
// were downloads, and the pages of downloaded files that no bookmark or keyword refers to.
bool CleanPlacesDownloads(const std::string& placesPath, CleanCounters& counters);

// A Chromium "Web Data" database: removes the values typed into web forms (the autocomplete
// entries) and the search engines the browser added by itself from visited sites; addresses,
// payment cards, the default search engine and those the user or the browser's maker set up
// stay.
bool CleanAutofillHistory(const std::string& webDataPath, CleanCounters& counters);

// The databases that hold every site's cookies or storage side by side, cleaned in place around
// the sites a user keeps.
enum class SiteDatabase {
    ChromiumCookies, // "Network\Cookies": table cookies
    FirefoxCookies,  // "cookies.sqlite": table moz_cookies
    Webappsstore,    // Firefox's "webappsstore.sqlite": table webappsstore2
};

// Deletes the rows of every site the list does not keep, in one transaction, then compacts the
// file. The rows removed; -1, changing nothing, when the file is not such a database, is
// damaged, or is held by another program.
std::int64_t CleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                               CleanCounters& counters);

// What CleanSiteDatabase would do, worked out on a copy in a temporary folder (the database and
// its write-ahead log or journal), so that the database itself is never opened, even while a
// browser holds it.
struct SiteDatabaseForecast {
    bool Read = false;            // the copy was made and is a sound database of the expected kind
    std::int64_t Rows = 0;        // rows of the table
    std::int64_t Removed = 0;     // rows that go
    std::int64_t ShrinkBytes = 0; // what the database and its log lose: measured on the copy
};
SiteDatabaseForecast ForecastSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep);

} // namespace aw
