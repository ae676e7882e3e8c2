// The Clean command in-process under Wine, its message boxes answered through the seams.
#include "app_fixture.h"

#include "app/trace_tree.h"
#include "platform/folder_services.h"
#include "platform/registry_key.h"

namespace aw::test {
namespace {

constexpr char kMarker[] = "Software\\Marrowind\\Vosk\\SecondRun";
constexpr char kQuestion[] = "Do you want to create a system restore point (recommended) ?";
constexpr char kRestoreFailed[] = "Could not create a system restore point... Continue anyway ?";

class CleanCommand : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Build();
    }
    // "Custom Locations" with an empty script: a run that deletes nothing.
    void TickHarmlessCategory() { Tick("Advanced", "Custom Locations"); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& message : seams->Messages)
            texts.push_back(message.Text);
        return texts;
    }
};

TEST_F(CleanCommand, NothingSelectedWarnsAndDoesNothingElse)
{
    main->CleanCommand();
    ASSERT_EQ(seams->Messages.size(), 1u);
    EXPECT_EQ(seams->Messages[0].Text, "No traces selected!");
    EXPECT_EQ(seams->Messages[0].Caption, "Warning");
    EXPECT_EQ(seams->Messages[0].Style, static_cast<unsigned>(MB_ICONEXCLAMATION | MB_TOPMOST));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kMarker));
    EXPECT_TRUE(seams->Sleeps.empty());
    EXPECT_TRUE(main->cleanButton->Enabled());
}

TEST_F(CleanCommand, FirstRunQuestionComesOncePerUserWithTheMarkerWrittenFirst)
{
    TickHarmlessCategory();
    bool markerBeforeQuestion = false;
    seams->OnMessage = [&](const ShownMessage& message) {
        if (message.Text == kQuestion)
            markerBeforeQuestion = RegValueExists(HKEY_CURRENT_USER, kMarker);
    };
    seams->Answers = {IDNO};
    main->CleanCommand();
    EXPECT_TRUE(markerBeforeQuestion);
    ASSERT_EQ(seams->Messages.size(), 2u);
    EXPECT_EQ(seams->Messages[0].Text, kQuestion);
    EXPECT_EQ(seams->Messages[0].Caption, "Info");
    EXPECT_EQ(seams->Messages[0].Style, static_cast<unsigned>(MB_YESNO | MB_ICONINFORMATION | MB_TOPMOST));
    EXPECT_EQ(seams->Messages[1].Caption, "Info"); // the summary: No cleans without a restore point
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kMarker), std::optional<std::string>("1"));

    seams->Messages.clear();
    main->CleanCommand();
    ASSERT_EQ(seams->Messages.size(), 1u);
    EXPECT_EQ(seams->Messages[0].Text.rfind("Time elapsed: ", 0), 0u);
}

TEST_F(CleanCommand, RestorePointOptionSkipsTheQuestionAndAsksWhenItFails)
{
    TickHarmlessCategory();
    settings->Option(OptionId::CreateRestorePoint).SetChecked(true);
    // Wine's System Restore always fails: the user is asked whether to go on. No stops.
    seams->Answers = {IDNO};
    main->CleanCommand();
    EXPECT_EQ(Texts(), std::vector<std::string>{kRestoreFailed});
    EXPECT_EQ(seams->Messages[0].Style, static_cast<unsigned>(MB_YESNO | MB_ICONEXCLAMATION | MB_TOPMOST));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kMarker));
    EXPECT_TRUE(seams->Sleeps.empty()); // stopped before the run
    EXPECT_TRUE(main->cleanButton->Enabled());

    // Yes cleans; the marker is still not written while the option is on.
    seams->Messages.clear();
    seams->Answers = {IDYES};
    main->CleanCommand();
    ASSERT_EQ(seams->Messages.size(), 2u);
    EXPECT_EQ(seams->Messages[0].Text, kRestoreFailed);
    EXPECT_EQ(seams->Messages[1].Text.rfind("Time elapsed: ", 0), 0u);
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kMarker));

    // Turned off later, the next Clean asks once.
    settings->Option(OptionId::CreateRestorePoint).SetChecked(false);
    seams->Messages.clear();
    seams->Answers = {IDNO};
    main->CleanCommand();
    ASSERT_FALSE(seams->Messages.empty());
    EXPECT_EQ(seams->Messages[0].Text, kQuestion);
}

TEST_F(CleanCommand, YesToTheQuestionTriesARestorePointAndMayStop)
{
    TickHarmlessCategory();
    seams->Answers = {IDYES, IDNO};
    main->CleanCommand();
    EXPECT_EQ(Texts(), (std::vector<std::string>{kQuestion, kRestoreFailed}));
    EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, kMarker));
    EXPECT_TRUE(seams->Sleeps.empty());
}

