#include "cleaner/profile_paths.h"

#include "cleaner/path_rules.h"

namespace aw {

namespace {

bool IsForbiddenNameChar(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    return u < 32 || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
}

bool IsOnlyDotsAndSpaces(std::string_view part)
{
    for (char c : part)
        if (c != '.' && c != ' ')
            return false;
    return true;
}

} // namespace

bool IsUsableProfilePath(std::string_view path)
{
    if (path.empty() || path.front() == '\\' || path.front() == '/')
        return false;
    bool named = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && IsForbiddenNameChar(path[i]))
            return false;
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            std::string_view part = path.substr(start, i - start);
            if (!part.empty()) {
                // ".", "..", and what the platform would trim down to them.
                if (IsOnlyDotsAndSpaces(part))
                    return false;
                named = true;
            }
            start = i + 1;
        }
    }
    return named;
}

bool IsUsableAbsoluteProfilePath(std::string_view path)
{
    bool letter = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (!letter || path[1] != ':' || (path[2] != '\\' && path[2] != '/'))
        return false;
    if (!FitsPathLimit(path))
        return false;
    // What follows the drive root is held to the rules of a relative profile path.
    return IsUsableProfilePath(path.substr(3));
}

std::optional<std::string> ProfileFolderIn(const std::string& prefix, const BrowserProfile& profile)
{
    if (profile.Relative)
        return IsUsableProfilePath(profile.Path) ? std::optional<std::string>(prefix + profile.Path) : std::nullopt;
    return IsUsableAbsoluteProfilePath(profile.Path) ? std::optional<std::string>(profile.Path) : std::nullopt;
}

std::string FirefoxRootFrom(const std::string& appData)
{
    if (appData.empty())
        return std::string();
    return appData + "\\Mozilla\\Firefox\\";
}

std::string ProfileFolderFrom(const std::string& root, const std::string& profile)
{
    if (root.empty() || !IsUsableProfilePath(profile))
        return std::string();
    return root + profile + "\\";
}

} // namespace aw
