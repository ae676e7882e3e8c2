// The real executable started as a separate process, as Windows starts it at logon.
#include "app_fixture.h"

#include "app/plan_file.h"
#include "platform/folder_services.h"
#include "platform/handle.h"

#include <shlobj.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>

namespace aw::test {
namespace {

struct Started {
    UniqueHandle Process;
    DWORD Id = 0;
};

Started StartProgram(const std::string& arguments)
{
    std::wstring command = Wide("\"" + ExeFolderFile("Ashwarden.exe") + "\" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    Started started;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        started.Process.Reset(info.hProcess);
        started.Id = info.dwProcessId;
    }
    return started;
}

struct FoundWindow {
    DWORD ProcessId;
    HWND Window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM data)
{
    auto* found = reinterpret_cast<FoundWindow*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == found->ProcessId && std::string(className) == "TForm1") {
        found->Window = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainWindow(DWORD processId)
{
    for (int i = 0; i < 200; ++i) {
        FoundWindow found{processId, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
        if (found.Window)
            return found.Window;
        Sleep(50);
    }
    return nullptr;
}

class Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveProgramFiles();
        RemoveFirstRunMarker();
    }
    void TearDown() override
    {
        RemoveProgramFiles();
        RemoveFirstRunMarker();
    }
};

std::string SeedRecentTrace(const std::string& name)
{
    std::string recent = GetSpecialFolder(kCsidlRecent);
    CreateDirectoryA(recent.c_str(), nullptr);
    std::string trace = recent + "\\" + name;
    WriteTextFile(trace, "trace");
    return trace;
}

bool Exists(const std::string& path)
{
    return FileThere(path);
}

DWORD RunToEnd(const std::string& arguments)
{
    Started program = StartProgram(arguments);
    if (!program.Process)
        return 0xDEAD;
    // A message box or a shown window would keep it running.
    if (WaitForSingleObject(program.Process.Get(), 30000) != WAIT_OBJECT_0) {
        TerminateProcess(program.Process.Get(), 99);
        return 0xBEEF;
    }
    DWORD code = 1;
    GetExitCodeProcess(program.Process.Get(), &code);
    return code;
}

TEST_F(Program, CleanWithTheSavedSelectionDeletesExactlyItsTraces)
{
    const std::string settingsText = "[Options]\r\nCheckBox8=-1\r\n";
    WriteTextFile(ExeFolderFile("Settings.ini"), settingsText);
    WriteTextFile(ExeFolderFile("Traces.ini"), "[Windows]\r\nRecent Folder=True\r\n");
    std::string trace = SeedRecentTrace("program-test.lnk");
    const char* runMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, runMru, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);

    EXPECT_EQ(RunToEnd("-clean"), 0u);
    EXPECT_FALSE(Exists(trace));
    // Not in the saved selection: kept.
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, runMru, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, runMru);
    // The "-clean" path saves nothing.
    EXPECT_EQ(ReadTextFile(ExeFolderFile("Settings.ini")), settingsText);
}

TEST_F(Program, CleanWithoutTheSavedSelectionCleansWhatTheScanFinds)
{
    std::string trace = SeedRecentTrace("scanned.lnk");
    EXPECT_EQ(RunToEnd("-clean"), 0u);
    EXPECT_FALSE(Exists(trace));
    EXPECT_FALSE(Exists(ExeFolderFile("Settings.ini")));
}

// A CSV file's records, fields unquoted by the usual rules.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                rows.back().back() += text[++i];
            else if (c == '"')
                quoted = false;
            else
                rows.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\n') {
            rows.emplace_back(1);
        } else if (c != '\r') {
            rows.back().back() += c;
        }
    }
    if (rows.back().size() == 1 && rows.back()[0].empty())
        rows.pop_back();
    return rows;
}

