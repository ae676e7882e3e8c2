#pragma once
// Running the custom location script: the files, folders and registry entries its lines name
// are deleted through the cleaner's primitives and counted like every other trace.
#include "cleaner/clean_counters.h"
#include "cleaner/clean_run.h"

#include <string>
#include <vector>

namespace aw {

// Runs the lines top to bottom. indexDat is the "Try to delete index.dat files on next reboot"
// option, used by "DIR:...|RECURSIVE" lines. Lines that name nothing, and deletions that fail,
// are skipped silently and not counted. Adds to the counters, never resets them.
void RunCustomLocations(const std::vector<std::string>& lines, bool indexDat, CleanCounters& counters,
                        CleanSink& sink = DefaultSink());

// The same, for a cleaning run: the request's snapshot of the script and of the option.
void RunCustomLocationsOfRequest(const CleanRequest& request, CleanCounters& counters);

} // namespace aw
