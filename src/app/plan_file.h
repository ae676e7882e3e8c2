#pragma once
// A cleaning plan as a CSV file: the header "group,category,kind,path,bytes", then one line per
// entry, in UTF-8, fields quoted where they need it.
#include "cleaner/clean_plan.h"

#include <string>

namespace aw {

std::string PlanCsv(const CleanPlan& plan);

// Writes the plan to path, replacing the file. False when it cannot be created or written.
bool WritePlanFile(const std::string& path, const CleanPlan& plan);

} // namespace aw
