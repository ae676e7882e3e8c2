#pragma once
// Which browsers with a ticked category are running for the current user: their open files
// cannot be removed while they run.
#include "cleaner/clean_run.h"

#include <string>
#include <vector>

namespace aw {

// The group texts, in tree order, of the browsers that have a category in the selection and
// a process of one of their image names owned by the current user.
std::vector<std::string> RunningBrowsers(const TraceSelection& selection);

// The question asked before a Clean about the first of them.
std::string RunningBrowserQuestion(const std::string& browser);

} // namespace aw
