#pragma once
// A machine whose folders and browser profiles are whatever the test says, for the pure code
// that builds locations from them.
#include "cleaner/location_builder.h"

#include <map>
#include <string>

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
    };
    std::map<ProfilePart, std::string> Profiles = {
        {ProfilePart::Firefox, "Profiles/ff.default"}, {ProfilePart::PaleMoon, "Profiles/pm.default"},
        {ProfilePart::KMeleon, "Profiles/km.default"}, {ProfilePart::Netscape, "Profiles/ns.default"},
        {ProfilePart::SeaMonkey, "Profiles/sm.default"},
    };
    std::string folder(BaseFolder base) const override
    {
        auto it = Folders.find(base);
        return it == Folders.end() ? std::string() : it->second;
    }
    std::string profile(ProfilePart part) const override
    {
        auto it = Profiles.find(part);
        return it == Profiles.end() ? std::string() : it->second;
    }
};

} // namespace aw::test
