#pragma once
// Where the user's folders lie on this machine, and who the user is. Every call asks the system
// again, except within a SpecialFolderScope. Paths and names are UTF-8, whatever the code page;
// a folder the system cannot name is the empty string.
#include <map>
#include <optional>
#include <string>

namespace aw {

// CSIDL numbers the program uses.
enum SpecialFolderId : int {
    kCsidlRecent = 8,
    kCsidlAppData = 26,
    kCsidlLocalAppData = 28,
    kCsidlInternetCache = 32,
    kCsidlCookies = 33,
    kCsidlHistory = 34,
    kCsidlCommonAppData = 35,
    kCsidlProgramFiles = 38,
};

// The special folder's path as the shell gives it, without a trailing backslash.
std::string GetSpecialFolder(int csidl);

// While one lives, GetSpecialFolder on its thread asks the shell once per folder and gives the
// same answer afterwards. A scan or a cleaning run builds hundreds of paths from a handful of
// folders, and each shell query costs far more than the path it yields. Scopes nest; the
// outermost one holds the answers. A scope is made and ended on one thread (a local or a member
// of a local).
class SpecialFolderScope {
public:
    SpecialFolderScope();
    ~SpecialFolderScope();
    SpecialFolderScope(const SpecialFolderScope&) = delete;
    SpecialFolderScope& operator=(const SpecialFolderScope&) = delete;

private:
    friend std::string GetSpecialFolder(int csidl);
    bool outermost_;
    std::map<int, std::string> answers_;
};
// Normally without a trailing backslash.
std::string GetWindowsFolder();
std::string GetSystemFolder();
// With the trailing backslash the system gives.
std::string GetTempFolder();
// An environment variable of this process ("ProgramW6432"), empty when it is not set.
std::string EnvironmentValue(const std::string& name);
// The running executable's full path, however long. The buffer grows until the name fits: a
// cut path would name some other program, or none.
std::string GetExePath();
// The folder of the running executable, ending in a backslash.
std::string GetExeFolder();

// The logged-on user's name (asked for with room for 255 characters); nothing when the system
// does not say.
std::optional<std::string> LoggedOnUserName();

} // namespace aw
