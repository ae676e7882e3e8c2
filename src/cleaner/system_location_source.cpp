#include "cleaner/system_location_source.h"

#include "cleaner/browser_profiles.h"
#include "cleaner/folder_services.h"

namespace aw {

std::string SystemLocationSource::folder(BaseFolder base) const
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
    }
    return std::string();
}

std::string SystemLocationSource::profile(ProfilePart part) const
{
    switch (part) {
    case ProfilePart::None: return std::string();
    case ProfilePart::Firefox: return GetFirefoxProfilePath();
    case ProfilePart::PaleMoon: return GetPaleMoonProfilePath();
    case ProfilePart::KMeleon: return GetKMeleonProfilePath();
    case ProfilePart::Netscape: return GetNetscapeProfilePath();
    case ProfilePart::SeaMonkey: return GetSeaMonkeyProfilePath();
    }
    return std::string();
}

} // namespace aw
