// Settings.ini read into and written from the settings window's check boxes, under Wine.
#include "platform/folder_services.h"
#include "settings/cookies_page.h"
#include "settings/settings_form.h"
#include "settings/settings_store.h"
#include "support/ui_seams.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>
#include <sqlite3.h>

#include <algorithm>

#include <fstream>
#include <iterator>

namespace aw {
namespace {

std::string SettingsPath()
{
    return GetExeFolder() + "Settings.ini";
}

void WriteSettings(const std::string& text)
{
    std::ofstream(SettingsPath(), std::ios::binary | std::ios::trunc) << text;
}

std::string ReadSettings()
{
    std::ifstream in(SettingsPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileA(SettingsPath().c_str());
        ui::Application::Instance().Initialize();
        form.FormCreate();
        // Keep the option boxes' own side effects (Run-key entries) out of these tests.
        form.Option(OptionId::CleanWhenWindowsStarts).OnClick = nullptr;
        form.Option(OptionId::StartWithWindows).OnClick = nullptr;
    }
    void TearDown() override { DeleteFileA(SettingsPath().c_str()); }
    SettingsForm form;
};

TEST_F(SettingsStore, WindowHasItsPagesOptionsAndInitialStates)
{
    form.HandleNeeded();
    char caption[32] = {};
    GetWindowTextA(form.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Settings");
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 577);
    EXPECT_EQ(client.bottom, 397);
    ASSERT_EQ(form.pages->PageCount(), 5);
    EXPECT_EQ(form.pages->ActivePageIndex(), 0);
    const char* pageNames[] = {"TabSheet1", "TabSheet3", "TabSheet2", "TabSheet4", "TabSheet5"};
    const char* pageCaptions[] = {"  General  ", "  Cleaning  ", "  Schedule  ", "  Advanced  ", "  Cookies  "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form.pages->Page(i).Name(), pageNames[i]);
        EXPECT_EQ(form.pages->Page(i).Caption(), pageCaptions[i]);
    }
    std::vector<std::string> order;
    for (ui::CheckBox* box : form.OptionsInCreationOrder())
        order.push_back(box->Name() + (box->Checked() ? "+" : "-"));
    EXPECT_EQ(order, (std::vector<std::string>{"CheckBox6-", "CheckBox1-", "CheckBox2+", "CheckBox10-", "CheckBox9-",
                                               "CheckBox7-", "CheckBox8-", "CheckBox5-", "CheckBox3-",
                                               "CheckBox4-"}));
    EXPECT_EQ(form.Option(OptionId::DeleteIndexDatOnReboot).Parent(), &form.pages->Page(1));
    EXPECT_EQ(form.Option(OptionId::CleanWhenWindowsShutsDown).Parent(), &form.pages->Page(2));
    EXPECT_EQ(form.Option(OptionId::CleanWhenWindowsShutsDown).GetBounds().Top, 40);
    EXPECT_EQ(form.Option(OptionId::StartWithWindows).GetBounds().Top, 160);
    EXPECT_EQ(form.Option(OptionId::StartWithWindows).GetBounds().Width, 449);
    EXPECT_EQ(form.locationsMemo->Parent(), &form.pages->Page(3));

