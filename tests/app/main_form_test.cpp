// The main window built in-process under Wine: its layout, its tree, the tray and the
// lifecycle handlers.
#include "app_fixture.h"

#include "catalogue/trace_catalogue.h"
#include "catalogue/trace_tree.h"
#include "skin/forms/win_skin_form.h"
#include "skin/manager/skin_manager.h"

#include <algorithm>

namespace aw::test {
namespace {

struct Placement {
    const char* Name;
    int Left, Top, Width, Height;
    const char* Caption;
};

// Positions relative to the parent, as the window is designed.
const Placement kPlacements[] = {
    {"Panel1", -96, 0, 681, 65, ""},
    {"Label1", 112, 14, 165, 13, "Ashwarden"},
    {"Label2", 112, 32, 222, 13, "Easily delete traces of all known web browsers."},
    {"Panel2", 8, 80, 241, 378, ""},
    {"TreeView1", 8, 8, 220, 356, ""},
    {"Image1", 256, 80, 137, 425, ""},
    {"Button7", 280, 104, 89, 25, "Scan"},
    {"Button1", 280, 144, 89, 25, "Clean"},
    {"Bevel1", 280, 192, 89, 2, ""},
    {"Button2", 280, 216, 89, 25, "Settings"},
    {"Button3", 280, 256, 89, 25, "Save"},
    {"Button4", 280, 296, 89, 25, "Load"},
    {"Bevel2", 280, 344, 89, 2, ""},
    {"Button5", 280, 368, 89, 25, "Restore"},
    {"Button8", 280, 408, 89, 25, "Regedit"},
    {"Image2", 8, 464, 241, 41, ""},
    {"Label4", 274, 476, 102, 13, "ashwarden.example"},
};

using MainWindow = AppFixture;

TEST_F(MainWindow, CaptionSizeAndEveryControlInPlace)
{
    Build();
    char caption[64] = {};
    GetWindowTextA(main->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Ashwarden - v1.2.0.0");
    char className[32] = {};
    GetClassNameA(main->Handle(), className, sizeof className);
    EXPECT_STREQ(className, "TForm1");
    RECT client;
    GetClientRect(main->Handle(), &client);
    EXPECT_EQ(client.right, 402);
    EXPECT_EQ(client.bottom, 534);
    EXPECT_FALSE(GetWindowLongA(main->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX);

    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(p.Name);
        ui::Control* control = main->FindChild(p.Name);
        ASSERT_NE(control, nullptr);
        const ui::Bounds& b = control->GetBounds();
        EXPECT_EQ(b.Left, p.Left);
        EXPECT_EQ(b.Top, p.Top);
        EXPECT_EQ(b.Width, p.Width);
        EXPECT_EQ(b.Height, p.Height); {
        if (*p.Caption) {
            EXPECT_EQ(control->Caption(), p.Caption);
        }
        }
        if (auto* windowed = dynamic_cast<ui::WinControl*>(control)) {
            // The real window is where the design says, inside its parent.
            RECT area;
            GetWindowRect(windowed->Handle(), &area);
            MapWindowPoints(nullptr, GetParent(windowed->Handle()), reinterpret_cast<POINT*>(&area), 2);
            EXPECT_EQ(area.left, p.Left);
            EXPECT_EQ(area.top, p.Top);
            EXPECT_EQ(area.right - area.left, p.Width);
            EXPECT_EQ(area.bottom - area.top, p.Height);
        }
    }
    EXPECT_TRUE(main->Label4->Font().Bold);
    EXPECT_TRUE(main->Label4->Font().Underline);
    EXPECT_EQ(main->Label4->FontColor(), RGB(255, 255, 255));
    EXPECT_NE(main->Label4->Cursor(), nullptr);
    EXPECT_NE(main->Image2->Cursor(), nullptr);
    EXPECT_EQ(main->Image1->Picture().Width, 137);
    EXPECT_EQ(main->Image2->Picture().Width, 241);
    EXPECT_EQ(main->StatusBar1->PanelText(0), "  Copyright (c) Ashwarden contributors");
}

TEST_F(MainWindow, TreeHoldsTheCatalogueWithBoldGroups)
{
    Build();
    ui::TreeView& tree = *main->TreeView1;
    const auto& catalogue = TraceCatalogue();
    int groups = 0, categories = 0;
    ui::TreeNode group = tree.FirstRoot();
    for (const CatalogueGroup& expected : catalogue) {
        ASSERT_TRUE(group);
        EXPECT_EQ(group.Text(), expected.Text);
        EXPECT_TRUE(group.Bold()) << group.Text();
        EXPECT_EQ(group.StateIndex(), -1);
        ui::TreeNode child = group.FirstChild();
        for (std::string_view category : expected.Categories) {
            ASSERT_TRUE(child);
            EXPECT_EQ(child.Text(), category);
            EXPECT_EQ(child.StateIndex(), StateNotSelected);
            EXPECT_FALSE(child.Bold());
            child = child.NextSibling();
            ++categories;
        }
        EXPECT_FALSE(child);
        group = group.NextSibling();
        ++groups;
    }
    EXPECT_FALSE(group);
    EXPECT_EQ(groups, kTraceGroupCount);
    EXPECT_EQ(categories, kTraceCategoryCount);
    EXPECT_EQ(SendMessageA(tree.Handle(), TVM_GETINDENT, 0, 0), 19);
}

// The first show leaves open exactly the groups a full expansion followed by the collapse of
// unticked groups would: the ticked ones, wherever they are in the tree.
TEST_F(MainWindow, FirstShowOpensExactlyTheGroupsWithATick)
{
    WriteTextFile(ExeFolderFile("Settings.ini"), "[Options]\r\nCheckBox8=-1\r\n");
    WriteTextFile(ExeFolderFile("Traces.ini"), "[Apple Safari]\r\nCache=True\r\n[Windows]\r\nDNS Logs=True\r\n");
    Build();
    main->Show();
    Pump();
    int open = 0;
    for (ui::TreeNode group = main->TreeView1->FirstRoot(); group; group = group.NextSibling()) {
        const bool ticked = group.Text() == "Apple Safari" || group.Text() == "Windows";
        EXPECT_EQ(group.Expanded(), ticked) << group.Text();
        open += group.Expanded();
    }
    EXPECT_EQ(open, 2);
    EXPECT_EQ(Node("Windows", "DNS Logs").StateIndex(), StateSelected);
}

TEST_F(MainWindow, TrayMenuItemsInOrder)
{
    Build();
    std::vector<std::pair<std::string, std::string>> items;
    for (const auto& item : main->PopupMenu2.Items())
        items.emplace_back(item->Name, item->Caption);
    EXPECT_EQ(items, (std::vector<std::pair<std::string, std::string>>{{"ShowWindow1", "Show Window"},
                                                                       {"DeleteTraces1", "Delete Traces"},
                                                                       {"Settings1", "Settings"},
                                                                       {"N3", "-"},
                                                                       {"Exit1", "Exit"}}));
}

TEST_F(MainWindow, TrayRecordIsTheFirstVersionLayout)
{
    Build();
    const NOTIFYICONDATAA& record = main->Tray.Record();
    EXPECT_EQ(record.cbSize, 88u);
    EXPECT_EQ(record.hWnd, main->Handle());
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 1025u);
    EXPECT_NE(record.hIcon, nullptr);
    EXPECT_STREQ(record.szTip, "Ashwarden");
}

TEST_F(MainWindow, StartupKeepsTheWindowHiddenUntilTheTrayIconIsClicked)
{
    WriteTextFile(ExeFolderFile("Settings.ini"), "[Options]\r\nCheckBox6=-1\r\n");
    Build(StartMode::Startup);
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(TrayIconPresent(main->Handle()));
    // Not yet shown: the settings window holds its initial values.
    EXPECT_FALSE(settings->Option(OptionId::NoMessageAfterCleaning).Checked());

    // Other mouse reports on the icon do nothing.
    SendMessageA(main->Handle(), TrayCallbackMessage, 1, WM_MOUSEMOVE);
    EXPECT_FALSE(IsWindowVisible(main->Handle()));

    SendMessageA(main->Handle(), TrayCallbackMessage, 1, WM_LBUTTONDOWN);
    Pump();
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(settings->Option(OptionId::NoMessageAfterCleaning).Checked()); // the show handler loaded the settings
    // The settings window is made only when it is first needed, showing what was loaded.
    EXPECT_EQ(settings->Handle(), nullptr);
    settings->HandleNeeded();
    EXPECT_EQ(SendMessageA(settings->Option(OptionId::NoMessageAfterCleaning).Handle(), BM_GETCHECK, 0, 0),
              BST_CHECKED);
    EXPECT_TRUE(main->CollapseEnabled);
    EXPECT_TRUE(TrayIconPresent(main->Handle())); // showing keeps the icon
}

TEST_F(MainWindow, DeleteTracesBeforeTheFirstShowFindsNothingSelected)
{
    Build(StartMode::Startup);
    main->PopupMenu2.Choose(*main->PopupMenu2.Find("DeleteTraces1"));
    ASSERT_EQ(seams->Messages.size(), 1u);
    EXPECT_EQ(seams->Messages[0].Text, "No traces selected!");
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
}

TEST_F(MainWindow, CloseWithMinimizeToTrayHidesAndAddsTheIcon)
{
    Build();
    main->Show();
    Pump();
    ASSERT_TRUE(settings->Option(OptionId::MinimizeToTray).Checked());
    EXPECT_FALSE(TrayIconPresent(main->Handle()));
    main->Close();
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(TrayIconPresent(main->Handle()));
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    // The close saved the options in creation order.
    EXPECT_EQ(ReadTextFile(ExeFolderFile("Settings.ini")),
              "[Options]\r\nCheckBox6=0\r\nCheckBox1=0\r\nCheckBox2=-1\r\nCheckBox10=0\r\nCheckBox9=0\r\n"
              "CheckBox7=0\r\nCheckBox8=0\r\nCheckBox5=0\r\nCheckBox3=0\r\nCheckBox4=0\r\n");

    // A left click brings it back and runs the show steps again.
    WriteTextFile(ExeFolderFile("Settings.ini"), "[Options]\r\nCheckBox9=-1\r\n");
    SendMessageA(main->Handle(), TrayCallbackMessage, 1, WM_LBUTTONDOWN);
    Pump();
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(settings->Option(OptionId::ReduceMemoryWhileCleaning).Checked());
}

TEST_F(MainWindow, ExitSavesRemovesTheIconAndEndsWithCodeZero)
{
    Build();
    main->Show();
    Pump();
    main->Close(); // to the tray
    ASSERT_TRUE(TrayIconPresent(main->Handle()));
    DeleteFileA(ExeFolderFile("Settings.ini").c_str());

    main->PopupMenu2.Choose(*main->PopupMenu2.Find("Exit1"));
    EXPECT_FALSE(TrayIconPresent(main->Handle()));
    EXPECT_EQ(seams->ExitCodes, std::vector<unsigned>{0});
    EXPECT_NE(ReadTextFile(ExeFolderFile("Settings.ini")).find("CheckBox2=-1"), std::string::npos);
}

TEST_F(MainWindow, ExitBeforeTheFirstShowKeepsTheSavedSettings)
{
    const std::string stored = "[Options]\r\nCheckBox6=-1\r\nCheckBox2=0\r\n";
    WriteTextFile(ExeFolderFile("Settings.ini"), stored);
    Build(StartMode::Startup);
    main->PopupMenu2.Choose(*main->PopupMenu2.Find("Exit1"));
    EXPECT_EQ(seams->ExitCodes, std::vector<unsigned>{0});
    EXPECT_EQ(ReadTextFile(ExeFolderFile("Settings.ini")), stored);
}

TEST_F(MainWindow, CloseWithoutMinimizeToTrayEndsTheProgram)
{
    Build();
    main->Show();
    Pump();
    main->Tray.Add();
    settings->Option(OptionId::MinimizeToTray).SetChecked(false);
    main->Close();
    EXPECT_FALSE(TrayIconPresent(main->Handle()));
    // The application was told to end; take the quit message so no later test sees it.
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainWindow, SettingsButtonShowsTheSettingsWindowModally)
{
    Build();
    main->Show();
    Pump();
    bool mainDisabled = false;
    settings->OnMessage = [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_APP + 2)
            return false;
        mainDisabled = !IsWindowEnabled(main->Handle());
        settings->Button1->Click(); // "Close"
        result = 0;
        return true;
    };
    settings->HandleNeeded();
    PostMessageA(settings->Handle(), WM_APP + 2, 0, 0);
    main->Button2->Click();
    EXPECT_TRUE(mainDisabled);
    EXPECT_FALSE(IsWindowVisible(settings->Handle()));
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));

    // From the tray it is modeless: the main window is shown and stays usable.
    main->Hide();
    main->PopupMenu2.Choose(*main->PopupMenu2.Find("Settings1"));
    Pump();
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(IsWindowVisible(settings->Handle()));
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    settings->Hide();
}

