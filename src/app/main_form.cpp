#include "app/main_form.h"

#include "app/tree_selection.h"
#include "catalogue/trace_scan.h"
#include "catalogue/trace_selection_file.h"
#include "catalogue/trace_selection_file_text.h"
#include "customloc/locations_editor.h"
#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/shell.h"
#include "platform/window_subclass.h"
#include "settings/settings_store.h"
#include "skin/forms/win_skin_form.h"
#include "ui/application.h"

#include <utility>

namespace aw {

namespace {

ui::FontSpec SansSerif(bool bold = false, bool underline = false)
{
    ui::FontSpec font;
    font.Name = "MS Sans Serif";
    font.Height = 12;
    font.Bold = bold;
    font.Underline = underline;
    return font;
}

// True when the shell started something. The launch buttons and links do not report a launch
// that fails: the user sees that nothing opened, and there is nothing else to do about it.
bool ShellOpen(const std::string& target)
{
    return OpenWithShell(target, SW_SHOW);
}

constexpr char kSkinResource[] = "SKIN";

} // namespace

MainForm::MainForm(StartMode mode, SettingsForm& settings)
    : ui::Form("Form1", "TForm1", 402, 534), mode_(mode), settings_(settings)
{
    caption_ = std::string(kApplicationTitle) + " - v1.2.0.0";
    font_ = SansSerif();
    OnShow = [this] { FormShow(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };
    OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return HandleFormMessage(message, wParam, lParam, result);
    };
}

void MainForm::Build()
{
    CreateForm();
    BuildControls();
    BuildTrayMenu();
    BuildTreeMenu();
    FormCreate();
    LoadSkinData();
}

void MainForm::LoadSkinData()
{
    skinData = std::make_unique<skin::TSkinData>(hwnd_, skin::ProcessSkinManager);
    skin::TSkinData& data = *skinData;
    data.SetActive(true);
    data.DisableTag = skin::TSkinData::kDefaultDisableTag;
    data.SkinControls = skin::kMainWindowSkinControls;
    data.Options = skin::kDefaultSkinOptions;
    data.SetSkinFormtype(skin::sfMainform);
    data.MenuUpdate = true;
    data.MenuMerge = false;
    // The stored SkinStream property, as the executable carries it.
    if (HRSRC resource = FindResourceA(nullptr, kSkinResource, MAKEINTRESOURCEA(10) /* RT_RCDATA */)) {
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, resource)));
        const DWORD size = SizeofResource(nullptr, resource);
        if (bytes && size) data.ReadSkinStream(bytes, size);
    }
    data.Loaded();
}

