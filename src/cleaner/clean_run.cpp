#include "cleaner/clean_run.h"

#include "cleaner/file_primitives.h"
#include "cleaner/folder_tree.h"
#include "cleaner/ie_cookie_file.h"
#include "cleaner/location_builder.h"
#include "cleaner/location_table.h"
#include "cleaner/path_rules.h"
#include "cleaner/site_index.h"
#include "cleaner/site_stores.h"
#include "cleaner/system_location_source.h"
#include "platform/file_system.h"
#include "platform/open_file.h"
#include "platform/registry_key.h"
#include "platform/text.h"

#include <exception>

namespace aw {

namespace {

bool LocationExists(ExistenceTest test, const std::string& location)
{
    switch (test) {
    case ExistenceTest::None: return true;
    case ExistenceTest::FileExists: return FileExists(location);
    case ExistenceTest::FolderExists: return FolderExists(location);
    case ExistenceTest::KeyExists: return RegKeyExists(HKEY_CURRENT_USER, location);
    case ExistenceTest::ValueExists: return RegValueExists(HKEY_CURRENT_USER, location);
    }
    return false;
}

// With sites to keep, a store of many sites' data is cleaned around the kept ones. False when
// the location is no such store, or there is no list: it is then deleted as always.
bool CleanAroundKeptSites(const TraceAction& action, const std::string& location, const CleanRequest& request,
                          CleanCounters& counters)
{
    if (request.KeptSites.empty() && !request.KeepAllSites)
        return false;
    const SiteStore store = SiteStoreOf(action.Kind, action.Base, location);
    if (store == SiteStore::None)
        return false;
    CleanSink& sink = SinkOf(request);
    if (request.KeepAllSites) {
        sink.keepSiteStorage(location);
        return true;
    }
    const KeepList& keep = request.KeptSites;
    switch (store) {
    case SiteStore::ChromiumFileSystem:
    case SiteStore::ChromiumServiceWorker:
        // Whole, or not at all: without a kept site's data in it, it goes as always.
        if (!StoreHoldsKeptSite(store, location, keep))
            return false;
        sink.keepSiteStorage(location);
        break;
    case SiteStore::ChromiumCookies:
        sink.cleanSiteDatabase(SiteDatabase::ChromiumCookies, location, keep, counters);
        break;
    case SiteStore::FirefoxCookies:
        sink.cleanSiteDatabase(SiteDatabase::FirefoxCookies, location, keep, counters);
        break;
    case SiteStore::Webappsstore:
        sink.cleanSiteDatabase(SiteDatabase::Webappsstore, location, keep, counters);
        break;
    case SiteStore::ChromiumLocalStorage:
        // The database is cleaned entry by entry; anything else in the folder goes as before.
        sink.cleanLocalStorage(WithTrailingBackslash(location) + "leveldb", keep, counters);
        DeleteFolderTreeKeeping(location, "leveldb", request.IndexDatOption, counters, sink);
        break;
    case SiteStore::ChromiumIndexedDb:
    case SiteStore::FirefoxOrigins:
        DeleteFolderTreeKeepingSites(
            location, std::string(action.Keep),
            [store, &keep](std::string_view name, const std::string&, bool) {
                return KeepsOriginEntry(store, name, keep);
            },
            request.IndexDatOption, counters, sink);
        break;
    case SiteStore::NetscapeCookieFile: {
        std::string text;
        // Goes as always when it is a whole cookie file without a kept site's cookie.
        if (ReadFileStart(location, kMaxIeCookieFileBytes + 1, text) && !KeepsNetscapeCookieFile(text, keep))
            return false;
        sink.keepSiteStorage(location);
        break;
    }
    case SiteStore::CookiesKeptWhole:
        sink.keepSiteStorage(location);
        break;
    case SiteStore::IeCookieFiles:
        DeleteFolderTreeKeepingSites(
            location, std::string(action.Keep),
            [&keep](std::string_view name, const std::string& path, bool isFolder) {
                if (isFolder || name.size() < 4 || !EqualsIgnoringCase(name.substr(name.size() - 4), ".txt"))
                    return false;
                std::string text;
                // One byte more than a cookie file may hold, so that a larger one is told apart.
                return !ReadFileStart(path, kMaxIeCookieFileBytes + 1, text) || KeepsIeCookieFile(text, keep);
            },
            request.IndexDatOption, counters, sink);
        break;
    default:
        return false;
    }
    return true;
}

void DeleteAt(const TraceAction& action, const std::string& location, const CleanRequest& request,
              CleanCounters& counters)
{
    if (CleanAroundKeptSites(action, location, request, counters))
        return;
    CleanSink& sink = SinkOf(request);
    switch (action.Kind) {
    case ActionKind::File:
        DeleteTraceFile(location, counters, sink);
        break;
    case ActionKind::Database:
        DeleteDatabaseFiles(location, counters, sink);
        break;
    case ActionKind::PlacesHistory:
        sink.cleanDatabase(DatabaseClean::PlacesHistory, location, counters);
        break;
    case ActionKind::PlacesDownloads:
        sink.cleanDatabase(DatabaseClean::PlacesDownloads, location, counters);
        break;
    case ActionKind::AutofillHistory:
        sink.cleanDatabase(DatabaseClean::AutofillHistory, location, counters);
        break;
    case ActionKind::Files:
        DeleteFilesInFolderKeeping(location, std::string(action.Mask), std::string(action.Keep), counters, sink);
        break;
    case ActionKind::Tree:
        if (action.Keep.empty())
            DeleteFolderTree(location, "*.*", request.IndexDatOption, counters, sink);
        else
            DeleteFolderTreeKeeping(location, std::string(action.Keep), request.IndexDatOption, counters, sink);
        break;
    case ActionKind::Key:
        RemoveKeyCounted(sink, HKEY_CURRENT_USER, location, counters);
        break;
    case ActionKind::Value:
        RemoveValueCounted(sink, HKEY_CURRENT_USER, location, counters);
        break;
    default:
        break;
    }
}

void CarryOut(const TraceAction& action, const CleanRequest& request, CleanCounters& counters)
{
    switch (action.Kind) {
    case ActionKind::None:
        return;
    case ActionKind::RecycleBin:
        SinkOf(request).runSystemAction(SystemAction::RecycleBin, request.Owner);
        return;
    case ActionKind::Clipboard:
        SinkOf(request).runSystemAction(SystemAction::Clipboard, request.Owner);
        return;
    case ActionKind::Script:
        if (request.RunCustomLocations)
            request.RunCustomLocations(request, counters);
        return;
    default:
        break;
    }
    // Each location is tested and then acted on; the locations are built afresh for every
    // action, so folders and profiles are never remembered from one action to the next.
    SystemLocationSource source;
    for (const std::string& location : BuildLocations(action, source))
        if (LocationExists(action.Test, location))
            DeleteAt(action, location, request, counters);
}

// Keeps a failure, unless there is not even the memory for that.
void NoteFailure(std::vector<CleanFailure>& failures, CategoryId category, const char* reason)
{
    try {
        failures.push_back(CleanFailure{category, reason});
    } catch (...) {
    }
}

} // namespace

std::vector<CleanFailure> RunCleaning(const CleanRequest& given, CleanCounters& counters)
{
    std::vector<CleanFailure> failures;
    // Without a sink of its own the run deletes, reporting to the request's progress.
    DeletingSink deleting(given.Progress);
    CleanRequest request = given;
    if (!request.Sink)
        request.Sink = &deleting;
    counters.reset();
    for (CategoryId id : request.Selection.Ticked()) {
        const TraceCategory& category = CategoryInfo(id);
        if (request.Progress)
            request.Progress->Category.store(static_cast<int>(IndexOf(id)), std::memory_order_relaxed);
        SinkOf(request).beginCategory(category.Group, category.Text);
        for (const TraceAction& action : category.Actions) {
            if (SinkOf(request).stopping())
                return failures;
            try {
                CarryOut(action, request, counters);
            } catch (const std::exception& error) {
                NoteFailure(failures, id, error.what());
            } catch (...) {
                NoteFailure(failures, id, "unknown error");
            }
        }
    }
    if (request.RunExtraCategories && !SinkOf(request).stopping()) {
        try {
            request.RunExtraCategories(SinkOf(request), counters);
        } catch (...) {
            // What the extra categories had still to do stays, and counts as left.
            counters.countLeft(false);
        }
    }
    return failures;
}

} // namespace aw
