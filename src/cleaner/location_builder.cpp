#include "cleaner/location_builder.h"

#include "cleaner/path_rules.h"
#include "cleaner/profile_paths.h"

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
    case BaseFolder::FirefoxProfile:
        return folder;
    default:
        return WithTrailingBackslash(std::move(folder));
    }
}

bool IsFolderAction(ActionKind kind)
{
    return kind == ActionKind::Files || kind == ActionKind::Tree;
}

} // namespace

std::optional<std::string> BuildLocation(const TraceAction& action, const LocationSource& source)
{
    std::string location;
    if (action.Base != BaseFolder::None) {
        location = BaseText(action.Base, source);
        if (location.empty())
            return std::nullopt;
    }
    location += action.Literal;
    if (action.Profile != ProfilePart::None) {
        std::string profile = source.profile(action.Profile);
        if (!IsUsableProfilePath(profile))
            return std::nullopt;
        location += profile;
        location += action.Tail;
    }
    if (location.empty() || !FitsPathLimit(location))
        return std::nullopt;
    if (IsFolderAction(action.Kind) && !IsSafeFolderTarget(location))
        return std::nullopt;
    return location;
}

} // namespace aw
