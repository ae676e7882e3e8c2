// The preview from the command line.
#include "app/main_form.h"
#include "app/plan_file.h"
#include "app/preview_form.h"
#include "cleaner/clean_plan.h"

namespace aw {

int MainForm::PreviewToFile(const std::string& path)
{
    DecideStartSelection();
    FinishReadingAppRules();
    return WritePlanFile(path, PlanCleaning(BuildCleanRequest())) ? 0 : 1;
}

void MainForm::PreviewCommand()
{
    if (cleaningActive_)
        return;
    FinishReadingAppRules();
    bool cleanAsked = false;
    {
        PreviewForm preview([request = BuildCleanRequest()](PlanProgress& progress) {
            return PlanCleaning(request, &progress);
        }, [&cleanAsked] { cleanAsked = true; });
        preview.SetLastCleanLeft(lastCleanLeft_);
        preview.Build();
        preview.ShowModal();
    }
    // After the preview has closed, so that the Clean's questions belong to the main window.
    if (cleanAsked)
        CleanCommand();
}

} // namespace aw
