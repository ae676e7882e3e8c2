#pragma once
// The profiles a Mozilla-family browser lists in its profiles.ini. The file is written by
// another program, so it is read as untrusted text; the paths are checked where they are used.
// The browsers write it in UTF-8, which is how the program keeps every path.
#include <string>
#include <string_view>
#include <vector>

namespace aw {

struct BrowserProfile {
    std::string Path;     // the "Path" value, as stored
    bool Relative = true; // "IsRelative" is not "0": Path is below the browser's own folder
};

// Every section named "Profile" followed by digits ("Profile0", "Profile1", ...) that has a
// "Path", in the order of the file. Section and key names are compared case-insensitively, as
// the platform's profile services do; blanks around names and values are ignored, as are
// comment lines (";" or "#"), a UTF-8 byte-order mark and lines without "=". A section that
// appears twice is read once (its first "Path" and "IsRelative" win). At most kMaxProfiles.
constexpr std::size_t kMaxProfiles = 64;
std::vector<BrowserProfile> ParseProfilesIni(std::string_view text);

// The "Path" of section "Profile0", as stored; empty when the section or the key is missing.
std::string ProfileZeroPath(std::string_view text);

} // namespace aw
