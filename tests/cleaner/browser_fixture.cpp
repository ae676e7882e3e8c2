#include "cleaner/browser_fixture.h"

#include "cleaner/sqlite_db.h"
#include "cleaner/wine_support.h"

#include <shlobj.h>
#include <sqlite3.h>
#include <windows.h>

#include <cstdlib>

namespace aw::test {

namespace {

// Creates the folder and its missing parents, whatever the length of its path.
void MakeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('\\', 3); ; slash = folder.find('\\', slash + 1)) {
        CreateDirectoryW(Wide(folder.substr(0, slash)).c_str(), nullptr);
        if (slash == std::string::npos)
            return;
    }
}

} // namespace

bool CopyTree(const std::string& from, const std::string& to)
{
    MakeFolders(to);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(from + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    do {
        std::string name = Utf8(data.cFileName);
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(from + "\\" + name, to + "\\" + name) && ok;
        else
            ok = CopyFileW(Wide(from + "\\" + name).c_str(), Wide(to + "\\" + name).c_str(), FALSE) && ok;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return ok;
}

namespace {

void Collect(const std::string& folder, const std::string& relative, std::map<std::string, std::int64_t>& files)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = Utf8(data.cFileName);
        if (name == "." || name == "..")
            continue;
        std::string rel = relative.empty() ? name : relative + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Collect(folder + "\\" + name, rel, files);
        else
            files[rel] = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

} // namespace

std::map<std::string, std::int64_t> FilesBelow(const std::string& folder)
{
    std::map<std::string, std::int64_t> files;
    Collect(folder, "", files);
    return files;
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

bool FileHolds(const std::string& path, const std::string& text)
{
    return ReadWholeFile(path).find(text) != std::string::npos;
}

namespace {

// As an unchanging file: reading never creates or removes a "-wal" or "-shm" beside it. A long
// path is opened in the "\\?\" form, through SQLite's long-path file system.
SqliteConnection OpenUnchanging(const std::string& db)
{
    const std::string name = db.size() >= 240 ? "\\\\?\\" + db : db;
    std::string uri = "file:";
    const char* hex = "0123456789ABCDEF";
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        uri += u <= ' ' || u >= 0x80 || c == '%' || c == '?' || c == '#' ? std::string{'%', hex[u >> 4], hex[u & 15]}
                                                                        : std::string(1, c);
    }
    uri += "?immutable=1";
    sqlite3* opened = nullptr;
    const int status =
        sqlite3_open_v2(uri.c_str(), &opened, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, "win32-longpath");
    SqliteConnection handle = OwnConnection(opened);
    if (status != SQLITE_OK)
        handle.reset();
    return handle;
}

} // namespace

int QueryInt(const std::string& db, const char* sql)
{
    int value = -1;
    if (SqliteConnection handle = OpenUnchanging(db)) {
        SqliteStatement query(handle.get(), sql);
        if (query.step() == SQLITE_ROW)
            value = std::atoi(query.text(0).c_str());
    }
    return value;
}

std::string QueryRows(const std::string& db, const char* sql)
{
    std::string rows;
    SqliteConnection handle = OpenUnchanging(db);
    if (!handle)
        return "(not opened)";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle.get(), sql, -1, &statement, nullptr) != SQLITE_OK)
        return "(not prepared)";
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, i));
            rows += i ? "|" : "";
            rows.append(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(statement, i)));
        }
        rows += '\n';
    }
    sqlite3_finalize(statement);
    return rows;
}