TEST_F(Program, PreviewWritesThePlanOfTheCleanAndDeletesNothing)
{
    const std::string settingsText = "[Options]\r\nCheckBox8=-1\r\n";
    WriteTextFile(ExeFolderFile("Settings.ini"), settingsText);
    WriteTextFile(ExeFolderFile("Traces.ini"), "[Windows]\r\nRecent Folder=True\r\n");
    // Names in UTF-8, as the program keeps them: an e with an acute accent (in the ANSI code
    // page too), and Cyrillic, Chinese and an emoji (in no ANSI code page of the prefix).
    const std::vector<std::string> traces = {
        SeedRecentTrace("a,b \xC3\xA9.lnk"), SeedRecentTrace("plain.lnk"),
        SeedRecentTrace("\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.docx.lnk"),
        SeedRecentTrace("\xE5\xA0\xB1\xE5\x91\x8A.txt.lnk"), SeedRecentTrace("\xF0\x9F\x98\x80.png.lnk")};
    // The plan's own name is one too: the command line is read as the wide text it is.
    const std::string planFile = ExeFolderFile("plan \xD0\xBF\xD0\xBB\xD0\xB0\xD0\xBD.csv");

    EXPECT_EQ(RunToEnd("-preview \"" + planFile + "\""), 0u);
    for (const std::string& trace : traces)
        EXPECT_TRUE(Exists(trace)) << trace;
    EXPECT_EQ(ReadTextFile(ExeFolderFile("Settings.ini")), settingsText);

    const auto rows = ParseCsv(ReadTextFile(planFile));
    RemoveFile(planFile);
    for (const std::string& trace : traces)
        RemoveFile(trace);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (std::vector<std::string>{"group", "category", "kind", "path", "bytes"}));
    std::size_t seen = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 5u) << i;
        EXPECT_EQ(rows[i][0], "Windows");
        EXPECT_EQ(rows[i][1], "Recent Folder");
        if (std::find(traces.begin(), traces.end(), rows[i][3]) != traces.end()) {
            ++seen;
            EXPECT_EQ(rows[i][2], "file");
            EXPECT_EQ(rows[i][4], "5");
        }
    }
    EXPECT_EQ(seen, traces.size());
}

