#pragma once
// The main window: the trace tree, the button column, the tray icon and its menu, and the
// Clean command.
#include "app/command_line.h"
#include "app/trace_tree.h"
#include "app/tray_icon.h"
#include "apprules/app_catalogue.h"
#include "apprules/app_rules_file.h"
#include "cleaner/clean_counters.h"
#include "cleaner/clean_log.h"
#include "cleaner/clean_run.h"
#include "cleaner/trace_selection.h"
#include "settings/settings_form.h"
#include "skin/data/skin_data.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/popup_menu.h"
#include "ui/tree_view.h"

#include <memory>

namespace aw {

// Posted by the worker that reads the application rules when it is done.
constexpr UINT AppRulesReadMessage = WM_APP + 1;

constexpr char kApplicationTitle[] = "Ashwarden";
constexpr char kMakerSite[] = "https://ashwarden.example/";
constexpr char kProductPage[] = "https://ashwarden.example/vault/";
constexpr char kCopyright[] = "Copyright (c) Ashwarden contributors";

class MainForm : public ui::Form {
public:
    MainForm(StartMode mode, SettingsForm& settings);
    ~MainForm() override;

    // Creates the window and its controls, then runs FormCreate.
    void Build();

    // The Clean command, as "Clean", the tray's "Delete Traces" and the session end run it.
    void CleanCommand();
    // Starts the cleaning worker and returns when it has ended, dispatching messages meanwhile.
    void RunCleaningAndWait();
    // What a run of the current selection and options reads.
    CleanRequest BuildCleanRequest() const;
    // "-preview FILE": decides the selection as a "-clean" start does, writes the plan of its
    // run to the file and removes nothing. The process's exit code: 0, or 1 when the file
    // cannot be written.
    int PreviewToFile(const std::string& path);
    // "Preview...": the window listing what a Clean of the current selection would remove.
    void PreviewCommand();
    // The ticked categories. The program owns them; the tree shows them and hands the user's
    // ticks to them.
    const TraceSelection& Selection() const { return selection_; }
    // Replaces the selection and shows it in the tree.
    void SetSelection(const TraceSelection& selection);
    // The application rules' entries shown on this machine and their ticks; empty until the
    // rule file has been read.
    const AppCatalogue& Applications() const { return apps_; }
    // What the reading of the rule file found; meaningful once AppRulesShown().
    const AppRulesReading& AppRulesRead() const { return appRulesRead_; }
    bool AppRulesShown() const { return appRulesShown_; }
    // The tick a user gives an entry: ticking one with a warning asks first (once per entry and
    // run, once confirmed); false when the user said no and nothing changed.
    bool TickAppEntry(std::size_t index, bool ticked);
    // Reads the rule file on a worker thread; its entries join the tree when it is done.
    void StartReadingAppRules();
    // Waits for the worker's reading (or reads the file here when none was started) and shows
    // the entries: a Clean or a preview never begins before the rules are known.
    void FinishReadingAppRules();
    // The rule file's reading while it runs on its worker.
    struct AppRulesJob {
        std::string Path;
        HWND Notify = nullptr;
        AppRulesReading Result;
    };
    bool CleaningActive() const { return cleaningActive_; }
    const CleanCounters& Counters() const { return counters_; }
    // The file each Clean records its entries and their results in ("-log FILE"); none by default.
    void SetCleanLogFile(std::string path) { cleanLogFile_ = std::move(path); }
    // The entries the last Clean had to leave, with why.
    const CleanLog& LastCleanLeft() const { return lastCleanLeft_; }
    // The actions the last run could not carry out, and why. Kept for the window; the summary
    // does not show them yet.
    const std::vector<CleanFailure>& LastRunFailures() const { return lastRunFailures_; }
    std::int32_t CleanElapsedMs() const { return cleanElapsedMs_; }

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormClose(ui::CloseAction& action);
    void OnExitChosen();
    void OnScanClicked();
    void OnRestoreClicked();
    void OnRegeditClicked();
    void OnSiteLinkClicked();
    void OnBannerClicked();
    void OnShowWindowChosen();
    void OnTraySettingsChosen();
    LRESULT TrayCallback(LPARAM mouseMessage);
    void OnTreeClicked();
    void OnTreeNodeToggled();
    void OnUncheckAllChosen();
    void OnTreeKeyDown(WORD key);
    void OnTreeCollapsing(bool& allowCollapse);
    void OnExpandChosen();
    void OnCollapseChosen();
    void OnFullCollapseChosen();
    void OnEnableCollapseChosen();
    LRESULT QueryEndSession();

