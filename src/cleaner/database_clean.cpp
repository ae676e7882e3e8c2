#include "cleaner/database_clean.h"

#include "cleaner/file_primitives.h"
#include "cleaner/keep_sites_sql.h"
#include "cleaner/sqlite_db.h"
#include "platform/temporary_folder.h"

#include <algorithm>
#include <vector>

namespace aw {

namespace {

// One step of a clean: runs when every table it names exists.
struct CleanStep {
    std::vector<const char*> Tables;
    const char* Sql;
};

// Page rows the history clean keeps: the pages of bookmarks (tags are bookmarks too).
constexpr const char* kDeleteUnbookmarkedPages =
    "DELETE FROM moz_places WHERE id NOT IN (SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL)";
// ... and, where keywords name their page, the pages of keywords.
constexpr const char* kDeleteUnbookmarkedPagesKeepingKeywords =
    "DELETE FROM moz_places WHERE id NOT IN (SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL)"
    " AND id NOT IN (SELECT place_id FROM moz_keywords WHERE place_id IS NOT NULL)";

const std::vector<CleanStep> kVisitSteps = {
    {{"moz_historyvisits"}, "DELETE FROM moz_historyvisits"},
    {{"moz_historyvisits_extra"}, "DELETE FROM moz_historyvisits_extra"},
    {{"moz_inputhistory"}, "DELETE FROM moz_inputhistory"},
    {{"moz_places_metadata"}, "DELETE FROM moz_places_metadata"},
    {{"moz_places_metadata_search_queries"}, "DELETE FROM moz_places_metadata_search_queries"},
    {{"moz_previews_tombstones"}, "DELETE FROM moz_previews_tombstones"},
    {{"moz_annos", "moz_anno_attributes"},
     "DELETE FROM moz_annos WHERE anno_attribute_id IN"
     " (SELECT id FROM moz_anno_attributes WHERE name LIKE 'downloads/%')"},
};

// Visits of this type are downloads.
const std::vector<CleanStep> kDownloadSteps = {
    {{"moz_annos", "moz_anno_attributes"},
     "CREATE TEMP TABLE downloaded AS SELECT DISTINCT place_id FROM moz_annos WHERE anno_attribute_id IN"
     " (SELECT id FROM moz_anno_attributes WHERE name LIKE 'downloads/%')"},
    {{"moz_annos", "moz_anno_attributes"},
     "DELETE FROM moz_annos WHERE anno_attribute_id IN"
     " (SELECT id FROM moz_anno_attributes WHERE name LIKE 'downloads/%')"},
    {{"moz_historyvisits"}, "DELETE FROM moz_historyvisits WHERE visit_type = 7"},
    {{"moz_historyvisits", "moz_annos", "moz_anno_attributes"},
     "DELETE FROM moz_historyvisits WHERE place_id IN (SELECT place_id FROM temp.downloaded)"},
    {{"moz_annos", "moz_anno_attributes"},
     "DELETE FROM moz_places WHERE id IN (SELECT place_id FROM temp.downloaded)"
     " AND id NOT IN (SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL)"},
};

const std::vector<CleanStep> kOrphanSteps = {
    {{"moz_annos"}, "DELETE FROM moz_annos WHERE place_id NOT IN (SELECT id FROM moz_places)"},
    {{"moz_places_extra"}, "DELETE FROM moz_places_extra WHERE place_id NOT IN (SELECT id FROM moz_places)"},
    {{"moz_origins"},
     "DELETE FROM moz_origins WHERE id NOT IN (SELECT origin_id FROM moz_places WHERE origin_id IS NOT NULL)"},
};

const std::vector<CleanStep> kResetVisitCounts = {
    {{"moz_places"},
     "UPDATE moz_places SET visit_count = 0, last_visit_date = NULL, typed = 0"
     " WHERE visit_count <> 0 OR last_visit_date IS NOT NULL OR typed <> 0"},
};

const std::vector<CleanStep> kFaviconSteps = {
    {{"moz_pages_w_icons"}, "DELETE FROM moz_pages_w_icons WHERE page_url NOT IN (SELECT url FROM temp.kept_pages)"},
    {{"moz_icons_to_pages"}, "DELETE FROM moz_icons_to_pages WHERE page_id NOT IN (SELECT id FROM moz_pages_w_icons)"},
    {{"moz_icons", "moz_icons_to_pages"},
     "DELETE FROM moz_icons WHERE id NOT IN (SELECT icon_id FROM moz_icons_to_pages)"},
};

const std::vector<CleanStep> kAutofillSteps = {
    {{"autofill"}, "DELETE FROM autofill"},
    {{"autocomplete"}, "DELETE FROM autocomplete"},
};

// Whether a database may be cleaned in place. One another program holds, or one that is not
// sound, is left whole and counted among what the run had to leave.
bool MayCleanInPlace(const std::string& path, CleanCounters& counters)
{
    if (!IsOwnFile(path))
        return false;
    switch (CheckDatabaseHealth(path)) {
    case DatabaseHealth::Sound: return true;
    case DatabaseHealth::InUse: counters.countLeft(true); return false;
    case DatabaseHealth::Denied:
    case DatabaseHealth::NotSound: counters.countLeft(false); return false;
    }
    return false;
}

std::int64_t DatabaseBytes(const std::string& path)
{
    return FileSizeOf(path) + FileSizeOf(path + "-wal");
}

bool RunSteps(SqliteDb& db, const std::vector<CleanStep>& steps)
{
    for (const CleanStep& step : steps)
        if (db.hasTables(step.Tables) && !db.exec(step.Sql))
            return false;
    return true;
}

// Makes deleted content be overwritten and starts the write transaction. False when another
// connection or program holds the database.
bool BeginClean(SqliteDb& db)
{
    return db.exec("PRAGMA secure_delete = ON") && db.exec("BEGIN IMMEDIATE");
}

// Takes the database for the clean; one another connection or program holds is left whole
// and counted as in use.
bool BeginCleanOrCountInUse(SqliteDb& db, CleanCounters& counters)
{
    if (BeginClean(db))
        return true;
    counters.countLeft(true);
    return false;
}

// Commits what the steps removed, compacts the file and folds its write-ahead log back in.
// Nothing is written when nothing was removed.
bool FinishClean(SqliteDb& db, int changesBefore, bool& changed)
{
    changed = db.totalChanges() != changesBefore;
    if (!changed)
        return db.exec("ROLLBACK");
    if (!db.exec("COMMIT")) {
        db.exec("ROLLBACK");
        changed = false;
        return false;
    }
    db.exec("VACUUM");
    db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    return true;
}

void Count(bool changed, std::int64_t before, const std::string& path, CleanCounters& counters)
{
    if (!changed)
        return;
    counters.FilesDeleted += 1;
    counters.BytesCleaned += std::max<std::int64_t>(0, before - DatabaseBytes(path));
}

// The URLs of the pages a places database still holds, into a temporary table of the
// favicons database, then the favicons of every other page removed.
void CleanFavicons(SqliteDb& places, const std::string& faviconsPath, CleanCounters& counters)
{
    if (!MayCleanInPlace(faviconsPath, counters))
        return;
    const std::int64_t before = DatabaseBytes(faviconsPath);
    bool changed = false;
    {
        SqliteDb favicons(faviconsPath);
        // Taken first: a database another program holds cannot even be asked for its tables.
        if (!favicons.open() || !BeginCleanOrCountInUse(favicons, counters))
            return;
        if (!favicons.hasTables({"moz_icons", "moz_pages_w_icons", "moz_icons_to_pages"})) {
            favicons.exec("ROLLBACK");
            return;
        }
        bool copied = favicons.exec("CREATE TEMP TABLE kept_pages (url TEXT PRIMARY KEY)");
        SqliteStatement pages(places.get(), "SELECT url FROM moz_places WHERE url IS NOT NULL");
        SqliteStatement keep(favicons.get(), "INSERT OR IGNORE INTO temp.kept_pages (url) VALUES (?1)");
        copied = copied && pages.valid() && keep.valid();
        int row = SQLITE_DONE;
        while (copied && (row = pages.step()) == SQLITE_ROW) {
            keep.reset();
            keep.bind(1, pages.text(0));
            copied = keep.step() == SQLITE_DONE;
        }
        copied = copied && row == SQLITE_DONE;
        // The temporary table is not the database's: only the deletions count as changes.
        const int changesAfterCopy = favicons.totalChanges();
        if (!copied || !RunSteps(favicons, kFaviconSteps)) {
            favicons.exec("ROLLBACK");
            return;
        }
        FinishClean(favicons, changesAfterCopy, changed);
    }
    Count(changed, before, faviconsPath, counters);
}

std::string SiblingPath(const std::string& path, const char* name)
{
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1) + name;
}

// Runs a clean of a places database: `remove` deletes what goes, inside the transaction.
template <typename Remove>
bool CleanPlaces(const std::string& placesPath, CleanCounters& counters, bool withFavicons, Remove remove)
{
    if (!MayCleanInPlace(placesPath, counters))
        return false;
    const std::int64_t before = DatabaseBytes(placesPath);
    bool changed = false;
    {
        SqliteDb db(placesPath);
        if (!db.open() || !BeginCleanOrCountInUse(db, counters))
            return false;
        if (!db.hasTables({"moz_places", "moz_historyvisits", "moz_bookmarks"})) {
            db.exec("ROLLBACK");
            return false;
        }
        const int changesBefore = db.totalChanges();
        if (!remove(db)) {
            db.exec("ROLLBACK");
            return false;
        }
        if (!FinishClean(db, changesBefore, changed))
            return false;
        // Still holding the places database, so that the kept pages cannot change meanwhile.
        if (withFavicons)
            CleanFavicons(db, SiblingPath(placesPath, "favicons.sqlite"), counters);
    }
    Count(changed, before, placesPath, counters);
    return true;
}

} // namespace

