#pragma once
// Rules for the profile names that browsers record in their profiles.ini ("Path" of
// section "Profile0"). The file is written by other programs, so its value is checked before
// it becomes part of a path the cleaner deletes in.
#include "cleaner/profiles_ini.h"

#include <optional>
#include <string>
#include <string_view>

namespace aw {

// A usable profile path is relative and stays inside the browser's folder: not empty, no
// drive, no leading separator, no "." or ".." level, no wildcard or other character a file
// name cannot hold. Forward slashes are accepted as stored ("Profiles/abcd.default").
bool IsUsableProfilePath(std::string_view path);

// Firefox's root folder from the Shell Folders "AppData" text: that text followed by
// "\Mozilla\Firefox\". Empty when the text is empty, so that nothing is looked for relative
// to the root of the current drive.
std::string FirefoxRootFrom(const std::string& appData);

// A profile kept outside the browser's folder ("IsRelative=0"): a fully qualified folder below
// a drive root ("X:\..."), with no "." or ".." level, no wildcard or other character a file
// name cannot hold, and within the platform's path limit. Shares and device paths are refused.
bool IsUsableAbsoluteProfilePath(std::string_view path);

// The folder of one profile, without a trailing separator: `prefix` + its path when it is
// relative, its own path when it is absolute; nothing when the path is not usable.
std::optional<std::string> ProfileFolderIn(const std::string& prefix, const BrowserProfile& profile);

// root + profile + "\", or empty when either part is missing or the profile is unusable.
std::string ProfileFolderFrom(const std::string& root, const std::string& profile);

} // namespace aw
