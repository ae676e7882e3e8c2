// The script run on real files and folders of the private prefix: the user's folders the
// variables name, the Windows temporary folder and a few folders at the root of drive C:.
#include "cleaner/clean_run.h"
#include "cleaner/wine_support.h"
#include "customloc/custom_locations.h"
#include "customloc/script_file.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cctype>

namespace aw {
namespace {

using test::PathExists;

std::string TempFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return temp; // ends in a backslash
}

std::string WindowsFolder()
{
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return windows;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           std::equal(end.rbegin(), end.rend(), text.rbegin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

// Files (not folders) directly in the folder whose long names end with the suffix.
int FilesIn(const std::string& folder, const std::string& suffix = "")
{
    int count = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && EndsWithIgnoringCase(data.cFileName, suffix))
            ++count;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

// Runs the test in another current folder and goes back afterwards.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder)
    {
        GetCurrentDirectoryA(MAX_PATH, previous_);
        changed_ = SetCurrentDirectoryA(folder.c_str()) != FALSE;
    }
    ~CurrentFolder() { SetCurrentDirectoryA(previous_); }
    bool changed() const { return changed_; }

private:
    char previous_[MAX_PATH] = {};
    bool changed_;
};

class CustomLocationRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void TearDown() override { seeds_.clean(); }

    CleanCounters Run(const std::vector<std::string>& lines, bool indexDat = false)
    {
        CleanCounters counters;
        RunCustomLocations(lines, indexDat, counters);
        return counters;
    }

    test::Seeds seeds_;
};

TEST_F(CustomLocationRun, AFileLineDeletesExactlyThatFileSpacesAndAll)
{
    const std::string app = test::ShellFolder(CSIDL_APPDATA) + "\\Ashwarden Test App";
    seeds_.file(app + "\\recent.log", 100);
    seeds_.file(app + "\\other.log", 7);

    CleanCounters counters = Run({R"(FIL:%APPDATA%\Ashwarden Test App\recent.log)"});
    EXPECT_FALSE(PathExists(app + "\\recent.log"));
    EXPECT_TRUE(PathExists(app + "\\other.log"));
    EXPECT_EQ(1, counters.FilesDeleted);
    EXPECT_EQ(100, counters.BytesCleaned);
    EXPECT_EQ(0, counters.RegistryKeysDeleted);

    // A pattern, a folder, and a path in quotes (taken literally) name no file.
    counters = Run({R"(FIL:%APPDATA%\Ashwarden Test App\*.log)", R"(FIL:%APPDATA%\Ashwarden Test App)",
                    R"(FIL:"%APPDATA%\Ashwarden Test App\other.log")", "FIL:"});
    EXPECT_TRUE(PathExists(app + "\\other.log"));
    EXPECT_TRUE(test::IsFolder(app));
    EXPECT_EQ(0, counters.FilesDeleted);
}

// Locations.txt in UTF-8 names files and folders the ANSI code page cannot spell; one written
// in the code page by an earlier version keeps naming what it named ("Café" in code page 1252).
TEST_F(CustomLocationRun, LocationsTxtInUtf8OrInTheCodePageNamesItsFilesExactly)
{
    const std::string temp = TempFolder();
    const std::string names = temp + "aw-" + test::kChineseName;
    for (const std::string& name : test::kUnspellableNames) {
        seeds_.file(names + "\\" + name, 3);
        seeds_.file(names + "\\tree\\" + name, 5);
        seeds_.file(names + "\\tree\\sub\\" + name, 7);
        seeds_.file(temp + "aw-decoy\\" + name, 11);
    }
    seeds_.text(temp + "aw-utf8.txt", "\xEF\xBB\xBF" "FIL:%TEMP%aw-" + test::kChineseName + "\\" + test::kCyrillicName +
                                          "\r\nDIR:%TEMP%aw-" + test::kChineseName + "|*.png\r\n" +
                                          "DIR:\"%TEMP%aw-" + test::kChineseName + "\\tree\"|RECURSIVE\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(LoadLinesFromFile(lines, temp + "aw-utf8.txt"));
    CleanCounters counters = Run(lines);
    EXPECT_FALSE(PathExists(names + "\\" + test::kCyrillicName));
    EXPECT_FALSE(PathExists(names + "\\" + test::kEmojiName));
    EXPECT_TRUE(PathExists(names + "\\" + test::kChineseName));
    EXPECT_FALSE(PathExists(names + "\\tree\\sub"));
    for (const std::string& name : test::kUnspellableNames)
        EXPECT_TRUE(PathExists(temp + "aw-decoy\\" + name)) << name;
    EXPECT_EQ(2 + 3, counters.FilesDeleted);
    EXPECT_EQ(3 + 3 + 3 * 5, counters.BytesCleaned);

    const std::string cafe = temp + "aw-Caf\xC3\xA9";
    seeds_.file(cafe + "\\menu.txt", 13);
    seeds_.file(temp + "aw-Cafe\\menu.txt", 17);
    seeds_.text(temp + "aw-ansi.txt", "DIR:%TEMP%aw-Caf\xE9|*.*\r\n");
    ASSERT_TRUE(LoadLinesFromFile(lines, temp + "aw-ansi.txt"));
    EXPECT_EQ(std::vector<std::string>{"DIR:%TEMP%aw-Caf\xC3\xA9|*.*"}, lines);
    counters = Run(lines);
    EXPECT_FALSE(PathExists(cafe + "\\menu.txt"));
    EXPECT_TRUE(PathExists(temp + "aw-Cafe\\menu.txt"));
    EXPECT_EQ(1, counters.FilesDeleted);
    EXPECT_EQ(13, counters.BytesCleaned);
}

TEST_F(CustomLocationRun, TemporaryFolderVariableIgnoresCaseAndBringsItsBackslash)
{
    seeds_.file(TempFolder() + "x.txt", 12);
    seeds_.file(TempFolder() + "y.txt", 13);
    CleanCounters counters = Run({"FIL:%temp%x.txt"});
    EXPECT_FALSE(PathExists(TempFolder() + "x.txt"));
    EXPECT_TRUE(PathExists(TempFolder() + "y.txt"));
    EXPECT_EQ(1, counters.FilesDeleted);
    EXPECT_EQ(12, counters.BytesCleaned);
}

TEST_F(CustomLocationRun, AllFilesDirectlyInTheTemporaryFolderButNoSubFolder)
{
    const std::string temp = TempFolder();
    seeds_.file(temp + "aw-a.txt", 10);
    seeds_.file(temp + "aw-b.log", 20, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    seeds_.file(temp + "aw-sub\\inner.txt", 30);
    const int before = FilesIn(temp);

    CleanCounters counters = Run({"DIR:%TEMP%|*.*"});
    EXPECT_FALSE(PathExists(temp + "aw-a.txt"));
    EXPECT_FALSE(PathExists(temp + "aw-b.log"));
    EXPECT_TRUE(PathExists(temp + "aw-sub\\inner.txt"));
    EXPECT_GE(before, 2);
    EXPECT_EQ(before - FilesIn(temp), counters.FilesDeleted);
}

TEST_F(CustomLocationRun, RecursiveEmptiesTheQuotedFolderAndKeepsIt)
{
    const std::string app = test::ShellFolder(CSIDL_PROGRAM_FILES) + "\\Ashwarden Test App";
    seeds_.file(app + "\\Logs\\a.log", 5);
    seeds_.file(app + "\\Logs\\b.log", 6);
    seeds_.file(app + "\\Logs\\old\\c.log", 7);
    seeds_.file(app + "\\Logs\\old\\deeper\\d.log", 8);
    seeds_.file(app + "\\keep.txt", 9);

    CleanCounters counters = Run({R"(DIR:"%PROGRAMFILES%\Ashwarden Test App\Logs"|RECURSIVE)"});
    EXPECT_TRUE(test::IsFolder(app + "\\Logs"));
    EXPECT_FALSE(PathExists(app + "\\Logs\\a.log"));
    EXPECT_FALSE(PathExists(app + "\\Logs\\b.log"));
    EXPECT_FALSE(PathExists(app + "\\Logs\\old"));
    EXPECT_TRUE(PathExists(app + "\\keep.txt"));
    // Only the files that lay directly in the folder count.
    EXPECT_EQ(2, counters.FilesDeleted);
    EXPECT_EQ(11, counters.BytesCleaned);
}

TEST_F(CustomLocationRun, AMaskDeletesMatchingFilesOnlyAndEntersNoFolder)
{
    const std::string temp = WindowsFolder() + "\\Temp";
    seeds_.file(temp + "\\aw-x.tmp", 3);
    seeds_.file(temp + "\\aw-z.TMP", 4);
    seeds_.file(temp + "\\aw-y.txt", 5);
    seeds_.file(temp + "\\aw-s.tmp\\inner.tmp", 6);
    const int before = FilesIn(temp, ".tmp");

    CleanCounters counters = Run({R"(DIR:%WINDIR%\Temp|*.tmp)"});
    EXPECT_FALSE(PathExists(temp + "\\aw-x.tmp"));
    EXPECT_FALSE(PathExists(temp + "\\aw-z.TMP"));
    EXPECT_TRUE(PathExists(temp + "\\aw-y.txt"));
    EXPECT_TRUE(PathExists(temp + "\\aw-s.tmp\\inner.tmp"));
    EXPECT_GE(before, 2);
    EXPECT_EQ(before - FilesIn(temp, ".tmp"), counters.FilesDeleted);
}

TEST_F(CustomLocationRun, LinesWithoutAKnownVerbDoNothing)
{
    seeds_.file(TempFolder() + "aw-keep.txt", 1);
    seeds_.key("Software\\Ashwarden Test App");
    CleanCounters counters = Run({"dir:%TEMP%|*.*", "Fil:%TEMP%aw-keep.txt", R"(REG:HKEY_CURRENT_USER\Software\Ashwarden Test App)",
                                  "# note", "", " \t ", "DIR:%TEMP%", "DIR:\"%TEMP%|*.*", "DIR:%TEMP%|"});
    EXPECT_TRUE(PathExists(TempFolder() + "aw-keep.txt"));
    EXPECT_TRUE(test::KeyExists("Software\\Ashwarden Test App"));
    EXPECT_EQ(0, counters.FilesDeleted);
    EXPECT_EQ(0, counters.RegistryKeysDeleted);
}

TEST_F(CustomLocationRun, AFolderWithASpaceMustBeQuoted)
{
    const std::string folder = "C:\\Ashwarden Some Folder";
    seeds_.file(folder + "\\f.txt", 4);
    seeds_.file(folder + "\\sub\\g.txt", 5);
    // Unquoted, the line names the relative folder "Folder", which is never cleaned even where it
    // exists.
    const std::string scratch = TempFolder() + "aw-cwd";
    seeds_.file(scratch + "\\Folder\\x.txt", 6);
    {
        CurrentFolder inScratch(scratch);
        ASSERT_TRUE(inScratch.changed());
        CleanCounters counters = Run({R"(DIR:C:\Ashwarden Some Folder|RECURSIVE)"});
        EXPECT_TRUE(PathExists(folder + "\\f.txt"));
        EXPECT_TRUE(PathExists(scratch + "\\Folder\\x.txt"));
        EXPECT_EQ(0, counters.FilesDeleted);
    }

    CleanCounters counters = Run({R"(DIR:"C:\Ashwarden Some Folder"|RECURSIVE)"});
    EXPECT_FALSE(PathExists(folder + "\\f.txt"));
    EXPECT_FALSE(PathExists(folder + "\\sub"));
    EXPECT_TRUE(test::IsFolder(folder));
    EXPECT_EQ(1, counters.FilesDeleted);
}

TEST_F(CustomLocationRun, APathOnTheCurrentDriveActsOnlyOnThatPathAndNeverOnTheRoot)
{
    seeds_.file("C:\\aw-root-probe.txt", 2);
    seeds_.file("C:\\AshwardenRootRelative\\a.txt", 3);
    seeds_.file("C:\\AshwardenRootRelative\\inner\\b.txt", 4);
    CurrentFolder onDriveC("C:\\");
    ASSERT_TRUE(onDriveC.changed());

    // What "%APPDATA%..." becomes when a variable has no value, and other ways to the root.
    CleanCounters counters = Run({R"(DIR:\|*.*)", R"(DIR:\|RECURSIVE)", R"(DIR:/|*.*)", R"(DIR:\.|*.*)",
                                  R"(DIR:\AshwardenRootRelative\..|*.*)", R"(DIR:C:\|*.*)", R"(DIR:C:|RECURSIVE)",
                                  R"(DIR:""|RECURSIVE)", R"(DIR:.|*.*)"});
    EXPECT_TRUE(PathExists("C:\\aw-root-probe.txt"));
    EXPECT_TRUE(PathExists("C:\\AshwardenRootRelative\\a.txt"));
    EXPECT_TRUE(test::IsFolder("C:\\windows"));
    EXPECT_EQ(0, counters.FilesDeleted);

    counters = Run({R"(DIR:\AshwardenRootRelative|RECURSIVE)", R"(FIL:\aw-root-probe.txt)"});
    EXPECT_FALSE(PathExists("C:\\AshwardenRootRelative\\a.txt"));
    EXPECT_FALSE(PathExists("C:\\AshwardenRootRelative\\inner"));
    EXPECT_FALSE(PathExists("C:\\aw-root-probe.txt"));
    EXPECT_EQ(2, counters.FilesDeleted);
    EXPECT_EQ(5, counters.BytesCleaned);
}

TEST_F(CustomLocationRun, TheIndexDatOptionOfTheRequestReachesRecursiveLines)
{
    const std::string folder = TempFolder() + "aw-index";
    seeds_.file(folder + "\\index.dat", 10);
    seeds_.file(folder + "\\other.txt", 20);
    test::ClearPendingDeletionsAtReboot();
    auto registered = [&] {
        auto pending = test::PendingDeletionsAtReboot();
        return std::any_of(pending.begin(), pending.end(),
                           [&](const std::string& entry) { return EndsWithIgnoringCase(entry, "aw-index\\index.dat"); });
    };
    CleanRequest request;
    request.ScriptLines = {R"(DIR:%TEMP%aw-index|RECURSIVE)"};
    {
        test::LockedFile locked(folder + "\\index.dat");
        ASSERT_TRUE(locked.locked());

        CleanCounters counters;
        RunCustomLocationsOfRequest(request, counters);
        EXPECT_FALSE(registered());
        EXPECT_EQ(1, counters.FilesDeleted);

        request.IndexDatOption = true;
        counters.reset();
        RunCustomLocationsOfRequest(request, counters);
        EXPECT_TRUE(registered());
        EXPECT_EQ(0, counters.FilesDeleted);
    }
    test::ClearPendingDeletionsAtReboot();
}

TEST_F(CustomLocationRun, AnEmptyScriptLeavesTheCountersAsTheyWere)
{
    CleanCounters counters;
    counters.FilesDeleted = 3;
    counters.RegistryKeysDeleted = 4;
    counters.BytesCleaned = 5;
    RunCustomLocations({}, false, counters);
    RunCustomLocations({"", "  ", "\t"}, false, counters);
    EXPECT_EQ(3, counters.FilesDeleted);
    EXPECT_EQ(4, counters.RegistryKeysDeleted);
    EXPECT_EQ(5, counters.BytesCleaned);
}

TEST_F(CustomLocationRun, TheCleaningRunRunsTheScriptForCustomLocations)
{
    seeds_.file(TempFolder() + "aw-run.txt", 42);
    CleanRequest request;
    request.ScriptLines = {"FIL:%TEMP%aw-run.txt"};
    request.RunCustomLocations = RunCustomLocationsOfRequest;
    CleanCounters counters;

    RunCleaning(request, counters);
    EXPECT_TRUE(PathExists(TempFolder() + "aw-run.txt"));

    request.Selection.push_back({"Advanced", "Custom Locations"});
    RunCleaning(request, counters);
    EXPECT_FALSE(PathExists(TempFolder() + "aw-run.txt"));
    EXPECT_EQ(1, counters.FilesDeleted);
    EXPECT_EQ(42, counters.BytesCleaned);
}

} // namespace
} // namespace aw
