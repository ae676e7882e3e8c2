// The Clean command: checks, restore point, the worker run and the summary.
#include "app/clean_summary.h"
#include "app/plan_file.h"
#include "app/main_form.h"
#include "app/running_browsers.h"
#include "cleaner/clean_run.h"
#include "cleaner/trace_categories.h"
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
    std::vector<CleanFailure>* Failures;
};

// How often the status bar follows the worker.
constexpr std::uint32_t kProgressIntervalMs = 250;

DWORD WINAPI CleanWorkerProc(LPVOID parameter)
{
    auto* job = static_cast<CleanJob*>(parameter);
    *job->Failures = RunCleaning(job->Request, *job->Counters);
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
bool NoBrowserInTheWay(const TraceSelection& selection)
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

    // A Clean asked for while the rule file is still being read waits for its entries.
    FinishReadingAppRules();
    if (selection_.Empty() && !apps_.AnyTicked()) {
        Ask("No traces selected!", "Warning", MB_ICONEXCLAMATION);
        return;
    }
    if (!NoBrowserInTheWay(selection_))
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

    cleanButton->SetEnabled(false);
    std::uint32_t start = application.TickCount();
    RunCleaningAndWait();
    // The program was told to end during the run: no pause, no summary.
    if (exitAfterClean_)
        return;
    cleanElapsedMs_ = ElapsedTicks(start, application.TickCount());
    application.Sleep(1000);
    cleanButton->SetEnabled(true);
    if (settings_.Option(OptionId::NoMessageAfterCleaning).Checked())
        return;
    CleanTotals totals{cleanElapsedMs_,     counters_.FilesDeleted, counters_.RegistryKeysDeleted,
                       counters_.BytesCleaned, counters_.ItemsLeft,   counters_.ItemsLeftInUse};
    Ask(BuildCleanSummary(totals, UserDecimalSeparator()).c_str(), "Info", MB_ICONINFORMATION);
}

void MainForm::ShowProgress(const CleanProgress& progress)
{
    const int id = progress.Category.load(std::memory_order_relaxed);
    std::string group, category;
    if (id >= 0 && static_cast<std::size_t>(id) < TraceCategories().size()) {
        const TraceCategory& shown = CategoryInfo(static_cast<CategoryId>(id));
        group = std::string(shown.Group);
        category = std::string(shown.Text);
    }
    statusBar->SetPanels({{50, BuildProgressText(group, category, progress.Files.load(std::memory_order_relaxed),
                                                  progress.Bytes.load(std::memory_order_relaxed),
                                                  UserDecimalSeparator())}});
}

CleanRequest MainForm::BuildCleanRequest() const
{
    CleanRequest request;
    request.Selection = selection_;
    request.IndexDatOption = settings_.Option(OptionId::DeleteIndexDatOnReboot).Checked();
    request.ScriptLines = settings_.locationsMemo->Lines();
    request.RunCustomLocations = RunCustomLocationsOfRequest;
    std::vector<AppEntry> ticked;
    for (std::size_t index : apps_.TickedEntries())
        ticked.push_back(apps_.Entry(index));
    if (!ticked.empty())
        request.RunExtraCategories = [entries = std::move(ticked)](CleanSink& sink, CleanCounters& counters) {
            CleanAppEntries(entries, sink, counters);
        };
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
    CleanJob job{BuildCleanRequest(), &counters_, &lastRunFailures_};
    CleanProgress progress;
    job.Request.Progress = &progress;
    // Every entry is recorded for a log file; otherwise only what had to be left.
    DeletingSink deleting(&progress);
    CleanLog log;
    RecordingSink recording(deleting, log, cleanLogFile_.empty() ? Recording::EntriesLeft : Recording::EveryEntry);
    job.Request.Sink = &recording;

    // The run zeroes the totals itself; zeroed here too, a worker that cannot be started
    // reports that nothing was cleaned rather than the previous run's totals.
    counters_ = CleanCounters{};
    lastRunFailures_.clear();
    UniqueHandle worker(CreateThread(nullptr, 0, CleanWorkerProc, &job, 0, nullptr));
    if (!worker)
        return;
    cleaningActive_ = true;
    runningWorker_ = worker.Get();
    runningProgress_ = &progress;
    ui::Application& application = ui::Application::Instance();
    const std::string statusBefore = statusBar->PanelText(0);
    std::uint32_t shown = application.TickCount();
    // The thread sleeps until a message comes, the worker ends or the progress line is due.
    DWORD woken = WAIT_TIMEOUT;
    for (;;) {
        application.ProcessMessages();
        const std::int32_t sinceShown = ElapsedTicks(shown, application.TickCount());
        const DWORD untilDue = sinceShown >= static_cast<std::int32_t>(kProgressIntervalMs)
                                   ? 0
                                   : kProgressIntervalMs - static_cast<DWORD>(sinceShown);
        HANDLE waitFor = worker.Get();
        woken = MsgWaitForMultipleObjects(1, &waitFor, FALSE, untilDue, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
            break;
        if (exitAfterClean_ && StopCleaning(0)) {
            // Still running after its time: the process ends around it.
            if (WaitForSingleObject(worker.Get(), 0) != WAIT_OBJECT_0)
                ExitProgram();
            break;
        }
        const std::uint32_t now = application.TickCount();
        if (ElapsedTicks(shown, now) >= static_cast<std::int32_t>(kProgressIntervalMs)) {
            shown = now;
            ShowProgress(progress);
        }
    }
    if (woken == WAIT_FAILED) // never expected; then the worker is waited for without messages
        WaitForSingleObject(worker.Get(), INFINITE);
    runningWorker_ = nullptr;
    runningProgress_ = nullptr;
    // An action the run could not carry out at all left whatever it would have removed.
    counters_.ItemsLeft += static_cast<std::int32_t>(lastRunFailures_.size());
    // An unwritable log does not undo the clean; a "-clean" start reports it by its exit code.
    cleanLogFailed_ = !cleanLogFile_.empty() && !WriteLogFile(cleanLogFile_, log);
    if (cleanLogFile_.empty()) {
        lastCleanLeft_ = std::move(log);
    } else {
        lastCleanLeft_ = CleanLog{};
        lastCleanLeft_.Plan.Categories = log.Plan.Categories;
        for (std::size_t entry : log.EntriesLeft()) {
            lastCleanLeft_.Plan.Entries.push_back(log.Plan.Entries[entry]);
            lastCleanLeft_.Results.push_back(log.Results[entry]);
        }
    }
    statusBar->SetPanels({{50, statusBefore}});
    cleaningActive_ = false;
    if (exitAfterClean_)
        ExitProgram();
}

bool MainForm::StopCleaning(DWORD waitMs)
{
    if (!runningWorker_ || !runningProgress_)
        return true;
    if (!runningProgress_->Stop.exchange(true, std::memory_order_relaxed))
        stopAskedAt_ = ui::Application::Instance().TickCount();
    if (WaitForSingleObject(runningWorker_, waitMs) == WAIT_OBJECT_0)
        return true;
    // A worker that does not come to an end in time is left to the end of the process: every
    // database change it may be in is a transaction that SQLite rolls back at the next open.
    return ElapsedTicks(stopAskedAt_, ui::Application::Instance().TickCount()) >= static_cast<std::int32_t>(kStopWaitMs);
}

} // namespace aw
