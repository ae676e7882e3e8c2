#include "cleaner/browser_profiles.h"

#include "cleaner/path_rules.h"
#include "cleaner/profile_paths.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/handle.h"
#include "platform/open_file.h"
#include "platform/registry_key.h"

#include <windows.h>

#include <optional>

namespace aw {

namespace {

constexpr const char* kShellFoldersAppData = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\AppData";

// A profiles.ini of a few hundred profiles is still far below this; anything larger is not one.
constexpr DWORD kProfilesIniLimit = 256 * 1024;

std::string RoamingProfilePath(const char* vendorPart)
{
    std::string roaming = GetSpecialFolder(kCsidlAppData);
    if (roaming.empty())
        return std::string();
    return ReadProfile0Path(WithTrailingBackslash(roaming) + vendorPart + "profiles.ini");
}

// The text of a profiles.ini, as the browser wrote it (UTF-8); nothing when the file is
// missing, unreadable or larger than any real profiles.ini. Only full paths are read: a name
// without a folder would be looked for in the current folder.
std::optional<std::string> ReadProfilesIniText(const std::string& iniPath)
{
    if (iniPath.find('\\') == std::string::npos || !FitsPathLimit(iniPath))
        return std::nullopt;
    UniqueHandle file = OpenFile(iniPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 OPEN_EXISTING);
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kProfilesIniLimit)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!text.empty() && !ReadFile(file.Get(), &text[0], static_cast<DWORD>(text.size()), &read, nullptr))
        return std::nullopt;
    text.resize(read);
    return text;
}

} // namespace

std::string ReadProfile0Path(const std::string& iniPath)
{
    std::optional<std::string> text = ReadProfilesIniText(iniPath);
    if (!text)
        return std::string();
    std::string path = ProfileZeroPath(*text);
    return FitsPathLimit(path) ? path : std::string();
}

std::string GetFirefoxRoot()
{
    return FirefoxRootFrom(RegReadString(HKEY_CURRENT_USER, kShellFoldersAppData).value_or(std::string()));
}

std::string GetFirefoxProfilePath()
{
    std::string root = GetFirefoxRoot();
    return root.empty() ? std::string() : ReadProfile0Path(root + "profiles.ini");
}

std::string GetFirefoxProfileFolder()
{
    std::string root = GetFirefoxRoot();
    if (root.empty())
        return std::string();
    return ProfileFolderFrom(root, ReadProfile0Path(root + "profiles.ini"));
}

std::string GetPaleMoonProfilePath()
{
    return RoamingProfilePath("\\Moonchild Productions\\Pale Moon\\");
}

std::string GetKMeleonProfilePath()
{
    return RoamingProfilePath("\\K-Meleon\\");
}

std::string GetNetscapeProfilePath()
{
    return RoamingProfilePath("\\Netscape\\Navigator\\");
}

std::string GetSeaMonkeyProfilePath()
{
    return RoamingProfilePath("\\Mozilla\\SeaMonkey\\");
}

std::vector<BrowserProfile> ReadBrowserProfiles(const std::string& iniPath)
{
    std::optional<std::string> text = ReadProfilesIniText(iniPath);
    return text ? ParseProfilesIni(*text) : std::vector<BrowserProfile>();
}

std::vector<BrowserProfile> FirefoxProfiles()
{
    std::string root = GetFirefoxRoot();
    return root.empty() ? std::vector<BrowserProfile>() : ReadBrowserProfiles(root + "profiles.ini");
}

std::vector<BrowserProfile> ChromiumProfileFolders(const std::string& userDataFolder)
{
    std::vector<BrowserProfile> profiles;
    const std::string base = WithTrailingBackslash(userDataFolder);
    if (!IsSafeFolderTarget(base) || !FitsPathLimit(base + "*"))
        return profiles;
    for (DirectorySearch search(base + "*"); search.found(); search.next()) {
        if (!search.isDirectory() || search.isReparsePoint() || IsDotEntry(search.name()))
            continue;
        std::string preferences = base + search.name() + "\\Preferences";
        if (!FitsPathLimit(preferences))
            continue;
        if (FileExists(preferences))
            profiles.push_back(BrowserProfile{search.name(), true});
    }
    return profiles;
}

std::vector<BrowserProfile> SideProfileFolders(const std::string& profileFolder)
{
    std::vector<BrowserProfile> profiles = ChromiumProfileFolders(WithTrailingBackslash(profileFolder) + "_side_profiles");
    for (BrowserProfile& profile : profiles)
        profile.Path = "_side_profiles\\" + profile.Path;
    return profiles;
}

} // namespace aw
