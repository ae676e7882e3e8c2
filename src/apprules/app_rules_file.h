#pragma once
// The rule file beside the program, read and matched against this machine, and the ticked
// entries carried out.
#include "apprules/app_rules.h"
#include "cleaner/clean_counters.h"
#include "cleaner/clean_sink.h"

#include <cstddef>
#include <string>
#include <vector>

namespace aw {

struct AppRulesReading {
    bool Found = false;      // the file lies beside the program
    bool Unreadable = false; // it could not be read, or was not read at all (too large, not UTF-8)
    std::size_t EntriesRead = 0;
    // The lines and sections the reader skipped (rule_problems.h), by kind and with the first
    // lines.
    ProblemLog Problems{kFileProblemRecords};
    std::vector<AppEntry> Detected; // the entries shown on this machine, in the file's order
};

// The file's full path; empty when the program's folder cannot be told.
std::string AppRulesFilePath();

// Reads the file at `path` and keeps the entries detected on this machine.
AppRulesReading ReadDetectedAppRules(const std::string& path);

// Every entry in turn, as a category of its group: its targets resolved on this machine and
// handed to the sink.
void CleanAppEntries(const std::vector<AppEntry>& entries, CleanSink& sink, CleanCounters& counters);

} // namespace aw