    ui::TreeView* traceTree = nullptr;
    ui::Button* cleanButton = nullptr;
    ui::Button* settingsButton = nullptr;
    ui::Button* saveSelectionButton = nullptr;
    ui::Button* loadSelectionButton = nullptr;
    ui::Button* restoreButton = nullptr;
    ui::Button* scanButton = nullptr;
    ui::Button* regeditButton = nullptr;
    ui::Image* buttonStripImage = nullptr;
    ui::Image* bannerImage = nullptr;
    ui::Label* siteLink = nullptr;
    ui::StatusBar* statusBar = nullptr;
    ui::PopupMenu treeMenu{"PopupMenu1"}; // the tree's context menu
    ui::PopupMenu trayMenu{"PopupMenu2"}; // the tray menu
    TrayIcon Tray;
    // The skin the program's windows wear, with the values the main window stores.
    std::unique_ptr<skin::TSkinData> skinData;
    // Answers every request to collapse a tree node.
    bool CollapseEnabled = false;

    SettingsForm& Settings() const { return settings_; }
    StartMode Mode() const { return mode_; }

private:
    void BuildControls();
    void BuildTrayMenu();
    void BuildTreeMenu();
    // Creates skinData, reads its stored skin from the executable and loads it.
    void LoadSkinData();
    // Settings (once read) and, with the option, the selection: at close and at Exit.
    void SaveOnClose();
    // The group the "Expand" and "Collapse" commands act on: the selected group, or the
    // selected category's group.
    ui::TreeNode TargetGroup() const;
    // The settings and the selection a start shows: the saved selection with its option, the
    // scan's otherwise.
    void DecideStartSelection();
    // Runs the scan on the selection and shows what it leaves, also when the clipboard error
    // stops it.
    void ScanIntoSelection();
    // Changes the selection through `edit`, then shows it.
    template <typename Edit>
    void EditSelection(Edit edit)
    {
        edit(selection_);
        ShowSelection(*traceTree, selection_);
    }
    // The status bar's text while a run goes on.
    void ShowProgress(const CleanProgress& progress);
    bool HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Asks a running Clean to stop after the entry in hand and waits for it, at most `waitMs`;
    // true when it has ended.
    bool StopCleaning(DWORD waitMs);
    // Saves what is saved at close, takes the icon out of the tray and ends the process.
    void ExitProgram();

    // The worker's result joins the tree.
    void ShowAppRules(AppRulesReading reading);
    // The entries' pairs in Traces.ini.
    void LoadAppTicks();
    void SaveAppTicks() const;

    StartMode mode_;
    SettingsForm& settings_;
    TraceSelection selection_;
    AppCatalogue apps_;
    AppRulesReading appRulesRead_;
    bool appRulesShown_ = false;
    // Entries whose warning the user has confirmed in this run.
    std::vector<bool> warningConfirmed_;
    std::unique_ptr<AppRulesJob> appRulesJob_;
    HANDLE appRulesWorker_ = nullptr;
    std::uint32_t appRulesStartedAt_ = 0;
    CleanCounters counters_;
    std::string cleanLogFile_;
    // While a Clean runs: its worker and progress, so that closing the program can stop it
    // after the entry in hand and wait for it.
    static constexpr DWORD kStopWaitMs = 10000;
    HANDLE runningWorker_ = nullptr;
    CleanProgress* runningProgress_ = nullptr;
    bool exitAfterClean_ = false;
    std::uint32_t stopAskedAt_ = 0;
    // Set when a Clean could not write its log: a "-clean" start then ends with exit code 2.
    bool cleanLogFailed_ = false;
    CleanLog lastCleanLeft_;
    std::vector<CleanFailure> lastRunFailures_;
    std::int32_t cleanElapsedMs_ = 0;
    bool cleaningActive_ = false;
    // Settings are written back only once they have been read, so that an Exit from the tray
    // before the first show cannot store the window's initial values over the saved ones.
    bool settingsLoaded_ = false;
    // The tree counts as fully expanded from its creation; the expanding itself waits for the
    // first show, which then opens only the groups it leaves open.
    bool expansionPending_ = false;
};

} // namespace aw
