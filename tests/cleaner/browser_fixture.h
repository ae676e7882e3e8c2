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

} // namespace aw::test
