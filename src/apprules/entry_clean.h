#pragma once
// Carries out an entry's targets through the cleaner's sink, as the built-in locations are:
// files through the sink (each checked to be its folder's own entry, never through a link),
// folders only once emptied, keys and values only as the safety rules and the exclusions allow.
#include "apprules/entry_resolver.h"
#include "cleaner/clean_counters.h"
#include "cleaner/clean_sink.h"

namespace aw {

// Each folder is checked once more, by `safety`, in the long form the system gives it: a short
// (8.3) alias the text rules could not see through names nothing protected.
void CleanEntryTargets(const EntryTargets& targets, const SafetyRules& safety, CleanSink& sink,
                       CleanCounters& counters);

} // namespace aw
