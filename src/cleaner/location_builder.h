#pragma once
// Turns a row of the location table into the texts of its locations.
#include "cleaner/location_table.h"
#include "cleaner/profiles_ini.h"

#include <optional>
#include <string>
#include <vector>

namespace aw {

// Where the folders and profiles come from. The cleaner's own source asks the system afresh
// at every call; an unresolvable folder is the empty string, a browser without profiles an
// empty list.
class LocationSource {
public:
    virtual ~LocationSource() = default;
    virtual std::string folder(BaseFolder base) const = 0;
    // The profiles of a browser, listed in `folder` (it ends in a backslash): for ProfilesIni
    // those of its profiles.ini, for ChromiumProfiles and SideProfiles the names of the profile
    // folders found in it (relative paths). Firefox's part finds its own folder and ignores it.
    virtual std::vector<BrowserProfile> profiles(ProfilePart part, const std::string& folder) const = 0;
};

// Every location of a file, folder or registry action, one per profile for a row with a
// profile part, each at most once. A location is left out when it cannot be built safely:
//  - the base folder resolves to the empty string (a file-system location would otherwise
//    start at the root of the current drive);
//  - its profile is not usable: a relative path that is empty or leaves the browser's folder,
//    an absolute one that is not a folder below a drive root (the location would otherwise
//    fall back to the browser's own folder or land anywhere);
//  - the text reaches the platform's path limit;
//  - a folder location ("files" and "tree") is not a folder below a drive or share root.
std::vector<std::string> BuildLocations(const TraceAction& action, const LocationSource& source);

// The folder that every location of the row lies in, or that its profiles are listed from:
// base + literal, or for ProfilesIni and SideProfiles the folder below the roaming folder they
// are listed in. Nothing for the rows of Firefox's profiles, which may lie anywhere, and for
// registry rows and unresolvable folders.
std::optional<std::string> RowFolder(const TraceAction& action, const LocationSource& source);

// The first of BuildLocations, or nothing.
std::optional<std::string> BuildLocation(const TraceAction& action, const LocationSource& source);

} // namespace aw
