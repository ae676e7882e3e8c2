#pragma once
// The profiles of the browsers: those a profiles.ini records, and the Chromium family's profile
// folders. Everything is read afresh at every call.
#include "cleaner/profiles_ini.h"

#include <string>
#include <vector>

namespace aw {

// The "Path" value of section "Profile0" of the given profiles.ini, exactly as stored; empty
// when the file, the section or the key is missing, or the value is too long to be a path.
std::string ReadProfile0Path(const std::string& iniPath);

// The Shell Folders "AppData" text followed by "\Mozilla\Firefox\"; empty when that value
// cannot be read (never a path relative to the root of the current drive).
std::string GetFirefoxRoot();
// Profile0's path in Firefox's profiles.ini (relative, as stored); empty without a root.
std::string GetFirefoxProfilePath();
// GetFirefoxRoot() + GetFirefoxProfilePath() + "\"; empty unless both are usable.
std::string GetFirefoxProfileFolder();

// Profile0's path in the profiles.ini under the roaming application-data folder.
std::string GetPaleMoonProfilePath();
std::string GetKMeleonProfilePath();
std::string GetNetscapeProfilePath();
std::string GetSeaMonkeyProfilePath();

// Every profile the profiles.ini at the given full path lists ("Profile0", "Profile1", ...);
// empty when the file is missing, unreadable or larger than any real profiles.ini.
std::vector<BrowserProfile> ReadBrowserProfiles(const std::string& iniPath);
// The profiles of Firefox, from its profiles.ini.
std::vector<BrowserProfile> FirefoxProfiles();

// The profile folders of a Chromium-family user-data folder: the names of its sub-folders
// that hold a "Preferences" file ("Default", "Profile 1", ...), links left out.
std::vector<BrowserProfile> ChromiumProfileFolders(const std::string& userDataFolder);

// The extra profiles of a profile folder that is itself Opera's first profile: the folders of
// its "_side_profiles" folder that hold a "Preferences" file, as "_side_profiles\<name>".
std::vector<BrowserProfile> SideProfileFolders(const std::string& profileFolder);

} // namespace aw