void MainForm::BuildControls()
{
    HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));

    auto& header = Add<ui::Panel>(ui::Bounds{-96, 0, 681, 65}, "Panel1", false);
    auto& title = header.Add<ui::Label>(ui::Bounds{112, 14, 165, 13}, "Label1", kApplicationTitle);
    title.SetFont(SansSerif(true));
    header.Add<ui::Label>(ui::Bounds{112, 32, 222, 13}, "Label2", "Easily delete traces of all known web browsers.");

    auto& treePanel = Add<ui::Panel>(ui::Bounds{8, 80, 241, 378}, "Panel2", true);
    traceTree = &treePanel.Add<ui::TreeView>(ui::Bounds{8, 8, 220, 356}, "TreeView1");
    SendMessageA(traceTree->Handle(), TVM_SETINDENT, 19, 0);
    BuildTraceTree(*traceTree);
    traceTree->OnCollapsing = [this](const ui::TreeNode&, bool& allow) { OnTreeCollapsing(allow); };
    traceTree->OnClick = [this] { OnTreeClicked(); };
    traceTree->OnKeyDown = [this](WORD key) { OnTreeKeyDown(key); };
    traceTree->OnContextPopup = [this](POINT screen) { treeMenu.Popup(hwnd_, screen); };

    buttonStripImage = &Add<ui::Image>(ui::Bounds{256, 80, 137, 425}, "Image1");
    buttonStripImage->LoadJpegResource("STRIP");

    scanButton = &Add<ui::Button>(ui::Bounds{280, 104, 89, 25}, "Button7", "Scan");
    scanButton->OnClick = [this] { OnScanClicked(); };
    cleanButton = &Add<ui::Button>(ui::Bounds{280, 144, 89, 25}, "Button1", "Clean");
    cleanButton->OnClick = [this] { CleanCommand(); };
    Add<ui::Bevel>(ui::Bounds{280, 192, 89, 2}, "Bevel1");
    settingsButton = &Add<ui::Button>(ui::Bounds{280, 216, 89, 25}, "Button2", "Settings");
    settingsButton->OnClick = [this] { settings_.ShowModal(); };
    saveSelectionButton = &Add<ui::Button>(ui::Bounds{280, 256, 89, 25}, "Button3", "Save");
    saveSelectionButton->OnClick = [this] {
        SaveTraceSelection(kTracesFileName, selection_);
        SaveAppTicks();
    };
    loadSelectionButton = &Add<ui::Button>(ui::Bounds{280, 296, 89, 25}, "Button4", "Load");
    loadSelectionButton->OnClick = [this] {
        EditSelection([](TraceSelection& selection) { LoadTraceSelection(kTracesFileName, selection); });
        LoadAppTicks();
        ShowAppTicks(*traceTree, apps_);
    };
    Add<ui::Bevel>(ui::Bounds{280, 344, 89, 2}, "Bevel2");
    restoreButton = &Add<ui::Button>(ui::Bounds{280, 368, 89, 25}, "Button5", "Restore");
    restoreButton->OnClick = [this] { OnRestoreClicked(); };
    regeditButton = &Add<ui::Button>(ui::Bounds{280, 408, 89, 25}, "Button8", "Regedit");
    regeditButton->OnClick = [this] { OnRegeditClicked(); };

    bannerImage = &Add<ui::Image>(ui::Bounds{8, 464, 241, 41}, "Image2");
    bannerImage->LoadJpegResource("BANNER");
    bannerImage->HandCursor = hand;
    bannerImage->OnClick = [this] { OnBannerClicked(); };

    siteLink = &Add<ui::Label>(ui::Bounds{274, 476, 102, 13}, "Label4", "ashwarden.example");
    siteLink->SetFont(SansSerif(true, true));
    siteLink->SetFontColor(RGB(255, 255, 255));
    siteLink->HandCursor = hand;
    siteLink->OnClick = [this] { OnSiteLinkClicked(); };

    statusBar = &Add<ui::StatusBar>(ui::Bounds{0, 515, 402, 19}, "StatusBar1");
    statusBar->SetPanels({{50, std::string("  ") + kCopyright}});
}

void MainForm::BuildTrayMenu()
{
    trayMenu.AddItem("ShowWindow", "Show Window", [this] { OnShowWindowChosen(); });
    trayMenu.AddItem("DeleteTraces", "Delete Traces", [this] { CleanCommand(); });
    trayMenu.AddItem("Settings", "Settings", [this] { OnTraySettingsChosen(); });
    trayMenu.AddItem("TraySeparator", "-");
    trayMenu.AddItem("Exit", "Exit", [this] { OnExitChosen(); });
}

void MainForm::BuildTreeMenu()
{
    treeMenu.AddItem("CheckAll", "Check All", [this] {
        EditSelection([this](TraceSelection& selection) { CheckAllTraces(*traceTree, selection); });
    });
    treeMenu.AddItem("UncheckAll", "UnCheck All", [this] { OnUncheckAllChosen(); });
    treeMenu.AddItem("TreeSeparator1", "-");
    treeMenu.AddItem("FullExpand", "Full Expand", [this] { traceTree->FullExpand(); });
    treeMenu.AddItem("FullCollapse", "Full Collapse", [this] { OnFullCollapseChosen(); });
    treeMenu.AddItem("TreeSeparator2", "-");
    treeMenu.AddItem("Expand", "Expand", [this] { OnExpandChosen(); });
    treeMenu.AddItem("Collapse", "Collapse", [this] { OnCollapseChosen(); });
    treeMenu.AddItem("TreeSeparator3", "-");
    treeMenu.AddItem("EnableCollapse", "Enable Collapse", [this] { OnEnableCollapseChosen(); }, true, true);
    ui::MenuItem& showRoot = treeMenu.AddItem("ShowRootPath", "Show Root Path", {}, true, false);
    showRoot.OnClick = [this, &showRoot] { traceTree->SetShowRoot(showRoot.Checked); };
    ui::MenuItem& showLines = treeMenu.AddItem("ShowLines", "Show Lines", {}, true, false);
    showLines.OnClick = [this, &showLines] { traceTree->SetShowLines(showLines.Checked); };
    treeMenu.AddItem("TreeSeparator4", "-");
    treeMenu.AddItem("Preview", "Preview...", [this] { PreviewCommand(); });
}

