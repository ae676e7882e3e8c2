#pragma once
// The profile folders of the five browsers that record them in a profiles.ini: only the
// profile of section "Profile0" is ever used. Everything is read afresh at every call.
#include <string>

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

} // namespace aw
