// The Clean command: checks, restore point, the worker run and the summary.
#include "app/clean_summary.h"
#include "app/main_form.h"
#include "app/running_browsers.h"
#include "catalogue/trace_tree.h"
#include "cleaner/clean_run.h"
#include "cleaner/location_table.h"
#include "customloc/custom_locations.h"
#include "platform/handle.h"
#include "platform/registry_key.h"
#include "settings/keep_file.h"
#include "settings/restore_point.h"
#include "settings/settings_store.h"
#include "ui/application.h"

namespace aw {

namespace {

constexpr char kFirstRunMarker[] = "Software\\Marrowind\\Vosk\\SecondRun";
constexpr char kRestoreFailed[] = "Could not create a system restore point... Continue anyway ?";

struct CleanJob {
    CleanRequest Request;
    CleanCounters* Counters;
};

// How often the status bar follows the worker.
constexpr std::uint32_t kProgressIntervalMs = 250;

DWORD WINAPI CleanWorkerProc(LPVOID parameter)
{
    auto* job = static_cast<CleanJob*>(parameter);
    RunCleaning(job->Request, *job->Counters);
    return 0;
}

int Ask(const char* text, const char* caption, unsigned style)
{
    return ui::Application::Instance().ShowMessageBox(text, caption, style | MB_TOPMOST);
}

// The restore point of a Clean; false when the user chose to stop.
bool RestorePointOrConsent()
{
    if (CreateRestorePoint())
        return true;
    return Ask(kRestoreFailed, "Info", MB_YESNO | MB_ICONEXCLAMATION) != IDNO;
}

// The system has no Retry/Ignore/Cancel box: the Abort/Retry/Ignore box is shown with its Abort
// button captioned "Cancel", through a hook on this thread for as long as the question is open.
class CancelInsteadOfAbort {
public:
    CancelInsteadOfAbort() : hook_(SetWindowsHookExA(WH_CBT, &Proc, nullptr, GetCurrentThreadId())) {}
    ~CancelInsteadOfAbort()
    {
        if (hook_)
            UnhookWindowsHookEx(hook_);
    }
    CancelInsteadOfAbort(const CancelInsteadOfAbort&) = delete;
    CancelInsteadOfAbort& operator=(const CancelInsteadOfAbort&) = delete;

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE) {
            HWND box = reinterpret_cast<HWND>(wParam);
            char name[16] = {};
            if (GetClassNameA(box, name, sizeof name) && lstrcmpA(name, "#32770") == 0 && GetDlgItem(box, IDABORT))
                SetDlgItemTextA(box, IDABORT, "Cancel");
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

// Asks while a browser with a ticked category runs: Retry looks again, Ignore goes on with
// what can be cleaned, Cancel cleans nothing. False when the Clean stops.
bool NoBrowserInTheWay(const std::vector<TraceCategoryRef>& selection)
{
    for (;;) {
        const std::vector<std::string> running = RunningBrowsers(selection);
        if (running.empty())
            return true;
        CancelInsteadOfAbort caption;
        const int answer =
            Ask(RunningBrowserQuestion(running.front()).c_str(), "Warning", MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION);
        if (answer == IDIGNORE)
            return true;
        if (answer != IDRETRY)
            return false;
    }
}

} // namespace

void MainForm::CleanCommand()
{
    // One run at a time: a request from the tray or the session end during a run is ignored.
    if (cleaningActive_)
        return;
    ui::Application& application = ui::Application::Instance();

    if (!AnyTraceSelected(*TreeView1)) {
        Ask("No traces selected!", "Warning", MB_ICONEXCLAMATION);
        return;
    }
    if (!NoBrowserInTheWay(SelectedTraces(*TreeView1)))
        return;
    bool restorePointOption = settings_.Option(OptionId::CreateRestorePoint).Checked();
    if (restorePointOption && !RestorePointOrConsent())
        return;
    if (!restorePointOption && !RegValueExists(HKEY_CURRENT_USER, kFirstRunMarker)) {
        // Written before asking, so the question comes at most once, whatever the answer.
        RegWriteString(HKEY_CURRENT_USER, kFirstRunMarker, "1");
        if (Ask("Do you want to create a system restore point (recommended) ?", "Info",
                MB_YESNO | MB_ICONINFORMATION) == IDYES &&
            !RestorePointOrConsent())
            return;
    }

    Button1->SetEnabled(false);
    std::uint32_t start = application.TickCount();
    RunCleaningAndWait();
    cleanElapsedMs_ = ElapsedTicks(start, application.TickCount());
    application.Sleep(1000);
    Button1->SetEnabled(true);
    if (settings_.Option(OptionId::NoMessageAfterCleaning).Checked())
        return;
    CleanTotals totals{cleanElapsedMs_, counters_.FilesDeleted, counters_.RegistryKeysDeleted,
                       counters_.BytesCleaned};
    Ask(BuildCleanSummary(totals, UserDecimalSeparator()).c_str(), "Info", MB_ICONINFORMATION);
}

void MainForm::ShowProgress(const CleanProgress& progress)
{
    const int row = progress.Category.load(std::memory_order_relaxed);
    const std::vector<TraceAction>& table = TraceLocationTable();
    std::string group, category;
    if (row >= 0 && static_cast<std::size_t>(row) < table.size()) {
        group = std::string(table[static_cast<std::size_t>(row)].Group);
        category = std::string(table[static_cast<std::size_t>(row)].Category);
    }
    StatusBar1->SetPanels({{50, BuildProgressText(group, category, progress.Files.load(std::memory_order_relaxed),
                                                  progress.Bytes.load(std::memory_order_relaxed),
                                                  UserDecimalSeparator())}});
}

CleanRequest MainForm::BuildCleanRequest() const
{
    CleanRequest request;
    request.Selection = SelectedTraces(*TreeView1);
    request.IndexDatOption = settings_.Option(OptionId::DeleteIndexDatOnReboot).Checked();
    request.ScriptLines = settings_.Memo1->Lines();
    request.RunCustomLocations = RunCustomLocationsOfRequest;
    request.Owner = hwnd_;
    // Read afresh for every run, so that a list edited meanwhile counts.
    KeepListReading keep = ReadKeepFile();
    request.KeepAllSites = keep.State == KeepListState::Unusable;
    request.KeptSites = std::move(keep.List);
    return request;
}

void MainForm::RunCleaningAndWait()
{
    if (cleaningActive_)
        return;
    // The worker reads only this snapshot, so the tree and the options stay usable meanwhile.
    CleanJob job{BuildCleanRequest(), &counters_};
    CleanProgress progress;
    job.Request.Progress = &progress;

    // The run zeroes the totals itself; zeroed here too, a worker that cannot be started
    // reports that nothing was cleaned rather than the previous run's totals.
    counters_ = CleanCounters{};
    UniqueHandle worker(CreateThread(nullptr, 0, CleanWorkerProc, &job, 0, nullptr));
    if (!worker)
        return;
    cleaningActive_ = true;
    ui::Application& application = ui::Application::Instance();
    const std::string statusBefore = StatusBar1->PanelText(0);
    std::uint32_t shown = application.TickCount();
    DWORD exitCode = 0;
    while (GetExitCodeThread(worker.Get(), &exitCode) && exitCode == STILL_ACTIVE) {
        application.ProcessMessages();
        if (settings_.Option(OptionId::ReduceMemoryWhileCleaning).Checked())
            SleepEx(1, TRUE);
        const std::uint32_t now = application.TickCount();
        if (ElapsedTicks(shown, now) >= static_cast<std::int32_t>(kProgressIntervalMs)) {
            shown = now;
            ShowProgress(progress);
        }
    }
    StatusBar1->SetPanels({{50, statusBefore}});
    cleaningActive_ = false;
}

} // namespace aw