bool CleanPlacesDownloads(const std::string& placesPath, CleanCounters& counters)
{
    return CleanPlaces(placesPath, counters, false,
                       [](SqliteDb& db) { return RunSteps(db, kDownloadSteps) && RunSteps(db, kOrphanSteps); });
}

bool CleanPlacesHistory(const std::string& placesPath, CleanCounters& counters)
{
    return CleanPlaces(placesPath, counters, true, [](SqliteDb& db) {
        const bool keywordsNamePages = db.hasTables({"moz_keywords"}) && db.hasColumn("moz_keywords", "place_id");
        bool removed = RunSteps(db, kVisitSteps) &&
                       db.exec(keywordsNamePages ? kDeleteUnbookmarkedPagesKeepingKeywords : kDeleteUnbookmarkedPages) &&
                       RunSteps(db, kOrphanSteps) && RunSteps(db, kResetVisitCounts);
        // Places databases before the favicons database kept their icons in a table of their own.
        if (removed && db.hasColumn("moz_places", "favicon_id") && db.hasTables({"moz_favicons"}))
            removed = db.exec("DELETE FROM moz_favicons WHERE id NOT IN"
                              " (SELECT favicon_id FROM moz_places WHERE favicon_id IS NOT NULL)");
        return removed;
    });
}

