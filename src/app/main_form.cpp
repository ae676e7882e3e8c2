#include "app/main_form.h"

#include "catalogue/trace_scan.h"
#include "catalogue/trace_selection_file.h"
#include "catalogue/trace_selection_file_text.h"
#include "catalogue/trace_tree.h"
#include "catalogue/tree_selection.h"
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
    SkinData1 = std::make_unique<skin::TSkinData>(hwnd_, skin::ProcessSkinManager);
    skin::TSkinData& data = *SkinData1;
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
    TreeView1 = &treePanel.Add<ui::TreeView>(ui::Bounds{8, 8, 220, 356}, "TreeView1");
    SendMessageA(TreeView1->Handle(), TVM_SETINDENT, 19, 0);
    BuildTraceTree(*TreeView1);
    TreeView1->OnCollapsing = [this](const ui::TreeNode&, bool& allow) { TreeView1Collapsing(allow); };
    TreeView1->OnClick = [this] { TreeView1Click(); };
    TreeView1->OnKeyDown = [this](WORD key) { TreeView1KeyDown(key); };
    TreeView1->OnContextPopup = [this](POINT screen) { PopupMenu1.Popup(hwnd_, screen); };

    Image1 = &Add<ui::Image>(ui::Bounds{256, 80, 137, 425}, "Image1");
    Image1->LoadJpegResource("STRIP");

    Button7 = &Add<ui::Button>(ui::Bounds{280, 104, 89, 25}, "Button7", "Scan");
    Button7->OnClick = [this] { Button7Click(); };
    Button1 = &Add<ui::Button>(ui::Bounds{280, 144, 89, 25}, "Button1", "Clean");
    Button1->OnClick = [this] { CleanCommand(); };
    Add<ui::Bevel>(ui::Bounds{280, 192, 89, 2}, "Bevel1");
    Button2 = &Add<ui::Button>(ui::Bounds{280, 216, 89, 25}, "Button2", "Settings");
    Button2->OnClick = [this] { settings_.ShowModal(); };
    Button3 = &Add<ui::Button>(ui::Bounds{280, 256, 89, 25}, "Button3", "Save");
    Button3->OnClick = [this] { SaveTraceSelection(kTracesFileName, *TreeView1); };
    Button4 = &Add<ui::Button>(ui::Bounds{280, 296, 89, 25}, "Button4", "Load");
    Button4->OnClick = [this] { LoadTraceSelection(kTracesFileName, *TreeView1); };
    Add<ui::Bevel>(ui::Bounds{280, 344, 89, 2}, "Bevel2");
    Button5 = &Add<ui::Button>(ui::Bounds{280, 368, 89, 25}, "Button5", "Restore");
    Button5->OnClick = [this] { Button5Click(); };
    Button8 = &Add<ui::Button>(ui::Bounds{280, 408, 89, 25}, "Button8", "Regedit");
    Button8->OnClick = [this] { Button8Click(); };

    Image2 = &Add<ui::Image>(ui::Bounds{8, 464, 241, 41}, "Image2");
    Image2->LoadJpegResource("BANNER");
    Image2->HandCursor = hand;
    Image2->OnClick = [this] { Image2Click(); };

    Label4 = &Add<ui::Label>(ui::Bounds{274, 476, 102, 13}, "Label4", "ashwarden.example");
    Label4->SetFont(SansSerif(true, true));
    Label4->SetFontColor(RGB(255, 255, 255));
    Label4->HandCursor = hand;
    Label4->OnClick = [this] { Label4Click(); };

    StatusBar1 = &Add<ui::StatusBar>(ui::Bounds{0, 515, 402, 19}, "StatusBar1");
    StatusBar1->SetPanels({{50, std::string("  ") + kCopyright}});
}

void MainForm::BuildTrayMenu()
{
    PopupMenu2.AddItem("ShowWindow1", "Show Window", [this] { ShowWindow1Click(); });
    PopupMenu2.AddItem("DeleteTraces1", "Delete Traces", [this] { CleanCommand(); });
    PopupMenu2.AddItem("Settings1", "Settings", [this] { Settings1Click(); });
    PopupMenu2.AddItem("N3", "-");
    PopupMenu2.AddItem("Exit1", "Exit", [this] { Exit1Click(); });
}

void MainForm::BuildTreeMenu()
{
    PopupMenu1.AddItem("Checall1", "Check All", [this] { CheckAllTraces(*TreeView1); });
    PopupMenu1.AddItem("UnCheckAll1", "UnCheck All", [this] { UncheckAllTraces(*TreeView1); });
    PopupMenu1.AddItem("N1", "-");
    PopupMenu1.AddItem("FullCollapse2", "Full Expand", [this] { TreeView1->FullExpand(); });
    PopupMenu1.AddItem("FullCollapse1", "Full Collapse", [this] { FullCollapse1Click(); });
    PopupMenu1.AddItem("N2", "-");
    PopupMenu1.AddItem("Expand1", "Expand", [this] { Expand1Click(); });
    PopupMenu1.AddItem("Collapse1", "Collapse", [this] { Collapse1Click(); });
    PopupMenu1.AddItem("N4", "-");
    PopupMenu1.AddItem("EnableCollapse1", "Enable Collapse", [this] { EnableCollapse1Click(); }, true, true);
    ui::MenuItem& showRoot = PopupMenu1.AddItem("ShowRootPath1", "Show Root Path", {}, true, false);
    showRoot.OnClick = [this, &showRoot] { TreeView1->SetShowRoot(showRoot.Checked); };
    ui::MenuItem& showLines = PopupMenu1.AddItem("ShowLines1", "Show Lines", {}, true, false);
    showLines.OnClick = [this, &showLines] { TreeView1->SetShowLines(showLines.Checked); };
    PopupMenu1.AddItem("N5", "-");
    PopupMenu1.AddItem("Preview1", "Preview...", [this] { PreviewCommand(); });
}