// A cookie database as a Chromium browser keeps it, in a profile of its own.
struct ChromiumCookies {
    std::string Profile;
    std::string Database;
    ChromiumCookies()
        : Profile(GetSpecialFolder(kCsidlLocalAppData) + "\\Google\\Chrome\\User Data\\Keep Test"),
          Database(Profile + "\\Network\\Cookies")
    {
        SHCreateDirectoryExA(nullptr, (Profile + "\\Network").c_str(), nullptr);
        WriteTextFile(Profile + "\\Preferences", "{}");
    }
    ~ChromiumCookies()
    {
        for (const char* name : {"\\Network\\Cookies", "\\Network\\Cookies-journal", "\\Preferences"})
            DeleteFileA((Profile + name).c_str());
        RemoveDirectoryA((Profile + "\\Network").c_str());
        RemoveDirectoryA(Profile.c_str());
    }
    bool Exec(const std::string& sql) const
    {
        sqlite3* db = nullptr;
        const bool ok = sqlite3_open(Database.c_str(), &db) == SQLITE_OK &&
                        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return ok;
    }
    std::string Rows(const char* sql) const
    {
        std::string rows;
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(Database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
            sqlite3_exec(
                db, sql,
                [](void* out, int n, char** values, char**) {
                    for (int i = 0; i < n; ++i)
                        *static_cast<std::string*>(out) +=
                            std::string(values[i] ? values[i] : "") + (i + 1 < n ? "|" : "\n");
                    return 0;
                },
                &rows, nullptr);
        sqlite3_close(db);
        return rows;
    }
    std::int64_t Size() const
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        return GetFileAttributesExA(Database.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : -1;
    }
};

// With Keep.ini beside the program, -preview lists the cookie database as cleaned in place with
// the rows it loses and the bytes it will shrink by, and the -clean that follows removes exactly
// those rows, keeps the kept site's as they were and shrinks the file by what was said.
TEST_F(Program, APreviewWithAKeepListSaysWhatEachCookieDatabaseLosesAndTheCleanDoesIt)
{
    WriteTextFile(ExeFolderFile("Keep.ini"), "[Sites]\r\nkept.test\r\n");
    WriteTextFile(ExeFolderFile("Traces.ini"),
                  "[Google Chrome]\r\nCookies=True\r\n[Internet Explorer]\r\nCookies=True\r\n");
    ChromiumCookies cookies;
    // Internet Explorer's cookie files, one a site.
    const std::string ieFolder = GetSpecialFolder(kCsidlCookies);
    SHCreateDirectoryExA(nullptr, ieFolder.c_str(), nullptr);
    const std::string ieKept = ieFolder + "\\user@kept[1].txt", ieGone = ieFolder + "\\user@gone[1].txt";
    WriteTextFile(ieKept, "SID\n1\nwww.kept.test/\n1536\n1\n2\n3\n4\n*\n");
    WriteTextFile(ieGone, "ad\n1\nads.gone.test/\n1536\n1\n2\n3\n4\n*\n");
    std::string fill = "CREATE TABLE cookies (host_key TEXT NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL);"
                       "INSERT INTO cookies VALUES ('kept.test', 'a', 'one'), ('.kept.test', 'b', 'two'),"
                       " ('mail.kept.test', 'c', 'three');";
    for (int i = 0; i < 6; ++i)
        fill += "INSERT INTO cookies VALUES ('ads" + std::to_string(i) + ".gone.test', 'x', hex(randomblob(3000)));";
    ASSERT_TRUE(cookies.Exec(fill));
    const char* keptRows = "SELECT host_key, name, value FROM cookies WHERE host_key LIKE '%kept.test' ORDER BY name";
    const std::string keptBefore = cookies.Rows(keptRows);
    const std::int64_t sizeBefore = cookies.Size();
    const std::string planFile = ExeFolderFile("keep-plan.csv");

    EXPECT_EQ(RunToEnd("-preview \"" + planFile + "\""), 0u);
    const auto rows = ParseCsv(ReadTextFile(planFile));
    RemoveFile(planFile);
    EXPECT_EQ(cookies.Size(), sizeBefore);
    std::int64_t said = -1;
    std::map<std::string, std::string> kinds; // path -> kind
    for (const auto& row : rows)
        if (row.size() == 5) {
            kinds[row[3]] = row[2];
            if (row[3] == cookies.Database)
                said = std::stoll(row[4]);
        }
    EXPECT_EQ(kinds[cookies.Database], "rows:6");
    EXPECT_EQ(kinds[ieKept], "kept");
    EXPECT_EQ(kinds[ieGone], "file");
    ASSERT_GT(said, 6 * 3000);

    EXPECT_EQ(RunToEnd("-clean"), 0u);
    EXPECT_EQ(cookies.Rows(keptRows), keptBefore);
    EXPECT_EQ(cookies.Rows("SELECT count(*) FROM cookies"), "3\n");
    EXPECT_EQ(sizeBefore - cookies.Size(), said);
    EXPECT_EQ(cookies.Rows("PRAGMA integrity_check"), "ok\n");
    EXPECT_TRUE(FileThere(ieKept));
    EXPECT_FALSE(FileThere(ieGone));

    // A list that cannot be used (binary): nothing of the cookies goes, rather than decide by
    // part of it.
    WriteTextFile(ExeFolderFile("Keep.ini"), std::string("[Sites]\r\nother.test\r\n\0\x01", 23));
    EXPECT_EQ(RunToEnd("-clean"), 0u);
    EXPECT_EQ(cookies.Rows("SELECT count(*) FROM cookies"), "3\n");
    EXPECT_TRUE(FileThere(ieKept));

    // An empty list: the database goes whole, as without Keep.ini.
    WriteTextFile(ExeFolderFile("Keep.ini"), "; nothing kept\r\n[Sites]\r\n");
    EXPECT_EQ(RunToEnd("-clean"), 0u);
    EXPECT_FALSE(FileThere(cookies.Database));
    EXPECT_FALSE(FileThere(ieKept));
}

TEST(PlanFile, QuotesWhatNeedsQuotingAndRoundTrips)
{
    CleanPlan plan;
    plan.Categories = {{"Extra Traces", "Some, \"odd\" one"}};
    plan.Entries = {{0, PlanKind::Value, "Software\\Aw\\say \"hi\", then\\v", 0},
                    {0, PlanKind::File, "C:\\x\\plain.txt", 1234567890123}};
    const auto rows = ParseCsv(PlanCsv(plan));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Extra Traces", "Some, \"odd\" one", "value",
                                                 "Software\\Aw\\say \"hi\", then\\v", "0"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Extra Traces", "Some, \"odd\" one", "file", "C:\\x\\plain.txt",
                                                 "1234567890123"}));
}