bool CleanAutofillHistory(const std::string& webDataPath, CleanCounters& counters)
{
    if (!MayCleanInPlace(webDataPath, counters))
        return false;
    const std::int64_t before = DatabaseBytes(webDataPath);
    bool changed = false;
    {
        SqliteDb db(webDataPath);
        if (!db.open() || !BeginCleanOrCountInUse(db, counters))
            return false;
        if (!db.hasTables({"meta"}) || !(db.hasTables({"autofill"}) || db.hasTables({"autocomplete"}))) {
            db.exec("ROLLBACK");
            return false;
        }
        const int changesBefore = db.totalChanges();
        bool removed = RunSteps(db, kAutofillSteps);
        // Search engines the browser added by itself from the sites visited: replaceable, not
        // shipped with the browser, not set by policy, and not the default one.
        const bool keywordsKnown = db.hasTables({"keywords"}) && db.hasColumn("keywords", "safe_for_autoreplace") &&
                                   db.hasColumn("keywords", "prepopulate_id") &&
                                   db.hasColumn("keywords", "created_by_policy");
        if (removed && keywordsKnown)
            removed = db.exec("DELETE FROM keywords WHERE safe_for_autoreplace = 1 AND prepopulate_id = 0"
                              " AND created_by_policy = 0 AND id NOT IN"
                              " (SELECT CAST(value AS INTEGER) FROM meta WHERE key = 'Default Search Provider ID')");
        if (!removed) {
            db.exec("ROLLBACK");
            return false;
        }
        if (!FinishClean(db, changesBefore, changed))
            return false;
    }
    Count(changed, before, webDataPath, counters);
    return true;
}

