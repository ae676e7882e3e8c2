// The Run-key entries written by the settings window's two check boxes, on the private
// prefix's registry, and the restore point.
#include "platform/folder_services.h"
#include "settings/autostart.h"
#include "settings/restore_point.h"
#include "settings/settings_form.h"
#include "settings/settings_store.h"
#include "ui/application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

namespace aw {
namespace {

constexpr char kSchedule[] = "Ashwarden Schedule";
constexpr char kStartup[] = "Ashwarden Startup";
constexpr char kProbeVariable[] = "AW_AUTOSTART_PROBE";

void RequireSandbox()
{
    if (GetFileAttributesA("Z:\\") != INVALID_FILE_ATTRIBUTES || !std::getenv("AW_SOURCE_DIR")) {
        std::fprintf(stderr, "refusing to run: not inside the test sandbox\n");
        std::exit(2);
    }
}

std::string RunningExe()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The value's text when it is a REG_SZ whose stored bytes end in its terminating NUL.
std::optional<std::string> RunValue(const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char data[1024] = {};
    DWORD size = sizeof data - 1, type = 0;
    LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ || size == 0 || data[size - 1] != '\0')
        return std::nullopt;
    return std::string(data, size - 1);
}

void SetRunValue(const std::string& name, const std::string& text)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void DeleteRunValue(const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name.c_str());
        RegCloseKey(key);
    }
}

std::string Quoted(const std::string& path, const char* switchText)
{
    return "\"" + path + "\" " + switchText;
}

class Autostart : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RequireSandbox();
        ui::Application::Instance().Initialize();
    }

    void SetUp() override
    {
        ui::Application::Instance().SetTitle("Ashwarden");
        ui::Application::Instance().GetSeams().ErrorBox = [this](const std::string& text) { errors_.push_back(text); };
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        RegCloseKey(key);
        Clean();
        form_.FormCreate();
        form_.HandleNeeded();
    }
    void TearDown() override
    {
        Clean();
        ui::Application::Instance().GetSeams().ErrorBox = nullptr;
    }

    void Clean()
    {
        for (const char* name : {kSchedule, kStartup, "Other Program", "Ashwarden Test"})
            DeleteRunValue(name);
        DeleteFileA(settingsFile_.c_str());
    }

    // A click as the check box's window reports it to its parent.
    static void Click(ui::CheckBox& box)
    {
        HWND window = box.Handle();
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
    }

    const std::string settingsFile_ = GetExeFolder() + "Settings.ini";
    SettingsForm form_;
    std::vector<std::string> errors_;
};

