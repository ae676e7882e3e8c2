#pragma once
// Traces.ini: the ticked categories kept from one run of the program to the next. Every entry
// is written or read through the platform's profile services with its own open and close, so
// the file keeps whatever else it holds (other sections and keys, their order).
#include "cleaner/trace_selection.h"

#include <string>
#include <string_view>
#include <vector>

namespace aw {

// The file named `fileName` in the executable's folder. Nothing is done when that folder
// cannot be told (a bare file name would make the profile services use the Windows folder).
//
// Saving writes one entry per category, its group's text the section and its own text the key
// (creating the file, the section or the key as needed, replacing a value in place); a failed
// entry is passed over. Loading sets each category from its entry: when the file has a section
// named exactly as its group (case-sensitive), the category is ticked if the key's value is
// exactly "True" and unticked otherwise; without such a section, or without the file, it keeps
// its state. Key names are matched by the profile services, which ignore their case.
void SaveTraceSelection(const std::string& fileName, const TraceSelection& selection);
void LoadTraceSelection(const std::string& fileName, TraceSelection& selection);

// Pairs of categories the program learns of while it runs (the application rules' entries),
// kept in the same file the same way. Saving writes each pair given; loading sets a pair's
// tick when the file has its section and leaves it otherwise. Pairs of the file that are not
// given are never touched, so an entry absent from one run keeps its pair for the next.
struct NamedTick {
    std::string Group;
    std::string Category;
    bool Ticked = false;
};
void SaveNamedTicks(const std::string& fileName, const std::vector<NamedTick>& ticks);
void LoadNamedTicks(const std::string& fileName, std::vector<NamedTick>& ticks);

// The same for a file given by its full path.
void SaveTraceSelectionAt(const std::string& path, const TraceSelection& selection);
void LoadTraceSelectionAt(const std::string& path, TraceSelection& selection);

} // namespace aw
