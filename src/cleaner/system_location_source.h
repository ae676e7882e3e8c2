#pragma once
// The folders and profiles of this machine and user. The shell's special folders are asked
// once for the source's lifetime (a scan or a cleaning run makes its own, on its own thread),
// everything else afresh at every call.
#include "cleaner/location_builder.h"
#include "platform/folder_services.h"

namespace aw {

class SystemLocationSource : public LocationSource {
public:
    std::string folder(BaseFolder base) const override;
    std::vector<BrowserProfile> profiles(ProfilePart part, const std::string& userDataFolder) const override;

private:
    SpecialFolderScope specialFolders_;
};

} // namespace aw
