#include "cleaner/location_builder.h"

#include "cleaner/path_rules.h"
#include "cleaner/profile_paths.h"
#include "platform/text.h"

#include <algorithm>

namespace aw {

namespace {

// The folder a file-system location starts with, with or without the backslash it is joined
// with; empty when the folder cannot be resolved.
std::string BaseText(BaseFolder base, const LocationSource& source)
{
    std::string folder = source.folder(base);
    if (folder.empty())
        return folder;
    switch (base) {
    case BaseFolder::SystemDir:
    case BaseFolder::FirefoxRoot:
        return folder;
    default:
        return WithTrailingBackslash(std::move(folder));
    }
}

bool IsFolderAction(ActionKind kind)
{
    return kind == ActionKind::Files || kind == ActionKind::Tree;
}

// The folder a profile part lists its profiles in: the row's own folder, or for the parts that
// keep their list below the roaming folder, that folder + the same literal.
std::string ProfileListFolder(const TraceAction& action, ProfilePart part, const std::string& prefix,
                              const LocationSource& source)
{
    const bool roamingList = part == ProfilePart::ProfilesIni || part == ProfilePart::SideProfiles;
    if (!roamingList || action.Base == BaseFolder::RoamingAppData)
        return prefix;
    std::string roaming = BaseText(BaseFolder::RoamingAppData, source);
    return roaming.empty() ? roaming : roaming + std::string(action.Literal);
}

// The same path written with other separators or letter case (profiles.ini may list one
// profile twice, once with forward slashes).
bool SameLocation(const std::string& a, const std::string& b)
{
    auto normal = [](const std::string& path) {
        std::string text = path;
        std::replace(text.begin(), text.end(), '/', '\\');
        return AsciiLower(CollapseDoubledBackslashes(text));
    };
    return normal(a) == normal(b);
}

void Add(std::vector<std::string>& locations, std::string location, ActionKind kind)
{
    if (location.empty() || !FitsPathLimit(location))
        return;
    if (IsFolderAction(kind) && !IsSafeFolderTarget(location))
        return;
    for (const std::string& known : locations)
        if (SameLocation(known, location))
            return;
    locations.push_back(std::move(location));
}

} // namespace

std::vector<std::string> BuildLocations(const TraceAction& action, const LocationSource& source)
{
    std::vector<std::string> locations;
    // A row on the Firefox profile folder is a row on Firefox's root, its profile and the
    // literal after a backslash.
    const bool firefoxProfile = action.Base == BaseFolder::FirefoxProfile;
    const BaseFolder base = firefoxProfile ? BaseFolder::FirefoxRoot : action.Base;
    const ProfilePart part = firefoxProfile ? ProfilePart::Firefox : action.Profile;

    std::string prefix;
    if (base != BaseFolder::None) {
        prefix = BaseText(base, source);
        if (prefix.empty())
            return locations;
    }
    if (!firefoxProfile)
        prefix += action.Literal;
    if (part == ProfilePart::None) {
        Add(locations, std::move(prefix), action.Kind);
        return locations;
    }
    const std::string listFolder = ProfileListFolder(action, part, prefix, source);
    if (!FitsPathLimit(prefix) || listFolder.empty() || !FitsPathLimit(listFolder))
        return locations;
    for (const BrowserProfile& profile : source.profiles(part, listFolder)) {
        std::optional<std::string> folder = ProfileFolderIn(prefix, profile);
        if (!folder)
            continue;
        if (firefoxProfile)
            Add(locations, *folder + "\\" + std::string(action.Literal), action.Kind);
        else
            Add(locations, *folder + std::string(action.Tail), action.Kind);
    }
    return locations;
}

std::optional<std::string> RowFolder(const TraceAction& action, const LocationSource& source)
{
    if (action.Base == BaseFolder::None || action.Base == BaseFolder::FirefoxProfile ||
        action.Profile == ProfilePart::Firefox)
        return std::nullopt;
    std::string prefix = BaseText(action.Base, source);
    if (prefix.empty())
        return std::nullopt;
    prefix += action.Literal;
    if (action.Profile == ProfilePart::None || action.Profile == ProfilePart::ChromiumProfiles)
        return prefix;
    std::string list = ProfileListFolder(action, action.Profile, prefix, source);
    return list.empty() ? std::nullopt : std::optional<std::string>(list);
}

std::optional<std::string> BuildLocation(const TraceAction& action, const LocationSource& source)
{
    std::vector<std::string> locations = BuildLocations(action, source);
    if (locations.empty())
        return std::nullopt;
    return locations.front();
}

} // namespace aw
