#include "cleaner/browser_profiles.h"

#include "cleaner/folder_services.h"
#include "cleaner/path_rules.h"
#include "cleaner/profile_paths.h"
#include "cleaner/registry_primitives.h"

#include <windows.h>

namespace aw {

namespace {

constexpr const char* kShellFoldersAppData = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\AppData";

// Longer than any path the cleaner would use, so that a longer value is seen to be cut short.
constexpr DWORD kProfileValueChars = 1024;

std::string RoamingProfilePath(const char* vendorPart)
{
    std::string roaming = GetSpecialFolder(kCsidlAppData);
    if (roaming.empty())
        return std::string();
    return ReadProfile0Path(WithTrailingBackslash(roaming) + vendorPart + "profiles.ini");
}

} // namespace

std::string ReadProfile0Path(const std::string& iniPath)
{
    // The profile services look for a file named without a folder in the Windows folder;
    // only full paths are read.
    if (iniPath.find('\\') == std::string::npos || !FitsPathLimit(iniPath))
        return std::string();
    char value[kProfileValueChars] = {};
    DWORD length = GetPrivateProfileStringA("Profile0", "Path", "", value, kProfileValueChars, iniPath.c_str());
    if (length >= kProfileValueChars - 1)
        return std::string();
    return std::string(value, length);
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

} // namespace aw
