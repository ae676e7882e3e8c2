#pragma once
// The folders and profiles of this machine and user. The shell's special folders are asked
// once for the source's lifetime (a scan or a cleaning run makes its own, on its own thread).
// Browser profiles are asked afresh at every call, unless the source is told to remember them:
// a scan only looks, and its dozens of rows per browser would otherwise read the same
// profiles.ini and list the same folders again for each row.
#include "cleaner/location_builder.h"
#include "platform/folder_services.h"

#include <map>
#include <utility>

namespace aw {

class SystemLocationSource : public LocationSource {
public:
    enum class Profiles { AskEachTime, Remember };
    explicit SystemLocationSource(Profiles profiles = Profiles::AskEachTime)
        : remember_(profiles == Profiles::Remember)
    {
    }

    std::string folder(BaseFolder base) const override;
    std::vector<BrowserProfile> profiles(ProfilePart part, const std::string& folder) const override;

private:
    std::string AskFolder(BaseFolder base) const;
    std::vector<BrowserProfile> AskProfiles(ProfilePart part, const std::string& folder) const;

    SpecialFolderScope specialFolders_;
    bool remember_;
    mutable std::map<BaseFolder, std::string> profileFolders_;
    mutable std::map<std::pair<ProfilePart, std::string>, std::vector<BrowserProfile>> profiles_;
};

} // namespace aw
