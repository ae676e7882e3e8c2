// The application rules on the main window: the rule file read after the window shows, its
// detected entries in the tree, their ticks (with an entry's warning) and their Traces.ini pairs.
#include "app/main_form.h"
#include "app/tree_selection.h"
#include "apprules/rules_reader.h"
#include "catalogue/trace_selection_file.h"
#include "catalogue/trace_selection_file_text.h"
#include "platform/handle.h"
#include "settings/settings_store.h"
#include "ui/application.h"

namespace aw {

namespace {

constexpr char kWarningQuestion[] = "\r\n\r\nSelect it anyway?";

// What the status bar says of the rule file: the entries read, those shown, the lines skipped.
std::string AppRulesStatusText(const AppRulesReading& reading, std::size_t shown)
{
    if (reading.Unreadable)
        return std::string("  ") + kAppRulesFileName + " could not be read";
    std::string text = std::string("  ") + kAppRulesFileName + ": " + std::to_string(shown) +
                       " of " + std::to_string(reading.EntriesRead) + " entries shown";
    if (reading.Problems.Total() > 0)
        text += ", " + std::to_string(reading.Problems.Total()) + " lines skipped";
    return text;
}

} // namespace

namespace {

DWORD WINAPI AppRulesWorkerProc(LPVOID parameter)
{
    auto* job = static_cast<MainForm::AppRulesJob*>(parameter);
    try {
        job->Result = ReadDetectedAppRules(job->Path);
    } catch (...) {
        job->Result = AppRulesReading{};
        job->Result.Found = true;
        job->Result.Unreadable = true;
    }
    PostMessageA(job->Notify, AppRulesReadMessage, 0, 0);
    return 0;
}

} // namespace

MainForm::~MainForm()
{
    if (appRulesWorker_) {
        WaitForSingleObject(appRulesWorker_, INFINITE);
        CloseHandle(appRulesWorker_);
    }
}

void MainForm::StartReadingAppRules()
{
    if (appRulesShown_ || appRulesWorker_)
        return;
    appRulesStartedAt_ = ui::Application::Instance().TickCount();
    appRulesJob_ = std::make_unique<AppRulesJob>();
    appRulesJob_->Path = AppRulesFilePath();
    appRulesJob_->Notify = hwnd_;
    appRulesWorker_ = CreateThread(nullptr, 0, AppRulesWorkerProc, appRulesJob_.get(), 0, nullptr);
    if (!appRulesWorker_)
        appRulesJob_.reset();
}

void MainForm::FinishReadingAppRules()
{
    if (appRulesShown_)
        return;
    if (!appRulesWorker_) {
        ShowAppRules(ReadDetectedAppRules(AppRulesFilePath()));
        return;
    }
    WaitForSingleObject(appRulesWorker_, INFINITE);
    CloseHandle(std::exchange(appRulesWorker_, nullptr));
    AppRulesReading reading = std::move(appRulesJob_->Result);
    appRulesJob_.reset();
    ShowAppRules(std::move(reading));
}

void MainForm::ShowAppRules(AppRulesReading reading)
{
    appRulesShown_ = true;
    apps_ = AppCatalogue(std::move(reading.Detected));
    reading.Detected.clear();
    appRulesRead_ = std::move(reading);
    warningConfirmed_.assign(apps_.size(), false);
    if (!appRulesRead_.Found)
        return;
    if (settingsLoaded_ && settings_.Option(OptionId::LoadSelectionFromIni).Checked())
        LoadAppTicks();
    if (!apps_.empty()) {
        AddAppEntryNodes(*traceTree, apps_);
        // New groups come collapsed but for those with a tick, as the first show leaves the
        // program's own; the user's expanding meanwhile stays as it is.
        ShowAppTicks(*traceTree, apps_);
        for (ui::TreeNode group = traceTree->FirstRoot(); group; group = group.NextSibling())
            if (IsAppGroupNode(group))
                for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
                    if (child.StateIndex() == StateSelected) {
                        group.Expand();
                        break;
                    }
    }
    statusBar->SetPanels({{50, AppRulesStatusText(appRulesRead_, apps_.size())}});
}

void MainForm::LoadAppTicks()
{
    std::vector<NamedTick> ticks;
    ticks.reserve(apps_.size());
    for (std::size_t index = 0; index < apps_.size(); ++index)
        ticks.push_back({apps_.GroupOf(index), apps_.Entry(index).Name, apps_.Ticked(index)});
    LoadNamedTicks(kTracesFileName, ticks);
    for (std::size_t index = 0; index < apps_.size(); ++index)
        apps_.SetTicked(index, ticks[index].Ticked);
}

void MainForm::SaveAppTicks() const
{
    // Only the entries ticked at some time: every other one is unticked in the file already
    // (a missing pair reads as unticked), and thousands of entries need not be written.
    std::vector<NamedTick> ticks;
    for (std::size_t index : apps_.EverTicked())
        ticks.push_back({apps_.GroupOf(index), apps_.Entry(index).Name, apps_.Ticked(index)});
    SaveNamedTicks(kTracesFileName, ticks);
}

bool MainForm::TickAppEntry(std::size_t index, bool ticked)
{
    if (index >= apps_.size())
        return false;
    const AppEntry& entry = apps_.Entry(index);
    if (ticked && !entry.Warning.empty() && !warningConfirmed_[index]) {
        const std::string text = entry.Warning + kWarningQuestion;
        if (ui::Application::Instance().ShowMessageBox(text, entry.Name, MB_YESNO | MB_ICONEXCLAMATION | MB_TOPMOST) !=
            IDYES)
            return false;
        warningConfirmed_[index] = true;
    }
    apps_.SetTicked(index, ticked);
    ShowAppTicks(*traceTree, apps_);
    return true;
}

void MainForm::OnTreeNodeToggled()
{
    const ui::TreeNode node = traceTree->Selected();
    if (const std::optional<std::size_t> index = AppEntryOfNode(node)) {
        if (*index < apps_.size())
            TickAppEntry(*index, !apps_.Ticked(*index));
        return;
    }
    EditSelection([&node](TraceSelection& selection) { ToggleNodeCategory(node, selection); });
}

void MainForm::OnUncheckAllChosen()
{
    EditSelection([this](TraceSelection& selection) { UncheckAllTraces(*traceTree, selection); });
    const ui::TreeNode selected = traceTree->Selected();
    if (!selected)
        return;
    if (IsAppGroupNode(selected)) {
        for (ui::TreeNode child = selected.FirstChild(); child; child = child.NextSibling())
            if (const std::optional<std::size_t> index = AppEntryOfNode(child); index && *index < apps_.size())
                apps_.SetTicked(*index, false);
    } else if (!selected.HasChildren()) {
        apps_.UntickAll();
    }
    ShowAppTicks(*traceTree, apps_);
}

} // namespace aw