TEST_F(Program, PreviewToAFileThatCannotBeWrittenEndsWithOne)
{
    const std::string trace = SeedRecentTrace("kept.lnk");
    const std::string planFile = ExeFolderFile("no-such-folder\\plan.csv");
    EXPECT_EQ(RunToEnd("-preview \"" + planFile + "\""), 1u);
    EXPECT_FALSE(Exists(planFile));
    EXPECT_TRUE(Exists(trace));
    RemoveFile(trace);
}

// "-clean -log FILE" records every entry with its result; a file another process holds stays
// and is logged as in use. A log that cannot be written leaves the clean done and ends with 2.
TEST_F(Program, CleanLogsEachEntryWithItsResult)
{
    WriteTextFile(ExeFolderFile("Settings.ini"), "[Options]\r\nCheckBox8=-1\r\n");
    WriteTextFile(ExeFolderFile("Traces.ini"), "[Windows]\r\nRecent Folder=True\r\n");
    const std::string gone = SeedRecentTrace("logged \xD0\xBB\xD0\xBE\xD0\xB3.lnk");
    const std::string held = SeedRecentTrace("held.lnk");
    const std::string logFile = ExeFolderFile("clean log.csv");
    {
        UniqueHandle holder(CreateFileW(Wide(held).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                        nullptr));
        ASSERT_TRUE(holder);
        EXPECT_EQ(RunToEnd("-clean -log \"" + logFile + "\""), 0u);
    }
    EXPECT_FALSE(Exists(gone));
    EXPECT_TRUE(Exists(held));
    const auto rows = ParseCsv(ReadTextFile(logFile));
    RemoveFile(logFile);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (std::vector<std::string>{"group", "category", "kind", "path", "bytes", "result"}));
    std::map<std::string, std::string> results;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 6u) << i;
        results[rows[i][3]] = rows[i][5];
    }
    EXPECT_EQ(results[gone], "removed");
    EXPECT_EQ(results[held], "in use");

    EXPECT_EQ(RunToEnd("-clean -log \"" + ExeFolderFile("no-such-folder\\log.csv") + "\""), 2u);
    EXPECT_FALSE(Exists(held));
}

// A places database of many visits, pages and bookmarks, in write-ahead-log mode as Firefox
// keeps it; false when it cannot be made.
bool MakePlaces(const std::string& path, int bookmarks)
{
    for (const char* companion : {"", "-wal", "-shm", "-journal"})
        DeleteFileW(Wide(path + companion).c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    std::string sql =
        "PRAGMA journal_mode = WAL;"
        "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT, title TEXT, visit_count INTEGER DEFAULT 0,"
        " last_visit_date INTEGER, typed INTEGER DEFAULT 0);"
        "CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, place_id INTEGER, visit_date INTEGER, visit_type INTEGER);"
        "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, fk INTEGER, title TEXT);"
        "BEGIN;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)"
        " INSERT INTO moz_places SELECT i, 'https://site' || i || '.example/', hex(randomblob(60)), 3, i, 1 FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60000)"
        " INSERT INTO moz_historyvisits SELECT i, 1 + i % 20000, i, 1 FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(bookmarks) + ")"
        " INSERT INTO moz_bookmarks SELECT i, i * 37, 'bookmark ' || i FROM n;"
        "COMMIT;";
    const bool made = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return made;
}

// What a browser would find at its next start: the integrity check's answer, the bookmarks
// whose pages are still there, and the visits left.
struct PlacesState {
    std::string Integrity;
    int BookmarkedPages = -1;
    int Visits = -1;
};

PlacesState ReadPlaces(const std::string& path)
{
    PlacesState state;
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) == SQLITE_OK) {
        auto ask = [db](const char* sql, auto read) {
            sqlite3_stmt* statement = nullptr;
            if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
                read(statement);
            sqlite3_finalize(statement);
        };
        ask("PRAGMA integrity_check", [&](sqlite3_stmt* s) {
            state.Integrity = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        });
        ask("SELECT count(*) FROM moz_bookmarks b JOIN moz_places p ON p.id = b.fk",
            [&](sqlite3_stmt* s) { state.BookmarkedPages = sqlite3_column_int(s, 0); });
        ask("SELECT count(*) FROM moz_historyvisits", [&](sqlite3_stmt* s) { state.Visits = sqlite3_column_int(s, 0); });
    }
    sqlite3_close(db);
    return state;
}

