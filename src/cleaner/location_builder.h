#pragma once
// Turns a row of the location table into the text of one location.
#include "cleaner/location_table.h"

#include <optional>
#include <string>

namespace aw {

// Where the folders and profile names come from. The cleaner's own source asks the system
// afresh at every call; an unresolvable folder or a missing profile is the empty string.
class LocationSource {
public:
    virtual ~LocationSource() = default;
    virtual std::string folder(BaseFolder base) const = 0;
    virtual std::string profile(ProfilePart part) const = 0;
};

// The location of a file, folder or registry action, or nothing when it cannot be built
// safely:
//  - the base folder resolves to the empty string (a file-system location would otherwise
//    start at the root of the current drive);
//  - the row has a profile part and the browser has no usable profile (the location would
//    otherwise fall back to the browser's own folder);
//  - the text reaches the platform's path limit;
//  - a folder location ("files" and "tree") is not a folder below a drive or share root.
std::optional<std::string> BuildLocation(const TraceAction& action, const LocationSource& source);

} // namespace aw