TEST_F(CleanCommand, ButtonIsDisabledUntilTheSecondAfterTheRun)
{
    TickHarmlessCategory();
    RegWriteString(HKEY_CURRENT_USER, kMarker, "1");
    bool disabledDuringPause = false;
    seams->OnSleep = [&](unsigned ms) {
        if (ms == 1000)
            disabledDuringPause = !main->cleanButton->Enabled();
    };
    main->CleanCommand();
    EXPECT_EQ(seams->Sleeps, std::vector<unsigned>{1000});
    EXPECT_TRUE(disabledDuringPause);
    EXPECT_TRUE(main->cleanButton->Enabled());
}

TEST_F(CleanCommand, NoSummaryWithTheOption)
{
    TickHarmlessCategory();
    RegWriteString(HKEY_CURRENT_USER, kMarker, "1");
    settings->Option(OptionId::NoMessageAfterCleaning).SetChecked(true);
    main->CleanCommand();
    EXPECT_TRUE(seams->Messages.empty());
    EXPECT_EQ(seams->Sleeps, std::vector<unsigned>{1000});
    EXPECT_TRUE(main->cleanButton->Enabled());
}

TEST_F(CleanCommand, SummaryCountsWhatTheRunDeleted)
{
    RegWriteString(HKEY_CURRENT_USER, kMarker, "1");
    // Two files in the recent-documents folder and the Run dialog's history key.
    std::string recent = GetSpecialFolder(kCsidlRecent);
    ASSERT_FALSE(recent.empty());
    CreateDirectoryA(recent.c_str(), nullptr);
    WriteTextFile(recent + "\\one.lnk", std::string(100, 'a'));
    WriteTextFile(recent + "\\two.lnk", std::string(250, 'b'));
    const char* runMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, std::string(runMru) + "\\a", "notepad\\1"));

    Tick("Windows", "Recent Folder");
    Tick("Windows", "Run MRU List");
    main->CleanCommand();

    EXPECT_EQ(GetFileAttributesA((recent + "\\one.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((recent + "\\two.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, runMru));
    ASSERT_EQ(seams->Messages.size(), 1u);
    const std::string& summary = seams->Messages[0].Text;
    EXPECT_EQ(seams->Messages[0].Caption, "Info");
    EXPECT_EQ(seams->Messages[0].Style, static_cast<unsigned>(MB_ICONINFORMATION | MB_TOPMOST));
    EXPECT_NE(summary.find("\r\nFiles deleted: 2\r\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("\r\nRegistry keys deleted: 1\r\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("\r\nDisk space cleaned: 350 bytes (350 bytes)"), std::string::npos) << summary;
    EXPECT_EQ(main->Counters().FilesDeleted, 2);

    // The next run starts from zero.
    seams->Messages.clear();
    main->CleanCommand();
    EXPECT_NE(seams->Messages.at(0).Text.find("Files deleted: 0"), std::string::npos);
}

TEST_F(CleanCommand, MessagesAreDispatchedDuringTheRunAndASecondCleanIsIgnored)
{
    RegWriteString(HKEY_CURRENT_USER, kMarker, "1");
    // Enough files that the worker is still busy when the wait loop first dispatches.
    std::string recent = GetSpecialFolder(kCsidlRecent);
    CreateDirectoryA(recent.c_str(), nullptr);
    for (int i = 0; i < 300; ++i)
        WriteTextFile(recent + "\\f" + std::to_string(i) + ".lnk", "x");
    Tick("Windows", "Recent Folder");
    settings->Option(OptionId::ReduceMemoryWhileCleaning).SetChecked(true); // changes nothing of the wait

    bool dispatchedDuringRun = false;
    auto inner = main->OnMessage;
    main->OnMessage = [&, inner](UINT message, WPARAM w, LPARAM l, LRESULT& r) {
        if (message == WM_APP + 7) {
            dispatchedDuringRun = main->CleaningActive();
            main->CleanCommand(); // a tray "Delete Traces" during the run
            r = 0;
            return true;
        }
        return inner(message, w, l, r);
    };
    PostMessageA(main->Handle(), WM_APP + 7, 0, 0);
    main->CleanCommand();
    main->OnMessage = inner;

    EXPECT_TRUE(dispatchedDuringRun);
    // One summary, one pause: the request during the run started nothing.
    ASSERT_EQ(seams->Messages.size(), 1u);
    EXPECT_NE(seams->Messages[0].Text.find("Files deleted: 300"), std::string::npos);
    EXPECT_EQ(seams->Sleeps, std::vector<unsigned>{1000});
}

// "Exit" from the tray while a Clean runs: the run stops after the file in hand, the program
// then ends as Exit ends it, and no summary comes.
TEST_F(CleanCommand, ExitDuringARunStopsItAfterTheEntryInHandAndThenEnds)
{
    RegWriteString(HKEY_CURRENT_USER, kMarker, "1");
    std::string recent = GetSpecialFolder(kCsidlRecent);
    CreateDirectoryA(recent.c_str(), nullptr);
    constexpr int kFiles = 3000;
    for (int i = 0; i < kFiles; ++i)
        WriteTextFile(recent + "\\s" + std::to_string(i) + ".lnk", "x");
    Tick("Windows", "Recent Folder");

    auto inner = main->OnMessage;
    main->OnMessage = [&, inner](UINT message, WPARAM w, LPARAM l, LRESULT& r) {
        if (message == WM_APP + 8) {
            main->trayMenu.Choose(*main->trayMenu.Find("Exit"));
            r = 0;
            return true;
        }
        return inner(message, w, l, r);
    };
    PostMessageA(main->Handle(), WM_APP + 8, 0, 0);
    main->CleanCommand();
    main->OnMessage = inner;

    EXPECT_FALSE(main->CleaningActive());
    EXPECT_EQ(seams->ExitCodes, std::vector<unsigned>{0});
    EXPECT_TRUE(seams->Messages.empty());
    int left = 0;
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = recent + "\\s" + std::to_string(i) + ".lnk";
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ++left;
            DeleteFileA(path.c_str());
        }
    }
    EXPECT_GT(left, 0);
    EXPECT_EQ(main->Counters().FilesDeleted, kFiles - left);
}

} // namespace
} // namespace aw::test

