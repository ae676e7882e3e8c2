#include "cleaner/system_location_source.h"

#include "cleaner/browser_profiles.h"
#include "platform/folder_services.h"

namespace aw {

std::string SystemLocationSource::folder(BaseFolder base) const
{
    // The special folders have their own memory; the profile folders read files.
    if (!remember_ || (base != BaseFolder::FirefoxProfile && base != BaseFolder::FirefoxRoot))
        return AskFolder(base);
    auto found = profileFolders_.find(base);
    if (found == profileFolders_.end())
        found = profileFolders_.emplace(base, AskFolder(base)).first;
    return found->second;
}

std::vector<BrowserProfile> SystemLocationSource::profiles(ProfilePart part, const std::string& folder) const
{
    if (!remember_)
        return AskProfiles(part, folder);
    auto key = std::make_pair(part, folder);
    auto found = profiles_.find(key);
    if (found == profiles_.end())
        found = profiles_.emplace(std::move(key), AskProfiles(part, folder)).first;
    return found->second;
}

std::string SystemLocationSource::AskFolder(BaseFolder base) const
{
    switch (base) {
    case BaseFolder::None: return std::string();
    case BaseFolder::RoamingAppData: return GetSpecialFolder(kCsidlAppData);
    case BaseFolder::LocalAppData: return GetSpecialFolder(kCsidlLocalAppData);
    case BaseFolder::ProgramFiles: return GetSpecialFolder(kCsidlProgramFiles);
    case BaseFolder::Recent: return GetSpecialFolder(kCsidlRecent);
    case BaseFolder::InternetCache: return GetSpecialFolder(kCsidlInternetCache);
    case BaseFolder::InternetCookies: return GetSpecialFolder(kCsidlCookies);
    case BaseFolder::InternetHistory: return GetSpecialFolder(kCsidlHistory);
    case BaseFolder::WindowsDir: return GetWindowsFolder();
    case BaseFolder::SystemDir: return GetSystemFolder();
    case BaseFolder::FirefoxProfile: return GetFirefoxProfileFolder();
    case BaseFolder::FirefoxRoot: return GetFirefoxRoot();
    }
    return std::string();
}

std::vector<BrowserProfile> SystemLocationSource::AskProfiles(ProfilePart part, const std::string& folder) const
{
    switch (part) {
    case ProfilePart::None: return {};
    case ProfilePart::Firefox: return FirefoxProfiles();
    case ProfilePart::ProfilesIni: return ReadBrowserProfiles(folder + "profiles.ini");
    case ProfilePart::ChromiumProfiles: return ChromiumProfileFolders(folder);
    case ProfilePart::SideProfiles: return SideProfileFolders(folder);
    }
    return {};
}

} // namespace aw
