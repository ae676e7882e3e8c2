#pragma once
// The folders and profiles of this machine and user, asked afresh at every call.
#include "cleaner/location_builder.h"

namespace aw {

class SystemLocationSource : public LocationSource {
public:
    std::string folder(BaseFolder base) const override;
    std::vector<BrowserProfile> profiles(ProfilePart part, const std::string& userDataFolder) const override;
};

} // namespace aw
