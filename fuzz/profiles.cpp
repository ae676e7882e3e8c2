// Feeds arbitrary profile names (the "Path" of a profiles.ini) through every profile-based
// location of the cleaner, and arbitrary paths and masks through the path rules. Beyond
// memory errors it checks that an accepted profile can never lead a location out of its
// browser's folder.
#include "cleaner/location_builder.h"
#include "cleaner/path_rules.h"
#include "cleaner/profile_paths.h"
#include "cleaner/registry_paths.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class FuzzSource : public aw::LocationSource {
public:
    explicit FuzzSource(std::string profile) : profile_(std::move(profile)) {}
    std::string folder(aw::BaseFolder base) const override
    {
        return base == aw::BaseFolder::FirefoxProfile ? aw::ProfileFolderFrom("C:\\u\\Roaming\\Mozilla\\Firefox\\", profile_)
                                                      : "C:\\u\\Folder";
    }
    std::string profile(aw::ProfilePart) const override { return profile_; }

private:
    std::string profile_;
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

    // As a profile name.
    const FuzzSource source(text);
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
