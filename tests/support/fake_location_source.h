#pragma once
// A machine whose folders and browser profiles are whatever the test says, for the pure code
// that builds locations from them.
#include "cleaner/location_builder.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace aw::test {

class FakeLocationSource : public LocationSource {
public:
    std::map<BaseFolder, std::string> Folders = {
        {BaseFolder::RoamingAppData, "C:\\u\\Roaming"},
        {BaseFolder::LocalAppData, "C:\\u\\Local"},
        {BaseFolder::ProgramFiles, "C:\\Program Files"},
        {BaseFolder::Recent, "C:\\u\\Recent"},
        {BaseFolder::InternetCache, "C:\\u\\INetCache"},
        {BaseFolder::InternetCookies, "C:\\u\\INetCookies"},
        {BaseFolder::InternetHistory, "C:\\u\\History"},
        {BaseFolder::WindowsDir, "C:\\windows"},
        {BaseFolder::SystemDir, "C:\\windows\\system32"},
        {BaseFolder::FirefoxProfile, "C:\\u\\Roaming\\Mozilla\\Firefox\\Profiles/ff.default\\"},
        {BaseFolder::FirefoxRoot, "C:\\u\\Roaming\\Mozilla\\Firefox\\"},
    };
    // The first profile of each kind of browser (a relative path); empty for none.
    std::map<ProfilePart, std::string> Profiles = {
        {ProfilePart::Firefox, "Profiles/ff.default"},
        {ProfilePart::ProfilesIni, "Profiles/mz.default"},
        {ProfilePart::ChromiumProfiles, "Default"},
        {ProfilePart::SideProfiles, "_side_profiles\\side"},
    };
    // Further profiles, after the first.
    std::map<ProfilePart, std::vector<BrowserProfile>> MoreProfiles;
    std::string folder(BaseFolder base) const override
    {
        auto it = Folders.find(base);
        return it == Folders.end() ? std::string() : it->second;
    }
    // The folders profiles were asked for, in order.
    mutable std::vector<std::pair<ProfilePart, std::string>> Asked;

    std::vector<BrowserProfile> profiles(ProfilePart part, const std::string& folder) const override
    {
        Asked.emplace_back(part, folder);
        std::vector<BrowserProfile> all;
        auto first = Profiles.find(part);
        if (first != Profiles.end())
            all.push_back(BrowserProfile{first->second, true});
        auto more = MoreProfiles.find(part);
        if (more != MoreProfiles.end())
            all.insert(all.end(), more->second.begin(), more->second.end());
        return all;
    }
};

} // namespace aw::test
