#pragma once
// One cleaning run: every selected trace category's actions, in the order of the trace tree.
#include "cleaner/clean_counters.h"
#include "cleaner/clean_sink.h"
#include "cleaner/trace_selection.h"
#include "cleaner/keep_list.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace aw {

struct CleanRequest;
using CustomLocationsRunner = std::function<void(const CleanRequest&, CleanCounters&)>;
// Carries out categories the program learnt of at run time (the application rules' ticked
// entries), each through the sink.
using ExtraCategoriesRunner = std::function<void(CleanSink&, CleanCounters&)>;

// Everything a run reads, taken on the user-interface thread before the worker starts, so
// that the tree, the options and the script editor stay usable while it runs.
struct CleanRequest {
    TraceSelection Selection;             // the ticked categories
    bool IndexDatOption = false;             // "Try to delete index.dat files on next reboot"
    std::vector<std::string> ScriptLines;    // the custom location script
    HWND Owner = nullptr;                    // owns the recycle bin's progress window and the clipboard
    // Runs ScriptLines for "Advanced" > "Custom Locations"; without one that category does nothing.
    CustomLocationsRunner RunCustomLocations;
    // Runs after the categories of the selection; without one there is nothing more.
    ExtraCategoriesRunner RunExtraCategories;
    // Where the run's decisions go: removed (the default) or written down for a preview.
    CleanSink* Sink = nullptr;
    // When given, the row of the location table being carried out, for the window to show.
    CleanProgress* Progress = nullptr;
    // The sites whose cookies and site data stay (Keep.ini). With a list, the stores that hold
    // many sites' data are cleaned around the kept sites instead of being deleted whole.
    KeepList KeptSites;
    // Keep.ini could not be used: no cookie and no site data is touched at all.
    bool KeepAllSites = false;
};

// The sink a request names, or the deleting one.
inline CleanSink& SinkOf(const CleanRequest& request)
{
    return request.Sink ? *request.Sink : DefaultSink();
}

// An action a run could not carry out (out of memory, a custom-location runner that threw),
// and why. The run goes on with the next action.
struct CleanFailure {
    CategoryId Category;
    std::string Reason;
};

// Sets the counters to zero, then carries out the actions of every selected category in tree
// order and then the extra categories, adding what was removed. Returns the actions it could not carry out, in the order it
// met them. Shows nothing, throws nothing.
std::vector<CleanFailure> RunCleaning(const CleanRequest& request, CleanCounters& counters);

} // namespace aw