// The process ended at any moment of an in-place history clean (as by the Task Manager or a
// power cut): the database is whole at the next open, its bookmarks with it, whether the
// clean got through or not.
TEST_F(Program, KilledAtAnyMomentOfAnInPlaceCleanTheDatabaseStaysWhole)
{
    const std::string firefox = GetSpecialFolder(kCsidlAppData) + "\\Mozilla\\Firefox";
    const std::string profile = firefox + "\\Profiles\\kill.default";
    const std::string places = profile + "\\places.sqlite";
    const std::string ini = firefox + "\\profiles.ini";
    const bool hadIni = FileThere(ini);
    const std::string iniBefore = hadIni ? ReadTextFile(ini) : std::string();
    for (const std::string& folder : {GetSpecialFolder(kCsidlAppData) + "\\Mozilla", firefox, firefox + "\\Profiles", profile})
        CreateDirectoryW(Wide(folder).c_str(), nullptr);
    WriteTextFile(ini, "[Profile0]\r\nName=kill\r\nIsRelative=1\r\nPath=Profiles/kill.default\r\n");
    WriteTextFile(ExeFolderFile("Settings.ini"), "[Options]\r\nCheckBox8=-1\r\n");
    WriteTextFile(ExeFolderFile("Traces.ini"), "[Mozilla Firefox]\r\nHistory=True\r\n");
    constexpr int kBookmarks = 500;

    // One whole clean first: how long a start and its clean take, and that it cleans.
    ASSERT_TRUE(MakePlaces(places, kBookmarks));
    const DWORD start = GetTickCount();
    ASSERT_EQ(RunToEnd("-clean"), 0u);
    const DWORD whole = GetTickCount() - start;
    PlacesState cleaned = ReadPlaces(places);
    ASSERT_EQ(cleaned.Integrity, "ok");
    ASSERT_EQ(cleaned.Visits, 0);
    ASSERT_EQ(cleaned.BookmarkedPages, kBookmarks);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<DWORD> moment(0, whole + whole / 4);
    int killed = 0, interrupted = 0;
    ASSERT_TRUE(MakePlaces(places, kBookmarks));
    for (int round = 0; round < 50; ++round) {
        Started program = StartProgram("-clean");
        ASSERT_TRUE(program.Process);
        if (WaitForSingleObject(program.Process.Get(), moment(random)) == WAIT_TIMEOUT) {
            TerminateProcess(program.Process.Get(), 9);
            ++killed;
        }
        WaitForSingleObject(program.Process.Get(), 30000);
        const PlacesState after = ReadPlaces(places);
        EXPECT_EQ(after.Integrity, "ok") << "round " << round;
        EXPECT_EQ(after.BookmarkedPages, kBookmarks) << "round " << round;
        EXPECT_TRUE(after.Visits == 0 || after.Visits == 60000) << "round " << round << ": " << after.Visits;
        if (after.Visits == 60000)
            ++interrupted; // rolled back whole: the next round kills the same clean again
        else
            ASSERT_TRUE(MakePlaces(places, kBookmarks));
    }
    // The moments are spread over the whole clean: most rounds end it midway.
    std::printf("a whole start and clean: %lu ms; %d of 50 rounds ended by force, %d found the visits all there\n",
                static_cast<unsigned long>(whole), killed, interrupted);
    EXPECT_GE(killed, 25);
    EXPECT_GT(interrupted, 0);

    for (const char* companion : {"", "-wal", "-shm", "-journal"})
        DeleteFileW(Wide(places + companion).c_str());
    RemoveDirectoryW(Wide(profile).c_str());
    if (hadIni)
        WriteTextFile(ini, iniBefore);
    else
        RemoveFile(ini);
}

TEST_F(Program, CleanAsksNothingWhileATickedBrowserRuns)
{
    WriteTextFile(ExeFolderFile("Settings.ini"), "[Options]\r\nCheckBox8=-1\r\n");
    WriteTextFile(ExeFolderFile("Traces.ini"), "[Mozilla Firefox]\r\nCache=True\r\n");
    std::string command = "\"" + ExeFolderFile("firefox.exe") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    CloseHandle(info.hThread);
    UniqueHandle standIn(info.hProcess);
    // A question would keep it waiting past RunToEnd's limit.
    EXPECT_EQ(RunToEnd("-clean"), 0u);
    TerminateProcess(standIn.Get(), 0);
    WaitForSingleObject(standIn.Get(), 5000);
}

