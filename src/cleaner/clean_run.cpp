#include "cleaner/clean_run.h"

#include "cleaner/database_clean.h"
#include "cleaner/file_primitives.h"
#include "cleaner/folder_tree.h"
#include "cleaner/location_builder.h"
#include "cleaner/location_table.h"
#include "cleaner/registry_primitives.h"
#include "cleaner/system_actions.h"
#include "cleaner/system_location_source.h"

namespace aw {

namespace {

bool IsSelected(const CleanRequest& request, std::string_view group, std::string_view category)
{
    for (const TraceCategoryRef& ref : request.Selection)
        if (ref.Group == group && ref.Category == category)
            return true;
    return false;
}

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

void DeleteAt(const TraceAction& action, const std::string& location, const CleanRequest& request,
              CleanCounters& counters)
{
    switch (action.Kind) {
    case ActionKind::File:
        DeleteTraceFile(location, counters);
        break;
    case ActionKind::Database:
        DeleteDatabaseFiles(location, counters);
        break;
    case ActionKind::PlacesHistory:
        CleanPlacesHistory(location, counters);
        break;
    case ActionKind::PlacesDownloads:
        CleanPlacesDownloads(location, counters);
        break;
    case ActionKind::AutofillHistory:
        CleanAutofillHistory(location, counters);
        break;
    case ActionKind::Files:
        DeleteFilesInFolder(location, std::string(action.Mask), counters);
        break;
    case ActionKind::Tree:
        DeleteFolderTree(location, "*.*", request.IndexDatOption, counters);
        break;
    case ActionKind::TreeKeeping:
        DeleteFolderTreeKeeping(location, std::string(action.Mask), request.IndexDatOption, counters);
        break;
    case ActionKind::Key:
        if (RegRemoveKeyTree(HKEY_CURRENT_USER, location))
            counters.RegistryKeysDeleted += 1;
        break;
    case ActionKind::Value:
        if (RegRemoveValue(HKEY_CURRENT_USER, location))
            counters.RegistryKeysDeleted += 1;
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
        EmptyRecycleBins(request.Owner);
        return;
    case ActionKind::Clipboard:
        ClearClipboard(request.Owner);
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

} // namespace

void RunCleaning(const CleanRequest& request, CleanCounters& counters)
{
    counters.reset();
    for (const TraceAction& action : TraceLocationTable()) {
        if (!IsSelected(request, action.Group, action.Category))
            continue;
        try {
            CarryOut(action, request, counters);
        } catch (...) {
            // Out of memory, or a custom-location runner that threw: this action is lost,
            // the run goes on with the next.
        }
    }
}

} // namespace aw