void MainForm::OnTreeClicked()
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(traceTree->Handle(), &point);
    ui::TreeView::Hit hit = traceTree->HitTest(point);
    if (!(hit.Flags & TVHT_ONITEMSTATEICON))
        return;
    // The control may report the click before it moves its selection to the clicked item, so
    // the item under the box is made the selected one and toggled.
    if (hit.Node && !(traceTree->Selected() == hit.Node))
        traceTree->Select(hit.Node);
    OnTreeNodeToggled();
}

void MainForm::OnTreeKeyDown(WORD key)
{
    if (key == VK_SPACE)
        OnTreeNodeToggled();
}

void MainForm::OnTreeCollapsing(bool& allowCollapse)
{
    allowCollapse = CollapseEnabled;
}

ui::TreeNode MainForm::TargetGroup() const
{
    ui::TreeNode selected = traceTree->Selected();
    if (!selected)
        return selected;
    return selected.Level() == 0 ? selected : selected.Parent();
}

void MainForm::OnExpandChosen()
{
    if (ui::TreeNode group = TargetGroup())
        group.Expand();
}

void MainForm::OnCollapseChosen()
{
    if (ui::TreeNode group = TargetGroup())
        group.Collapse();
}

void MainForm::OnFullCollapseChosen()
{
    ui::MenuItem* enable = treeMenu.Find("EnableCollapse");
    if (!enable->Checked)
        treeMenu.Choose(*enable);
    traceTree->FullCollapse();
}

void MainForm::OnEnableCollapseChosen()
{
    CollapseEnabled = treeMenu.Find("EnableCollapse")->Checked;
}

void MainForm::FormCreate()
{
    Tray.Fill(hwnd_, ui::ApplicationIcon(), ui::Application::Instance().Title());
    // Expanding every group here and collapsing most of them again at the first show, one
    // group at a time, is the dearest part of starting up; the tree is not visible before that
    // show, so the show expands just the groups that stay open.
    expansionPending_ = true;
    BoldGroupNodes(*traceTree);
    if (mode_ == StartMode::Startup)
        Tray.Add();
}

void MainForm::OnScanClicked()
{
    // A clipboard error ends the handler here, before the collapsing.
    ScanIntoSelection();
    CollapseUnselectedGroups(*traceTree);
}

void MainForm::SetSelection(const TraceSelection& selection)
{
    EditSelection([&selection](TraceSelection& shown) { shown = selection; });
}

void MainForm::ScanIntoSelection()
{
    // An absent browser's group is collapsed as the scan reaches it; the tree refuses while
    // collapsing is disabled.
    auto collapse = [this](std::string_view group) {
        if (ui::TreeNode node = FindGroupNode(*traceTree, group))
            node.Collapse();
    };
    try {
        ScanTraces(selection_, settings_.locationsMemo->Lines().size(), traceTree->Handle(), collapse);
    } catch (...) {
        ShowSelection(*traceTree, selection_);
        throw;
    }
    ShowSelection(*traceTree, selection_);
}

void MainForm::DecideStartSelection()
{
    LoadSettings(settings_);
    settingsLoaded_ = true;
    bool useSavedSelection = settings_.Option(OptionId::LoadSelectionFromIni).Checked();
    if (useSavedSelection)
        EditSelection([](TraceSelection& selection) { LoadTraceSelection(kTracesFileName, selection); });
    LoadLocationsAtShow(*settings_.locationsMemo);
    CollapseEnabled = true;
    if (!useSavedSelection)
        ScanIntoSelection();
}

