// Feeds arbitrary profile names (the "Path" of a profiles.ini) through every profile-based
// location of the cleaner, and arbitrary paths and masks through the path rules. Beyond
// memory errors it checks that an accepted profile can never lead a location out of its
// browser's folder.
#include "cleaner/location_builder.h"
#include "cleaner/path_rules.h"
#include "cleaner/profile_paths.h"
#include "cleaner/profiles_ini.h"
#include "cleaner/registry_paths.h"
#include "platform/registry_path.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class FuzzSource : public aw::LocationSource {
public:
    FuzzSource(std::string profile, bool relative) : profile_(std::move(profile)), relative_(relative) {}
    std::string folder(aw::BaseFolder base) const override
    {
        return base == aw::BaseFolder::FirefoxRoot ? "C:\\u\\Roaming\\Mozilla\\Firefox\\" : "C:\\u\\Folder";
    }
    std::vector<aw::BrowserProfile> profiles(aw::ProfilePart, const std::string&) const override
    {
        return {aw::BrowserProfile{profile_, relative_}};
    }

private:
    std::string profile_;
    bool relative_;
};

// A component the platform would read as the folder itself or its parent.
bool ClimbsOrStays(const std::string& part)
{
    std::size_t end = part.find_last_not_of(". ");
    return !part.empty() && end == std::string::npos;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);

    // As a profiles.ini: every profile found is a piece of the text.
    for (const aw::BrowserProfile& profile : aw::ParseProfilesIni(text))
        Check(text.find(profile.Path) != std::string::npos);

    // As an absolute profile path: only a folder below a drive root, never climbing out of it.
    const FuzzSource absolute(text, false);
    const bool usableAbsolute = aw::IsUsableAbsoluteProfilePath(text);
    for (const aw::TraceAction& action : aw::TraceLocationTable()) {
        if (action.Profile == aw::ProfilePart::None && action.Base != aw::BaseFolder::FirefoxProfile)
            continue;
        for (const std::string& location : aw::BuildLocations(action, absolute)) {
            Check(usableAbsolute);
            Check(location.rfind(text, 0) == 0 && aw::FitsPathLimit(location));
        }
    }

    // As a profile name.
    const FuzzSource source(text, true);
    const bool usable = aw::IsUsableProfilePath(text);
    if (usable) {
        Check(text.find(':') == std::string::npos && text[0] != '\\' && text[0] != '/');
        std::string part;
        for (char c : text + "\\") {
            if (c == '\\' || c == '/') {
                Check(!ClimbsOrStays(part));
                part.clear();
            } else {
                part += c;
            }
        }
    }
    for (const aw::TraceAction& action : aw::TraceLocationTable()) {
        bool profileBased = action.Profile != aw::ProfilePart::None || action.Base == aw::BaseFolder::FirefoxProfile;
        if (!profileBased)
            continue;
        auto location = aw::BuildLocation(action, source);
        if (!usable) {
            Check(!location);
            continue;
        }
        if (location) {
            Check(aw::FitsPathLimit(*location));
            Check(location->find(text) != std::string::npos);
            Check(location->rfind("C:\\u\\", 0) == 0);
        }
    }

    // As a folder, a mask and a registry path.
    (void)aw::IsSafeFolderTarget(text);
    std::string collapsed = aw::CollapseDoubledBackslashes(text);
    Check(collapsed.size() <= text.size());
    (void)aw::MatchesMask(text, text);
    std::size_t half = size / 2;
    (void)aw::MatchesMask(text.substr(0, half), text.substr(half));
    (void)aw::IsDeletableKeyPath(text);
    if (auto value = aw::SplitValuePath(text))
        Check(value->Key.size() + value->Name.size() + 1 == text.size());
    return 0;
}