namespace {

struct SiteTable {
    const char* Table;
    const char* Host;
};

SiteTable TableOf(SiteDatabase database)
{
    switch (database) {
    case SiteDatabase::ChromiumCookies: return {"cookies", "host_key"};
    case SiteDatabase::FirefoxCookies: return {"moz_cookies", "host"};
    case SiteDatabase::Webappsstore: return {"webappsstore2", "originKey"};
    }
    return {"", ""};
}

SiteCleanStatements StatementsOf(SiteDatabase database, const KeepList& keep)
{
    switch (database) {
    case SiteDatabase::ChromiumCookies: return CookieStatementsKeeping(CookieStore::Chromium, keep);
    case SiteDatabase::FirefoxCookies: return CookieStatementsKeeping(CookieStore::Firefox, keep);
    case SiteDatabase::Webappsstore: break;
    }
    return WebappsstoreStatementsKeeping(keep);
}

// Runs a bound statement to its end; the integers of its first row, when it returns one.
bool RunBound(SqliteDb& db, const BoundStatement& bound, std::int64_t* first = nullptr, std::int64_t* second = nullptr)
{
    SqliteStatement statement(db.get(), bound.Sql.c_str());
    if (!statement.valid())
        return false;
    for (std::size_t i = 0; i < bound.Parameters.size(); ++i)
        statement.bind(static_cast<int>(i + 1), bound.Parameters[i]);
    int row = statement.step();
    if (row == SQLITE_ROW) {
        if (first)
            *first = statement.integer(0);
        if (second)
            *second = statement.integer(1);
        while (row == SQLITE_ROW)
            row = statement.step();
    }
    return row == SQLITE_DONE;
}

bool IsSiteDatabase(SqliteDb& db, SiteDatabase database)
{
    const SiteTable table = TableOf(database);
    return db.open() && db.hasTables({table.Table}) && db.hasColumn(table.Table, table.Host);
}

// The clean itself, on the database or on a copy of it. Counts the rows before and the rows
// removed.
bool CleanSiteRows(const std::string& path, SiteDatabase database, const KeepList& keep, bool& changed,
                   std::int64_t& rows, std::int64_t& removed)
{
    SqliteDb db(path);
    if (!IsSiteDatabase(db, database) || !BeginClean(db))
        return false;
    const SiteCleanStatements statements = StatementsOf(database, keep);
    const int changesBefore = db.totalChanges();
    if (!RunBound(db, statements.CountRows, &rows, &removed) || !RunBound(db, statements.DeleteRows)) {
        db.exec("ROLLBACK");
        return false;
    }
    return FinishClean(db, changesBefore, changed);
}

} // namespace

std::int64_t CleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                               CleanCounters& counters)
{
    if (!IsOwnFile(path) || !IsSoundDatabase(path))
        return -1;
    const std::int64_t before = DatabaseBytes(path);
    bool changed = false;
    std::int64_t rows = 0;
    std::int64_t removed = 0;
    if (!CleanSiteRows(path, database, keep, changed, rows, removed))
        return -1;
    Count(changed, before, path, counters);
    return changed ? removed : 0;
}

SiteDatabaseForecast ForecastSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep)
{
    SiteDatabaseForecast forecast;
    if (!IsOwnFile(path) || !LooksLikeSqliteDatabase(path))
        return forecast;
    TemporaryFolder folder;
    if (!folder.ok())
        return forecast;
    const std::string copy = folder.path() + "site.db";
    if (!CopyFileTo(path, copy))
        return forecast;
    // A log the database has beside it belongs to its content; a missing one is no error.
    for (const char* companion : {"-wal", "-journal"})
        if (IsOwnFile(path + companion) && !CopyFileTo(path + companion, copy + companion))
            return forecast;
    if (!IsSoundDatabase(copy))
        return forecast;
    bool changed = false;
    if (!CleanSiteRows(copy, database, keep, changed, forecast.Rows, forecast.Removed))
        return forecast;
    forecast.Read = true;
    if (changed)
        forecast.ShrinkBytes = std::max<std::int64_t>(0, DatabaseBytes(path) - DatabaseBytes(copy));
    return forecast;
}

} // namespace aw