    // Tab order on the first page follows creation, not the top-to-bottom order.
    HWND page = form.pages->Page(0).Handle();
    HWND tabOrder[7] = {};
    tabOrder[0] = form.Option(OptionId::NoMessageAfterCleaning).Handle();
    for (int i = 1; i < 7; ++i)
        tabOrder[i] = GetNextDlgTabItem(page, tabOrder[i - 1], FALSE);
    const int expected[] = {6, 1, 2, 10, 9, 7, 8};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(tabOrder[i], form.Option(static_cast<OptionId>(expected[i])).Handle()) << i;
}

TEST_F(SettingsStore, WindowMadeLaterShowsWhatWasSetBefore)
{
    ASSERT_EQ(form.Handle(), nullptr);
    form.Option(OptionId::CreateRestorePoint).SetChecked(true);
    form.Option(OptionId::MinimizeToTray).SetChecked(false);
    form.locationsMemo->SetLines({"FIL:%TEMP%a.txt", "DIR:%TEMP%|*.tmp"});
    form.pages->SetActivePageIndex(3);
    form.saveLocationsButton->SetEnabled(false);
    EXPECT_EQ(form.locationsMemo->Lines(), (std::vector<std::string>{"FIL:%TEMP%a.txt", "DIR:%TEMP%|*.tmp"}));

    form.HandleNeeded();
    auto check = [](ui::CheckBox& box) { return SendMessageA(box.Handle(), BM_GETCHECK, 0, 0); };
    EXPECT_EQ(check(form.Option(OptionId::CreateRestorePoint)), BST_CHECKED);
    EXPECT_EQ(check(form.Option(OptionId::MinimizeToTray)), BST_UNCHECKED);
    char text[64] = {};
    GetWindowTextA(form.locationsMemo->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "FIL:%TEMP%a.txt\r\nDIR:%TEMP%|*.tmp");
    EXPECT_EQ(SendMessageA(form.pages->Handle(), TCM_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(TabCtrl_GetItemCount(form.pages->Handle()), 5);
    // Only the chosen page is shown (within the still hidden window).
    EXPECT_NE(GetWindowLongA(form.pages->Page(3).Handle(), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(GetWindowLongA(form.pages->Page(0).Handle(), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_FALSE(IsWindowEnabled(form.saveLocationsButton->Handle()));
    EXPECT_FALSE(form.saveLocationsButton->Enabled());
    // The sheets fill the area the tabs leave, as pages added to a live control do.
    RECT area{0, 0, 561, 273};
    TabCtrl_AdjustRect(form.pages->Handle(), FALSE, &area);
    EXPECT_EQ(form.pages->Page(2).GetBounds().Top, area.top);
    EXPECT_EQ(form.pages->Page(2).GetBounds().Width, area.right - area.left);
}

TEST_F(SettingsStore, FirstSaveWritesTheTenKeysInCreationOrder)
{
    SaveSettings(form);
    EXPECT_EQ(ReadSettings(), "[Options]\r\nCheckBox6=0\r\nCheckBox1=0\r\nCheckBox2=-1\r\nCheckBox10=0\r\n"
                              "CheckBox9=0\r\nCheckBox7=0\r\nCheckBox8=0\r\nCheckBox5=0\r\nCheckBox3=0\r\n"
                              "CheckBox4=0\r\n");
}

TEST_F(SettingsStore, ValuesReadAsTheRulesSay)
{
    // Start from a known state: 1..5 unchecked, 6..9 checked.
    for (int n = 1; n <= 9; ++n)
        form.Option(static_cast<OptionId>(n)).SetChecked(n >= 6);
    WriteSettings("[Options]\r\nCheckBox1=1\r\nCheckBox2=2\r\nCheckBox3=TRUE\r\nCheckBox6=0\r\n"
                  "checkbox7=false\r\nCheckBox8=yes\r\nCheckBox9=\r\nCheckBox4= -1 \r\n");
    LoadSettings(form);
    EXPECT_TRUE(form.Option(OptionId::CreateRestorePoint).Checked());
    EXPECT_TRUE(form.Option(OptionId::MinimizeToTray).Checked());
    EXPECT_TRUE(form.Option(OptionId::CleanWhenWindowsStarts).Checked());
    EXPECT_TRUE(form.Option(OptionId::CleanWhenWindowsShutsDown).Checked());
    EXPECT_FALSE(form.Option(OptionId::DeleteIndexDatOnReboot).Checked()); // missing key
    EXPECT_FALSE(form.Option(OptionId::NoMessageAfterCleaning).Checked());
    EXPECT_FALSE(form.Option(OptionId::SaveSelectionToIni).Checked()); // key names ignore case
    EXPECT_TRUE(form.Option(OptionId::LoadSelectionFromIni).Checked());  // "yes" leaves it
    EXPECT_TRUE(form.Option(OptionId::ReduceMemoryWhileCleaning).Checked());  // "" leaves it
}

TEST_F(SettingsStore, MissingFileChangesNothing)
{
    form.Option(OptionId::NoMessageAfterCleaning).SetChecked(true);
    LoadSettings(form);
    EXPECT_TRUE(form.Option(OptionId::NoMessageAfterCleaning).Checked());
    EXPECT_TRUE(form.Option(OptionId::MinimizeToTray).Checked());
}

TEST_F(SettingsStore, ChangedStoredStateRunsTheClickHandlerOnce)
{
    int clicks = 0;
    form.Option(OptionId::StartWithWindows).OnClick = [&] { ++clicks; };
    WriteSettings("[Options]\r\nCheckBox10=0\r\n");
    LoadSettings(form);
    EXPECT_EQ(clicks, 0);
    WriteSettings("[Options]\r\nCheckBox10=-1\r\n");
    LoadSettings(form);
    EXPECT_EQ(clicks, 1);
    LoadSettings(form);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SettingsStore, AnErrorFromAClickHandlerIsSwallowedAndLoadingGoesOn)
{
    form.Option(OptionId::StartWithWindows).OnClick = [] { throw std::runtime_error("Failed to set data for 'Ashwarden Startup'"); };
    WriteSettings("[Options]\r\nCheckBox10=-1\r\nCheckBox9=-1\r\n");
    EXPECT_NO_THROW(LoadSettings(form));
    EXPECT_TRUE(form.Option(OptionId::StartWithWindows).Checked());
    EXPECT_TRUE(form.Option(OptionId::ReduceMemoryWhileCleaning).Checked());
}

TEST_F(SettingsStore, OtherKeysSurviveASave)
{
    WriteSettings("[Options]\r\nExtra=kept\r\nCheckBox6=-1\r\n[Other]\r\nA=1\r\n");
    LoadSettings(form);
    SaveSettings(form);
    std::string text = ReadSettings();
    EXPECT_NE(text.find("Extra=kept"), std::string::npos);
    EXPECT_NE(text.find("[Other]\r\nA=1"), std::string::npos);
    EXPECT_NE(text.find("CheckBox6=-1"), std::string::npos);
    EXPECT_EQ(text.find("True"), std::string::npos);
}

// The program's folder may have a name the code page cannot spell: its options are still
// written and read, and the file stays the plain text it always was.
TEST_F(SettingsStore, AFolderNamedInAnyScriptHoldsTheSameFile)
{
    const std::string folder = "\xD0\xBF\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0 \xE5\xA0\xB1"; // "папка 報"
    const std::string exe = GetExeFolder(); // ASCII in the test prefix
    const std::wstring wideFolder = std::wstring(exe.begin(), exe.end()) + L"\u043F\u0430\u043F\u043A\u0430 \u5831";
    const std::wstring file = wideFolder + L"\\Settings.ini";
    ASSERT_TRUE(CreateDirectoryW(wideFolder.c_str(), nullptr));
    WriteOption(folder + "\\Settings.ini", "Options", "CheckBox6", "-1");
    ReadOption(form.Option(OptionId::NoMessageAfterCleaning), folder + "\\Settings.ini", "Options", "CheckBox6");
    EXPECT_TRUE(form.Option(OptionId::NoMessageAfterCleaning).Checked());

    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char bytes[64] = {};
    DWORD got = 0;
    ReadFile(handle, bytes, sizeof bytes, &got, nullptr);
    CloseHandle(handle);
    EXPECT_EQ(std::string(bytes, got), "[Options]\r\nCheckBox6=-1\r\n");
    DeleteFileW(file.c_str());
    RemoveDirectoryW(wideFolder.c_str());
}

// A Chromium profile's cookie database and an Internet Explorer cookie file in the prefix.
class CookiesPageTest : public SettingsStore {
protected:
    void SetUp() override
    {
        SettingsStore::SetUp();
        DeleteFileA(KeepPath().c_str());
        SHCreateDirectoryExA(nullptr, (profile_ + "\\Network").c_str(), nullptr);
        std::ofstream(profile_ + "\\Preferences") << "{}";
        sqlite3_open(database_.c_str(), &db_);
        sqlite3_exec(db_,
                     "CREATE TABLE cookies (host_key TEXT, name TEXT, value TEXT);"
                     "INSERT INTO cookies VALUES ('.mail.example.com', 'a', '1'), ('news.example.org', 'b', '2'),"
                     " ('NEWS.example.org', 'c', '3');",
                     nullptr, nullptr, nullptr);
        CreateDirectoryA(GetSpecialFolder(kCsidlCookies).c_str(), nullptr);
        std::ofstream(ieFile_, std::ios::binary) << "id\n7\nie.example.net/\n1536\n1\n2\n3\n4\n*\n";
    }
    void TearDown() override
    {
        sqlite3_close(db_);
        for (const std::string& file : {database_, profile_ + "\\Preferences", ieFile_, KeepPath()})
            DeleteFileA(file.c_str());
        RemoveDirectoryA((profile_ + "\\Network").c_str());
        RemoveDirectoryA(profile_.c_str());
        SettingsStore::TearDown();
    }
    static std::string KeepPath() { return GetExeFolder() + "Keep.ini"; }
    static std::string ReadKeep()
    {
        std::ifstream in(KeepPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string profile_ = GetSpecialFolder(kCsidlLocalAppData) + "\\Google\\Chrome\\User Data\\Page Test";
    std::string database_ = profile_ + "\\Network\\Cookies";
    std::string ieFile_ = GetSpecialFolder(kCsidlCookies) + "\\user@ie.example[1].txt";
    sqlite3* db_ = nullptr;
};

// The page lists the hosts of every cookie store, read while a browser holds its database
// locked and without changing it; a typed site is kept in its canonical form and leaves the left
// list with its sub-domains; what is no site is refused with a message; removing writes
// Keep.ini again.
TEST_F(CookiesPageTest, ListsTheSitesWithCookiesAndWritesTheSitesToKeep)
{
    ASSERT_EQ(sqlite3_exec(db_, "BEGIN EXCLUSIVE; UPDATE cookies SET value = value;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::ifstream in(database_, std::ios::binary);
    const std::string before(std::istreambuf_iterator<char>(in), {});
    form.HandleNeeded();
    CookiesPage& page = *form.Cookies();
    page.Show();
    const std::vector<std::string>& found = page.SitesWithCookies();
    for (const char* host : {"mail.example.com", "news.example.org", "ie.example.net"})
        EXPECT_EQ(1, std::count(found.begin(), found.end(), host)) << host;
    std::ifstream again(database_, std::ios::binary);
    EXPECT_EQ(before, std::string(std::istreambuf_iterator<char>(again), {}));
    ASSERT_EQ(sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);

    page.SiteEdit->SetText("https://Example.ORG/inbox");
    page.KeepTypedSite();
    EXPECT_EQ(page.SitesToKeep().Domains(), std::vector<std::string>{"example.org"});
    EXPECT_EQ(0, std::count(page.SitesWithCookies().begin(), page.SitesWithCookies().end(), "news.example.org"));
    EXPECT_NE(std::string::npos, ReadKeep().find("\r\nexample.org\r\n"));
    const std::string written = ReadKeep();
    page.SiteEdit->SetText("not a site!");
    page.KeepTypedSite();
    EXPECT_NE(std::string::npos, page.Message().find("not a site name"));
    EXPECT_EQ(written, ReadKeep());

    EXPECT_EQ(page.KeptList->Lines(), std::vector<std::string>{"example.org"});
    SendMessageA(page.KeptList->Handle(), EM_SETSEL, 0, 0); // the cursor on its first line
    page.RemoveSelectedSite();
    EXPECT_TRUE(page.SitesToKeep().empty());
    EXPECT_EQ(std::string::npos, ReadKeep().find("\r\nexample.org\r\n"));
}

} // namespace
} // namespace aw
