#pragma once
// A cleaning plan as a CSV file: the header "group,category,kind,path,bytes", then one line per
// entry, in UTF-8, fields quoted where they need it.
#include "cleaner/clean_log.h"
#include "cleaner/clean_plan.h"

#include <string>

namespace aw {

std::string PlanCsv(const CleanPlan& plan);

// Writes the plan to path, replacing the file. False when it cannot be created or written.
bool WritePlanFile(const std::string& path, const CleanPlan& plan);

// The record of a Clean in the same form, with a last column "result" ("removed", "in use",
// "denied", "gone", "refused", "left").
std::string LogCsv(const CleanLog& log);
bool WriteLogFile(const std::string& path, const CleanLog& log);

} // namespace aw