bool ExecSql(const std::string& db, const std::string& sql)
{
    sqlite3* opened = nullptr;
    const int status = sqlite3_open_v2(db.c_str(), &opened, SQLITE_OPEN_READWRITE, nullptr);
    SqliteConnection handle = OwnConnection(opened);
    return status == SQLITE_OK && sqlite3_exec(handle.get(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

InstalledBrowsers::InstalledBrowsers()
    : roaming_(ShellFolder(CSIDL_APPDATA)), local_(ShellFolder(CSIDL_LOCAL_APPDATA))
{
    remove();
    const std::string stage = kFixtureStage;
    ok_ = !roaming_.empty() && !local_.empty() && CopyTree(stage + "\\Roaming", roaming_) &&
          CopyTree(stage + "\\Local", local_);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(FirefoxRoot() + "\\Profiles\\*.fixture").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        firefoxName_ = Utf8(data.cFileName);
        FindClose(find);
    }
    ok_ = ok_ && !firefoxName_.empty();
}

InstalledBrowsers::~InstalledBrowsers()
{
    remove();
}

void InstalledBrowsers::remove()
{
    for (const std::string& folder : {roaming_ + "\\Mozilla", local_ + "\\Mozilla", local_ + "\\Google"})
        if (folder.size() > 10)
            RemoveTree(folder);
}

namespace {

bool WriteText(const std::string& path, const std::string& text)
{
    SHCreateDirectoryExA(nullptr, path.substr(0, path.rfind('\\')).c_str(), nullptr);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    CloseHandle(file);
    return ok;
}

// The name of the one profile in the staged Firefox fixture.
std::string StagedFirefoxProfile()
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((std::string(kFixtureStage) + "\\Roaming\\Mozilla\\Firefox\\Profiles\\*.fixture").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return std::string();
    FindClose(find);
    return data.cFileName;
}

// The folders of a Chromium profile that hold only caches.
const char* const kChromiumCaches[] = {"Cache", "Code Cache", "GPUCache", "DawnGraphiteCache", "DawnWebGPUCache"};

} // namespace

InstalledFamilies::InstalledFamilies(const std::vector<FamilyRoot>& roots)
    : roaming_(ShellFolder(CSIDL_APPDATA)), local_(ShellFolder(CSIDL_LOCAL_APPDATA))
{
    ok_ = !roaming_.empty() && !local_.empty();
    for (const FamilyRoot& root : roots) {
        browsers_.push_back(FamilyInstall{root, {}, {}, {}, {}});
        ok_ = Install(browsers_.back()) && ok_;
    }
}

InstalledFamilies::~InstalledFamilies()
{
    for (const FamilyInstall& browser : browsers_)
        for (const std::string& folder : browser.Made)
            if (folder.size() > 10)
                RemoveTree(folder);
}

bool InstalledFamilies::Install(FamilyInstall& browser)
{
    const std::string stage = kFixtureStage;
    const std::string chrome = stage + "\\Local\\Google\\Chrome\\User Data";
    const std::string& root = browser.Browser.Root;
    // A dump and its attachment where Crashpad keeps them, and a cache shared by all profiles.
    auto chromiumShared = [&](const std::string& data) {
        browser.DataRoots.push_back(data);
        return WriteText(data + "\\Crashpad\\reports\\5b1d7c2e-0f3a-4e19-9d6b-2a8c4f7e1b90.dmp", "MDMP fixture dump") &&
               WriteText(data + "\\Crashpad\\settings.dat", "crashpad settings") &&
               WriteText(data + "\\ShaderCache\\data_0", "shader cache");
    };
    switch (browser.Browser.Kind) {
    case Layout::Chromium: {
        const std::string data = local_ + "\\" + root;
        browser.Made = {data};
        browser.Profiles = {data + "\\Default", data + "\\Profile 1"};
        browser.ProfileCaches = browser.Profiles;
        return CopyTree(chrome, data) && CopyTree(data + "\\Default", data + "\\Profile 1") && chromiumShared(data);
    }
    case Layout::Opera: {
        const std::string data = roaming_ + "\\" + root;
        const std::string caches = local_ + "\\" + root;
        const std::string side = "\\_side_profiles\\side 1";
        browser.Made = {data, caches};
        browser.Profiles = {data, data + side};
        browser.ProfileCaches = {caches, caches + side};
        bool ok = CopyTree(chrome + "\\Default", data) && CopyTree(chrome + "\\Default", data + side) &&
                  CopyFileA((chrome + "\\Local State").c_str(), (data + "\\Local State").c_str(), FALSE);
        for (const char* cache : kChromiumCaches)
            for (const std::string& profile : {std::string(), side})
                ok = CopyTree(chrome + "\\Default\\" + cache, caches + profile + "\\" + cache) && ok;
        browser.DataRoots.push_back(caches);
        return chromiumShared(data) && ok;
    }
    case Layout::Firefox: {
        const std::string data = roaming_ + "\\" + root;
        const std::string caches = local_ + "\\" + root;
        const std::string elsewhere = "C:\\aw-families\\" + root;
        const std::string name = StagedFirefoxProfile();
        browser.Made = {data, caches, elsewhere};
        browser.Profiles = {data + "\\Profiles\\" + name, elsewhere};
        browser.ProfileCaches = {caches + "\\Profiles\\" + name, elsewhere};
        browser.DataRoots = {data};
        const std::string firefox = stage + "\\Roaming\\Mozilla\\Firefox";
        const std::string firefoxLocal = stage + "\\Local\\Mozilla\\Firefox";
        bool ok = !name.empty() && CopyTree(firefox, data) && CopyTree(firefoxLocal, caches) &&
                  CopyTree(firefox + "\\Profiles\\" + name, elsewhere) &&
                  CopyTree(firefoxLocal + "\\Profiles\\" + name, elsewhere);
        ok = ok && WriteText(data + "\\profiles.ini",
                             "[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile0]\r\nName=fixture\r\nIsRelative=1\r\n"
                             "Path=Profiles/" + name + "\r\nDefault=1\r\n\r\n[Profile1]\r\nName=elsewhere\r\nIsRelative=0\r\n"
                             "Path=" + elsewhere + "\r\n");
        ok = ok && WriteText(data + "\\Crash Reports\\pending\\0c9f2b7e-3d41-4a8e-b6f5-1e2d3c4b5a69.dmp", "MDMP pending") &&
             WriteText(data + "\\Crash Reports\\InstallTime20250101000000", "1735689600");
        for (const std::string& profile : browser.Profiles)
            ok = ok && WriteText(profile + "\\minidumps\\7e6d5c4b-3a29-4180-9f7e-6d5c4b3a2918.dmp", "MDMP minidump");
        return ok;
    }
    }
    return false;
}

namespace {

void CollectStamps(const std::string& folder, std::map<std::string, FileStamp>& stamps)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CollectStamps(folder + "\\" + name, stamps);
        } else {
            stamps[folder + "\\" + name] =
                FileStamp{(static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                          (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                              data.ftLastWriteTime.dwLowDateTime};
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

} // namespace

std::map<std::string, FileStamp> StampsBelow(const std::vector<std::string>& folders)
{
    std::map<std::string, FileStamp> stamps;
    for (const std::string& folder : folders)
        CollectStamps(folder, stamps);
    return stamps;
}

std::vector<std::string> InstalledBrowsers::Roots(const std::string& group) const
{
    if (group == "Mozilla Firefox")
        return {roaming_ + "\\Mozilla\\Firefox", local_ + "\\Mozilla\\Firefox"};
    return {local_ + "\\Google\\Chrome"};
}

} // namespace aw::test
