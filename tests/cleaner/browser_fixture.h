#pragma once
// Profiles written by real browsers (Debian's firefox-esr and chromium, see
// tools/fixtures/make-browser-fixtures.sh), unpacked by the test harness into a staging folder
// of the prefix and copied from there into the user's folders for each test.
#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <map>
#include <string>
#include <vector>

namespace aw::test {

// Where the harness unpacked the archive (its "Roaming" and "Local" trees).
constexpr const char* kFixtureStage = "C:\\aw-browser-fixtures";

// Copies a folder tree (files and folders) to another place, creating it and its parents.
bool CopyTree(const std::string& from, const std::string& to);

// Every file below a folder: path relative to it -> size.
std::map<std::string, std::int64_t> FilesBelow(const std::string& folder);
std::string ReadWholeFile(const std::string& path);
bool FileHolds(const std::string& path, const std::string& text);

// A connection of the test's own, closed when it goes.
using SqliteConnection = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
inline SqliteConnection OwnConnection(sqlite3* db) { return SqliteConnection(db, sqlite3_close_v2); }

// The first column of the first row a query returns, -1 when there is none; the database is
// opened read-only.
int QueryInt(const std::string& db, const char* sql);
// Every row a query returns, read the same way: columns joined by '|', rows ended by a newline.
std::string QueryRows(const std::string& db, const char* sql);
// Runs statements on a database, opened for writing as a browser opens it.
bool ExecSql(const std::string& db, const std::string& sql);

// The user's folders for one browser, replaced by the fixture's copy on install and removed
// again when the object goes.
class InstalledBrowsers {
public:
    InstalledBrowsers();
    ~InstalledBrowsers();
    InstalledBrowsers(const InstalledBrowsers&) = delete;
    InstalledBrowsers& operator=(const InstalledBrowsers&) = delete;

    bool ok() const { return ok_; }
    std::string Roaming() const { return roaming_; }
    std::string Local() const { return local_; }
    // Firefox's roaming and local profile folders and its profile's name ("Profiles/<name>").
    std::string FirefoxRoot() const { return roaming_ + "\\Mozilla\\Firefox"; }
    std::string FirefoxProfile() const { return FirefoxRoot() + "\\Profiles\\" + firefoxName_; }
    std::string FirefoxLocal() const { return local_ + "\\Mozilla\\Firefox\\Profiles\\" + firefoxName_; }
    std::string FirefoxName() const { return firefoxName_; }
    std::string ChromeData() const { return local_ + "\\Google\\Chrome\\User Data"; }
    std::string ChromeDefault() const { return ChromeData() + "\\Default"; }
    // The folders a browser's traces live in (the roots of its coverage).
    std::vector<std::string> Roots(const std::string& group) const;

    void remove();

private:
    std::string roaming_;
    std::string local_;
    std::string firefoxName_;
    bool ok_ = false;
};

// How a browser of a family keeps its folders below its data root.
enum class Layout {
    Chromium, // a user-data folder below the local folder, one folder per profile
    Opera,    // the data root below the roaming folder is a profile, more in "_side_profiles",
              // caches under the same names below the local folder
    Firefox,  // profiles.ini in the data root below the roaming folder, caches below the local one
};

// Where the tests place a browser of a family.
struct FamilyRoot {
    std::string Group;
    Layout Kind;
    std::string Root; // below the local (Chromium) or the roaming folder
};

// One browser with the fixture placed under its data root, twice: Chromium's profile as
// "Default" and "Profile 1"; Opera GX's as the data root itself and a side profile; Firefox's
// as a profile its profiles.ini lists relative to the root and one it lists elsewhere.
// Crash reports and a shared cache lie beside them.
struct FamilyInstall {
    FamilyRoot Browser;
    std::vector<std::string> Profiles;      // the profile folders
    std::vector<std::string> ProfileCaches; // the folder of each profile's caches, in the same order
    std::vector<std::string> DataRoots;     // the folders shared by all the profiles
    std::vector<std::string> Made;          // removed again afterwards
};

// Every browser of the given roots installed at once, removed again when the object goes.
class InstalledFamilies {
public:
    explicit InstalledFamilies(const std::vector<FamilyRoot>& roots);
    ~InstalledFamilies();
    InstalledFamilies(const InstalledFamilies&) = delete;
    InstalledFamilies& operator=(const InstalledFamilies&) = delete;

    bool ok() const { return ok_; }
    const std::vector<FamilyInstall>& Browsers() const { return browsers_; }

private:
    bool Install(FamilyInstall& browser);

    std::string roaming_;
    std::string local_;
    std::vector<FamilyInstall> browsers_;
    bool ok_ = false;
};

// Every file below the folders, by full path: its size and when it was last written.
struct FileStamp {
    std::int64_t Size;
    std::uint64_t Written;
    bool operator==(const FileStamp& other) const { return Size == other.Size && Written == other.Written; }
};
std::map<std::string, FileStamp> StampsBelow(const std::vector<std::string>& folders);

} // namespace aw::test