void MainForm::FormShow()
{
    DecideStartSelection();
    if (std::exchange(expansionPending_, false))
        ExpandSelectedGroups(*traceTree);
    ScrollTreeToTop(*traceTree);
    if (mode_ == StartMode::Clean) {
        // The rules are read here and now: the run must know every ticked entry.
        FinishReadingAppRules();
        RunCleaningAndWait();
        ui::Application::Instance().EndProcess(cleanLogFailed_ ? 2 : 0);
        return;
    }
    CollapseUnselectedGroups(*traceTree);
    // Thousands of entries must not hold up the window: they join the tree once read.
    StartReadingAppRules();
}

void MainForm::SaveOnClose()
{
    if (settingsLoaded_)
        SaveSettings(settings_);
    if (settings_.Option(OptionId::SaveSelectionToIni).Checked()) {
        SaveTraceSelection(kTracesFileName, selection_);
        SaveAppTicks();
    }
}

void MainForm::FormClose(ui::CloseAction& action)
{
    SaveOnClose();
    if (settings_.Option(OptionId::MinimizeToTray).Checked()) {
        action = ui::CloseAction::None;
        Hide();
        Tray.Add();
        return;
    }
    // The program ends: leave no icon behind in the notification area, and a Clean under way
    // stops after the entry in hand.
    Tray.Remove();
    if (cleaningActive_)
        StopCleaning(0);
}

void MainForm::OnExitChosen()
{
    // During a Clean the program ends once the worker has finished the entry in hand.
    if (cleaningActive_) {
        exitAfterClean_ = true;
        StopCleaning(0);
        return;
    }
    ExitProgram();
}

void MainForm::ExitProgram()
{
    SaveOnClose();
    Tray.Remove();
    Close();
    Tray.Remove();
    ui::Application::Instance().EndProcess(0);
}

void MainForm::OnShowWindowChosen()
{
    Show();
}

void MainForm::OnTraySettingsChosen()
{
    Show();
    settings_.Show();
}

LRESULT MainForm::TrayCallback(LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_RBUTTONDOWN: {
        POINT cursor;
        GetCursorPos(&cursor);
        SetForegroundWindow(hwnd_);
        trayMenu.Popup(hwnd_, cursor);
        PostMessageA(hwnd_, WM_NULL, 0, 0);
        return 0;
    }
    case WM_LBUTTONDOWN:
        Show();
        return 0;
    default:
        return aw::subclass::CallNext(hwnd_, TrayCallbackMessage, 0, mouseMessage);
    }
}

LRESULT MainForm::QueryEndSession()
{
    // A Clean under way when the session ends stops after the entry in hand; the system does
    // not wait for ever for the answer.
    if (cleaningActive_)
        StopCleaning(kStopWaitMs);
    else if (settings_.Option(OptionId::CleanWhenWindowsShutsDown).Checked())
        CleanCommand();
    return 1;
}

bool MainForm::HandleFormMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message == TrayCallbackMessage) {
        result = TrayCallback(lParam);
        return true;
    }
    if (message == AppRulesReadMessage) {
        if (appRulesWorker_)
            FinishReadingAppRules();
        result = 0;
        return true;
    }
    if (message == WM_QUERYENDSESSION) {
        result = QueryEndSession();
        return true;
    }
    return false;
}

void MainForm::OnRestoreClicked()
{
    std::string system = GetSystemFolder();
    std::string restore = system + "\\Restore\\rstrui.exe";
    if (PathExists(restore))
        ShellOpen(restore);
    else
        ShellOpen(system + "\\rstrui.exe");
}

void MainForm::OnRegeditClicked()
{
    std::string regedit = GetWindowsFolder() + "\\regedit.exe";
    if (PathExists(regedit))
        ShellOpen(regedit);
}

void MainForm::OnSiteLinkClicked()
{
    ShellOpen(kMakerSite);
}

void MainForm::OnBannerClicked()
{
    // As the maker's link: a fault on the way reaches the framework's error box.
    ShellOpen(kProductPage);
}

} // namespace aw