void MainForm::TreeView1Click()
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(TreeView1->Handle(), &point);
    ui::TreeView::Hit hit = TreeView1->HitTest(point);
    if (!(hit.Flags & TVHT_ONITEMSTATEICON))
        return;
    // The control may report the click before it moves its selection to the clicked item, so
    // the item under the box is made the selected one and toggled.
    if (hit.Node && !(TreeView1->Selected() == hit.Node))
        TreeView1->Select(hit.Node);
    ToggleNodeState(TreeView1->Selected());
}

void MainForm::TreeView1KeyDown(WORD key)
{
    if (key == VK_SPACE)
        ToggleNodeState(TreeView1->Selected());
}

void MainForm::TreeView1Collapsing(bool& allowCollapse)
{
    allowCollapse = CollapseEnabled;
}

ui::TreeNode MainForm::TargetGroup() const
{
    ui::TreeNode selected = TreeView1->Selected();
    if (!selected)
        return selected;
    return selected.Level() == 0 ? selected : selected.Parent();
}

void MainForm::Expand1Click()
{
    if (ui::TreeNode group = TargetGroup())
        group.Expand();
}

void MainForm::Collapse1Click()
{
    if (ui::TreeNode group = TargetGroup())
        group.Collapse();
}

void MainForm::FullCollapse1Click()
{
    ui::MenuItem* enable = PopupMenu1.Find("EnableCollapse1");
    if (!enable->Checked)
        PopupMenu1.Choose(*enable);
    TreeView1->FullCollapse();
}

void MainForm::EnableCollapse1Click()
{
    CollapseEnabled = PopupMenu1.Find("EnableCollapse1")->Checked;
}

void MainForm::FormCreate()
{
    Tray.Fill(hwnd_, ui::ApplicationIcon(), ui::Application::Instance().Title());
    // Expanding every group here and collapsing most of them again at the first show, one
    // group at a time, is the dearest part of starting up; the tree is not visible before that
    // show, so the show expands just the groups that stay open.
    expansionPending_ = true;
    BoldGroupNodes(*TreeView1);
    if (mode_ == StartMode::Startup)
        Tray.Add();
}

void MainForm::Button7Click()
{
    // A clipboard error ends the handler here, before the collapsing.
    ScanTraces(*TreeView1, settings_.Memo1->Lines().size());
    CollapseUnselectedGroups(*TreeView1);
}

void MainForm::DecideStartSelection()
{
    LoadSettings(settings_);
    settingsLoaded_ = true;
    bool useSavedSelection = settings_.Option(OptionId::LoadSelectionFromIni).Checked();
    if (useSavedSelection)
        LoadTraceSelection(kTracesFileName, *TreeView1);
    LoadLocationsAtShow(*settings_.Memo1);
    CollapseEnabled = true;
    if (!useSavedSelection)
        ScanTraces(*TreeView1, settings_.Memo1->Lines().size());
}

void MainForm::FormShow()
{
    DecideStartSelection();
    if (std::exchange(expansionPending_, false))
        ExpandSelectedGroups(*TreeView1);
    ScrollTreeToTop(*TreeView1);
    if (mode_ == StartMode::Clean) {
        RunCleaningAndWait();
        ui::Application::Instance().EndProcess(0);
        return;
    }
    CollapseUnselectedGroups(*TreeView1);
}

void MainForm::SaveOnClose()
{
    if (settingsLoaded_)
        SaveSettings(settings_);
    if (settings_.Option(OptionId::SaveSelectionToIni).Checked())
        SaveTraceSelection(kTracesFileName, *TreeView1);
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
    // The program ends: leave no icon behind in the notification area.
    Tray.Remove();
}

void MainForm::Exit1Click()
{
    SaveOnClose();
    Tray.Remove();
    Close();
    Tray.Remove();
    ui::Application::Instance().EndProcess(0);
}

void MainForm::ShowWindow1Click()
{
    Show();
}

void MainForm::Settings1Click()
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
        PopupMenu2.Popup(hwnd_, cursor);
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
    if (settings_.Option(OptionId::CleanWhenWindowsShutsDown).Checked())
        CleanCommand();
    ui::Application::Instance().Sleep(2000);
    return 1;
}

bool MainForm::HandleFormMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message == TrayCallbackMessage) {
        result = TrayCallback(lParam);
        return true;
    }
    if (message == WM_QUERYENDSESSION) {
        result = QueryEndSession();
        return true;
    }
    return false;
}

void MainForm::Button5Click()
{
    std::string system = GetSystemFolder();
    std::string restore = system + "\\Restore\\rstrui.exe";
    if (PathExists(restore))
        ShellOpen(restore);
    else
        ShellOpen(system + "\\rstrui.exe");
}

void MainForm::Button8Click()
{
    std::string regedit = GetWindowsFolder() + "\\regedit.exe";
    if (PathExists(regedit))
        ShellOpen(regedit);
}

void MainForm::Label4Click()
{
    ShellOpen(kMakerSite);
}

void MainForm::Image2Click()
{
    try {
        ShellOpen(kProductPage);
    } catch (...) {
    }
}

} // namespace aw
