#pragma once
// The folders and profiles of this machine and user, asked afresh at every call.
#include "cleaner/location_builder.h"

namespace aw {

class SystemLocationSource : public LocationSource {
public:
    std::string folder(BaseFolder base) const override;
    std::string profile(ProfilePart part) const override;
};

} // namespace aw
