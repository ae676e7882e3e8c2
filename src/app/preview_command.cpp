// The preview from the command line.
#include "app/main_form.h"
#include "app/plan_file.h"
#include "cleaner/clean_plan.h"

namespace aw {

int MainForm::PreviewToFile(const std::string& path)
{
    DecideStartSelection();
    return WritePlanFile(path, PlanCleaning(BuildCleanRequest())) ? 0 : 1;
}

} // namespace aw