TEST_F(Program, StartupWaitsHiddenInTheTrayUntilClicked)
{
    Started program = StartProgram("-startup");
    ASSERT_TRUE(program.Process);
    HWND window = WaitForMainWindow(program.Id);
    ASSERT_NE(window, nullptr);
    // The window exists before its creation handler has added the icon.
    for (int i = 0; i < 100 && !TrayIconPresent(window); ++i)
        Sleep(50);
    EXPECT_TRUE(TrayIconPresent(window));
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(window));

    PostMessageA(window, TrayCallbackMessage, 1, WM_LBUTTONDOWN);
    for (int i = 0; i < 100 && !IsWindowVisible(window); ++i)
        Sleep(50);
    EXPECT_TRUE(IsWindowVisible(window));
    TerminateProcess(program.Process.Get(), 0);
    WaitForSingleObject(program.Process.Get(), 5000);
}

TEST_F(Program, OtherSpellingsOfTheSwitchesStartNormally)
{
    for (const char* arguments : {"-Startup", "-CLEAN", "x -clean", "-preview"}) {
        SCOPED_TRACE(arguments);
        Started program = StartProgram(arguments);
        ASSERT_TRUE(program.Process);
        HWND window = WaitForMainWindow(program.Id);
        ASSERT_NE(window, nullptr);
        for (int i = 0; i < 100 && !IsWindowVisible(window); ++i)
            Sleep(50);
        EXPECT_TRUE(IsWindowVisible(window));
        // Still running: a "-clean" start would have ended by now.
        EXPECT_EQ(WaitForSingleObject(program.Process.Get(), 300), static_cast<DWORD>(WAIT_TIMEOUT));
        TerminateProcess(program.Process.Get(), 0);
        WaitForSingleObject(program.Process.Get(), 5000);
    }
}

} // namespace
} // namespace aw::test

namespace aw::test {
namespace {

std::string ResourceText(HMODULE module, LPCSTR type, LPCSTR name)
{
    HRSRC resource = FindResourceA(module, name, type);
    if (!resource)
        return {};
    HGLOBAL loaded = LoadResource(module, resource);
    auto* data = static_cast<const char*>(LockResource(loaded));
    return data ? std::string(data, SizeofResource(module, resource)) : std::string();
}

TEST(Executable, CarriesItsManifestVersionIconPicturesAndSkin)
{
    std::string path = ExeFolderFile("Ashwarden.exe");
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    std::string manifest = ResourceText(module, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
    EXPECT_NE(manifest.find("level=\"highestAvailable\" uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("{e2011457-1546-43c5-a5fe-008deee3d3f0}"), std::string::npos); // Vista
    EXPECT_NE(manifest.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos); // 7
    EXPECT_NE(manifest.find("<assemblyIdentity type=\"win32\" name=\"Ashwarden\""), std::string::npos);
    EXPECT_NE(manifest.find("<description>Ashwarden</description>"), std::string::npos);
    EXPECT_FALSE(ResourceText(module, MAKEINTRESOURCEA(10), "STRIP").empty());
    EXPECT_FALSE(ResourceText(module, MAKEINTRESOURCEA(10), "BANNER").empty());
    EXPECT_GT(ResourceText(module, MAKEINTRESOURCEA(10), "SKIN").size(), 1000u);
    for (const char* fallback : {"TRACK", "TRACKVERT", "MENUGLYPHS"}) {
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(module, fallback, IMAGE_BITMAP, 0, 0, 0));
        EXPECT_NE(bitmap, nullptr) << fallback;
        BITMAP info{};
        if (bitmap && GetObjectA(bitmap, sizeof info, &info)) {
            EXPECT_GT(info.bmWidth, 6) << fallback;
            EXPECT_GT(info.bmHeight, 6) << fallback;
        }
        if (bitmap)
            DeleteObject(bitmap);
    }
    HICON small = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, 16, 16, 0));
    HICON large = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(small, nullptr);
    EXPECT_NE(large, nullptr);
    if (small)
        DestroyIcon(small);
    if (large)
        DestroyIcon(large);
    FreeLibrary(module);

    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(2, 1)));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(2, 1)));
}

} // namespace
} // namespace aw::test