TEST_F(Autostart, StartWithWindowsWritesAndRemovesTheStartupEntry)
{
    SetRunValue("Other Program", "other.exe");

    Click(form_.Option(OptionId::StartWithWindows));
    ASSERT_TRUE(form_.Option(OptionId::StartWithWindows).Checked());
    EXPECT_EQ(Quoted(RunningExe(), "-startup"), RunValue(kStartup).value_or("<none>"));
    EXPECT_FALSE(RunValue(kSchedule));

    Click(form_.Option(OptionId::StartWithWindows));
    EXPECT_FALSE(RunValue(kStartup));
    EXPECT_EQ("other.exe", RunValue("Other Program").value_or("<none>"));

    // Unchecking when the entry has gone meanwhile deletes nothing else and raises nothing.
    Click(form_.Option(OptionId::StartWithWindows));
    DeleteRunValue(kStartup);
    Click(form_.Option(OptionId::StartWithWindows));
    EXPECT_FALSE(RunValue(kStartup));
    EXPECT_EQ("other.exe", RunValue("Other Program").value_or("<none>"));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(Autostart, BothBoxesCheckedGiveBothEntries)
{
    SetRunValue(kStartup, "stale data");
    form_.Option(OptionId::CleanWhenWindowsStarts).SetChecked(true);
    form_.Option(OptionId::StartWithWindows).SetChecked(true);
    EXPECT_EQ(Quoted(RunningExe(), "-clean"), RunValue(kSchedule).value_or("<none>"));
    // Written again over whatever was there.
    EXPECT_EQ(Quoted(RunningExe(), "-startup"), RunValue(kStartup).value_or("<none>"));

    form_.Option(OptionId::CleanWhenWindowsStarts).SetChecked(false);
    EXPECT_FALSE(RunValue(kSchedule));
    EXPECT_TRUE(RunValue(kStartup));
}

TEST_F(Autostart, SettingTheSameStateAgainTouchesNothing)
{
    // A leftover entry stays while the box is already unchecked, as when Settings.ini says "0".
    SetRunValue(kStartup, "left over");
    form_.Option(OptionId::StartWithWindows).SetChecked(false);
    EXPECT_EQ("left over", RunValue(kStartup).value_or("<none>"));
}

TEST_F(Autostart, UnknownModesWriteNothing)
{
    SetAutostart("Ashwarden Test", true, 0);
    SetAutostart("Ashwarden Test", true, 3);
    EXPECT_FALSE(RunValue("Ashwarden Test"));
}

TEST_F(Autostart, AFailedWriteIsShownAfterAClickAndSwallowedWhileLoading)
{
    // The registry refuses a value name this long.
    const std::string title(40000, 'A');
    ui::Application::Instance().SetTitle(title);

    Click(form_.Option(OptionId::StartWithWindows));
    EXPECT_TRUE(form_.Option(OptionId::StartWithWindows).Checked());
    ASSERT_EQ(1u, errors_.size());
    EXPECT_EQ("Failed to set data for '" + title + " Startup'", errors_[0]);

    EXPECT_THROW(SetAutostart(title + " Schedule", true, AutostartClean), std::runtime_error);

    errors_.clear();
    std::ofstream(settingsFile_, std::ios::binary) << "[Options]\r\nCheckBox3=-1\r\nCheckBox10=0\r\n";
    LoadSettings(form_);
    EXPECT_TRUE(form_.Option(OptionId::CleanWhenWindowsStarts).Checked());
    EXPECT_FALSE(form_.Option(OptionId::StartWithWindows).Checked());
    EXPECT_TRUE(errors_.empty());
}

TEST_F(Autostart, WithoutARunKeyNothingIsCreated)
{
    // Only an empty Run key is taken away for this; anything else in it is not ours to remove.
    HKEY run;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &run));
    DWORD values = 0, subKeys = 0;
    RegQueryInfoKeyA(run, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(run);
    if (values != 0 || subKeys != 0)
        GTEST_SKIP() << "the prefix's Run key is not empty";

    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, kRunKey));
    form_.Option(OptionId::StartWithWindows).SetChecked(true);
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &run));
    EXPECT_TRUE(errors_.empty());

    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegCloseKey(key);
}

// The program under test copied to a folder whose path holds spaces, and run there.
TEST_F(Autostart, APathWithSpacesStaysQuoted)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "aw autostart probe";
    const std::string copy = folder + "\\probe copy.exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(RunningExe().c_str(), copy.c_str(), FALSE));

    std::string commandLine = "\"" + copy + "\" --gtest_filter=AutostartProbe.*";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    SetEnvironmentVariableA(kProbeVariable, "1");
    BOOL started = CreateProcessA(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process);
    SetEnvironmentVariableA(kProbeVariable, nullptr);
    ASSERT_TRUE(started);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(Quoted(copy, "-startup"), RunValue(kStartup).value_or("<none>"));
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(folder.c_str());
}

// Runs only in the copy started by the test above.
class AutostartProbe : public ::testing::Test {};

void WriteOwnStartupEntry()
{
    ui::Application::Instance().SetTitle("Ashwarden");
    ui::CheckBox box("CheckBox10", "Start with Windows", true);
    OnStartWithWindowsClicked(box);
    EXPECT_TRUE(RunValue(kStartup));
}

[[maybe_unused]] const bool kProbeRegistered = [] {
    if (std::getenv(kProbeVariable))
        ::testing::RegisterTest("AutostartProbe", "WritesTheEntryOfTheRunningProgram", nullptr, nullptr, __FILE__,
                                __LINE__, []() -> ::testing::Test* {
                                    struct Probe : AutostartProbe {
                                        void TestBody() override { WriteOwnStartupEntry(); }
                                    };
                                    return new Probe;
                                });
    return true;
}();

TEST(RestorePoint, ARefusedRequestIsReportedAsFailed)
{
    RequireSandbox();
    // Wine's System Restore client refuses every request.
    EXPECT_FALSE(CreateRestorePoint());
}

} // namespace
} // namespace aw