TEST_F(MainWindow, SessionEndWaitsAndConsents)
{
    Build();
    LRESULT answer = SendMessageA(main->Handle(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(seams->Sleeps, std::vector<unsigned>{2000});
    EXPECT_TRUE(seams->Messages.empty()); // no Clean without the option

    settings->Option(OptionId::CleanWhenWindowsShutsDown).SetChecked(true);
    seams->Sleeps.clear();
    answer = SendMessageA(main->Handle(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(answer, 1);
    ASSERT_EQ(seams->Messages.size(), 1u); // the Clean command ran: nothing is selected
    EXPECT_EQ(seams->Messages[0].Text, "No traces selected!");
    EXPECT_EQ(seams->Sleeps, std::vector<unsigned>{2000});
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        Pump();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

TEST_F(MainWindow, WearsTheSkinItCarriesAndSoDoesTheSettingsWindow)
{
    Build();
    ASSERT_NE(main->SkinData1, nullptr);
    const skin::TSkinData& data = *main->SkinData1;
    EXPECT_TRUE(data.SkinReady());
    EXPECT_TRUE(data.Active());
    EXPECT_EQ(data.SkinName(), "Ashwarden");
    EXPECT_EQ(data.SkinFormtype(), skin::sfMainform);
    skin::TSkinManage* manager = skin::TSkinManage::Current();
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->HookInstalled());
    EXPECT_EQ(manager->MainSkin(), &data);

    RECT client{};
    GetClientRect(main->Handle(), &client);
    main->Show();
    PumpFor(250);
    auto* skinned = dynamic_cast<skin::TWinSkinForm*>(manager->FindForm(main->Handle()));
    ASSERT_NE(skinned, nullptr);
    EXPECT_EQ(&skinned->SkinData(), &data);
    RECT after{};
    GetClientRect(main->Handle(), &after);
    EXPECT_EQ(after.right, client.right);
    EXPECT_EQ(after.bottom, client.bottom);

    // The settings window is skinned when it is activated, with no call from the form.
    settings->HandleNeeded();
    EXPECT_EQ(manager->FindForm(settings->Handle()), nullptr);
    settings->Show();
    PumpFor(250);
    EXPECT_NE(manager->FindForm(settings->Handle()), nullptr);
    settings->Hide();

    // The skin goes with the window that carries it.
    main.reset();
    EXPECT_EQ(manager->SkinnedFormCount(), 0u);
    EXPECT_EQ(manager->MainSkin(), nullptr);
}

} // namespace
} // namespace aw::test