namespace aw::test {
namespace {

using CustomLocations = AppFixture;

TEST_F(CustomLocations, ScriptLoadedAtShowRunsWhenTicked)
{
    std::string temp = GetTempFolder();
    std::string target = temp + "aw-custom-trace.txt";
    std::string keep = temp + "aw-custom-keep.txt";
    WriteTextFile(target, "12345");
    WriteTextFile(keep, "keep");
    WriteTextFile(ExeFolderFile("Locations.txt"), "FIL:%TEMP%aw-custom-trace.txt\r\n");
    RegWriteString(HKEY_CURRENT_USER, "Software\\Marrowind\\Vosk\\SecondRun", "1");

    Build();
    main->Show();
    Pump();
    EXPECT_EQ(settings->locationsMemo->Lines(), std::vector<std::string>{"FIL:%TEMP%aw-custom-trace.txt"});
    // The scan ticks "Custom Locations" when the script has a line.
    ui::TreeNode custom = Node("Advanced", "Custom Locations");
    EXPECT_EQ(custom.StateIndex(), StateSelected);
    main->SetSelection(TraceSelection::Named({{"Advanced", "Custom Locations"}}));

    main->CleanCommand();
    EXPECT_EQ(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(keep.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(seams->Messages.size(), 1u);
    EXPECT_NE(seams->Messages[0].Text.find("Files deleted: 1\r\n"), std::string::npos);
    EXPECT_NE(seams->Messages[0].Text.find("Disk space cleaned: 5 bytes"), std::string::npos);
    DeleteFileA(keep.c_str());
}

} // namespace
} // namespace aw::test

namespace aw::test {
namespace {

TEST_F(CleanCommand, StatusBarFollowsTheRunAndComesBackAfterIt)
{
    RegWriteString(HKEY_CURRENT_USER, kMarker, "1");
    std::string recent = GetSpecialFolder(kCsidlRecent);
    CreateDirectoryA(recent.c_str(), nullptr);
    for (int i = 0; i < 3000; ++i)
        WriteTextFile(recent + "\\p" + std::to_string(i) + ".lnk", "xy");
    Tick("Windows", "Recent Folder");
    const std::string before = main->statusBar->PanelText(0);

    // Reads the status bar from the window's own thread while the run goes on: a timer's
    // message comes only when the queue is empty, so the wait loop still gets its turn.
    std::vector<std::string> seen;
    auto inner = main->OnMessage;
    main->OnMessage = [&, inner](UINT message, WPARAM w, LPARAM l, LRESULT& r) {
        if (message == WM_TIMER && w == 77) {
            if (main->CleaningActive())
                seen.push_back(main->statusBar->PanelText(0));
            r = 0;
            return true;
        }
        return inner(message, w, l, r);
    };
    SetTimer(main->Handle(), 77, 30, nullptr);
    main->CleanCommand();
    KillTimer(main->Handle(), 77);
    main->OnMessage = inner;

    std::vector<std::string> progress;
    for (const std::string& text : seen)
        if (text != before)
            progress.push_back(text);
    ASSERT_FALSE(progress.empty()) << seen.size() << " looks, none during the run";
    EXPECT_EQ(progress.back().rfind("  Cleaning Windows > Recent Folder: ", 0), 0u) << progress.back();
    EXPECT_NE(progress.back().find(" files, "), std::string::npos) << progress.back();
    EXPECT_EQ(progress.back().find(": 0 files"), std::string::npos) << progress.back();
    EXPECT_EQ(main->statusBar->PanelText(0), before);
}

} // namespace
} // namespace aw::test
